// Document lists (.ldc) as the document-list manager (`form_ldoc`) handles
// them: opening with a threshold (two lists shown with 9 and 7 decimals),
// merging by appending, saving as records or as text, and the document a
// row names.
// The record layout is in docs/formats.md ("Document list").
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/regional.h"
#include "core/records/weighted.h"

namespace lumeral::preparation {

namespace fs = std::filesystem;

// Decimals of the weight in list 1 and list 2.
constexpr int kList1Decimals = 9;
constexpr int kList2Decimals = 7;

// The field above a list: the bare name up to (not including) its first
// ".ldc", or the whole trimmed name when it has none.
Ansi doc_list_title(AnsiView bare_name);

// A row of a list: the document's name (trimmed when read from a list;
// as picked when chosen from disk or listed from a folder) and its weight
// as the list shows it, empty for a bare name.
using DocRow = records::WeightedRow;

// "Inclui lista inteira": the records whose weight reaches the threshold
// field (empty = 0), their weights with `decimals` decimals, appended to
// `rows` ("Abre lista existente" empties the list first). The threshold is
// read before the file.
void include_doc_list(std::vector<DocRow>& rows, const fs::path& p, AnsiView threshold_field, int decimals,
                      const Regional& regional);

// "Salva lista": one record per row, the trimmed name (cut to 255) and the
// weight read from its text (else the conversion error, and the file keeps
// its old content); a bare name weighs 0.
void save_doc_list(const fs::path& p, const std::vector<DocRow>& rows, const Regional& regional);

// Double click on a row: the document it names, its trimmed name cut after
// its first ".txt" (any case, written "txt"); empty for a row without a
// name.
Ansi document_of(const DocRow& row);

}  // namespace lumeral::preparation
