// The import of a project folder, as the text-listing window
// (`Form_textos`) runs it for the mining wizard: listing the folder's text
// and HTML files, converting every HTML page into a document (classic
// reading: "arq-" + number; complete reading: the page's name + ".txt"),
// splitting the single file at the separator (at most once per program
// run), writing the document list (title + ".ldc") and building one word
// list per document.
//
// Offers list_folder_files / list_folder (the window's lists),
// run_import (the whole run, or only the listing) and write_document_list.
// A processing run records its reading and the source of every converted
// or split document beside the document list (core/preparation/collection.h).
// The document list layout is in docs/formats.md ("Document list").
#pragma once

#include <filesystem>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/language.h"
#include "core/base/message.h"
#include "core/base/progress.h"
#include "core/base/reading.h"
#include "core/base/regional.h"
#include "core/preparation/collection.h"
#include "core/preparation/office_text.h"
#include "core/shell/project_file.h"

namespace lumeral::preparation {

namespace fs = std::filesystem;

extern const char* const kEmptyFolder;       // "Diretório Escolhido, sem arquivos textos ..."
extern const char* const kSplitNeedsOneFile;  // "Confira a existencia de 0 ou mais de 1 arquivo ..."
extern const char* const kAnalysingTexts;     // " Analizando Texto(s)" (the wizard's status panel)
extern const char* const kEmptyTitle;         // "O Campo Título está em branco e é um campo Obrigatório!"

// Files this system itself writes into a project folder that end in ".txt"
// (the printed report's text, "relatorio.txt"): never taken as documents,
// so preparing a project again after mining gives the same collection.
bool is_own_output(AnsiView name);

// Bare names of the regular files of `folder` accepted by `accept`, sorted
// by name without regard to case (the locale's collation; bytes break ties).
std::vector<Ansi> list_folder_files(const fs::path& folder, const std::function<bool(AnsiView)>& accept,
                                    const Regional& regional);

// The window's three lists: "TEXTO" ("*.txt"), "HTML" ("*.htm", "*.html")
// and the hidden "lpl" ("*.lpl"), extensions matched without regard to case.
// Left out of "TEXTO": this system's own outputs (is_own_output) and the
// text files whose name a document list cannot hold so that the document
// is found again (`unusable`, each with the reason, for the run to warn).
struct UnusableName {
  std::string name;    // the file name as shown in messages (printable UTF-8)
  std::string reason;  // why it cannot be a document
  std::optional<OfficeFormat> office;  // a DOCX, ODT or PDF file (told only when converted)
  bool operator==(const UnusableName&) const = default;
};
struct FolderLists {
  std::vector<Ansi> texts;
  std::vector<Ansi> htmls;
  std::vector<Ansi> word_lists;
  std::vector<UnusableName> unusable;
  // ".docx", ".odt" and ".pdf" files (by OfficeFormat), in the same order.
  std::array<std::vector<Ansi>, 3> office;
  const std::vector<Ansi>& of(OfficeFormat f) const { return office[static_cast<int>(f)]; }
};
// The warning for a skipped document.
std::string unusable_message(const UnusableName& u);
FolderLists list_folder(const fs::path& folder, const Regional& regional);

// Whether `folder` holds a file that the list "TEXTO" would show (a regular
// file named "*.txt", extension in any case); stops at the first one.
bool folder_has_texts(const fs::path& folder);

// Inputs of a run, as the wizard gives them.
struct ImportInput {
  fs::path folder;             // project folder: listed, and where everything is written
  Ansi title;                  // names title + ".ldc" and the backup title + ".bak"
  bool single_file = false;    // "Todos num mesmo arquivo, mas há um string separador ="
  Ansi separator;              // trimmed before use
  bool split_done = false;     // the split-done flag ("1" = true)
  fs::path stopwords;          // full path held by the stopword manager (empty: none chosen)
  bool process = true;         // processing requested (false: only list)
  // Build the word lists at the end of a processing run. The desktop
  // program sets it to false: there the text-listing window hands the
  // documents to the word-list window's "Analisa textos" instead.
  bool build_word_lists = true;
  // What is converted besides the text files: HTML pages always (the old
  // behaviour), DOCX, ODT and PDF files with "Converter também documentos
  // DOCX, ODT e PDF".
  DocumentFormats formats;
  // "Agrupar variantes das palavras (radicais)": the word lists hold the
  // stems of this language.
  std::optional<Language> stem;
  // How the texts are read: HTML pages, names of converted documents, the
  // letters of the word lists. Recorded in the folder by a processing run.
  Reading reading = Reading::Classic;
  // The memory budget: what one DOCX, ODT or PDF document may grow to
  // (document_size_limit); a document past it is skipped with a warning.
  std::size_t memory_budget = kDefaultMemoryBudget;
};

struct ImportResult {
  FolderLists first;                 // the lists as read at the start (what the window shows)
  FolderLists last;                  // the lists after the run (refreshed)
  bool empty_folder = false;         // no text and no HTML file: nothing was done, the
                                     // wizard returns to its start (message in `messages`)
  bool split_done = false;           // new value of the split-done flag
  std::vector<Message> messages;     // shown without stopping the run
  std::vector<Ansi> converted;       // "arq-" documents written from HTML pages
  std::vector<Ansi> office_converted;  // "docx-", "odt-", "pdf-" documents written
  std::vector<Ansi> pieces;          // documents written by the split
  fs::path document_list;            // title + ".ldc" (empty when not written)
  std::size_t word_lists = 0;        // how many word lists were written
  // DOCX, ODT and PDF files of the folder that the formats leave out, by
  // OfficeFormat (the caller says how to include them: left_out_message).
  std::array<std::size_t, 3> left_out{0, 0, 0};
  std::size_t left_out_total() const { return left_out[0] + left_out[1] + left_out[2]; }
  // Converted documents of an earlier run removed with their word lists:
  // those this run replaced by others of the same source (another reading
  // names them otherwise), then those whose source is no longer in the
  // folder. A message in `messages` tells each kind.
  std::vector<Ansi> removed;
};

// "Ficaram fora da preparação 3 documentos desta pasta (2 PDF, 1 DOCX). "
// followed by `how` (how to include them), or empty when none was.
std::string left_out_message(const ImportResult& result, const std::string& how);

// The name of a converted document under the complete reading: the
// source's whole name followed by ".txt" ("guia-rede.html" gives
// "guia-rede.html.txt"). When that name is taken by a text file that is not
// this source's earlier conversion (`taken`: lowered A-Z names of the
// folder's texts and of the documents named so far; `earlier`: this
// source's document in the previous sources file, lowered), " (2)", " (3)"
// ... go before ".txt". A source whose name cannot make a document name (a
// control character, blanks in front, too long) gives an empty name.
Ansi source_document_name(AnsiView source, const std::unordered_set<Ansi>& taken, AnsiView earlier);

// The import run. With `process`, converts the HTML pages (and, as
// `formats` asks, the DOCX, ODT and PDF files: the i-th file of a format's
// sorted list becomes converted_name(format, i), or keeps the name an
// earlier run gave it, or takes a free number when a user's text holds
// that name, which is never overwritten; a file that cannot be
// converted is skipped with a warning naming it, and a document with
// characters outside Windows-1252 gets one note with their count), removes
// the earlier conversions whose source is gone (with a note), splits the single
// file when asked (and the flag allows it), writes the document list and
// (with `build_word_lists`) builds the word lists with the wizard's progress texts (see
// build_word_lists). Checked failures of the builder (no stopword list, a
// missing list) and I/O failures throw Stop; files written by then stay.
// Before anything is written, a processing run stops (Stop) on an empty
// title (kEmptyTitle) and, for a single file with a separator, on a folder
// without any text file (kSplitNeedsOneFile), as the wizard's third step
// does. Text files with unusable names are skipped with a warning each
// (in `messages`): the file stays as it is and the rest is prepared.
ImportResult run_import(const ImportInput& input, const Regional& regional, Progress& progress = Progress::none());

// The preparation options of a project's settings: its formats (texts and
// HTML, plus DOCX, ODT and PDF when "Converter também documentos DOCX, ODT
// e PDF" is on) and the stem language (its texts' language when "Agrupar
// variantes das palavras (radicais)" is on).
DocumentFormats project_formats(const shell::ProjectSettings& s);
std::optional<Language> project_stem(const shell::ProjectSettings& s);

// Writes folder / title + ".ldc": one record per text-file name, in order,
// weight 0. Returns its path.
fs::path write_document_list(const fs::path& folder, AnsiView title, const std::vector<Ansi>& texts);

}  // namespace lumeral::preparation
