// Concept frequency: the mining panel's table "Freqüência de Conceitos".
// For every concept, the number of documents of the project in which it
// occurs (the contextual centroid of type "Todas as palavras + freq") and
// its share of the collection (the percentages of that centroid).
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/comparison/centroid.h"
#include "core/comparison/percentages.h"
#include "core/shell/project.h"
#include "core/shell/status_file.h"

namespace lumeral::mining {

using shell::FrequencyRow;

// Rows from the centroid lines ("concept | count") and the percentage lines
// ("concept - 37,5%"), line by line: relative is the text after the last
// " - " without its "%". The rows come in the table's first order:
// concepts compared without regard to A-Z case.
std::vector<FrequencyRow> frequency_rows(const std::vector<Ansi>& centroid_lines,
                                         const std::vector<Ansi>& percentage_lines);

// A frequency run with what it went through: the windows that show the
// centroid and its percentages are given these values.
struct FrequencyRun {
  std::vector<Ansi> documents;                // the document list's entries
  comparison::CentroidResult centroid;        // empty when counted at a degree
  comparison::PercentageResult percentages;   // empty when counted at a degree
  std::vector<FrequencyRow> rows;
};

// The contextual centroid of type "Todas as palavras + freq" of
// `document_list` (matrices and centroid file "centro-temp.lpl" in
// `folder`, or in the wizard project's folder) and its percentages, each
// computed once, as rows.
FrequencyRun frequency_of_list(const std::filesystem::path& document_list, const std::filesystem::path& folder,
                               const Regional& regional, Progress& progress = Progress::none(),
                               const std::optional<shell::Project>& wizard_project = std::nullopt);

// frequency_run() with the centroid and percentages it went through.
FrequencyRun frequency_road(const shell::Project& project, const Regional& regional,
                            Progress& progress = Progress::none(), double min_degree = 0);

// The frequency run of the wizard on a project: the contextual centroid of
// the project's document list, written as <folder>/centro-temp.lpl, and its
// percentages, each computed once. Needs the matrices. With a minimum
// degree G above 0 ("Grau mínimo") a document counts for a concept only
// when its degree is at least G: the rows are then counted from the
// matrices (no centroid file is written), one per concept some document
// holds above 0, with the number of documents that hold it at G.
std::vector<FrequencyRow> frequency_run(const shell::Project& project, const Regional& regional,
                                        Progress& progress = Progress::none(), double min_degree = 0);

// The rows of the documents of `document_list` (matrices in `folder`) at
// minimum degree `min_degree` > 0, as frequency_run() gives them.
std::vector<FrequencyRow> frequency_at_degree(const std::filesystem::path& document_list,
                                              const std::filesystem::path& folder, double min_degree,
                                              const Regional& regional, Progress& progress = Progress::none());

// A click on a column header: 0 sorts by concept (A-Z case folded,
// ascending), 1 and 2 by the number in that column, highest first (an
// empty value counts as 0); equal rows keep their order. A value that is
// not a number stops with the conversion error.
void sort_frequency_rows(std::vector<FrequencyRow>& rows, int column, const Regional& regional);

}  // namespace lumeral::mining
