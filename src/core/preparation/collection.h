// What a prepared collection records beside its document list, in its
// folder (formats in docs/formats.md, "Reading record" and "Sources of the
// documents"):
//
//   "leitura.lmr"  the reading its documents were prepared with; every
//                  later step (word lists, classification, retrieval,
//                  summaries) reads the documents the same way. A folder
//                  without it was prepared before readings were recorded:
//                  the classic reading.
//   "fontes.lmr"   for every converted or split document, the file it came
//                  from, so a result naming "arq-000041.txt" can be traced
//                  to "guia-rede.html".
#pragma once

#include <filesystem>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/reading.h"

namespace lumeral::preparation {

namespace fs = std::filesystem;

inline constexpr const char* kReadingFile = "leitura.lmr";
inline constexpr const char* kSourcesFile = "fontes.lmr";

// The reading recorded in `folder`, if any. A record that names no reading
// stops with a message naming the file.
std::optional<Reading> recorded_reading(const fs::path& folder);
// The recorded reading, or the classic one.
Reading collection_reading(const fs::path& folder);
// The reading of documents given by their paths: that of their folders,
// which must agree (Stop otherwise, asking for --leitura).
Reading documents_reading(const std::vector<fs::path>& documents);
// Writes the record (temporary file renamed into place).
void record_reading(const fs::path& folder, Reading reading);

struct SourceEntry {
  Ansi document;  // the document's name in the folder
  Ansi source;    // the file it was made from
  bool operator==(const SourceEntry&) const = default;
};
// The entries of `folder`'s sources file, in file order (none when absent).
// Lines without a tab are skipped.
std::vector<SourceEntry> read_sources(const fs::path& folder);
// Writes the sources file, one "document<TAB>source" line per entry.
void write_sources(const fs::path& folder, const std::vector<SourceEntry>& entries);

// Document name -> source name of a folder, for showing beside a document.
class SourceNames {
 public:
  SourceNames() = default;
  explicit SourceNames(const fs::path& folder);
  // The source of a document, or empty: its name as a list holds it, a path
  // (its file name is used) or the name of one of its companion files
  // ("arq-000041.mtz" for "arq-000041.txt"), matched without the last
  // extension and letter case aside.
  Ansi of(AnsiView document) const;
  bool empty() const { return sources_.empty(); }

 private:
  std::unordered_map<Ansi, Ansi> sources_;  // key: the name without its extension, lowered A-Z
};

}  // namespace lumeral::preparation
