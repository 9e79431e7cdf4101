#include <gtest/gtest.h>

#include <random>

#include "core/base/message.h"
#include "core/clustering/similarity.h"
#include "support/fixtures.h"

namespace lumeral::clustering {
namespace {

using records::WordRecord;

TEST(FuzzySimilarity, KnownValuesAndSymmetry) {
  struct {
    double x, y, expected;
  } cases[] = {
      {0.5, 0.25, 0.5833333333333333}, {0.2, 0.4, 0.625}, {0.0, 0.5, 0.25}, {0.0, 0.0, 1.0},
      {1.0, 1.0, 1.0},                 {0.3, 0.3, 1.0},   {1.0, 0.0, 0.0},  {0.4, 0.4, 1.0},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(fuzzy_similarity(c.x, c.y), c.expected, 1e-12) << c.x << " " << c.y;
    EXPECT_EQ(fuzzy_similarity(c.x, c.y), fuzzy_similarity(c.y, c.x)) << c.x << " " << c.y;
  }
}

TEST(ListSimilarity, WeightedUnweightedAndContextual) {
  std::vector<WordRecord> a = {{"casa", 0.5}, {"bola", 0.2}};
  std::vector<WordRecord> b = {{"casa", 0.25}};
  auto c = compare_lists(a, b, 1.0);
  EXPECT_EQ(c.common, 1u);
  EXPECT_NEAR(*similarity_of(c, Numerator::FuzzySum, Denominator::AllEntries), 0.2916666666, 1e-9);
  EXPECT_DOUBLE_EQ(*similarity_of(c, Numerator::CommonPairs, Denominator::AllEntries), 0.5);

  // Degrees of the deterministic method: 40 and 40 are 0.4 and 0.4 after the
  // division by 100; entries of weight 0 stay out of the positive counts.
  std::vector<WordRecord> ma = {{"economia", 40}, {"esporte", 0}};
  std::vector<WordRecord> mb = {{"economia", 40}, {"politica", 0}, {"cultura", 0}};
  auto m = compare_lists(ma, mb, 100.0);
  EXPECT_EQ(m.common, 1u);
  EXPECT_DOUBLE_EQ(m.sum, 1.0);
  EXPECT_DOUBLE_EQ(*similarity_of(m, Numerator::FuzzySum, Denominator::PositiveEntries), 1.0);
  EXPECT_DOUBLE_EQ(*similarity_of(m, Numerator::FuzzySum, Denominator::AllEntries), 0.25);
}

TEST(ListSimilarity, CommonPairsIdenticalAndEmptyLists) {
  std::vector<WordRecord> a = {{" casa ", 0.5}, {"rio", 0}, {"Mar", 0.3}, {"sol", 0.1}, {"sol", 0.2}};
  std::vector<WordRecord> b = {{"casa", 0.5}, {"rio", 0.5}, {"mar", 0.3}, {"sol", 0.1}};
  auto c = compare_lists(a, b, 1.0);
  // casa pairs; rio has weight 0 on one side; Mar differs in case; sol pairs twice.
  EXPECT_EQ(c.common, 3u);
  EXPECT_EQ(c.count_a, 5u);
  EXPECT_EQ(c.positive_a, 4u);
  EXPECT_NEAR(c.sum, 1.0 + 1.0 + fuzzy_similarity(0.2, 0.1), 1e-15);
  // Identical lists give one, empty lists no value.
  std::vector<WordRecord> same = {{"casa", 0.5}, {"bola", 0.2}, {"gol", 0.3}};
  EXPECT_DOUBLE_EQ(*similarity_of(compare_lists(same, same, 1.0), Numerator::FuzzySum, Denominator::AllEntries), 1.0);
  EXPECT_DOUBLE_EQ(*similarity_of(compare_lists(same, same, 1.0), Numerator::CommonPairs, Denominator::AllEntries), 1.0);
  std::vector<WordRecord> empty;
  EXPECT_FALSE(similarity_of(compare_lists(empty, empty, 1.0), Numerator::FuzzySum, Denominator::AllEntries));
  std::vector<WordRecord> zero = {{"casa", 0}};
  EXPECT_FALSE(similarity_of(compare_lists(zero, zero, 100.0), Numerator::FuzzySum, Denominator::PositiveEntries));
  std::vector<WordRecord> other = {{"rua", 0.5}};
  EXPECT_DOUBLE_EQ(*similarity_of(compare_lists(same, other, 1.0), Numerator::FuzzySum, Denominator::AllEntries), 0.0);
}

}  // namespace
}  // namespace lumeral::clustering
