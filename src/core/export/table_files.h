// A table written as a spreadsheet file: CSV or XLSX, chosen by the name's
// extension. Both are written beside their final name and renamed into
// place, so a failed export leaves no file, or the old one untouched.
#pragma once

#include <memory>
#include <string>

#include "core/base/files.h"
#include "core/base/memory_budget.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/export/table.h"

namespace lumeral::exporting {

enum class Format { Csv, Xlsx };

// ".csv" or ".xlsx", in any letter case; anything else stops with a
// sentence that names the two.
Format format_of(const fs::path& p);
// The sentence of that stop, also used to refuse a name before a run.
std::string unknown_format_error(const fs::path& p);

// Stops with a sentence that suggests CSV when `p` names an XLSX file and a
// table of `rows` rows (below the header row) and `columns` columns is
// larger than a sheet holds (1,048,576 rows, 16,384 columns). A caller that
// knows its shape early checks before the work that builds the table.
void check_fits(const fs::path& p, std::size_t rows, std::size_t columns);

// A table written whole into a temporary file beside `p` by the
// constructor and put in place by commit(); until then `p` keeps its old
// content, and a TableFile destroyed uncommitted removes its temporary.
// Rows are written as the source gives them, so no format holds the table
// in memory: the CSV is streamed; the XLSX is checked with check_fits()
// before anything is created and, when its cells would take more than half
// of `memory_budget`, written with its rows streamed to temporary files
// (texts then stored in their cells rather than in the shared list).
// `progress` is asked between rows whether to stop (Cancelled).
//
// CSV as Brazilian spreadsheets read it: UTF-8 with a byte-order mark,
// rows ended by CR LF, fields holding the separator, a quote, CR or LF in
// quotes (quotes doubled). Where the decimal separator is "," the field
// separator is ";" and numbers are written with ","; else "," and ".".
// Numbers are written with the decimals they are shown with. A text that a
// spreadsheet would take for a formula (first character "=", "+", "-",
// "@", tab or CR) is written after a single quote, which keeps it text.
//
// XLSX: one sheet, the header row bold and frozen, numbers stored as
// numbers with a format of their shown decimals, texts as strings, columns
// as wide as their longest text (within limits).
class TableFile {
 public:
  TableFile(const fs::path& p, const TableSource& table, const Regional& regional,
            std::size_t memory_budget = kDefaultMemoryBudget, Progress& progress = Progress::none());
  ~TableFile();
  TableFile(const TableFile&) = delete;
  TableFile& operator=(const TableFile&) = delete;
  void commit();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Writes and commits at once.
void export_table(const fs::path& p, const TableSource& table, const Regional& regional,
                  std::size_t memory_budget = kDefaultMemoryBudget);

}  // namespace lumeral::exporting
