#include "core/statistics/chi_square.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <algorithm>
#include <cmath>

namespace lumeral::statistics {

namespace {

struct Margins {
  std::vector<double> rows, columns;
  double total = 0;
};

// The margins, or nothing when one of them is zero.
std::optional<Margins> margins_of(const Counts& t) {
  if (t.rows < 2 || t.columns < 2) return std::nullopt;
  Margins m;
  m.rows.assign(t.rows, 0.0);
  m.columns.assign(t.columns, 0.0);
  for (std::size_t r = 0; r < t.rows; ++r)
    for (std::size_t c = 0; c < t.columns; ++c) {
      m.rows[r] += t.at(r, c);
      m.columns[c] += t.at(r, c);
    }
  for (double v : m.rows) {
    if (!(v > 0)) return std::nullopt;
    m.total += v;
  }
  for (double v : m.columns)
    if (!(v > 0)) return std::nullopt;
  return m;
}

}  // namespace

double chi_square_p(double statistic, double df) {
  if (!(statistic > 0)) return 1.0;
  return boost::math::cdf(boost::math::complement(boost::math::chi_squared(df), statistic));
}

std::optional<PearsonTest> pearson_test(const Counts& t) {
  const auto m = margins_of(t);
  if (!m) return std::nullopt;
  PearsonTest test;
  test.expected.resize(t.cells.size());
  test.residuals.resize(t.cells.size());
  for (std::size_t r = 0; r < t.rows; ++r)
    for (std::size_t c = 0; c < t.columns; ++c) {
      const std::size_t k = r * t.columns + c;
      const double e = m->rows[r] * m->columns[c] / m->total;
      const double d = t.cells[k] - e;
      test.expected[k] = e;
      test.statistic += d * d / e;
      const double v = e * (1 - m->rows[r] / m->total) * (1 - m->columns[c] / m->total);
      test.residuals[k] = v > 0 ? d / std::sqrt(v) : 0.0;
    }
  test.df = (t.rows - 1) * (t.columns - 1);
  test.p_value = chi_square_p(test.statistic, static_cast<double>(test.df));
  return test;
}

std::optional<double> g_square(const Counts& t) {
  const auto m = margins_of(t);
  if (!m) return std::nullopt;
  double g = 0;
  for (std::size_t r = 0; r < t.rows; ++r)
    for (std::size_t c = 0; c < t.columns; ++c) {
      const double o = t.at(r, c);
      if (o > 0) g += o * std::log(o * m->total / (m->rows[r] * m->columns[c]));
    }
  return std::max(0.0, 2 * g);  // rounding may leave a hair below 0 on an independent table
}

}  // namespace lumeral::statistics
