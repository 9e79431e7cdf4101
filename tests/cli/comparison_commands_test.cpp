#include <gtest/gtest.h>

#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

using records::WordRecord;

// casa in the first and third of three documents.
void three_documents(const TempDir& dir) {
  records::write_all<WordRecord>(dir / "um.lpl", {{"casa", 0.2}, {"bola", 0.5}});
  records::write_all<WordRecord>(dir / "dois.lpl", {{"bola", 0.1}});
  records::write_all<WordRecord>(dir / "tres.lpl", {{"casa", 0.4}, {"bola", 0.3}});
  records::write_all<records::DocRecord>(dir / "lista.ldc", {{"um.txt", 0}, {"dois.txt", 0}, {"tres.txt", 0}});
}

TEST(CliComparison, CentroidTypes) {
  TempDir dir;
  three_documents(dir);
  struct {
    std::vector<std::string> args;
    std::string out;
  } cases[] = {
      {{"--type", "two", "--mode", "weight"}, "casa | 0,200000\nbola | 0,300000\n"},
      {{"--type", "two", "--mode", "frequency"}, "casa | 2,000000\nbola | 3,000000\n"},
      {{"--type", "every"}, "bola | 3,000000\n"},
      {{"--type", "all"}, "casa | 2\nbola | 3\n"},
      {{"--locale", "en_US", "--type", "two", "--mode", "weight"}, "casa | 0.200000\nbola | 0.300000\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args;
    auto rest = c.args;
    if (rest[0] == "--locale") {
      args = {rest[0], rest[1]};
      rest.erase(rest.begin(), rest.begin() + 2);
    }
    args.insert(args.end(), {"centroid", "--docs", (dir / "lista.ldc").string()});
    args.insert(args.end(), rest.begin(), rest.end());
    auto r = run_cli(args, dir.path());
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, c.out) << c.args[1];
  }
}

TEST(CliComparison, DifferencesAndPercentages) {
  TempDir dir;
  three_documents(dir);
  ASSERT_EQ(run_cli({"centroid", "--docs", "lista.ldc", "--type", "all"}, dir.path()).exit_code, 0);
  auto d = run_cli({"differences", "--docs", "lista.ldc", "--centroid", "centroide-2.lpl"}, dir.path());
  EXPECT_EQ(d.exit_code, 1);  // no such centroid yet
  ASSERT_EQ(run_cli({"centroid", "--docs", "lista.ldc", "--type", "every"}, dir.path()).exit_code, 0);
  d = run_cli({"differences", "--docs", "lista.ldc", "--centroid", "centroide-3.lpl"}, dir.path());
  EXPECT_EQ(d.exit_code, 0) << d.err;
  EXPECT_EQ(run_cli({"dump", "um.dif"}, dir.path()).out, "casa\t0.20000000000000001\n");
  EXPECT_EQ(run_cli({"dump", "dois.dif"}, dir.path()).out, "");

  auto p = run_cli({"percentages", "--docs", "lista.ldc", "--centroid", "centro-temp.lpl"}, dir.path());
  EXPECT_EQ(p.out, "casa - 66,7%\nbola - 100,0%\n");
  records::write_all<records::DocRecord>(dir / "vazia.ldc", {});
  p = run_cli({"percentages", "--docs", "vazia.ldc", "--centroid", "centro-temp.lpl"}, dir.path());
  EXPECT_EQ(p.exit_code, 1);
  EXPECT_EQ(p.err, "A lista de documentos está vazia: não há documentos para calcular as porcentagens.\n");
}

TEST(CliComparison, CompareRules) {
  TempDir dir;
  write_file(dir / "a.txt", "a->b /conf= 50,00%\r\nb->c /conf= 10,00%\r\n");
  write_file(dir / "b.txt", "b->c /conf= 99,00%\r\nc->d /sup= 1\r\n");
  auto r = run_cli({"compare-rules", "a.txt", "b.txt"}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out, "b->c\n\n-------------------------\na.txt\n\na->b\n\n-------------------------\nb.txt\n\nc->d\n");
  r = run_cli({"compare-rules", "a.txt"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "Selecionar mais de um arquivo com regras !\n");
}

}  // namespace
}  // namespace lumeral::testing
