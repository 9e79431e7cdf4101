#include <gtest/gtest.h>

#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

TEST(CliFiles, MakeThenDumpRoundTripsEveryKind) {
  TempDir dir;
  struct {
    const char* file;
    std::string input;
    std::string dumped;
  } cases[] = {
      {"a.ldc", "noticia1.txt\t0.5\nsem peso.txt\n", "noticia1.txt\t0.5\nsem peso.txt\t0\n"},
      {"a.lpl", "casa\t0.25\na\xc3\xa7\xc3\xa3o\t0,75\n", "casa\t0.25\na\xc3\xa7\xc3\xa3o\t0.75\n"},
      {"a.mtz", "economia\t3\n", "economia\t3\n"},
      {"a.dif", "x\t1\n", "x\t1\n"},
      {"a.dfc", "x\t1\n", "x\t1\n"},
      {"a.cst", "x\t0.1\n", "x\t0.10000000000000001\n"},
      {"a.lct", "economia\nesporte\t2\n", "economia\t0\nesporte\t2\n"},
      {"a.ctt", "bola -volei\ngol\t0.8\n", "bola -volei\t1\ngol\t0.80000000000000004\n"},
      {"a.stw", "de\na\n", "de\na\n"},
      {"a.csb", "copa do mundo\n\n", "copa do mundo\n\n"},
      {"a.ass", "bola\tgol\t2\n", "bola\tgol\t2\n"},
      {"a.msm", "0\t0.5\n0.5\t0\n", "0\t0.5\n0.5\t0\n"},
  };
  for (const auto& c : cases) {
    auto made = run_cli({"make", c.file}, dir.path(), c.input);
    ASSERT_EQ(made.exit_code, 0) << c.file << made.err;
    auto dumped = run_cli({"dump", c.file}, dir.path());
    EXPECT_EQ(dumped.exit_code, 0) << c.file << dumped.err;
    EXPECT_EQ(dumped.out, c.dumped) << c.file;
  }
}

TEST(CliFiles, TextsLongerThanTheFieldAreCut) {
  TempDir dir;
  run_cli({"make", "a.lpl"}, dir.path(), "abcdefghijklmnopqrst\t1\n");
  EXPECT_EQ(run_cli({"dump", "a.lpl"}, dir.path()).out, "abcdefghijklmno\t1\n");
  run_cli({"make", "a.ctt"}, dir.path(), std::string(40, 'x') + "\t1\n");
  EXPECT_EQ(run_cli({"dump", "a.ctt"}, dir.path()).out, std::string(30, 'x') + "\t1\n");
}

TEST(CliFiles, PartialRecordIsIgnored) {
  TempDir dir;
  write_file(dir / "a.lpl", std::string("\x04" "casa") + std::string(11, '\0') + std::string(8, '\0') + "x");
  auto r = run_cli({"dump", "a.lpl"}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out, "casa\t0\n");
}

TEST(CliFiles, ExitCodesAndMessages) {
  TempDir dir;
  auto missing = run_cli({"dump", "nada.lpl"}, dir.path());
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_NE(missing.err.find("nada.lpl"), std::string::npos);
  EXPECT_EQ(run_cli({"dump"}, dir.path()).exit_code, 2);
  EXPECT_EQ(run_cli({"nao-existe"}, dir.path()).exit_code, 2);
  auto unknown = run_cli({"dump", "a.xyz"}, dir.path());
  EXPECT_EQ(unknown.exit_code, 1);
  auto forced = run_cli({"make", "lista.bin", "--as", "lpl"}, dir.path(), "casa\t1\n");
  EXPECT_EQ(forced.exit_code, 0);
  EXPECT_EQ(run_cli({"dump", "lista.bin", "--as", "lpl"}, dir.path()).out, "casa\t1\n");
  auto bad = run_cli({"make", "b.lpl"}, dir.path(), "casa\tabc\n");
  EXPECT_EQ(bad.exit_code, 1);
  auto odd = run_cli({"make", "m.msm"}, dir.path(), "1 2 3\n");
  ASSERT_EQ(odd.exit_code, 0);
  EXPECT_EQ(run_cli({"dump", "m.msm"}, dir.path()).exit_code, 1);
  EXPECT_EQ(run_cli({"dump", "m.msm", "--size", "1"}, dir.path()).exit_code, 1);
}

}  // namespace
}  // namespace lumeral::testing
