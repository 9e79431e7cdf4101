#include "core/clustering/similarity.h"

#include <algorithm>

#include "core/base/text.h"

namespace lumeral::clustering {

double fuzzy_similarity(double x, double y) {
  using L = long double;
  auto ratio = [](L num, L den) -> L {
    if (den == 0) return 1;
    L r = num / den;
    return r > 1 ? 1 : r;
  };
  L lx = x, ly = y;
  L r1 = ratio(ly, lx), r2 = ratio(lx, ly);
  L r3 = ratio(1 - ly, 1 - lx), r4 = ratio(1 - lx, 1 - ly);
  return static_cast<double>((std::min(r1, r2) + std::min(r3, r4)) / 2);
}

std::vector<records::WordRecord> read_weight_list(const fs::path& p) {
  auto recs = records::read_all<records::WordRecord>(p);
  for (auto& r : recs) r.word = trim(r.word);
  return recs;
}

std::optional<double> similarity_of(const Comparison& c, Numerator numerator, Denominator denominator) {
  double den = denominator == Denominator::AllEntries
                   ? static_cast<double>(c.count_a) + static_cast<double>(c.count_b) - static_cast<double>(c.common)
                   : static_cast<double>(c.positive_a) + static_cast<double>(c.positive_b) -
                         static_cast<double>(c.common);
  if (den == 0) return std::nullopt;
  double num = numerator == Numerator::FuzzySum ? c.sum : static_cast<double>(c.common);
  return num / den;
}

ListIndex::ListIndex(const std::vector<records::WordRecord>& b, double scale) : scale_(scale), count_(b.size()) {
  for (const auto& r : b) {
    if (r.weight > 0) {
      ++positive_;
      positive_weights_[trim(r.word)].push_back(r.weight / scale_);
    }
  }
}

Comparison ListIndex::compare(const std::vector<records::WordRecord>& a) const {
  Comparison c;
  c.count_a = a.size();
  c.count_b = count_;
  c.positive_b = positive_;
  for (const auto& r : a) {
    if (!(r.weight > 0)) continue;
    ++c.positive_a;
    auto it = positive_weights_.find(trim_view(r.word));
    if (it == positive_weights_.end()) continue;
    double x = r.weight / scale_;
    for (double y : it->second) {
      ++c.common;
      c.sum += fuzzy_similarity(x, y);
    }
  }
  return c;
}

Comparison compare_lists(const std::vector<records::WordRecord>& a, const std::vector<records::WordRecord>& b,
                         double scale) {
  return ListIndex(b, scale).compare(a);
}

}  // namespace lumeral::clustering
