// The variables of a project's documents: the file "<title>.var" beside
// the document list (a header row with "documento" then the variable
// names, one row per document; format in docs/formats.md, "Variables
// file"), how one variable groups the documents of a list, and the
// warnings a run shows when the file and the list disagree.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/variables/table_reader.h"

namespace lumeral::variables {

namespace fs = std::filesystem;

// The category a document gets when its value is empty or it has no row.
inline constexpr const char* kNoValue = "(sem valor)";

// A project's variables file: a header row with "documento" then the
// variable names, one row per document. Names and values in Ansi (the
// stored-text encoding the rest of the core uses); the file itself is UTF-8.
struct Variables {
  std::vector<Ansi> names;                // the variables, header order
  std::vector<Ansi> documents;            // first column, as in the document list
  std::vector<std::vector<Ansi>> values;  // values[row][variable]; short rows padded with ""
};

// A name or value as the file keeps it: stored text, characters
// Windows-1252 lacks approximated, line breaks and other control characters
// as blanks, blanks at the ends gone (what a typed cell becomes too).
Ansi stored_value(const std::string& utf8);

// Reads a variables file; throws Stop with a Portuguese message (no file, no
// header, a repeated document, a repeated variable name...).
Variables read_variables(const fs::path& file);
// Writes it atomically (nothing half-written on a failure).
void write_variables(const fs::path& file, const Variables& v);
// The variables file that goes with a document list: the list's path with
// ".var" in place of ".ldc" (a project "<title>.ldc" has "<title>.var").
fs::path variables_path_for(const fs::path& document_list);

// Any table read_table reads (CSV, XLSX, ODS) as variables: its first row
// the header, its first column the documents; the checks of read_variables.
Variables read_variables_table(const fs::path& file, const TableOptions& options);

// One variable over the documents of a list, in the list's order.
struct Assignment {
  Ansi variable;                           // its name as the file has it
  std::vector<Ansi> category_of_document;  // per list document; kNoValue when empty or without a row
  std::vector<Ansi> categories;            // the distinct categories, sorted (kNoValue last when present)
  std::vector<Ansi> missing;               // list documents without a row in the file
  std::vector<Ansi> unknown;               // file rows naming no document of the list
  std::size_t empty = 0;                   // list documents whose value is empty
};
// Throws Stop when the variable does not exist (message names the variables
// there are) or when no document of the list has a row.
Assignment assign(const Variables& v, AnsiView variable, const std::vector<Ansi>& list_documents);
// The warnings a command or window shows for an assignment (Portuguese, one
// line each, with counts and the first few names; empty when all is well).
std::vector<std::string> assignment_warnings(const Assignment& a);

// What `variables --docs` shows: a header line ("documento" and the
// variable names, tab-separated), then one line per list document with its
// category of each variable, and the warnings (the missing and unknown
// documents once, the empty values per variable).
struct VariablesTable {
  std::vector<Ansi> lines;
  std::vector<std::string> warnings;
};
VariablesTable variables_table(const Variables& v, const std::vector<Ansi>& list_documents);

// The variables of a list as a window edits them: one row per document of
// the list (its spelling, list order, a document listed twice once, empty
// values when the file has no row for it), then the file's rows that name
// no document of the list, kept so that writing the file back loses none.
struct VariablesGrid {
  Variables rows;
  std::size_t listed = 0;     // the first `listed` rows are the list's
  std::vector<bool> in_file;  // per row: the file has a row for it
};
VariablesGrid variables_grid(const Variables& v, const std::vector<Ansi>& list_documents);

// Replaces the variables of a list by those of a table: every row must name
// a document of the list (a row that names none stops the command, nothing
// written); the file gets the list's own spelling of each name. Returns
// the variables written.
Variables set_variables(const fs::path& document_list, const fs::path& table, const TableOptions& options);

}  // namespace lumeral::variables
