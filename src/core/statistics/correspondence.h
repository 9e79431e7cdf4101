// Correspondence analysis of a table of counts (concepts or words by the
// categories of a variable): the singular value decomposition of the
// standardised residuals S = Dr^-1/2 (P - r c') Dc^-1/2, where P is the
// table divided by its total and r, c its row and column masses. Each
// axis k has the principal inertia (squared singular value) lambda_k; they
// add up to the total inertia X2 / n. Rows and columns get principal
// coordinates (F = Dr^-1/2 U Sigma, G = Dc^-1/2 V Sigma), their
// contributions to each axis (mass * coordinate^2 / lambda_k; they add up to
// 1 per axis) and their cos2 (the share of their squared distance to the
// centre that the axis shows). An axis's sign is fixed so that its largest
// absolute row coordinate (the first such row) is positive, so a run gives
// the same signs on every machine.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/memory_budget.h"
#include "core/base/progress.h"
#include "core/export/table.h"
#include "core/statistics/chi_square.h"

namespace lumeral::statistics {

struct CaPoint {
  Ansi name;
  double mass = 0;     // share of the total
  double inertia = 0;  // share of the total inertia
  std::vector<double> coordinates, contributions, cos2;  // per axis
};

struct CaResult {
  double total_inertia = 0;
  double chi_square = 0;            // n * total inertia
  std::vector<double> inertias;     // principal inertia of each axis, largest first
  std::vector<CaPoint> rows, columns;
};

// Stops (Portuguese) when the table has a row or a column that adds up to
// zero, fewer than 2 rows or columns, or no inertia at all (every row with
// the same profile). `row_names` and `column_names` name the table's rows
// and columns. Axes whose inertia is a rounding residue (below 1e-12 of the
// total) are left out.
CaResult correspondence(const Counts& table, const std::vector<Ansi>& row_names,
                        const std::vector<Ansi>& column_names);

// A table without the rows that add up to zero (concepts or words no
// document of the variable holds), their names kept in `dropped`.
Counts without_empty_rows(const Counts& table, std::vector<Ansi>& row_names, std::vector<Ansi>& dropped);

// The analysis of a variable's categories against the concepts of a
// context list (documents holding each concept, as the crosstab counts
// them) or against the `top` most frequent words (their occurrences, as the
// specificities count them). Rows of no occurrence are left out, named in
// `dropped`; `warnings` are the variable's.
struct CaRun {
  CaResult result;
  std::vector<Ansi> dropped;
  std::vector<std::string> warnings;
  const char* row_kind = "";  // "conceito" or "palavra"
};
CaRun concepts_correspondence(const std::filesystem::path& doc_list, const std::filesystem::path& context_list,
                              AnsiView variable, double min_degree, Progress& progress = Progress::none());
CaRun words_correspondence(const std::filesystem::path& doc_list, AnsiView variable, std::size_t top,
                           Progress& progress = Progress::none(), std::size_t memory_budget = kDefaultMemoryBudget);

// The documents behind a point of the analysis, in list order: a
// category's documents (`kind` "categoria"), the documents holding a concept
// at `min_degree` (as the crosstab counts them; "conceito") or whose word
// list holds a word ("palavra"). Stops as group_documents() does, and when a
// matrix or a word list is missing.
std::vector<Ansi> documents_of_point(const std::filesystem::path& doc_list, AnsiView variable, std::string_view kind,
                                     AnsiView name, double min_degree = 0);

// Axis, principal inertia, its percentage of the total and the cumulated
// percentage; then the total.
exporting::Table inertia_table(const CaResult& ca);
// One row per row of the table, then per category: kind, name, mass,
// share of the total inertia, and per axis the coordinate, the
// contribution and the cos2.
exporting::Table coordinates_table(const CaRun& run);

}  // namespace lumeral::statistics
