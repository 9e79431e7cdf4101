// The statistics against published worked examples and hand-computed
// cases: Pearson's test, its residuals and G2 on a 2 x 3 textbook table,
// the p-value at tabled quantiles, the correspondence analysis of the
// smoking table, and the counts taken back from word lists.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "core/statistics/chi_square.h"
#include "core/statistics/correspondence.h"
#include "core/statistics/specificities.h"
#include "support/fixtures.h"

namespace lumeral::statistics {
namespace {

TEST(Statistics, PValueAtTabledQuantiles) {
  const struct {
    double x, df, p;
  } cases[] = {{3.841459, 1, 0.05}, {5.991465, 2, 0.05}, {23.209251, 10, 0.01}, {6.634897, 1, 0.01},
               {30.070149, 2, 2.9537e-7}, {0, 3, 1}};
  for (const auto& c : cases) EXPECT_NEAR(chi_square_p(c.x, c.df), c.p, c.p * 1e-4) << c.x << " " << c.df;
}

TEST(Statistics, PartyIdentificationByGender) {
  // Democrat, independent, republican: females, then males (a classic 2 x 3
  // example: X2 = 30.07, G2 = 30.02, df 2; adjusted residuals 4.50, 0.70,
  // -5.32 for the females, their opposites for the males).
  const Counts t{2, 3, {762, 327, 468, 484, 239, 477}};
  const auto test = pearson_test(t);
  ASSERT_TRUE(test);
  EXPECT_NEAR(test->statistic, 30.0701, 1e-4);
  EXPECT_EQ(test->df, 2u);
  EXPECT_NEAR(test->p_value, 2.9537e-7, 1e-10);
  const double residuals[] = {4.5021, 0.6995, -5.3159, -4.5021, -0.6995, 5.3159};
  for (std::size_t k = 0; k < 6; ++k) EXPECT_NEAR(test->residuals[k], residuals[k], 1e-4) << k;
  EXPECT_NEAR(test->expected[0], 703.671, 1e-3);
  EXPECT_NEAR(*g_square(t), 30.0167, 1e-4);
  // G2 by hand: 10 of 100 words against 10 of 900 (expected 2, 98, 18, 882).
  EXPECT_NEAR(*g_square({2, 2, {10, 90, 10, 890}}), 21.176963, 1e-6);
  // No test where a margin is empty or the table is a line.
  EXPECT_FALSE(pearson_test({2, 3, {1, 2, 3, 0, 0, 0}}));
  EXPECT_FALSE(pearson_test({2, 2, {0, 1, 0, 4}}));
  EXPECT_FALSE(g_square({1, 3, {1, 2, 3}}));
}

TEST(Statistics, CorrespondenceOfTheSmokingTable) {
  // Five staff groups by four smoking categories (none, light, medium,
  // heavy): total inertia 0.0852, principal inertias 0.0748 (87.8%) and
  // 0.0100 (11.8%); first-axis row coordinates -0.066, 0.259, -0.381, 0.233,
  // -0.201, here with the largest (senior employees) made positive.
  const Counts t{5, 4, {4, 2, 3, 2, 4, 3, 7, 4, 25, 10, 12, 4, 18, 24, 33, 13, 10, 6, 7, 2}};
  const std::vector<Ansi> rows{Ansi("SM"), Ansi("JM"), Ansi("SE"), Ansi("JE"), Ansi("SC")};
  const std::vector<Ansi> columns{Ansi("none"), Ansi("light"), Ansi("medium"), Ansi("heavy")};
  const CaResult ca = correspondence(t, rows, columns);
  EXPECT_NEAR(ca.total_inertia, 0.085190, 1e-6);
  EXPECT_NEAR(ca.chi_square, 16.4416, 1e-4);
  ASSERT_EQ(ca.inertias.size(), 3u);  // min(5, 4) - 1
  EXPECT_NEAR(ca.inertias[0], 0.074759, 1e-6);
  EXPECT_NEAR(ca.inertias[1], 0.010017, 1e-6);
  EXPECT_NEAR(100 * ca.inertias[0] / ca.total_inertia, 87.76, 0.01);
  EXPECT_NEAR(100 * ca.inertias[1] / ca.total_inertia, 11.76, 0.01);
  EXPECT_NEAR(std::accumulate(ca.inertias.begin(), ca.inertias.end(), 0.0), ca.total_inertia, 1e-12);
  const double first[] = {0.0658, -0.2590, 0.3806, -0.2330, 0.2011};
  const double second[] = {0.1937, 0.2433, 0.0107, -0.0577, -0.0789};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_NEAR(ca.rows[i].coordinates[0], first[i], 5e-5) << i;
    EXPECT_NEAR(ca.rows[i].coordinates[1], second[i], 5e-5) << i;
  }
  const double columns_first[] = {0.3933, -0.0995, -0.1963, -0.2938};
  for (std::size_t j = 0; j < 4; ++j) EXPECT_NEAR(ca.columns[j].coordinates[0], columns_first[j], 5e-5) << j;
  // Contributions add up to 1 per axis on each side; a point's cos2 over
  // every axis is 1; inertia shares and masses add up to 1.
  for (const auto* side : {&ca.rows, &ca.columns}) {
    double mass = 0, inertia = 0;
    for (std::size_t k = 0; k < 3; ++k) {
      double sum = 0;
      for (const CaPoint& p : *side) sum += p.contributions[k];
      EXPECT_NEAR(sum, 1, 1e-9);
    }
    for (const CaPoint& p : *side) {
      EXPECT_NEAR(std::accumulate(p.cos2.begin(), p.cos2.end(), 0.0), 1, 1e-9) << p.name;
      mass += p.mass;
      inertia += p.inertia;
    }
    EXPECT_NEAR(mass, 1, 1e-12);
    EXPECT_NEAR(inertia, 1, 1e-9);
  }
}

TEST(Statistics, CorrespondenceRefusals) {
  const std::vector<Ansi> two{Ansi("a"), Ansi("b")}, three{Ansi("x"), Ansi("y"), Ansi("z")};
  const struct {
    Counts table;
    std::vector<Ansi> rows, columns;
    const char* message;
  } cases[] = {
      {{2, 3, {1, 2, 3, 2, 4, 6}}, two, three, "A tabela não tem inércia"},
      {{2, 3, {1, 0, 3, 2, 0, 6}}, two, three, "A categoria \"y\" não tem nenhuma ocorrência"},
      {{2, 1, {1, 2}}, two, {Ansi("x")}, "ao menos duas categorias"},
      {{1, 3, {1, 2, 3}}, {Ansi("a")}, three, "ao menos duas linhas"},
  };
  for (const auto& c : cases)
    EXPECT_NE(testing::stop_text([&] { correspondence(c.table, c.rows, c.columns); }).find(c.message),
              std::string::npos)
        << c.message;
  std::vector<Ansi> names{Ansi("a"), Ansi("b"), Ansi("c")}, dropped;
  const Counts kept = without_empty_rows({3, 2, {1, 2, 0, 0, 3, 4}}, names, dropped);
  EXPECT_EQ(kept.cells, (std::vector<double>{1, 2, 3, 4}));
  EXPECT_EQ(names, (std::vector<Ansi>{Ansi("a"), Ansi("c")}));
  EXPECT_EQ(dropped, std::vector<Ansi>{Ansi("b")});
}

TEST(Statistics, CountsTakenBackFromWordLists) {
  auto list = [](std::vector<double> counts, double total) {
    std::vector<records::WordRecord> l;
    for (double c : counts) l.push_back({Ansi("w"), c / total});
    return l;
  };
  using V = std::vector<std::uint64_t>;
  const struct {
    std::vector<records::WordRecord> list;
    std::optional<V> counts;
  } cases[] = {
      {list({3, 5, 7}, 15), V{3, 5, 7}},
      {list({1, 1, 298}, 300), V{1, 1, 298}},
      {list({2, 3, 1000}, 1005), V{2, 3, 1000}},
      {list({2, 2, 2}, 6), V{1, 1, 1}},  // only the shares are known
      {list({3, 4}, 12), V{3, 4}},       // words eliminated after the preparation
      {list({0, 1}, 1), V{0, 1}},
      {{}, V{}},
      {list({1, 1}, 1.5), std::nullopt},  // shares above a whole
      {{{Ansi("w"), 0.123456789}}, std::nullopt},
      {{{Ansi("w"), -0.5}}, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(word_counts(c.list), c.counts) << c.list.size();
}

TEST(Statistics, SpecificitiesKeepTheOverRepresentedWords) {
  // Two categories of 100 and 900 words: "gol" 10 + 10 (G2 21.18 in a),
  // "bola" 5 + 5 (10.40 in a), "casa" 1 + 99 (15.24 in b), the other words
  // 84 + 786 (0.84 in b).
  WordsByCategory w;
  w.grouping.categories = {Ansi("a"), Ansi("b")};
  w.words = {Ansi("casa"), Ansi("bola"), Ansi("gol"), Ansi("resto")};
  w.counts = {1, 99, 5, 5, 10, 10, 84, 786};
  w.tokens = {100, 900};
  const auto out = specificities(w, 20);
  ASSERT_EQ(out.size(), 2u);
  ASSERT_EQ(out[0].words.size(), 2u);
  EXPECT_EQ(out[0].words[0].word, Ansi("gol"));
  EXPECT_NEAR(out[0].words[0].g2, 21.176963, 1e-6);
  EXPECT_NEAR(out[0].words[0].p_value, chi_square_p(21.176963, 1), 1e-9);
  EXPECT_EQ(out[0].words[0].in_category, 10u);
  EXPECT_EQ(out[0].words[0].elsewhere, 10u);
  EXPECT_NEAR(out[0].words[0].expected, 2.0, 1e-12);
  EXPECT_EQ(out[0].words[1].word, Ansi("bola"));
  EXPECT_NEAR(out[0].words[1].g2, 10.398281, 1e-6);
  ASSERT_EQ(out[1].words.size(), 2u);
  EXPECT_EQ(out[1].words[0].word, Ansi("casa"));
  EXPECT_NEAR(out[1].words[0].g2, 15.238033, 1e-6);
  EXPECT_EQ(out[1].words[1].word, Ansi("resto"));
  EXPECT_EQ(specificities(w, 1)[0].words.size(), 1u);
  std::vector<Ansi> names;
  const Counts top = most_frequent(w, 2, names);
  EXPECT_EQ(names, (std::vector<Ansi>{Ansi("resto"), Ansi("casa")}));
  EXPECT_EQ(top.cells, (std::vector<double>{84, 786, 1, 99}));
}

}  // namespace
}  // namespace lumeral::statistics
