#include <gtest/gtest.h>

#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

const std::string kHeader = " \n" + std::string(30, '-') + "\n";

TEST(CliSummaries, SentenceSummaries) {
  TempDir dir;
  write_file(dir / "p.txt", cp1252("O PIB cresceu. A inflação caiu? Sim\r\n"));
  run_cli({"make", "l.ldc"}, dir.path(), "p.txt\n");
  auto all = run_cli({"summarize", "--docs", "l.ldc", "--unrestricted"}, dir.path());
  EXPECT_EQ(all.exit_code, 0) << all.err;
  EXPECT_EQ(all.out, kHeader + "p.txt\n \n==>   o pib cresceu.\n==>   a inflação caiu?\n==>   sim\n");
  auto one = run_cli({"summarize", "--docs", "l.ldc", "--unrestricted", "--only", "p.txt"}, dir.path());
  EXPECT_EQ(one.out, kHeader + "p.txt\n \n==>   o pib cresceu.\n==>   a inflação caiu? sim\n");
  auto around = run_cli({"summarize", "--docs", "l.ldc", "--around", "1", "inflação"}, dir.path());
  EXPECT_EQ(around.out, kHeader + "p.txt\n \n o pib cresceu.\n==>   a inflação caiu?\n sim\n");
  auto refused = run_cli({"summarize", "--docs", "l.ldc", "--around", "11", "pib"}, dir.path());
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.err, "O número de frases antes e depois deve estar entre 0 e 10.\n");
  auto either = run_cli({"summarize", "--docs", "l.ldc", "--or", "pib", "sim"}, dir.path());
  EXPECT_EQ(either.out, kHeader + "p.txt\n \n==>   o pib cresceu.\n==>   sim\n");
}

TEST(CliSummaries, ContextualSummary) {
  TempDir dir;
  write_file(dir / "d.txt", cp1252("A crise\r\neconômica chegou. O governo agiu? Sim.\r\n"));
  run_cli({"make", "l.ldc"}, dir.path(), "d.1.txt\n");
  run_cli({"make", "c.lct"}, dir.path(), "economia\ngoverno\n");
  run_cli({"make", "economia.ctt"}, dir.path(), cp1252("criseeconômica\ninflação\n"));
  run_cli({"make", "governo.ctt"}, dir.path(), "governo\n");
  auto r = run_cli({"contextual-summary", "--docs", "l.ldc", "--contexts", "c.lct", "economia", "--sentences", "1"},
                   dir.path());
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, kHeader + "d.txt\n \n==>  A criseeconômica chegou.\n O governo agiu?\n");
  auto both = run_cli({"contextual-summary", "--docs", "l.ldc", "--contexts", "c.lct", "economia", "governo"},
                      dir.path());
  EXPECT_EQ(both.out, "");
  auto either = run_cli({"contextual-summary", "--docs", "l.ldc", "--contexts", "c.lct", "economia", "governo",
                         "--or", "--not", "economia"},
                        dir.path());
  EXPECT_EQ(either.out, kHeader + "d.txt\n \n==>   O governo agiu?\n");
}

}  // namespace
}  // namespace lumeral::testing
