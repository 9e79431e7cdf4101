// The one reader of tables a user brings: CSV (any of the usual encodings
// and separators), XLSX and ODS, row by row as UTF-8 cells. The variables
// file and the spreadsheet import read through it. Format details:
// docs/formats.md ("Tables read in").
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/preparation/office_text.h"

namespace lumeral::variables {

namespace fs = std::filesystem;

enum class TableFormat { Csv, Xlsx, Ods };

// By the file's extension: ".xlsx" and ".ods" (any case), anything else CSV.
TableFormat table_format_of(const fs::path& p);

struct TableOptions {
  // XLSX and ODS: the sheet by name (letter case aside) or by number from
  // 1; empty for the first.
  std::string sheet;
  // What a workbook's XML may take in memory (document_size_limit).
  std::size_t limit = preparation::kDefaultDocumentLimit;
};

// One row: its number as the file shows it (a CSV's line where the record
// starts, a sheet's row number) and its cells, trailing empty ones removed.
struct TableRow {
  std::size_t number = 0;
  std::vector<std::string> cells;
};
using RowSink = std::function<void(TableRow& row)>;

// Reads the table at `p`, calling `sink` for each row in order (rows with
// no cells included, so a header is always the first call). A CSV is read
// in chunks, never whole. Stops with a Portuguese sentence naming the file
// when it cannot be read, is damaged, or has no sheet of that name.
void read_table(const fs::path& p, const TableOptions& options, const RowSink& sink);

// The sheets of a workbook in their order (XLSX, ODS); none for a CSV.
// Stops as read_table does on a damaged or missing file.
std::vector<std::string> sheet_names(const fs::path& p, std::size_t limit);
// The first row of the table (its header), read without the rest.
std::vector<std::string> table_header(const fs::path& p, const TableOptions& options);

// The parts of read_table, for bytes already in memory (the fuzz target).
// A CSV's bytes, whatever their encoding; `p` names it in messages.
void read_csv_bytes(std::string_view bytes, const fs::path& p, const RowSink& sink);
// A worksheet's XML with the shared strings' XML (XLSX), or an ODS
// "content.xml" (the sheet chosen by `options.sheet`).
void read_xlsx_sheet_xml(std::string sheet_xml, std::string shared_strings_xml, const fs::path& p,
                         std::size_t limit, const RowSink& sink);
void read_ods_xml(std::string content_xml, const fs::path& p, const TableOptions& options, const RowSink& sink);

// The sentence that stops a table's reading: "O arquivo "x.xlsx" <reason>."
std::string table_refusal(const fs::path& p, const std::string& reason);

}  // namespace lumeral::variables
