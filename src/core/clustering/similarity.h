// The fuzzy similarity of two weights and the similarity of two weighted
// lists (word lists .lpl or classification matrices .mtz), shared by the
// similarity retrieval, the similarity matrix and the similarity evaluation.
//
// Two entries form a common pair when their trimmed names are equal (case
// sensitive) and both weights are greater than 0; repeated names pair
// repeatedly. The sum of the fuzzy similarities of the common pairs is
// added in the order "each entry of A in order, then each matching entry of
// B in order", so every caller gets the same bits whatever its algorithm.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/files.h"
#include "core/records/records.h"

namespace lumeral::clustering {

// (min(x/y, y/x) + min((1-x)/(1-y), (1-y)/(1-x))) / 2, each ratio capped at
// 1 and taken as 1 when its denominator is 0; computed in extended
// precision. s(x, x) = 1, s(0.5, 0.25) = 0.58333..., s(0.2, 0.4) = 0.625.
double fuzzy_similarity(double x, double y);

// A word list or matrix read from its file, names trimmed.
std::vector<records::WordRecord> read_weight_list(const fs::path& p);

// What a comparison counts.
struct Comparison {
  std::size_t common = 0;      // common pairs
  double sum = 0;              // sum of the fuzzy similarities of the common pairs
  std::size_t count_a = 0;     // entries of A
  std::size_t count_b = 0;     // entries of B
  std::size_t positive_a = 0;  // entries of A with weight > 0
  std::size_t positive_b = 0;
};

// Which counts form the denominator (count_a + count_b - common, or the
// positive counts minus common) and what is divided (the sum of fuzzy
// similarities, or the number of common pairs).
enum class Denominator { AllEntries, PositiveEntries };
enum class Numerator { FuzzySum, CommonPairs };

// sum (or common) / denominator; nullopt when the denominator is 0.
std::optional<double> similarity_of(const Comparison& c, Numerator numerator, Denominator denominator);

// The entries of one list (B) indexed by name, so that many lists (A) can
// be compared with it in time proportional to their length.
class ListIndex {
 public:
  // `scale`: weights are divided by it before the fuzzy similarity (100 for
  // the context degrees of .mtz files, 1 for word lists).
  ListIndex(const std::vector<records::WordRecord>& b, double scale);
  Comparison compare(const std::vector<records::WordRecord>& a) const;

 private:
  double scale_;
  std::size_t count_ = 0;
  std::size_t positive_ = 0;
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(AnsiView s) const noexcept { return std::hash<AnsiView>{}(s); }
  };
  std::unordered_map<Ansi, std::vector<double>, NameHash, std::equal_to<>> positive_weights_;  // scaled, B's order
};

// Convenience for one pair of lists.
Comparison compare_lists(const std::vector<records::WordRecord>& a, const std::vector<records::WordRecord>& b,
                         double scale);

}  // namespace lumeral::clustering
