// The documents a document list (.ldc) names, as every analysis reads them:
// each record's name trimmed of the blanks around it, in the list's order
// (the weights are not read; the document-list manager reads them itself),
// and the name a line of stored text gives.
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"

namespace lumeral::records {

namespace fs = std::filesystem;

// The trimmed names of the list's records. Throws Stop when the list cannot
// be read.
std::vector<Ansi> read_document_names(const fs::path& list);

// The folder of a list named on a command line or chosen in a dialog,
// where its documents are: its parent, or "." for a bare name.
fs::path folder_of(const fs::path& list);

// The files those names stand for in the list's folder, each found as
// lookup() finds it (exact name first, else the one name that differs only
// in letter case); a name that is not a plain file name stops the read.
std::vector<fs::path> read_document_paths(const fs::path& list);

// The name a weighted line of stored text gives ("x. | 1,000000": "x."):
// the text before its first bar, trimmed (the whole line trimmed without
// one). For lines read back from a file, such as a report; a window names
// its documents from the rows it listed.
Ansi name_of_line(AnsiView line);

}  // namespace lumeral::records
