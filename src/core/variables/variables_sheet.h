// The variables of a list as a table for a spreadsheet: what the variables
// window exports and `lumeral-cli variables --export` writes.
#pragma once

#include "core/export/table.h"
#include "core/variables/variables_file.h"

namespace lumeral::variables {

// "documento" and the variable names as the header, then one row per
// document with its values as texts (an empty value an empty cell; values
// are categories, never numbers, so "0042" stays as written).
exporting::Table variables_sheet(const Variables& v);

}  // namespace lumeral::variables
