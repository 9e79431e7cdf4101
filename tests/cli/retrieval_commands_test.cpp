#include <gtest/gtest.h>

#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

TEST(CliRetrieval, BooleanSearch) {
  TempDir dir;
  write_file(dir / "a.txt", "O jogo da Copa\r\ndo Mundo foi bom.\r\n");
  write_file(dir / "b.txt", "A copa. do mundo\r\n");
  write_file(dir / "c.txt", "O casamento foi lindo\r\n");
  ASSERT_EQ(run_cli({"make", "l.ldc"}, dir.path(), "a.txt\nb.txt\nc.txt\n").exit_code, 0);
  struct {
    std::vector<std::string> args;
    std::string out;
  } cases[] = {
      {{"Copa do Mundo"}, "a.txt\n"},
      {{"casa"}, "c.txt\n"},
      {{}, "a.txt\nb.txt\nc.txt\n"},
      {{"--or"}, ""},
      {{"--or", "lindo", "jogo"}, "a.txt\nc.txt\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"boolean", "--docs", "l.ldc"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    auto r = run_cli(args, dir.path());
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, c.out);
  }
  // Names are resolved in the folder of the list.
  auto other = run_cli({"boolean", "--docs", (dir / "l.ldc").string(), "casa"}, fs::temp_directory_path());
  EXPECT_EQ(other.out, "c.txt\n");

  run_cli({"make", "m.ldc"}, dir.path(), "c.txt\nfalta.txt\n");
  auto missing = run_cli({"boolean", "--docs", "m.ldc", "casa"}, dir.path());
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_EQ(missing.out, "c.txt\n");
  EXPECT_EQ(missing.err, "O arquivo texto não está no diretório\n");
}

TEST(CliRetrieval, SimilarOneCaseAndCases) {
  TempDir dir;
  run_cli({"make", "x.lpl"}, dir.path(), "casa\t0.5\nbola\t0.2\n");
  run_cli({"make", "caso.lpl"}, dir.path(), "casa\t0.25\n");
  write_file(dir / "caso.txt", "caso\r\n");
  run_cli({"make", "cmp.ldc"}, dir.path(), "x.txt\n");
  auto w = run_cli({"similar", "--docs", "cmp.ldc", "--case", "caso.txt", "--method", "word"}, dir.path());
  EXPECT_EQ(w.exit_code, 0) << w.err;
  EXPECT_EQ(w.out, "x. | 0,291667\n");
  auto nw = run_cli({"similar", "--docs", "cmp.ldc", "--case", "caso.txt", "--method", "word", "--no-weights"},
                    dir.path());
  EXPECT_EQ(nw.out, "x. | 0,500000\n");
  auto en = run_cli({"--locale", "en_US", "similar", "--docs", "cmp.ldc", "--case", "caso.txt", "--method", "word"},
                    dir.path());
  EXPECT_EQ(en.out, "x. | 0.291667\n");

  // x 0.5, y 0.5, z 0.9 in this order come out z, y, x.
  run_cli({"make", "caso2.lpl"}, dir.path(), "a\t0.5\n");
  write_file(dir / "caso2.txt", "");
  run_cli({"make", "xx.lpl"}, dir.path(), "a\t0.5\nb\t0.5\n");
  run_cli({"make", "yy.lpl"}, dir.path(), "a\t0.5\nc\t0.5\n");
  run_cli({"make", "zz.lpl"}, dir.path(), "a\t0.5\n");
  run_cli({"make", "ord.ldc"}, dir.path(), "xx.txt\nyy.txt\nzz.txt\n");
  auto ord = run_cli({"similar", "--docs", "ord.ldc", "--case", "caso2.txt", "--method", "word"}, dir.path());
  EXPECT_EQ(ord.out, "zz. | 1,000000\nyy. | 0,500000\nxx. | 0,500000\n");
  auto thr = run_cli({"similar", "--docs", "ord.ldc", "--case", "caso2.txt", "--method", "word", "--threshold", "0,6"},
                     dir.path());
  EXPECT_EQ(thr.out, "zz. | 1,000000\n");
  auto bad = run_cli({"similar", "--docs", "ord.ldc", "--case", "caso2.txt", "--method", "word", "--threshold", "x"},
                     dir.path());
  EXPECT_EQ(bad.exit_code, 1);
  EXPECT_EQ(bad.out, ord.out);
  EXPECT_FALSE(bad.err.empty());

  run_cli({"make", "testes.ldc"}, dir.path(), "caso.txt\ncaso2.txt\n");
  auto cases = run_cli({"similar", "--docs", "ord.ldc", "--cases", "testes.ldc", "--report", "rel.txt", "--method",
                        "word"},
                       dir.path());
  EXPECT_EQ(cases.exit_code, 0) << cases.err;
  EXPECT_EQ(cases.out, ord.out);  // the last test document's results
  auto lines = lines_of(read_file(dir / "rel.txt"));
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], "lista de docs= testes.ldc");
  EXPECT_EQ(lines[1], cp1252("método por palavra"));
  EXPECT_EQ(lines[5], std::string(23, '-'));
  // No word of caso is in the list: all tie at 0 with the first.
  EXPECT_EQ(lines[6], "1. caso.txt => xx. | 0,000000");
  EXPECT_EQ(lines[7], "      yy. | 0,000000");
  EXPECT_EQ(lines[8], "      zz. | 0,000000");
  EXPECT_EQ(lines[9], "2. caso2.txt => zz. | 1,000000");
  EXPECT_EQ(lines[10], std::string(17, '-'));

  auto usage = run_cli({"similar", "--docs", "cmp.ldc", "--method", "word"}, dir.path());
  EXPECT_EQ(usage.exit_code, 2);
  auto missing = run_cli({"similar", "--docs", "cmp.ldc", "--case", "caso.txt", "--method", "context"}, dir.path());
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_EQ(missing.err, "Classificar caso antes\n");
}

}  // namespace
}  // namespace lumeral::testing
