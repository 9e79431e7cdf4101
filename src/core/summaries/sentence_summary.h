// Sentence summaries: the sentences of a list's documents that hold given
// words or expressions, each with up to N sentences before and after it,
// grouped under a header per document (text layout in docs/formats.md).
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/files.h"
#include "core/base/listing.h"
#include "core/base/progress.h"
#include "core/base/reading.h"
#include "core/shell/project.h"

namespace lumeral::summaries {

struct SummaryOptions {
  std::vector<Ansi> search_lines;      // "Forneça palavras ou expressões", one per line
  bool any = false;                    // "OU" (else "E")
  bool unrestricted = false;           // "Sem restrições" (else "Contendo palavras")
  int around = 0;                      // "Frases antes e depois", 0 to 10
  std::optional<Ansi> selected;        // "Somente documento selecionado": the entry
  // How texts and search lines are lowered; none: the reading the
  // documents' folder was prepared with.
  std::optional<Reading> reading;
};

// A stretch of a result line to colour green and bold.
struct Highlight {
  std::size_t line = 0;
  std::size_t start = 0;
  std::size_t length = 0;
  bool operator==(const Highlight&) const = default;
};

struct SummaryResult {
  Listing listing;                    // the result lines, then the stop if any
  std::vector<Highlight> highlights;  // stretches of those lines
};

// "Abre lista de docs". While a wizard project is open its list (title +
// ".ldc" in the project folder) is opened without a dialog; otherwise the
// file chosen in the dialog. `shown` is the file's bare name
// ("Entrada ="), `entries` every record's name in file order.
struct OpenedList {
  fs::path path;
  Ansi shown;
  std::vector<Ansi> entries;
};
OpenedList open_summary_list(const fs::path& chosen, const std::optional<shell::Project>& project);

// "Extrair resumos" over `entries` (the names of the loaded document
// list, resolved in `folder`). With every document, sentences end at "."
// and "?"; with the selected one only at ".". A shown sentence is marked
// "==>  " and every occurrence of each search line in it is highlighted.
// The before-buffer and the after-count start empty for each document.
// A missing text file stops the run after the lines made so far.
// "Frases antes e depois" outside 0 to 10 is refused.
SummaryResult extract_summaries(const fs::path& folder, const std::vector<Ansi>& entries,
                                const SummaryOptions& options, Progress& progress = Progress::none());

// The text file of an entry: cut by the companion rule, then "txt".
Ansi summary_text_name(AnsiView entry);

}  // namespace lumeral::summaries
