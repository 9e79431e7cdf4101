// Concepts by variable: for each concept of a context list, the number of
// documents of each category of a variable that hold it (their degree in
// the concept, read from their classification matrices, is above 0, or at
// least the minimum degree when one is given), with the column percentage;
// per concept Pearson's test on the 2 x k table (documents holding / not
// holding, by category), its p-value and each category's adjusted
// standardised residual.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/export/table.h"
#include "core/statistics/chi_square.h"
#include "core/statistics/grouping.h"

namespace lumeral::statistics {

struct ConceptRow {
  Ansi concept_name;
  std::vector<std::size_t> holding;  // documents holding it, per category
  // Empty when every document or none holds the concept. Otherwise its
  // first k residuals and expected counts are the "holding" row's; the
  // "not holding" row's residuals are their opposites.
  std::optional<PearsonTest> test;
};

struct Crosstab {
  Grouping grouping;
  std::vector<ConceptRow> rows;  // in the context list's order, each concept once
};

// The concepts of `context_list` over the documents of `doc_list` by
// `variable`. A document holds a concept when its degree is above 0 and at
// least `min_degree`. Stops as group_documents() does, and when a matrix is
// missing ("Fazer classificação antes !") or lacks a concept of the list
// (it was classified with another list).
Crosstab crosstab(const fs::path& doc_list, const fs::path& context_list, AnsiView variable, double min_degree,
                  Progress& progress = Progress::none());

// The categories of the crosstab where some expected count of the
// concept's table is below kMinimumExpected.
std::vector<std::size_t> low_expected(const ConceptRow& row);

// The categories where some concept's expected count is below
// kMinimumExpected (the test is unreliable there), in category order.
std::vector<std::size_t> low_expected_categories(const Crosstab& crosstab);

// The crosstab as a table: a first row "(documentos)" with each category's
// documents and share, then per concept, for each category its documents,
// their percentage of the category and the residual; the statistic, its
// degrees of freedom and p-value; the categories whose residual is above
// kResidualMark, those below -kResidualMark, and those with an expected
// count below kMinimumExpected.
exporting::Table crosstab_table(const Crosstab& crosstab, const Regional& regional);

// The counts of the crosstab as a concepts x categories table.
Counts crosstab_counts(const Crosstab& crosstab);

}  // namespace lumeral::statistics
