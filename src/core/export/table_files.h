// A table written as a spreadsheet file: CSV or XLSX, chosen by the name's
// extension. Both are written beside their final name and renamed into
// place, so a failed export leaves no file, or the old one untouched.
#pragma once

#include <string>

#include "core/base/files.h"
#include "core/base/regional.h"
#include "core/export/table.h"

namespace lumeral::exporting {

enum class Format { Csv, Xlsx };

// ".csv" or ".xlsx", in any letter case; anything else stops with a
// sentence that names the two.
Format format_of(const fs::path& p);
// The sentence of that stop, also used to refuse a name before a run.
std::string unknown_format_error(const fs::path& p);

// CSV as Brazilian spreadsheets read it: UTF-8 with a byte-order mark,
// rows ended by CR LF, fields holding the separator, a quote, CR or LF in
// quotes (quotes doubled). Where the decimal separator is "," the field
// separator is ";" and numbers are written with ","; else "," and ".".
// Numbers are written with the decimals they are shown with.
std::string csv_text(const Table& table, const Regional& regional);
void write_csv(const fs::path& p, const Table& table, const Regional& regional);

// XLSX: one sheet, the header row bold and frozen, numbers stored as
// numbers with a format of their shown decimals, texts as strings, columns
// as wide as their longest text (within limits). A table larger than a
// sheet holds stops before anything is written.
void write_xlsx(const fs::path& p, const Table& table);

// By format_of(p).
void export_table(const fs::path& p, const Table& table, const Regional& regional);

}  // namespace lumeral::exporting
