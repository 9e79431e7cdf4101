#include <gtest/gtest.h>

#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

using records::WordRecord;

TEST(CliAssociation, DocumentMethodWithMirrorsThresholdAndOrder) {
  TempDir dir;
  records::write_all<WordRecord>(dir / "a.lpl", {{"bola", 0.5}, {"gol", 0.5}});
  records::write_all<WordRecord>(dir / "b.lpl", {{"bola", 0.3}, {"gol", 0.3}, {"time", 0.3}});
  records::write_all<WordRecord>(dir / "c.lpl", {{"time", 1}});
  records::write_all<records::DocRecord>(dir / "l.ldc", {{"a.txt", 0}, {"b.txt", 0}, {"c.txt", 0}});
  auto r = run_cli({"associate", "--docs", "l.ldc", "--method", "document"}, dir.path());
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            "bola | gol = 2,0000\nbola | time = 1,0000\ngol | time = 1,0000\n"
            "gol | bola = 2,0000\ntime | bola = 1,0000\ntime | gol = 1,0000\n");
  r = run_cli({"associate", "--docs", "l.ldc", "--threshold", "1,5"}, dir.path());
  EXPECT_EQ(r.out, "bola | gol = 2,0000\ngol | bola = 2,0000\n");
  r = run_cli({"associate", "--docs", "l.ldc", "--order", "weight"}, dir.path());
  EXPECT_EQ(lines_of(r.out)[1], "gol | bola = 2,0000");
  EXPECT_EQ(run_cli({"dump", "temp.ass"}, dir.path()).out, "bola\tgol\t2\nbola\ttime\t1\ngol\ttime\t1\n");
  r = run_cli({"associate", "--docs", "l.ldc", "--method", "frequency"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "Método ainda não disponível\n");
}

TEST(CliAssociation, SentenceMethod) {
  TempDir dir;
  write_file(dir / "t.txt", "O gol, o gol!");
  records::write_all<records::DocRecord>(dir / "l.ldc", {{"t.txt", 0}});
  records::write_all<records::StopRecord>(dir / "s.stw", {{"de"}});
  auto r = run_cli({"associate", "--docs", "l.ldc", "--method", "sentence", "--stopwords", "s.stw"}, dir.path());
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(run_cli({"dump", "temp.ass"}, dir.path()).out, "gol\to\t4\no\to\t1\ngol\tgol\t1\n");
  EXPECT_EQ(r.out, "gol | gol = 1,0000\ngol | o = 4,0000\no | o = 1,0000\ngol | gol = 1,0000\no | gol = 4,0000\n"
                   "o | o = 1,0000\n");
}

TEST(CliAssociation, MemoryBudget) {
  TempDir dir;
  // Twelve words in every list: 66 pairs a document, over a 4 KB budget (32 pairs).
  std::vector<records::DocRecord> docs;
  for (int d = 0; d < 6; ++d) {
    std::vector<WordRecord> words;
    for (int k = 0; k < 12; ++k) words.push_back({Ansi(("w" + std::to_string((k * (d + 1)) % 17)).c_str()), 0.1});
    records::write_all<WordRecord>(dir / ("d" + std::to_string(d) + ".lpl"), words);
    docs.push_back({Ansi(("d" + std::to_string(d) + ".txt").c_str()), 0});
  }
  records::write_all<records::DocRecord>(dir / "l.ldc", docs);
  auto whole = run_cli({"associate", "--docs", "l.ldc"}, dir.path());
  const std::string store = read_file(dir / "temp.ass");
  auto bounded = run_cli({"--memory", "4K", "associate", "--docs", "l.ldc"}, dir.path());
  EXPECT_EQ(bounded.exit_code, 0) << bounded.err;
  EXPECT_EQ(bounded.out, whole.out);
  EXPECT_EQ(read_file(dir / "temp.ass"), store);

  auto bad = run_cli({"--memory", "muito", "associate", "--docs", "l.ldc"}, dir.path());
  EXPECT_EQ(bad.exit_code, 2);
  EXPECT_NE(bad.err.find("Limite de memória inválido: \"muito\" não é um tamanho"), std::string::npos) << bad.err;
}

}  // namespace
}  // namespace lumeral::testing
