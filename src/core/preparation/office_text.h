// Word-processor and PDF documents as text documents of a collection: the
// text of a ".docx" (word/document.xml), an ".odt" (content.xml) or a
// ".pdf" (its text layer, through poppler), in reading order with one
// paragraph per line, written as a Windows-1252 CR LF document like the
// "arq-" documents converted from HTML. Names of the converted documents:
// docs/formats.md ("Converted documents").
#pragma once

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/memory_budget.h"

namespace pugi {
class xml_document;
}

namespace lumeral::preparation {

namespace fs = std::filesystem;

enum class OfficeFormat { Docx = 0, Odt = 1, Pdf = 2 };
inline constexpr std::array<OfficeFormat, 3> kOfficeFormats{OfficeFormat::Docx, OfficeFormat::Odt,
                                                            OfficeFormat::Pdf};

// Which inputs a preparation converts besides its ".txt" documents (which
// are always taken): HTML pages, and each office format.
struct DocumentFormats {
  bool html = true;
  std::array<bool, 3> office{false, false, false};  // by OfficeFormat
  bool converts(OfficeFormat f) const { return office[static_cast<int>(f)]; }
  bool any_office() const { return office[0] || office[1] || office[2]; }
  bool operator==(const DocumentFormats&) const = default;
};
// The old behaviour: texts and HTML. All: texts, HTML, DOCX, ODT and PDF.
inline DocumentFormats formats_without_office() { return {}; }
inline DocumentFormats all_formats() { return {true, {true, true, true}}; }

// The format of a file name by its extension, without regard to case.
std::optional<OfficeFormat> office_format_of(AnsiView name);
// ".docx", ".odt", ".pdf".
const char* office_extension(OfficeFormat f);
// Prefix of the converted documents: "docx-", "odt-", "pdf-".
const char* converted_prefix(OfficeFormat f);
// The converted document of the i-th file (from 1) of a format's list:
// prefix + six digits + ".txt" ("pdf-000003.txt").
Ansi converted_name(OfficeFormat f, std::size_t i);

// What one document may grow to in memory, from the memory budget: its
// XML part as inflated, the tree parsed from it and its text may each take
// at most a quarter of the budget, no less than 8 MB and no more than 1 GB.
// A small file that inflates past it (a ZIP bomb) is refused before it is
// inflated whole.
constexpr std::size_t document_size_limit(std::size_t memory_budget) {
  return std::clamp(memory_budget / 4, 8 * kMegabyte, 1024 * kMegabyte);
}
inline constexpr std::size_t kDefaultDocumentLimit = document_size_limit(kDefaultMemoryBudget);

// The paragraphs of a document as UTF-8 lines. A file that cannot be
// opened, is damaged, encrypted, (a PDF) has no text layer or would pass
// `limit` (document_size_limit) stops with a Portuguese sentence naming
// the file. Any depth of nested elements is read.
std::vector<std::string> extract_docx(const fs::path& p, std::size_t limit = kDefaultDocumentLimit);
std::vector<std::string> extract_odt(const fs::path& p, std::size_t limit = kDefaultDocumentLimit);
std::vector<std::string> extract_pdf(const fs::path& p, std::size_t limit = kDefaultDocumentLimit);
std::vector<std::string> extract_office_text(OfficeFormat f, const fs::path& p,
                                             std::size_t limit = kDefaultDocumentLimit);

// UTF-8 lines as stored text: characters Windows-1252 lacks become their
// closest Latin equivalent ("“" -> '"', "ﬁ" -> "fi", "Ł" -> "L") or "?";
// `replaced` counts those characters.
struct StoredLines {
  std::vector<Ansi> lines;
  std::size_t replaced = 0;
};
StoredLines to_stored_lines(const std::vector<std::string>& utf8_lines);

// Extracts `in` and writes its text to `out` (temporary file renamed into
// place). Returns the count of replaced characters. Stops as the
// extraction does (nothing is written then) or on a write failure.
std::size_t convert_office_file(OfficeFormat f, const fs::path& in, const fs::path& out,
                                std::size_t limit = kDefaultDocumentLimit);

// The ZIP and XML reading the office documents and the spreadsheet tables
// share. A refusal is told by the caller's sentence around a reason
// ("O documento "x.docx" " + reason + " e ficou fora da preparação.").
using RefusalSentence = std::string (*)(const fs::path& p, const std::string& reason);
// "está danificado (não é um arquivo DOCX válido)"
std::string damaged_reason(const char* kind);
// "é grande demais: aberto, passaria de N MB, ... análises),"
std::string too_large_reason(std::size_t limit);
// One member of a ZIP file, whole. Stops when the archive is damaged, the
// member is encrypted, missing (unless not `required`: then empty) or
// inflates past `limit`: a declared size past it is refused before
// anything is inflated, and the inflation, by chunks, never goes beyond it.
std::string read_zip_member(const fs::path& p, const char* member, const char* kind, std::size_t limit,
                            RefusalSentence sentence, bool required = true);
// Parses `bytes` in place (the tree points into them: they must outlive
// it), the tree's own memory bounded by `limit`. pugixml's parser and its
// tree's release work without recursion, so any depth of nesting is read.
void parse_zip_xml(pugi::xml_document& doc, const fs::path& p, std::string& bytes, const char* kind,
                   std::size_t limit, RefusalSentence sentence);

// The note of a document that had characters outside Windows-1252.
std::string replaced_characters_message(const std::string& document, std::size_t replaced);

}  // namespace lumeral::preparation
