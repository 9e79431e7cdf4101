// The classification on the bundled sample collection and its ontology.
#include <gtest/gtest.h>

#include <map>

#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

TEST(CliClassificationExamples, SampleCollectionGoesToItsSubjects) {
  TempDir dir;
  fs::copy(source_dir() / "examples/noticias", dir / "noticias");
  const fs::path project = dir / "noticias";
  // The standard stopword list, built from its source into the start folder.
  ASSERT_EQ(run_cli({"stopwords-save", "stw-portugues.stw", "--from",
                     (source_dir() / "data/stopwords/portugues.txt").string()},
                    dir.path())
                .exit_code,
            0);
  auto r = run_cli({"prepare", "noticias", "--title", "noticias"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  // Clear cases of each subject, by title.
  const std::map<std::string, std::string> expected = {
      {"noticia01.mtz", "economia"},  // Banco Central mantém taxa de juros
      {"noticia07.mtz", "politica"},  {"noticia11.mtz", "saude"},
      {"noticia17.mtz", "esporte"},   // Flamengo conquista o campeonato carioca
      {"noticia23.mtz", "ambiente"},
  };
  for (std::string method : {"probabilistic", "deterministic"}) {
    r = run_cli({"classify", "--docs", "noticias.ldc", "--contexts", "noticias.lct", "--method", method}, project);
    ASSERT_EQ(r.exit_code, 0) << method << r.err;
    r = run_cli({"classify-highest", "--docs", "noticias.ldc"}, project);
    ASSERT_EQ(r.exit_code, 0) << r.err;
    auto lines = lines_of(r.out);
    EXPECT_EQ(lines.size(), 40u);
    for (const auto& line : lines) {
      auto name = line.substr(0, line.find(" => "));
      auto it = expected.find(name);
      if (it == expected.end()) continue;
      EXPECT_EQ(line.substr(line.find(" => ") + 4, it->second.size()), it->second) << method << ": " << line;
    }
    // Every matrix has the five contexts of the list.
    EXPECT_EQ(lines_of(run_cli({"doc-contexts", "noticia01", "--threshold", "0"}, project).out).size(), 5u);
    auto sports = lines_of(run_cli({"context-docs", "Esporte", "--docs", "noticias.ldc"}, project).out);
    EXPECT_GE(sports.size(), 8u) << method;
  }
}

}  // namespace
}  // namespace lumeral::testing
