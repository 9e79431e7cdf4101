// A spreadsheet's rows as the documents of a new folder (`lumeral-cli
// import-table`): one text file per row, named from an id column or by the
// row's number, holding the text column(s), and the other columns as the
// variables file of the folder ("<folder name>.var", found by a
// preparation of the folder titled with the folder's name). Layout and
// naming: docs/formats.md ("Imported tables").
#pragma once

#include <filesystem>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/variables/table_reader.h"

namespace lumeral::preparation {

namespace fs = std::filesystem;

struct TableImportInput {
  fs::path table;
  variables::TableOptions options;
  // Columns by header name (exact, else letter case aside) or by number
  // from 1 (UTF-8, as typed).
  std::vector<std::string> text_columns;
  std::string id_column;  // empty: documents named by row number
  fs::path folder;        // must not exist, or be empty
};

struct TableImportResult {
  std::vector<Ansi> documents;  // the document files written, in row order
  fs::path variables_file;
  std::vector<std::string> messages;  // notes (renamed ids, replaced characters, empty texts)
};

// Reads the table (a CSV row by row), writes the documents and the
// variables file into a folder beside `folder` and puts it in place only
// when all is written: a failure or a cancel leaves no `folder`.
TableImportResult import_table(const TableImportInput& input, Progress& progress);

// The document file of a row: its id made a safe file name (".txt" at the
// end dropped; "/", "\", ":" and control characters as "_"; a dot in front,
// or of ".txt"/".lpl" inside, as "_"; at most 200 bytes) + ".txt", or
// "linha-" + the row's number in six digits when the id is empty or makes
// no name; " (2)", " (3)"... before ".txt" when the name is taken (letter
// case aside). `taken` holds the lowered names given so far and receives
// this one.
Ansi table_document_name(AnsiView id, std::size_t row, std::unordered_set<Ansi>& taken);

}  // namespace lumeral::preparation
