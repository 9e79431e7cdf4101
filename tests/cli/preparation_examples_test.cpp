#include <gtest/gtest.h>

#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

using Lines = std::vector<std::string>;

// The binary files of the sample are what their text sources make.
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

TEST(CliExamples, SampleCollectionPreparesIntoFortyDocuments) {
  TempDir dir;
  fs::copy(source_dir() / "examples/noticias", dir / "noticias");
  fs::copy(source_dir() / "examples/arquivo-unico", dir / "unico");
  ASSERT_EQ(run_cli({"--locale", "pt_BR", "stopwords-save", "stw-portugues.stw", "--from",
                     (source_dir() / "data/stopwords/portugues.txt").string()},
                    dir.path())
                .exit_code,
            0);
  auto r = run_cli({"prepare", "noticias", "--title", "noticias"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  auto docs = lines_of(r.out);
  ASSERT_EQ(docs.size(), 40u);
  EXPECT_EQ(docs.front(), "arq-000001.txt");
  EXPECT_EQ(docs.back(), "noticia36.txt");
  for (const auto& d : docs) {
    auto lpl = dir / "noticias" / (d.substr(0, d.size() - 3) + "lpl");
    EXPECT_GT(fs::file_size(lpl), 0u) << d;
  }
  // A UTF-8 document gives the same accented words as a Windows-1252 one.
  auto words = run_cli({"dump", "noticias/noticia12.lpl"}, dir.path()).out;
  EXPECT_NE(words.find("saúde\t"), std::string::npos);

  r = run_cli({"prepare", "unico", "--title", "unico", "--separator", "XXX"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(lines_of(r.out), (Lines{"000001.txt", "000002.txt", "000003.txt", "000004.txt", "000005.txt",
                                    "000006.txt", "000007.txt", "000008.txt"}));
  EXPECT_TRUE(fs::exists(dir / "unico/unico.bak"));
}

}  // namespace
}  // namespace lumeral::testing
