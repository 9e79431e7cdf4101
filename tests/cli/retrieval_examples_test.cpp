// Retrieval, summaries and clustering on the bundled sample collection:
// results that a reader of the news texts would expect.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

bool has(const std::vector<std::string>& lines, const std::string& wanted) {
  return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}

TEST(CliRetrievalExamples, SampleCollectionGivesSensibleResults) {
  TempDir dir;
  fs::copy(source_dir() / "examples/noticias", dir / "noticias");
  const fs::path project = dir / "noticias";
  ASSERT_EQ(run_cli({"prepare", ".", "--title", "noticias"}, project).exit_code, 0);
  ASSERT_EQ(run_cli({"classify", "--docs", "noticias.ldc", "--contexts", "noticias.lct", "--method", "probabilistic"},
                    project)
                .exit_code,
            0);

  // Boolean: the interest-rate news holds both words; football news hold "gols".
  EXPECT_TRUE(has(lines_of(run_cli({"boolean", "--docs", "noticias.ldc", "juros", "inflação"}, project).out),
                  "noticia01.txt"));
  auto goals = lines_of(run_cli({"boolean", "--docs", "noticias.ldc", "--or", "gols"}, project).out);
  EXPECT_TRUE(has(goals, "noticia16.txt"));
  EXPECT_TRUE(has(goals, "noticia17.txt"));

  // Similarity: a document is most similar to itself; by words the
  // inflation news comes next to the interest-rate news.
  auto words =
      lines_of(run_cli({"similar", "--docs", "noticias.ldc", "--case", "noticia01.txt", "--method", "word"}, project).out);
  ASSERT_EQ(words.size(), 40u);
  EXPECT_EQ(words[0], "noticia01. | 1,000000");
  EXPECT_EQ(words[1].substr(0, 10), "noticia02.");
  auto contexts = lines_of(
      run_cli({"similar", "--docs", "noticias.ldc", "--case", "noticia17.txt", "--method", "context"}, project).out);
  EXPECT_EQ(contexts[0], "noticia17. | 1,000000");

  // Summaries: the deforestation sentences, marked.
  auto summary = lines_of(run_cli({"summarize", "--docs", "noticias.ldc", "desmatamento"}, project).out);
  EXPECT_TRUE(has(summary, "noticia23.txt"));
  EXPECT_TRUE(std::all_of(summary.begin(), summary.end(), [](const std::string& l) {
    return l.rfind("==>  ", 0) != 0 || l.find("desmatamento") != std::string::npos;
  }));
  auto sport = lines_of(run_cli({"contextual-summary", "--docs", "noticias.ldc", "--contexts", "noticias.lct",
                                 "esporte", "--not", "economia"},
                                project)
                            .out);
  EXPECT_TRUE(has(sport, "noticia17.txt"));
  EXPECT_FALSE(has(sport, "noticia01.txt"));

  // Clustering by words puts the two football match reports together.
  auto clusters = lines_of(run_cli({"cluster", "--docs", "noticias.ldc", "--method", "word", "--threshold", "0,04"},
                                   project)
                               .out);
  auto at = [&](const std::string& member) {
    auto it = std::find(clusters.begin(), clusters.end(), "  " + member);
    while (it != clusters.begin() && it->rfind("cluster", 0) != 0) --it;
    return *it;
  };
  EXPECT_EQ(at("noticia16.txt"), at("noticia19.txt"));
  EXPECT_NE(at("noticia01.txt"), at("noticia16.txt"));
}

}  // namespace
}  // namespace lumeral::testing
