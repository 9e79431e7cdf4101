#include <gtest/gtest.h>

#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

using records::WordRecord;

// A pair in 4 of 20 documents whose first concept is in 6.
void twenty(const TempDir& dir) {
  records::write_all<records::ContextListRecord>(dir / "c.lct", {{"A", 0}, {"B", 0}});
  std::vector<records::DocRecord> docs;
  for (int i = 0; i < 20; ++i) {
    std::string base = "n" + std::to_string(i) + ".";
    records::write_all<WordRecord>(dir / (base + "mtz"), {{"A", i < 6 ? 1.0 : 0.0}, {"B", i >= 2 && i < 10 ? 1.0 : 0.0}});
    docs.push_back({Ansi((base + "txt").c_str()), 0});
  }
  records::write_all(dir / "d.ldc", docs);
}

TEST(CliMining, RulesFromThePairsTheContextMethodCounted) {
  TempDir dir;
  twenty(dir);
  auto a = run_cli({"associate", "--docs", "d.ldc", "--method", "context"}, dir.path());
  ASSERT_EQ(a.exit_code, 0) << a.err;
  EXPECT_EQ(a.out, "A | B = 4,0000\nB | A = 4,0000\n");
  auto r = run_cli({"rules", "--contexts", "c.lct", "--docs", "d.ldc", "--pairs", "temp.ass"}, dir.path());
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "A => B /conf= 66,67% /sup= 20,00%(0004)\n");
  r = run_cli({"rules", "--contexts", "c.lct", "--docs", "d.ldc", "--pairs", "temp.ass", "--sentences"}, dir.path());
  EXPECT_EQ(r.out,
            "--66,67%  dos textos que falam em A também falam em B. Isto aconteceu em 0004 texto(s) (20,00% do "
            "total)\n");
  r = run_cli({"rules", "--contexts", "c.lct", "--docs", "d.ldc", "--pairs", "temp.ass", "--threshold", "5", "--by",
               "support"},
              dir.path());
  EXPECT_EQ(r.out, "");
  fs::remove(dir / "n7.mtz");
  r = run_cli({"rules", "--contexts", "c.lct", "--docs", "d.ldc", "--pairs", "temp.ass"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "Fazer classificação antes !\n");
}

}  // namespace
}  // namespace lumeral::testing
