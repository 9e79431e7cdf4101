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

TEST_F(CliExport, XlsxKeepsNumbersAsNumbers) {
  auto run = run_cli({"wordlist-open", "a.lpl", "--export", "lista.xlsx"}, dir.path());
  ASSERT_EQ(run.exit_code, 0) << run.err;
  auto sheet = read_xlsx(dir / "lista.xlsx");
  ASSERT_TRUE(sheet);
  ASSERT_EQ(sheet->rows.size(), 3u);
  EXPECT_EQ(sheet->rows[0][0]->text, "Palavra");
  EXPECT_EQ(sheet->rows[2][0]->text, "ação");
  EXPECT_TRUE(sheet->rows[2][0]->shared_string);
  EXPECT_FALSE(sheet->rows[2][1]->shared_string);
  EXPECT_EQ(sheet->rows[2][1]->text, "0.25");
  EXPECT_EQ(sheet->number_formats[sheet->rows[2][1]->style], "0.00000");
}

TEST_F(CliExport, FailuresAndRefusals) {
  // A folder that does not exist: the lines are printed, then the message; no file.
  auto plain = run_cli({"wordlist-open", "a.lpl"}, dir.path());
  for (const char* name : {"nao-existe/t.csv", "nao-existe/t.xlsx"}) {
    auto failed = run_cli({"wordlist-open", "a.lpl", "--export", name}, dir.path());
    EXPECT_EQ(failed.exit_code, 1);
    EXPECT_EQ(failed.out, plain.out);
    EXPECT_EQ(failed.err.rfind("Erro ao gravar o arquivo \"nao-existe/t.", 0), 0u) << failed.err;
    EXPECT_FALSE(fs::exists(dir / "nao-existe"));
  }
  // Any other extension is a usage error, told before the command runs.
  auto refused = run_cli({"cluster", "--docs", "l.ldc", "--method", "word", "--export", "t.ods"}, dir.path());
  EXPECT_EQ(refused.exit_code, 2);
  EXPECT_TRUE(refused.out.empty());
  EXPECT_NE(refused.err.find("t.ods não termina em .csv nem em .xlsx"), std::string::npos) << refused.err;
  // Commands that print no table do not take the option.
  EXPECT_EQ(run_cli({"make", "x.lpl", "--export", "t.csv"}, dir.path(), "").exit_code, 2);
}

}  // namespace
}  // namespace lumeral::testing
