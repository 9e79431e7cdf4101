#include <gtest/gtest.h>

#include "core/charts/heatmap.h"
#include "support/fixtures.h"

namespace lumeral::charts {
namespace {

using namespace lumeral::testing;

// A symmetric matrix with a zero diagonal whose value at (i, j) names the
// pair, so a reordering can be checked cell by cell.
std::vector<double> named_values(std::size_t n) {
  std::vector<double> values(n * n);
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = 0; j < n; ++j) values[i * n + j] = i == j ? 0.0 : 0.01 * double(std::min(i, j) * 10 + std::max(i, j));
  return values;
}

clustering::SimilarityMatrix named_matrix(std::size_t n) { return clustering::SimilarityMatrix(n, named_values(n)); }

clustering::Clusters clusters_of(std::size_t n, std::vector<std::vector<const char*>> members) {
  clustering::Clusters c;
  c.n = n;
  for (auto& m : members) {
    std::vector<Ansi> k;
    for (const char* s : m) k.push_back(Ansi(s));
    c.members.push_back(k);
  }
  return c;
}

TEST(Heatmap, OrdersByClusterWithBlocksAndUnclusteredLast) {
  const auto entries = ansi_lines({"a.txt", " b.txt", "c.txt", "d.txt", "e.txt"});
  const auto m = named_matrix(5);
  struct Case {
    const char* what;
    std::optional<clustering::Clusters> clusters;
    std::vector<std::size_t> order;
    std::vector<HeatmapBlock> blocks;
  };
  const std::vector<Case> cases = {
      {"no clusters", std::nullopt, {0, 1, 2, 3, 4}, {}},
      {"clusters of the list",
       clusters_of(5, {{"c.txt", "a.txt"}, {"b.txt", "e.txt"}, {"d.txt"}}),
       {2, 0, 1, 4, 3},
       {{0, 2, 1}, {2, 4, 2}, {4, 5, 3}}},
      {"members matched by trimmed name", clusters_of(5, {{" e.txt ", "b.txt"}}), {4, 1, 0, 2, 3}, {{0, 2, 1}}},
      {"unknown member skipped", clusters_of(5, {{"x.txt"}, {"d.txt"}}), {3, 0, 1, 2, 4}, {{0, 1, 2}}},
      {"clusters of another list ignored", clusters_of(4, {{"d.txt", "a.txt"}}), {0, 1, 2, 3, 4}, {}},
  };
  for (const auto& c : cases) {
    auto h = heatmap_model(entries, m, c.clusters);
    EXPECT_EQ(h.order, c.order) << c.what;
    EXPECT_EQ(h.blocks, c.blocks) << c.what;
    ASSERT_EQ(h.size(), 5u);
    for (std::size_t r = 0; r < 5; ++r) {
      EXPECT_EQ(h.names[r], Ansi(entries[h.order[r]].substr(entries[h.order[r]].find_first_not_of(' '))));
      for (std::size_t col = 0; col < 5; ++col) EXPECT_EQ(h.at(r, col), m.at(h.order[r], h.order[col])) << c.what;
    }
  }
}

TEST(Heatmap, RepeatedNamesEachFindTheirOwnDocument) {
  const auto entries = ansi_lines({"x.txt", "y.txt", "x.txt"});
  auto h = heatmap_model(entries, named_matrix(3), clusters_of(3, {{"y.txt", "x.txt"}, {"x.txt"}}));
  EXPECT_EQ(h.order, (std::vector<std::size_t>{1, 0, 2}));
  EXPECT_EQ(h.blocks, (std::vector<HeatmapBlock>{{0, 2, 1}, {2, 3, 2}}));
}

TEST(Heatmap, MaxValueIgnoresTheDiagonalAndBlockOfFindsThePosition) {
  auto values = named_values(3);
  values[0] = 5.0;  // a diagonal cell never sets the scale
  const clustering::SimilarityMatrix m(3, values);
  auto h = heatmap_model(ansi_lines({"a", "b", "c"}), m, clusters_of(3, {{"b", "c"}}));
  EXPECT_DOUBLE_EQ(h.max_value, 0.12);
  ASSERT_TRUE(h.block_of(1));
  EXPECT_EQ(h.block_of(1)->cluster, 1u);
  EXPECT_FALSE(h.block_of(2));  // "a" is in no cluster
}

TEST(Heatmap, AMatrixOfAnotherListStops) {
  EXPECT_NE(stop_text([] { heatmap_model(ansi_lines({"a", "b"}), named_matrix(3), std::nullopt); }), "");
  EXPECT_NE(stop_text([] { heatmap_model({}, clustering::SimilarityMatrix{}, std::nullopt); }), "");
}

}  // namespace
}  // namespace lumeral::charts
