// Tests of independence on contingency tables of counts, shared by the
// crosstab (concepts by variable), the specificities (words by variable)
// and the correspondence analysis:
//  - chi_square_p(): the upper tail of the chi-square distribution;
//  - pearson_test(): Pearson's X2 on an r x c table, its degrees of
//    freedom and p-value, the expected counts and the adjusted standardised
//    residuals (O - E) / sqrt(E (1 - row/n) (1 - column/n)), which follow a
//    standard normal law under independence;
//  - g_square(): the likelihood-ratio statistic G2 = 2 sum O ln(O / E).
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace lumeral::statistics {

// A table of counts, row-major.
struct Counts {
  std::size_t rows = 0, columns = 0;
  std::vector<double> cells;  // rows * columns
  double at(std::size_t r, std::size_t c) const { return cells[r * columns + c]; }
};

// P(X >= statistic) for X chi-square with `df` degrees of freedom (df > 0).
double chi_square_p(double statistic, double df);

// The residual beyond which a cell is marked (two-sided 5% of the normal
// law).
inline constexpr double kResidualMark = 1.96;
// Below this expected count the chi-square approximation is poor.
inline constexpr double kMinimumExpected = 5.0;

struct PearsonTest {
  double statistic = 0;
  std::size_t df = 0;
  double p_value = 1;
  std::vector<double> expected;   // row-major, as the table
  std::vector<double> residuals;  // adjusted standardised, row-major
};

// Pearson's test of independence. Empty when a row or a column adds up to
// zero, or the table has fewer than 2 rows or 2 columns: independence is
// then not a question the table can answer.
std::optional<PearsonTest> pearson_test(const Counts& table);

// G2 of a table (cells of count 0 add nothing). Empty as pearson_test().
std::optional<double> g_square(const Counts& table);

}  // namespace lumeral::statistics
