// Document lists (.ldc) as the document-list manager (`form_ldoc`) handles
// them: opening with a threshold (two lists shown with 9 and 7 decimals),
// merging by appending, saving as records or as text, and the document
// name behind a list line.
// The record layout is in docs/formats.md ("Document list").
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/regional.h"

namespace lumeral::preparation {

namespace fs = std::filesystem;

// Decimals of the weight in list 1 and list 2.
constexpr int kList1Decimals = 9;
constexpr int kList2Decimals = 7;

// The field above a list: the bare name up to (not including) its first
// ".ldc", or the whole trimmed name when it has none.
Ansi doc_list_title(AnsiView bare_name);

// A line: name + " | " + weight with `decimals` decimals.
Ansi doc_list_line(AnsiView name, double weight, int decimals, const Regional& regional);

// "Inclui lista inteira": the lines of the records whose weight reaches the
// threshold field (empty = 0), appended to `lines` ("Abre lista existente"
// empties the list first). The threshold is read before the file.
void include_doc_list(std::vector<Ansi>& lines, const fs::path& p, AnsiView threshold_field, int decimals,
                      const Regional& regional);

// "Salva lista": one record per line; a line with a bar gives the trimmed
// name before it and the number after it (else the conversion error, and
// the file keeps its old content); a line without a bar gives the whole
// trimmed line with weight 0.
void save_doc_list(const fs::path& p, const std::vector<Ansi>& lines, const Regional& regional);

// Double click on a line: the text before its first bar, trimmed (the whole
// trimmed line when it has no bar, as the bare names listed from a folder);
// when it holds ".txt" (any case) it is cut after it. The result names the
// document to show; empty for a line that starts with the bar.
Ansi document_of_line(AnsiView line);

}  // namespace lumeral::preparation
