// The documents of a document list grouped by the categories of one
// variable of its variables file (core/variables), as the statistics by
// variable read them, and the text form of their tables.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/regional.h"
#include "core/export/table.h"

namespace lumeral::statistics {

namespace fs = std::filesystem;

struct Grouping {
  fs::path folder;                         // the list's folder: matrices and word lists
  std::vector<Ansi> documents;             // the list's documents, in order
  std::vector<Ansi> categories;            // sorted, "(sem valor)" last when present
  std::vector<std::size_t> category_of;    // per document, an index into categories
  std::vector<std::size_t> documents_in;   // per category
  std::vector<std::string> warnings;       // what the assignment found amiss (Portuguese)
};

// Reads the list and the variables file that goes with it and assigns
// `variable`. Stops (Portuguese) when the list is empty, the variables file
// is missing or names no document of the list, the variable does not exist,
// or its documents fall in one category only (nothing to compare).
Grouping group_documents(const fs::path& doc_list, AnsiView variable);

// A cell as tables print it: a text as it is, a number with its decimals in
// the locale's form.
Ansi cell_text(const exporting::Cell& cell, const Regional& regional);

// A table as the command line prints it: the headers, then each row, cells
// joined by tabs, numbers with their decimals in the locale's form.
std::vector<Ansi> table_lines(const exporting::Table& table, const Regional& regional);

// A p-value as tables of tests show it: a number with 4 decimals, or the
// text "< 0,0001" (in the locale's form) below that.
exporting::Cell p_value_cell(double p, const Regional& regional);

}  // namespace lumeral::statistics
