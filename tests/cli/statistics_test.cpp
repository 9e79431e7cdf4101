// crosstab, specificities and ca on a small collection with a variables
// file: the tables they print (checked against counts and statistics done
// by hand), the warnings of the assignment, the exported file, and the
// refusals of a variable or a table there is nothing to compare in.
#include <gtest/gtest.h>

#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

// Six documents; "regiao": d1-d3 norte, d4-d5 sul, d6 empty. Concepts: A
// in d1-d3 (degrees 0.9, 0.5, 0.1), B in d1, d4, d5 (0.2, 0.7, 0.4), C
// nowhere. Words (occurrences): norte gol 4, bola 1, casa 2; sul casa 2,
// rua 2; d6 casa 1.
class CliStatistics : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::pair<const char*, const char*> files[] = {
        {"l.ldc", "d1.txt\nd2.txt\nd3.txt\nd4.txt\nd5.txt\nd6.txt\n"},
        {"c.lct", "A\nB\nC\n"},
        {"d1.mtz", "A\t0.9\nB\t0.2\nC\t0\n"},
        {"d2.mtz", "A\t0.5\nB\t0\nC\t0\n"},
        {"d3.mtz", "A\t0.1\nB\t0\nC\t0\n"},
        {"d4.mtz", "A\t0\nB\t0.7\nC\t0\n"},
        {"d5.mtz", "A\t0\nB\t0.4\nC\t0\n"},
        {"d6.mtz", "A\t0\nB\t0\nC\t0\n"},
        {"d1.lpl", "gol\t0.5\nbola\t0.25\ncasa\t0.25\n"},
        {"d2.lpl", "gol\t0.5\ncasa\t0.5\n"},
        {"d3.lpl", "gol\t1\n"},
        {"d4.lpl", "casa\t0.66666666666666663\nrua\t0.33333333333333331\n"},
        {"d5.lpl", "rua\t1\n"},
        {"d6.lpl", "casa\t1\n"},
    };
    for (const auto& [name, content] : files) ASSERT_EQ(run_cli({"make", name}, dir.path(), content).exit_code, 0);
    write_file(dir / "l.var",
               "documento;regiao;um\r\nd1.txt;norte;x\r\nd2.txt;norte;x\r\nd3.txt;norte;x\r\nd4.txt;sul;x\r\n"
               "d5.txt;sul;x\r\nd6.txt;;x\r\n");
  }
  RunResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--locale", "pt_BR"});
    return run_cli(args, dir.path());
  }
  TempDir dir;
};

TEST_F(CliStatistics, CrosstabCountsTestsAndMarks) {
  // A: 3, 0, 0 of 3, 2, 1 documents: X2 = 6 (df 2, p = e^-3 = 0.0498),
  // residuals 2.45, -1.73, -1.10; every category has an expected count
  // below 5. C, held by no document, has no test.
  const std::string header =
      "Conceito\tnorte: docs\tnorte: %\tnorte: resíduo\tsul: docs\tsul: %\tsul: resíduo\t(sem valor): docs\t"
      "(sem valor): %\t(sem valor): resíduo\tQui-quadrado\tgl\tp\tAcima do esperado\tAbaixo do esperado\t"
      "Esperado < 5\n"
      "(documentos)\t3\t50,0\t\t2\t33,3\t\t1\t16,7\t\n";
  const std::string all = "\tnorte, sul, (sem valor)\n";
  struct Case {
    std::vector<std::string> extra;
    std::string rows;
  } cases[] = {
      {{},
       "A\t3\t100,0\t2,45\t0\t0,0\t-1,73\t0\t0,0\t-1,10\t6,00\t2\t0,0498\tnorte\t" + all +
           "B\t1\t33,3\t-0,82\t2\t100,0\t1,73\t0\t0,0\t-1,10\t3,33\t2\t0,1889\t\t" + all +
           "C\t0\t0,0\t\t0\t0,0\t\t0\t0,0\t\n"},
      // At degree 0,5: A in d1, d2; B in d4 only.
      {{"--grau-minimo", "0,5"},
       "A\t2\t66,7\t1,73\t0\t0,0\t-1,22\t0\t0,0\t-0,77\t3,00\t2\t0,2231\t\t" + all +
           "B\t0\t0,0\t-1,10\t1\t50,0\t1,55\t0\t0,0\t-0,49\t2,40\t2\t0,3012\t\t" + all +
           "C\t0\t0,0\t\t0\t0,0\t\t0\t0,0\t\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"crosstab", "--docs", "l.ldc", "--contexts", "c.lct", "--variable", "regiao"};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    const auto r = cli(args);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, header + c.rows);
    EXPECT_NE(r.err.find("está vazia em 1 documento"), std::string::npos) << r.err;
  }
}

TEST_F(CliStatistics, SpecificitiesAndTheirExport) {
  // norte 7 words, sul 4, (sem valor) 1. gol 4 + 0: expected 4 x 7/12 =
  // 2.33, G2 = 2 (4 ln(4/2.333) + 3 ln(3/4.667) + 5 ln(5/2.667)) = 5.72;
  // casa (2 + 3 in norte) is under-represented there.
  const auto r = cli({"specificities", "--docs", "l.ldc", "--variable", "regiao", "--export", "e.csv"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            "Categoria\tPalavra\tNa categoria\tNo resto\tEsperado\tG2\tp\n"
            "norte\tgol\t4\t0\t2,33\t5,72\t0,0168\n"
            "norte\tbola\t1\t0\t0,58\t1,14\t0,2851\n"
            "sul\trua\t2\t0\t0,67\t5,27\t0,0217\n"
            "sul\tcasa\t2\t3\t1,67\t0,17\t0,6797\n"
            "(sem valor)\tcasa\t1\t4\t0,42\t1,88\t0,1703\n");
  const auto csv = read_file(dir / "e.csv");
  EXPECT_NE(csv.find("norte;gol;4;0;2,33;5,72;0,0168\r\n"), std::string::npos) << csv;
}

TEST_F(CliStatistics, CorrespondenceOfWordsAndItsRefusals) {
  // casa 2, 2, 1; gol 4, 0, 0; rua 0, 2, 0.
  auto r = cli({"ca", "--docs", "l.ldc", "--variable", "regiao", "--words", "3", "--out", "ca.csv"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const auto lines = lines_of(r.out);
  ASSERT_GE(lines.size(), 12u);
  EXPECT_EQ(lines[0], "Eixo\tInércia principal\t%\t% acumulado");
  EXPECT_EQ(lines[3], "Total\t0,7000\t100,0");  // X2 / n = 7,7 / 11
  EXPECT_EQ(lines[5], "Tipo\tNome\tMassa\tInércia (%)\tEixo 1\tContribuição 1\tcos2 1\tEixo 2\tContribuição 2\tcos2 2");
  EXPECT_EQ(lines.size(), 12u);  // 3 words, 3 categories
  EXPECT_NE(read_file(dir / "ca.csv").find("palavra;casa;0,4545"), std::string::npos);

  const struct {
    std::vector<std::string> args;
    const char* message;
  } refusals[] = {
      // Concept C is left out; no document of "(sem valor)" holds A or B.
      {{"ca", "--docs", "l.ldc", "--variable", "regiao", "--contexts", "c.lct"},
       "A categoria \"(sem valor)\" não tem nenhuma ocorrência"},
      {{"crosstab", "--docs", "l.ldc", "--contexts", "c.lct", "--variable", "um"}, "tem uma só categoria"},
      {{"ca", "--docs", "l.ldc", "--variable", "regiao"}, "--contexts LISTA.lct ou --words N"},
      {{"specificities", "--docs", "l.ldc", "--variable", "cor"}, "cor"},
      {{"crosstab", "--docs", "l.ldc", "--contexts", "outra.lct", "--variable", "regiao"},
       "A matriz de \"d1.txt\" não tem o conceito \"D\""},
      {{"specificities", "--docs", "l.ldc", "--variable", "regiao"}, "Falta a lista de palavras de \"d2.txt\""},
  };
  ASSERT_EQ(run_cli({"make", "outra.lct"}, dir.path(), "A\nD\n").exit_code, 0);
  std::filesystem::remove(dir / "d2.lpl");
  std::filesystem::remove(dir / "d5.lpl");
  for (const auto& c : refusals) {
    r = cli(c.args);
    EXPECT_EQ(r.exit_code, 1) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
  // A document list of another collection: its variables file names none
  // of its documents.
  ASSERT_EQ(run_cli({"make", "outra.ldc"}, dir.path(), "x1.txt\nx2.txt\n").exit_code, 0);
  std::filesystem::copy_file(dir / "l.var", dir / "outra.var");
  r = cli({"crosstab", "--docs", "outra.ldc", "--contexts", "c.lct", "--variable", "regiao"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_FALSE(r.err.empty());
}

}  // namespace
}  // namespace lumeral::testing
