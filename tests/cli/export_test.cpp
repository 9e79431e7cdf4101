// `--export FILE.csv|FILE.xlsx`: the table printed, also written as a
// spreadsheet; what is printed stays byte for byte the same.
#include <gtest/gtest.h>

#include "support/fixtures.h"
#include "support/spreadsheets.h"

namespace lumeral::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class CliExport : public ::testing::Test {
 protected:
  void SetUp() override {
    run_cli({"make", "a.lpl"}, dir.path(), "casa\t0.5\nação\t0.25\n");
    run_cli({"make", "b.lpl"}, dir.path(), "casa\t0.5\nação\t0.25\n");
    run_cli({"make", "c.lpl"}, dir.path(), "rua\t0.5\n");
    run_cli({"make", "l.ldc"}, dir.path(), "a.txt\nb.txt\nc.txt\n");
    write_file(dir / "l.var", "documento;fonte\r\nA.TXT;X\r\nz.txt;Y\r\nb.txt;\r\n");
  }
  TempDir dir;
};

TEST_F(CliExport, CsvHoldsThePrintedTableUnderEitherRegionalSetting) {
  struct Case {
    std::vector<std::string> args;
    char separator;
    Rows rows;
  } cases[] = {
      {{"--locale", "pt_BR", "wordlist-open", "a.lpl"},
       ';',
       {{"Palavra", "Peso"}, {"casa", "0,50000"}, {"ação", "0,25000"}}},
      {{"--locale", "en_US", "wordlist-open", "a.lpl", "--threshold", "0.3"},
       ',',
       {{"Palavra", "Peso"}, {"casa", "0.50000"}}},
      {{"--locale", "pt_BR", "centroid", "--docs", "l.ldc", "--type", "two", "--mode", "weight"},
       ';',
       {{"Termo", "Peso"}, {"casa", "0,333333"}, {"ação", "0,166667"}}},
      {{"--locale", "en_US", "doclist-open", "l.ldc"},
       ',',
       {{"Documento", "Peso"}, {"a.txt", "0.000000000"}, {"b.txt", "0.000000000"}, {"c.txt", "0.000000000"}}},
      // The values as the file has them, the list's spelling, list order,
      // then a row naming no listed document.
      {{"--locale", "pt_BR", "variables", "--docs", "l.ldc"},
       ';',
       {{"documento", "fonte"}, {"a.txt", "X"}, {"b.txt", ""}, {"c.txt", ""}, {"z.txt", "Y"}}},
      {{"--locale", "pt_BR", "cluster", "--docs", "l.ldc", "--method", "word"},
       ';',
       {{"Cluster", "Documento"}, {"cluster1", "a.txt"}, {"cluster1", "b.txt"}, {"cluster2", "c.txt"}}},
      {{"--locale", "en_US", "similarity-matrix", "--docs", "l.ldc", "--method", "word", "--show"},
       ',',
       {{"Documento", "a.txt", "b.txt", "c.txt"},
        {"a.txt", "0.0000000000", "1.0000000000", "0.0000000000"},
        {"b.txt", "1.0000000000", "0.0000000000", "0.0000000000"},
        {"c.txt", "0.0000000000", "0.0000000000", "0.0000000000"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[2]);
    auto plain = run_cli(c.args, dir.path());
    ASSERT_EQ(plain.exit_code, 0) << plain.err;
    auto args = c.args;
    args.insert(args.end(), {"--export", "tabela.csv"});
    auto exported = run_cli(args, dir.path());
    ASSERT_EQ(exported.exit_code, 0) << exported.err;
    EXPECT_EQ(exported.out, plain.out);
    EXPECT_EQ(exported.err, plain.err);
    auto csv = parse_csv(read_file(dir / "tabela.csv"), c.separator);
    EXPECT_TRUE(csv.bom && csv.crlf && csv.well_formed);
    EXPECT_EQ(csv.rows, c.rows);
  }
}

TEST_F(CliExport, FailuresAndRefusals) {
  // A folder that does not exist: the lines are printed, then the message; no file.
  auto plain = run_cli({"wordlist-open", "a.lpl"}, dir.path());
  auto failed = run_cli({"wordlist-open", "a.lpl", "--export", "nao-existe/t.xlsx"}, dir.path());
  EXPECT_EQ(failed.exit_code, 1);
  EXPECT_EQ(failed.out, plain.out);
  EXPECT_EQ(failed.err.rfind("Erro ao gravar o arquivo \"nao-existe/t.xlsx", 0), 0u) << failed.err;
  // Any other extension is a usage error, told before the command runs.
  auto refused = run_cli({"cluster", "--docs", "l.ldc", "--method", "word", "--export", "t.ods"}, dir.path());
  EXPECT_EQ(refused.exit_code, 2);
  EXPECT_TRUE(refused.out.empty());
  EXPECT_NE(refused.err.find("t.ods não termina em .csv nem em .xlsx"), std::string::npos) << refused.err;
  // Commands that print no table do not take the option.
  EXPECT_EQ(run_cli({"make", "x.lpl", "--export", "t.csv"}, dir.path(), "").exit_code, 2);
}

TEST_F(CliExport, ACommandThatStopsHalfWayKeepsThePreviousExport) {
  // Boolean retrieval lists a.txt, then stops at b.txt, which is missing.
  write_file(dir / "a.txt", "casa");
  write_file(dir / "c.txt", "casa");
  for (const char* name : {"t.csv", "t.xlsx"}) {
    for (bool old_file : {true, false}) {
      SCOPED_TRACE(std::string(name) + (old_file ? " over an old export" : " with none before"));
      TempDir other;
      fs::copy(dir.path(), other.path(), fs::copy_options::recursive);
      if (old_file) write_file(other / name, "exportação anterior, completa");
      auto stopped = run_cli({"boolean", "--docs", "l.ldc", "casa", "--export", name}, other.path());
      EXPECT_EQ(stopped.exit_code, 1);
      EXPECT_EQ(stopped.out, "a.txt\n");
      EXPECT_EQ(lines_of(stopped.err),
                (std::vector<std::string>{"O arquivo texto não está no diretório",
                                          old_file ? "Nenhuma tabela foi exportada: o comando não terminou; \"" +
                                                         std::string(name) + "\" continua como estava."
                                                   : "Nenhuma tabela foi exportada: o comando não terminou."}));
      if (old_file) EXPECT_EQ(read_file(other / name), "exportação anterior, completa");
      else EXPECT_FALSE(fs::exists(other / name));
      EXPECT_EQ(std::distance(fs::directory_iterator(other.path()), fs::directory_iterator()),
                std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()) + (old_file ? 1 : 0));
    }
  }
}

TEST_F(CliExport, AMatrixASheetCannotHoldIsRefusedBeforeItIsMade) {
  // 16,384 documents make 16,385 columns; none of the documents exists, so
  // a run that got as far as making the matrix would stop on that instead.
  std::string names;
  for (int i = 0; i < 16384; ++i) names += "d" + std::to_string(i) + ".txt\n";
  run_cli({"make", "grande.ldc"}, dir.path(), names);
  auto refused =
      run_cli({"similarity-matrix", "--docs", "grande.ldc", "--method", "word", "--export", "m.xlsx"}, dir.path());
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.err.rfind("A tabela é grande demais para uma planilha XLSX (16385 linhas, 16385 colunas", 0), 0u)
      << refused.err;
  EXPECT_FALSE(fs::exists(dir / "m.xlsx"));
}

}  // namespace
}  // namespace lumeral::testing
