// The bundled sample collection: its binary files are what their text
// sources make, and each analysis gives what a reader of the news texts
// would expect.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

using Lines = std::vector<std::string>;

bool has(const Lines& lines, const std::string& wanted) {
  return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}

TEST(CliExamples, OntologyFilesMatchTheirSources) {
  TempDir dir;
  int checked = 0;
  for (const auto& entry : fs::directory_iterator(source_dir() / "examples/ontologia")) {
    const std::string built = entry.path().stem().string();  // noticias.lct, economia.ctt ...
    auto r = run_cli({"make", built}, dir.path(), read_file(entry.path()));
    ASSERT_EQ(r.exit_code, 0) << built << r.err;
    EXPECT_EQ(read_file(dir / built), read_file(source_dir() / "examples/noticias" / built)) << built;
    ++checked;
  }
  EXPECT_EQ(checked, 6);
}

TEST(CliExamples, SampleCollectionGivesSensibleResults) {
  TempDir dir;
  fs::copy(source_dir() / "examples/noticias", dir / "noticias");
  fs::copy(source_dir() / "examples/arquivo-unico", dir / "unico");
  const fs::path project = dir / "noticias";
  // The standard stopword list, built from its source into the start folder.
  ASSERT_EQ(run_cli({"stopwords-save", "stw-portugues.stw", "--from",
                     (source_dir() / "data/stopwords/portugues.txt").string()},
                    dir.path())
                .exit_code,
            0);
  auto r = run_cli({"prepare", "unico", "--title", "unico", "--separator", "XXX"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(lines_of(r.out).size(), 8u);
  r = run_cli({"prepare", "noticias", "--title", "noticias"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const Lines docs = lines_of(r.out);
  ASSERT_EQ(docs.size(), 40u);
  EXPECT_EQ(docs.front(), "arq-000001.txt");
  // A UTF-8 document gives the same accented words as a Windows-1252 one.
  EXPECT_NE(run_cli({"dump", "noticias/noticia12.lpl"}, dir.path()).out.find("saúde\t"), std::string::npos);

  // Clear cases of each subject, by title, under either method.
  const std::map<std::string, std::string> subjects = {
      {"noticia01.mtz", "economia"},  // Banco Central mantém taxa de juros
      {"noticia07.mtz", "politica"},  {"noticia11.mtz", "saude"},
      {"noticia17.mtz", "esporte"},   // Flamengo conquista o campeonato carioca
      {"noticia23.mtz", "ambiente"},
  };
  for (std::string method : {"deterministic", "probabilistic"}) {
    r = run_cli({"classify", "--docs", "noticias.ldc", "--contexts", "noticias.lct", "--method", method}, project);
    ASSERT_EQ(r.exit_code, 0) << method << r.err;
    const Lines lines = lines_of(run_cli({"classify-highest", "--docs", "noticias.ldc"}, project).out);
    EXPECT_EQ(lines.size(), 40u);
    for (const auto& line : lines) {
      auto it = subjects.find(line.substr(0, line.find(" => ")));
      if (it != subjects.end()) {
        EXPECT_EQ(line.substr(line.find(" => ") + 4, it->second.size()), it->second) << method << ": " << line;
      }
    }
    EXPECT_EQ(lines_of(run_cli({"doc-contexts", "noticia01", "--threshold", "0"}, project).out).size(), 5u);
    EXPECT_GE(lines_of(run_cli({"context-docs", "Esporte", "--docs", "noticias.ldc"}, project).out).size(), 8u);
  }

  // Boolean: the interest-rate news holds both words; football news hold "gols".
  EXPECT_TRUE(has(lines_of(run_cli({"boolean", "--docs", "noticias.ldc", "juros", "inflação"}, project).out),
                  "noticia01.txt"));
  EXPECT_TRUE(has(lines_of(run_cli({"boolean", "--docs", "noticias.ldc", "--or", "gols"}, project).out),
                  "noticia16.txt"));
  // Similarity: a document is most similar to itself; by words the
  // inflation news comes next to the interest-rate news.
  auto words =
      lines_of(run_cli({"similar", "--docs", "noticias.ldc", "--case", "noticia01.txt", "--method", "word"}, project).out);
  ASSERT_EQ(words.size(), 40u);
  EXPECT_EQ(words[0], "noticia01. | 1,000000");
  EXPECT_EQ(words[1].substr(0, 10), "noticia02.");
  EXPECT_EQ(lines_of(run_cli({"similar", "--docs", "noticias.ldc", "--case", "noticia17.txt", "--method", "context"},
                             project)
                         .out)[0],
            "noticia17. | 1,000000");
  // Summaries: the deforestation sentences, marked; sport without economy.
  auto summary = lines_of(run_cli({"summarize", "--docs", "noticias.ldc", "desmatamento"}, project).out);
  EXPECT_TRUE(has(summary, "noticia23.txt"));
  EXPECT_TRUE(std::all_of(summary.begin(), summary.end(), [](const std::string& l) {
    return l.rfind("==>  ", 0) != 0 || l.find("desmatamento") != std::string::npos;
  }));
  auto sport = lines_of(run_cli(
      {"contextual-summary", "--docs", "noticias.ldc", "--contexts", "noticias.lct", "esporte", "--not", "economia"},
      project)
                            .out);
  EXPECT_TRUE(has(sport, "noticia17.txt"));
  EXPECT_FALSE(has(sport, "noticia01.txt"));
  // Clustering by words puts the two football match reports together.
  auto clusters = lines_of(
      run_cli({"cluster", "--docs", "noticias.ldc", "--method", "word", "--threshold", "0,04"}, project).out);
  auto cluster_of = [&](const std::string& member) {
    auto it = std::find(clusters.begin(), clusters.end(), "  " + member);
    while (it != clusters.begin() && it->rfind("cluster", 0) != 0) --it;
    return *it;
  };
  EXPECT_EQ(cluster_of("noticia16.txt"), cluster_of("noticia19.txt"));
  EXPECT_NE(cluster_of("noticia01.txt"), cluster_of("noticia16.txt"));
}

}  // namespace
}  // namespace lumeral::testing
