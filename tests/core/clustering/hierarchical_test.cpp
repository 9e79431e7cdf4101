#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "core/base/message.h"
#include "core/clustering/hierarchical.h"
#include "support/fixtures.h"

namespace lumeral::clustering {
namespace {

using namespace lumeral::testing;

constexpr Linkage kAll[] = {Linkage::Average, Linkage::Complete, Linkage::Single, Linkage::Ward};

// A similarity matrix whose distances 1 - s are `d` (row after row, n x n).
SimilarityMatrix matrix_of_distances(std::size_t n, const std::vector<double>& d) {
  std::vector<double> s(n * n);
  for (std::size_t k = 0; k < s.size(); ++k) s[k] = 1.0 - d[k];
  return SimilarityMatrix(n, std::move(s));
}

// The textbook's five points. By hand (points 1..5 are documents 0..4):
//   single:   {1,2} at 2; {4,5} at 3 (d(12,4)=9, d(12,5)=8, d(12,3)=5);
//             {3,45} at min(4,5)=4; {12,345} at min(5,8)=5.
//   complete: {1,2} at 2; {4,5} at 3; d(12,3)=6, d(45,3)=5, d(12,45)=10:
//             {3,45} at 5; {12,345} at 10.
//   average:  {1,2} at 2; d(12,3)=5.5, d(12,4)=9.5, d(12,5)=8.5; {4,5} at 3;
//             d(45,3)=4.5, d(45,12)=9: {3,45} at 4.5; d(345,12) =
//             (1*5.5 + 2*9)/3 = 47/6 (the mean of the six distances).
//   ward:     on squares D: {1,2} at sqrt 4 = 2; D(12,k) = (2D1k + 2D2k - 4)/3:
//             3: 118/3, 4: 358/3, 5: 286/3; {4,5} at sqrt 9 = 3; D(45,3) =
//             (2*16 + 2*25 - 9)/3 = 73/3, D(45,12) = (3*358/3 + 3*286/3 -
//             2*9)/4 = 156.5; {3,45} at sqrt(73/3); D(345,12) = (4*156.5 +
//             3*118/3 - 2*73/3)/5 = 2086/15: {12,345} at sqrt(2086/15).
TEST(Hierarchical, TextbookFivePointsByHand) {
  const double pairs[5][5] = {{0, 2, 6, 10, 9}, {2, 0, 5, 9, 8}, {6, 5, 0, 4, 5}, {10, 9, 4, 0, 3}, {9, 8, 5, 3, 0}};
  std::vector<double> d;
  for (const auto& row : pairs) d.insert(d.end(), row, row + 5);
  const struct {
    Linkage linkage;
    double h3, h4;
  } cases[] = {{Linkage::Single, 4, 5},
               {Linkage::Complete, 5, 10},
               {Linkage::Average, 4.5, 47.0 / 6},
               {Linkage::Ward, std::sqrt(73.0 / 3), std::sqrt(2086.0 / 15)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(linkage_key(c.linkage));
    const Dendrogram tree = hierarchical(matrix_of_distances(5, d), 5, c.linkage);
    const std::vector<Merge> shape = {{0, 1, 2, 2}, {3, 4, 3, 2}, {2, 6, c.h3, 3}, {5, 7, c.h4, 5}};
    ASSERT_EQ(tree.merges.size(), shape.size());
    for (std::size_t k = 0; k < shape.size(); ++k) {
      EXPECT_EQ(tree.merges[k].a, shape[k].a);
      EXPECT_EQ(tree.merges[k].b, shape[k].b);
      EXPECT_EQ(tree.merges[k].size, shape[k].size);
      EXPECT_NEAR(tree.merges[k].height, shape[k].height, 1e-5);
    }
    EXPECT_EQ(cut_into(tree, 2), (std::vector<std::size_t>{0, 0, 1, 1, 1}));
    EXPECT_EQ(cut_at(tree, 3.0), (std::vector<std::size_t>{0, 0, 1, 2, 2}));
  }
}

// The closest pair merged at every step, O(n^3), in doubles: the heights of
// the merges in order, and the partition (labels by first member) left
// after each.
struct Reference {
  std::vector<double> heights;
  std::vector<std::vector<std::size_t>> partitions;  // [m]: after m merges
};

Reference brute_force(std::size_t n, std::vector<std::vector<double>> d, Linkage l) {
  const bool ward = l == Linkage::Ward;
  if (ward)
    for (auto& row : d)
      for (auto& v : row) v *= v;
  std::vector<std::size_t> size(n, 1), owner(n);
  std::vector<bool> alive(n, true);
  for (std::size_t i = 0; i < n; ++i) owner[i] = i;
  auto labels = [&] {
    std::vector<std::size_t> number(n, n), out(n);
    std::size_t next = 0;
    for (std::size_t i = 0; i < n; ++i) {
      if (number[owner[i]] == n) number[owner[i]] = next++;
      out[i] = number[owner[i]];
    }
    return out;
  };
  Reference r;
  r.partitions.push_back(labels());
  for (std::size_t step = 0; step + 1 < n; ++step) {
    std::size_t bi = 0, bj = 0;
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < n; ++i)
      for (std::size_t j = i + 1; j < n; ++j)
        if (alive[i] && alive[j] && d[i][j] < best) best = d[i][j], bi = i, bj = j;
    const double ni = static_cast<double>(size[bi]), nj = static_cast<double>(size[bj]);
    for (std::size_t k = 0; k < n; ++k) {
      if (!alive[k] || k == bi || k == bj) continue;
      const double nk = static_cast<double>(size[k]), a = d[bi][k], b = d[bj][k];
      double v = l == Linkage::Single     ? std::min(a, b)
                 : l == Linkage::Complete ? std::max(a, b)
                 : l == Linkage::Average  ? (ni * a + nj * b) / (ni + nj)
                                          : ((ni + nk) * a + (nj + nk) * b - nk * best) / (ni + nj + nk);
      d[bi][k] = d[k][bi] = v;
    }
    alive[bj] = false;
    size[bi] += size[bj];
    for (auto& o : owner)
      if (o == bj) o = bi;
    r.heights.push_back(ward ? std::sqrt(best) : best);
    r.partitions.push_back(labels());
  }
  return r;
}

TEST(Hierarchical, NearestNeighbourChainAgreesWithBruteForce) {
  for (std::size_t n : {2u, 3u, 9u, 40u}) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
      std::mt19937 rng(seed * 31 + static_cast<unsigned>(n));
      std::uniform_real_distribution<double> u(0.0, 1.0);
      std::vector<std::vector<double>> dist(n, std::vector<double>(n, 0.0));
      std::vector<double> s(n * n, 0.0);
      for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j) {
          const double sim = u(rng);
          s[i * n + j] = s[j * n + i] = sim;
          // The working copy rounds to float: the reference starts there too.
          dist[i][j] = dist[j][i] = static_cast<float>(1.0 - sim);
        }
      const SimilarityMatrix m(n, s);
      for (Linkage l : kAll) {
        SCOPED_TRACE(std::string(linkage_key(l)) + " n=" + std::to_string(n) + " seed=" + std::to_string(seed));
        const Reference ref = brute_force(n, dist, l);
        const Dendrogram tree = hierarchical(m, n, l);
        ASSERT_EQ(tree.merges.size(), ref.heights.size());
        for (std::size_t k = 0; k < ref.heights.size(); ++k)
          EXPECT_NEAR(tree.merges[k].height, ref.heights[k], 1e-5 * (1 + ref.heights[k]));
        for (std::size_t k = 1; k <= n; ++k) EXPECT_EQ(cut_into(tree, k), ref.partitions[n - k]) << "k=" << k;
        // The file keeps the tree exactly.
        EXPECT_EQ(parse_dendrogram(dendrogram_text(tree), "t.dnd"), tree);
      }
    }
  }
}

TEST(Hierarchical, RefusesWhatItCannotDo) {
  const SimilarityMatrix m(3, std::vector<double>(9, 0.5));
  EXPECT_NE(stop_text([&] { hierarchical(m, 3, Linkage::Average, 8); }).find("precisa de"), std::string::npos);
  EXPECT_NO_THROW(hierarchical(m, 3, Linkage::Average, hierarchical_bytes(3)));
  const Dendrogram tree = hierarchical(m, 3, Linkage::Single);
  for (std::size_t k : {0u, 4u}) EXPECT_NE(stop_text([&] { cut_into(tree, k); }), "");
  EXPECT_NE(stop_text([&] { hierarchical(m, 4, Linkage::Single); }), "");
}

TEST(Dendrogram, ReaderRefusesEveryBrokenLine) {
  const std::string good =
      "lumeral-dendrograma 1\r\nligacao ward\r\ndocumentos 3\r\n0 2 0.25 2\r\n1 3 0.5 3\r\n";
  EXPECT_EQ(parse_dendrogram(good, "x").merges, (std::vector<Merge>{{0, 2, 0.25, 2}, {1, 3, 0.5, 3}}));
  const struct {
    const char* text;
    const char* line;
  } bad[] = {
      {"lumeral-dendrograma 2\r\nligacao ward\r\ndocumentos 1\r\n", "linha 1"},
      {"lumeral-dendrograma 1\r\nligacao media\r\ndocumentos 1\r\n", "linha 2"},
      {"lumeral-dendrograma 1\r\nligacao ward\r\ndocumentos -1\r\n", "linha 3"},
      {"lumeral-dendrograma 1\r\nligacao ward\r\ndocumentos 3\r\n0 2 0.25 2\r\n", "linha 5"},   // a merge missing
      {"lumeral-dendrograma 1\r\nligacao ward\r\ndocumentos 3\r\n2 0 0.25 2\r\n1 3 0.5 3\r\n", "linha 4"},  // a > b
      {"lumeral-dendrograma 1\r\nligacao ward\r\ndocumentos 3\r\n0 2 0.25 2\r\n0 3 0.5 3\r\n", "linha 5"},  // reused
      {"lumeral-dendrograma 1\r\nligacao ward\r\ndocumentos 3\r\n0 2 0.25 2\r\n1 4 0.5 3\r\n", "linha 5"},  // later
      {"lumeral-dendrograma 1\r\nligacao ward\r\ndocumentos 3\r\n0 2 0.25 2\r\n1 3 0.1 3\r\n", "linha 5"},  // lower
      {"lumeral-dendrograma 1\r\nligacao ward\r\ndocumentos 3\r\n0 2 0.25 3\r\n1 3 0.5 4\r\n", "linha 4"},  // size
      {"lumeral-dendrograma 1\r\nligacao ward\r\ndocumentos 3\r\n0 2 nan 2\r\n1 3 0.5 3\r\n", "linha 4"},
      {"lumeral-dendrograma 1\r\nligacao ward\r\ndocumentos 3\r\n0 2 0.25 2 \r\n1 3 0.5 3\r\n", "linha 4"},
  };
  for (const auto& b : bad) EXPECT_NE(stop_text([&] { parse_dendrogram(b.text, "x"); }).find(b.line), std::string::npos) << b.text;
}

}  // namespace
}  // namespace lumeral::clustering
