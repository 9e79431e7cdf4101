#include <gtest/gtest.h>

#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

TEST(CliClustering, MatrixAndClusters) {
  TempDir dir;
  run_cli({"make", "a.lpl"}, dir.path(), "casa\t0.5\nbola\t0.2\n");
  run_cli({"make", "b.lpl"}, dir.path(), "casa\t0.5\nbola\t0.2\n");
  run_cli({"make", "c.lpl"}, dir.path(), "rua\t0.5\n");
  run_cli({"make", "l.ldc"}, dir.path(), "a.txt\nb.txt\nc.txt\n");
  auto m = run_cli({"similarity-matrix", "--docs", "l.ldc", "--method", "word", "--out", "m.msm", "--show"},
                   dir.path());
  EXPECT_EQ(m.exit_code, 0) << m.err;
  auto lines = lines_of(m.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "a.txt            |  0,0000000000  |  1,0000000000  |  0,0000000000");
  EXPECT_EQ(run_cli({"dump", "m.msm"}, dir.path()).out, "0\t1\t0\n1\t0\t0\n0\t0\t0\n");

  auto c = run_cli({"cluster", "--docs", "l.ldc", "--method", "word"}, dir.path());
  EXPECT_EQ(c.exit_code, 0) << c.err;
  EXPECT_EQ(c.out, "cluster1\n  a.txt\n  b.txt\ncluster2\n  c.txt\n");
  auto reopened = run_cli({"cluster", "--docs", "l.ldc", "--method", "word", "--matrix", "m.msm", "--threshold", "1"},
                          dir.path());
  EXPECT_EQ(reopened.out, "cluster1\n  a.txt\ncluster2\n  b.txt\ncluster3\n  c.txt\n");

  run_cli({"make", "one.ldc"}, dir.path(), "a.txt\n");
  EXPECT_EQ(run_cli({"cluster", "--docs", "one.ldc", "--method", "word"}, dir.path()).out, "cluster1\n  a.txt\n");
  auto wrong = run_cli({"cluster", "--docs", "one.ldc", "--method", "word", "--matrix", "m.msm"}, dir.path());
  EXPECT_EQ(wrong.exit_code, 1);
  EXPECT_NE(wrong.err.find("A matriz não foi aberta."), std::string::npos);
  auto missing = run_cli({"similarity-matrix", "--docs", "l.ldc", "--method", "concept"}, dir.path());
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_EQ(missing.err, "Fazer classificação antes\n");
}

TEST(CliClustering, EvaluateAndPrecisionRecall) {
  TempDir dir;
  run_cli({"make", "a.lpl"}, dir.path(), "casa\t0.2\nrio\t0.5\n");
  run_cli({"make", "b.lpl"}, dir.path(), "casa\t0.4\n");
  auto e = run_cli({"evaluate", "a.lpl", "b.lpl"}, dir.path());
  EXPECT_EQ(e.exit_code, 0) << e.err;
  EXPECT_EQ(e.out, "Grau ou valor = 0,31250000\nElementos comuns= 1\n");
  EXPECT_EQ(run_cli({"evaluate", "a.lpl", "a.lpl"}, dir.path()).out, "Grau ou valor = 1,00000000\nElementos comuns= 2\n");
  run_cli({"make", "d1.ldc"}, dir.path(), "a\nb\nc\n");
  run_cli({"make", "d2.ldc"}, dir.path(), "b\nc\nd\n");
  EXPECT_EQ(run_cli({"evaluate", "--documents", "d1.ldc", "d2.ldc"}, dir.path()).out,
            "Grau ou valor = 0,50000000\nElementos comuns= 2\n");
  run_cli({"make", "e1.lpl"}, dir.path(), "");
  auto empty = run_cli({"evaluate", "e1.lpl", "e1.lpl"}, dir.path());
  EXPECT_EQ(empty.exit_code, 1);
  EXPECT_EQ(empty.out, "Elementos comuns= 0\n");
  EXPECT_FALSE(empty.err.empty());
  EXPECT_EQ(run_cli({"evaluate", "a.lpl", "nada.lpl"}, dir.path()).err, "Arquivo do segundo elemento não existe\n");

  run_cli({"make", "i.ldc"}, dir.path(), "a.txt\nb.txt\nc.txt\nd.txt\n");
  run_cli({"make", "r.ldc"}, dir.path(), "b.txt\nc.txt\ne.txt\n");
  auto p = run_cli({"precision-recall", "i.ldc", "r.ldc"}, dir.path());
  EXPECT_EQ(p.exit_code, 0) << p.err;
  EXPECT_EQ(p.out,
            "Total  de docs na categoria: 4\nTotal  de docs recuperados/classificados: 3\nCertos: 2\nErrados: 1\n"
            "Precision: 0,667\nRecall: 0,500\n");
  auto missing = run_cli({"precision-recall", "i.ldc", "nada.ldc"}, dir.path());
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_NE(missing.err.find("nada.ldc"), std::string::npos);
}

}  // namespace
}  // namespace lumeral::testing
