#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/base/message.h"
#include "core/charts/wordcloud.h"
#include "core/records/records.h"
#include "core/variables/variables_file.h"
#include "support/fixtures.h"

namespace lumeral::charts {
namespace {

using namespace lumeral::testing;

// Boxes whose size follows the word's length and the font size, as a
// font's metrics would.
BoxSize by_length(const Ansi& word, double size) { return {0.55 * size * double(word.size()), 1.2 * size}; }

std::vector<CloudWord> random_words(unsigned seed, std::size_t n) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> weight(0.001, 50.0);
  std::uniform_int_distribution<int> length(1, 14);
  std::vector<CloudWord> words;
  for (std::size_t i = 0; i < n; ++i)
    words.push_back({to_ansi("w" + std::to_string(i) + std::string(std::size_t(length(random)), 'x')), weight(random)});
  return words;
}

bool overlap(const PlacedWord& a, const PlacedWord& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

TEST(WordCloudLayout, BoxesNeverOverlapStayInsideAndEveryWordIsAccountedFor) {
  struct Case {
    unsigned seed;
    std::size_t words;
    CloudOptions options;
    bool all_placed;  // the picture is large enough for every word
  } cases[] = {
      {1, 60, {}, false},
      {2, 150, {}, false},
      {3, 400, {.width = 500, .height = 400}, false},
      {4, 80, {.width = 600, .height = 900, .scale = CloudScale::Linear}, false},
      {5, 30, {.width = 3000, .height = 2000, .min_size = 8, .max_size = 30}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("seed " + std::to_string(c.seed));
    const auto top = heaviest_words(random_words(c.seed, c.words), 0, Regional::for_locale("pt_BR"));
    const CloudLayout layout = lay_out_cloud(top, {}, by_length, c.options);
    ASSERT_EQ(layout.placed.size() + layout.unplaced.size(), c.words);
    if (c.all_placed) {
      EXPECT_TRUE(layout.unplaced.empty()) << unplaced_message(layout);
    }
    for (std::size_t i = 0; i < layout.placed.size(); ++i) {
      const auto& a = layout.placed[i];
      EXPECT_GE(a.x, 0);
      EXPECT_GE(a.y, 0);
      EXPECT_LE(a.x + a.width, c.options.width);
      EXPECT_LE(a.y + a.height, c.options.height);
      if (i > 0) {
        EXPECT_LE(a.size, layout.placed[i - 1].size) << "heavier words are never smaller";
      }
      for (std::size_t j = 0; j < i; ++j)
        ASSERT_FALSE(overlap(a, layout.placed[j])) << to_utf8(a.word) << " / " << to_utf8(layout.placed[j].word);
    }
    // The same input gives the same picture.
    const CloudLayout again = lay_out_cloud(top, {}, by_length, c.options);
    EXPECT_EQ(again.placed, layout.placed);
    EXPECT_EQ(again.unplaced, layout.unplaced);
  }
}

TEST(WordCloudLayout, TheNHeaviestArePlacedAndATooLargeBoxIsReported) {
  const Regional regional = Regional::for_locale("pt_BR");
  auto words = random_words(7, 500);
  words.push_back({Ansi("gigante"), 0.0005});  // lightest: its box is measured wider than the picture below
  const auto measure = [](const Ansi& word, double size) {
    return word == Ansi("gigante") ? BoxSize{5000, 10} : by_length(word, size);
  };
  for (std::size_t n : {1u, 25u, 100u}) {
    auto top = heaviest_words(words, n, regional);
    top.push_back(words.back());
    const CloudLayout layout =
        lay_out_cloud(top, {}, measure, {.width = 2000, .height = 1400, .min_size = 8, .max_size = 30, .scale = CloudScale::Linear});
    ASSERT_EQ(layout.unplaced, std::vector<Ansi>{Ansi("gigante")});
    std::vector<double> weights;
    for (const auto& w : words) weights.push_back(w.weight);
    std::sort(weights.rbegin(), weights.rend());
    ASSERT_EQ(layout.placed.size(), n);
    for (std::size_t i = 0; i < n; ++i) EXPECT_EQ(layout.placed[i].weight, weights[i]);
    EXPECT_NE(unplaced_message(layout).find("gigante"), std::string::npos);
  }
}

TEST(WordCloudWords, TiesFollowTheCollationWhateverTheSourceOrder) {
  const Regional regional = Regional::for_locale("pt_BR");
  std::vector<CloudWord> words{{Ansi("zebra"), 2}, {to_ansi("ação"), 2}, {Ansi("acao"), 2},
                               {Ansi("Abc"), 2},   {Ansi("peso"), 5},     {Ansi("b"), 1}};
  const std::vector<Ansi> expected{Ansi("peso"), Ansi("Abc"), Ansi("acao"), to_ansi("ação")};
  for (unsigned seed = 0; seed < 5; ++seed) {
    std::shuffle(words.begin(), words.end(), std::mt19937(seed));
    std::vector<Ansi> got;
    for (const auto& w : heaviest_words(words, 4, regional)) got.push_back(w.word);
    EXPECT_EQ(got, expected);
  }
}

TEST(WordCloudSources, RepeatedWordsSummedAndDocumentsGrouped) {
  const Regional regional = Regional::for_locale("pt_BR");
  const auto lines = cloud_of_word_rows(
      {{Ansi("casa"), Ansi("0,50000")}, {Ansi("rua"), Ansi("0,25000")}, {Ansi("casa"), Ansi("0,25000")},
       {Ansi("nada"), Ansi("0")}, {Ansi(" "), Ansi("1")}},
      regional);
  EXPECT_EQ(lines.words, (std::vector<CloudWord>{{Ansi("casa"), 0.75}, {Ansi("rua"), 0.25}}));

  TempDir dir;
  records::write_all<records::WordRecord>(dir / "a.lpl", {{Ansi("sol"), 0.5}, {Ansi("mar"), 0.1}});
  records::write_all<records::WordRecord>(dir / "b.lpl", {{Ansi("mar"), 0.3}, {to_ansi("céu"), 0.2}});
  records::write_all<records::WordRecord>(dir / "c.lpl", {{Ansi("mar"), 0.3}});
  variables::Assignment by_region;
  by_region.variable = Ansi("regiao");
  by_region.categories = {Ansi("norte"), Ansi("sul")};
  by_region.category_of_document = {Ansi("norte"), Ansi("sul"), Ansi("sul")};
  const std::vector<Ansi> docs{Ansi("a.txt"), Ansi("b.txt"), Ansi("c.txt")};

  const auto all = cloud_of_variable(docs, dir.path(), by_region, std::nullopt);
  EXPECT_EQ(all.groups, by_region.categories);
  EXPECT_EQ(all.words, (std::vector<CloudWord>{{Ansi("sol"), 0.5, 0}, {Ansi("mar"), 0.7, 1}, {to_ansi("céu"), 0.2, 1}}));
  const auto south = cloud_of_variable(docs, dir.path(), by_region, Ansi("sul"));
  EXPECT_EQ(south.words, (std::vector<CloudWord>{{Ansi("mar"), 0.6}, {to_ansi("céu"), 0.2}}));
  EXPECT_THROW(cloud_of_variable(docs, dir.path(), by_region, Ansi("leste")), Stop);
  EXPECT_THROW(cloud_of_documents({Ansi("falta.txt")}, dir.path()), Stop);

  write_file(dir / "clusters.csv", "Cluster;Documento\r\ncluster1;a.txt\r\ncluster2;b.txt\r\ncluster2;c.txt\r\n");
  EXPECT_EQ(cluster_documents(dir / "clusters.csv", 2), (std::vector<Ansi>{Ansi("b.txt"), Ansi("c.txt")}));
  EXPECT_THROW(cluster_documents(dir / "clusters.csv", 3), Stop);
  write_file(dir / "outra.csv", "Palavra;Peso\r\nmar;1\r\n");
  EXPECT_THROW(cluster_documents(dir / "outra.csv", 1), Stop);
}

}  // namespace
}  // namespace lumeral::charts
