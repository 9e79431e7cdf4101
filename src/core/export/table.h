// A result table as it leaves the program for a spreadsheet: column headers
// and rows of cells, each a text or a number. A number keeps the count of
// decimals it is shown with, so the exported file shows what the window or
// the command line shows. The builders below turn the result lines of the
// analyses into tables; the windows and `lumeral-cli --export` both use
// them, so a table exports alike from either.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/association/association_lines.h"
#include "core/base/regional.h"
#include "core/classification/concepts.h"
#include "core/classification/highest.h"
#include "core/clustering/clusters.h"
#include "core/clustering/matrix.h"
#include "core/comparison/compare_road.h"
#include "core/comparison/percentages.h"
#include "core/mining/rule_lines.h"
#include "core/preparation/doc_lists.h"
#include "core/retrieval/similar.h"
#include "core/shell/status_file.h"

namespace lumeral::exporting {

struct Cell {
  Ansi text;                     // a text cell (stored text); empty for a number
  std::optional<double> number;  // set for a number cell
  int decimals = 0;              // decimals shown; -1: the shortest general form

  static Cell of_text(Ansi text);
  static Cell of_number(double value, int decimals);
  // A number as it is shown ("0,1234", "12.5", "0004", "1E-5"; blanks
  // around it ignored) becomes a number cell with as many decimals as it
  // shows; any other text stays a text cell, unchanged.
  static Cell shown(AnsiView text);
  bool is_number() const { return number.has_value(); }
  bool operator==(const Cell&) const = default;
};

struct Table {
  std::vector<std::string> headers;  // UTF-8
  std::vector<std::vector<Cell>> rows;
  // The widest of the header and the rows.
  std::size_t columns() const;
};

// A table given row by row, for one too large to hold: its headers and its
// shape are known before the first row, so a writer can refuse a shape its
// format cannot hold before anything is built, then write each row as it
// comes. No row is wider than `columns`.
struct TableSource {
  using Row = std::function<void(const std::vector<Cell>&)>;
  std::vector<std::string> headers;  // UTF-8
  std::size_t rows = 0;              // how many rows each_row gives
  std::size_t columns = 0;           // the widest of the header and the rows
  std::function<void(const Row&)> each_row;

  TableSource() = default;
  // The rows of a table already built; implicit, so a builder's Table is
  // taken wherever a source is.
  TableSource(Table table);  // NOLINT(google-explicit-constructor)
};

// One text column, one row per line.
Table lines_table(const std::vector<Ansi>& lines, std::string header);

// "term | weight" lines: the term, and the weight as a number when it is
// one. A line without a bar gives its trimmed text and an empty weight.
Table weighted_table(const std::vector<Ansi>& lines, std::string term_header, std::string weight_header);

// Weighted rows (a document list opened with its weights, the contexts of a
// document...): the name trimmed, and the weight as a number when it is
// one; a bare name has an empty weight.
Table weighted_rows_table(const std::vector<records::WeightedRow>& rows, std::string name_header,
                          std::string weight_header);

// Similarity retrieval: document and similarity.
Table similar_table(const std::vector<retrieval::SimilarRow>& rows);

// Term association: the two terms and the weight.
Table association_table(const std::vector<association::AssociationRow>& rows);
// The same table from `count` rows given one at a time by `row_at` (a
// listing read from its file), never held whole.
TableSource association_source(std::size_t count, std::function<association::AssociationRow(std::size_t)> row_at);

// Data-mining rules: antecedent, consequent, confidence (%), support (%),
// documents. A row read back that is not a rule keeps its text in the first
// column.
Table rule_table(const std::vector<mining::Rule>& rules);
// The same from rules already taken apart (the mining panel's table), and
// from rule lines read back from files (the rule comparison).
Table rule_table(const std::vector<mining::ParsedRule>& rules);
Table rule_table(const std::vector<Ansi>& lines);

// Classification by concepts: document and score, under `score_header`.
Table concept_table(const std::vector<classification::ConceptRow>& rows, std::string score_header);

// Classification by highest weight: document (matrix), category, degree.
Table highest_table(const std::vector<classification::HighestRow>& rows);

// Rule comparison: the common rules, then the exclusive ones, each a rule
// table row after a column that tells which.
Table rule_comparison_table(const std::vector<Ansi>& common, const std::vector<Ansi>& exclusive);

// Percentages: the name and the percentage.
Table percentage_table(const std::vector<comparison::PercentageRow>& rows);

// The mining panel's concept-frequency table.
Table frequency_table(const std::vector<shell::FrequencyRow>& rows);

// The similarity matrix: one row per document, one column per document.
Table matrix_table(const std::vector<Ansi>& entries, const clustering::SimilarityMatrix& m);
// The same table row by row from the matrix (mapped from its file), each
// row given back once written: n x n values never held as cells. `entries`
// and `m` must outlive the source.
TableSource matrix_source(const std::vector<Ansi>& entries, const clustering::SimilarityMatrix& m);

// The clusters: one row per member, the cluster's line ("cluster1") first.
Table cluster_table(const clustering::Clusters& clusters);

// Word rows (a result set of the comparison wizard, a centroid, a
// document's differences): word and weight.
Table comparison_rows_table(const std::vector<comparison::ResultRow>& rows, std::string word_header = "Palavra",
                            std::string weight_header = "Peso");

// Every result set of a comparison in one table: set caption, word, weight.
struct NamedRows {
  Ansi caption;
  std::vector<comparison::ResultRow> rows;
};
Table comparison_sets_table(const std::vector<NamedRows>& sets);

}  // namespace lumeral::exporting
