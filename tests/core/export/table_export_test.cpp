// Tables exported as CSV and XLSX, read back by the parsers of
// tests/support (not by the writers' code) and compared cell by cell.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <functional>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/export/table.h"
#include "core/export/table_files.h"
#include "support/fixtures.h"
#include "support/spreadsheets.h"
#include "support/table_check.h"

namespace lumeral::exporting {
namespace {

using namespace lumeral::testing;

Cell text(std::string_view utf8) { return Cell::of_text(to_ansi(utf8)); }

// Every character a CSV field has to survive, and numbers of every kind.
Table awkward_table() {
  Table t;
  t.headers = {"Conceito", "Peso; \"bruto\"", "Freqüência, relativa"};
  t.rows = {
      {text("ação"), Cell::of_number(0.1234, 4), Cell::of_number(37.5, 1)},
      {text("diz \"olá\""), Cell::of_number(-2, 0), Cell::of_number(1e-5, -1)},
      {text("a;b,c"), Cell::of_number(1234567.891, 2), text("")},
      {text("linha\r\nquebrada\nde novo\rfim"), Cell::of_number(0, 10), Cell::of_number(100, 2)},
      {text(" espaços "), text("12,5 texto")},  // a short row: padded with empty fields
      {text("\"")},
      // Texts a spreadsheet would run as formulas.
      {text("=1+1"), text("-rascunho.txt"), text("@soma; +1")},
      {text("+55 11"), text("\tcoluna"), text("\rlinha")},
  };
  return t;
}

TEST(TableExport, ShownNumbersKeepTheirDecimals) {
  struct Case {
    const char* shown;
    bool number;
    double value;
    int decimals;
  } cases[] = {
      {"0,1234", true, 0.1234, 4}, {" 12 ", true, 12, 0},    {"-3.5", true, -3.5, 1}, {"0004", true, 4, 0},
      {"1E-5", true, 1e-5, -1},    {"2,5e+3", true, 2500, -1}, {"3a", false, 0, 0},    {"", false, 0, 0},
      {",", false, 0, 0},          {"1,2,3", false, 0, 0},     {"E5", false, 0, 0},    {"1E", false, 0, 0},
      {"-", false, 0, 0},          {"12%", false, 0, 0},
  };
  for (const auto& c : cases) {
    Cell cell = Cell::shown(to_ansi(c.shown));
    ASSERT_EQ(cell.is_number(), c.number) << c.shown;
    if (!c.number) {
      EXPECT_EQ(cell.text, to_ansi(c.shown));
      continue;
    }
    EXPECT_DOUBLE_EQ(*cell.number, c.value) << c.shown;
    EXPECT_EQ(cell.decimals, c.decimals) << c.shown;
  }
}

TEST(TableExport, CsvRoundTripUnderBothRegionalSettings) {
  struct Case {
    const char* locale;
    char decimal;
    char separator;
  } cases[] = {{"pt_BR", ',', ';'}, {"en_US", '.', ','}};
  const Table t = awkward_table();
  for (const auto& c : cases) {
    const Regional regional = Regional::for_locale(c.locale);
    TempDir dir;
    const fs::path p = dir / "tabela.csv";
    export_table(p, t, regional);
    const std::string bytes = testing::read_file(p);
    SCOPED_TRACE(c.locale);
    testing::expect_csv_holds(testing::parse_csv(bytes, c.separator), t, c.decimal);
    // Numbers are written as the regional settings show them.
    const std::string pi = std::string("1234567") + c.decimal + "89";
    EXPECT_NE(bytes.find(pi), std::string::npos);
  }
}

TEST(TableExport, CsvKeepsFormulaLikeTextsText) {
  Table t;
  t.headers = {"=cabeçalho", "Peso"};
  t.rows = {{text("=1+1"), Cell::of_number(-2, 0)},
            {text("-rascunho.txt"), Cell::of_number(-0.5, 2)},
            {text("@a;b"), text("-")},
            {text("a=b"), text("")}};
  TempDir dir;
  export_table(dir / "t.csv", t, testing::pt());
  // A quote ahead of the text; numbers stay numbers, negative ones too.
  EXPECT_EQ(testing::read_file(dir / "t.csv"),
            "\xEF\xBB\xBF'=cabeçalho;Peso\r\n'=1+1;-2\r\n'-rascunho.txt;-0,50\r\n\"'@a;b\";'-\r\na=b;\r\n");
}

TEST(TableExport, XlsxStoresNumbersAsNumbersAndTextsAsStrings) {
  // Held whole, and streamed row by row when the budget is too small for it.
  for (std::size_t budget : {kDefaultMemoryBudget, std::size_t{1024}}) {
    TempDir dir;
    const Table t = awkward_table();
    const fs::path p = dir / "tabela.XLSX";
    export_table(p, t, testing::pt(), budget);
    auto sheet = testing::read_xlsx(p);
    ASSERT_TRUE(sheet.has_value()) << budget;
    testing::expect_sheet_holds(*sheet, t);
    // Row by row, texts are held in their cells.
    EXPECT_EQ(sheet->rows[1][0]->inline_string, budget == 1024) << budget;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
  }
}

// Rows of "palavraN | N/7", made one at a time; `during(i)` runs before row i.
TableSource counted_rows(std::size_t count, std::function<void(std::size_t)> during = {}) {
  TableSource s;
  s.headers = {"Palavra", "Peso"};
  s.rows = count;
  s.columns = 2;
  s.each_row = [count, during](const TableSource::Row& put) {
    for (std::size_t i = 0; i < count; ++i) {
      if (during) during(i);
      put({Cell::of_text(Ansi(("palavra" + std::to_string(i)).c_str())), Cell::of_number(i / 7.0, 4)});
    }
  };
  return s;
}

// Bytes of every file of a folder but `except`.
std::uintmax_t bytes_beside(const fs::path& folder, const fs::path& except) {
  std::uintmax_t n = 0;
  for (const auto& e : fs::directory_iterator(folder))
    if (e.path() != except) n += e.file_size();
  return n;
}

TEST(TableExport, CsvRowsReachTheDiskAsTheyComeAndThePlaceOnlyOnCommit) {
  TempDir dir;
  const fs::path p = dir / "tabela.csv";
  testing::write_file(p, "antiga");
  const std::size_t rows = 50000;
  std::uintmax_t on_disk_midway = 0;
  {
    TableFile file(p, counted_rows(rows, [&](std::size_t i) {
                     if (i == rows / 2) on_disk_midway = bytes_beside(dir.path(), p);
                   }),
                   testing::pt());
    // Half the rows are on disk while the other half is still to come.
    EXPECT_GT(on_disk_midway, rows / 2 * 10);
    EXPECT_EQ(testing::read_file(p), "antiga");
  }
  // Dropped uncommitted: the old file, no temporary.
  EXPECT_EQ(testing::read_file(p), "antiga");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

  TableFile file(p, counted_rows(3), testing::pt());
  file.commit();
  auto csv = testing::parse_csv(testing::read_file(p), ';');
  ASSERT_EQ(csv.rows.size(), 4u);
  EXPECT_EQ(csv.rows[3], (std::vector<std::string>{"palavra2", "0,2857"}));
}

TEST(TableExport, BuildersTakeResultLinesApart) {
  Table rules = rule_table(std::vector<mining::Rule>{
      mining::make_rule(Ansi("esporte"), Ansi("economia"), 200.0 / 3, 20, 4, testing::pt()),
      mining::rule_of_line(Ansi("sem regra"))});
  ASSERT_EQ(rules.rows.size(), 2u);
  EXPECT_EQ(rules.rows[0], (std::vector<Cell>{Cell::of_text(Ansi("esporte")), Cell::of_text(Ansi("economia")),
                                              Cell::of_number(66.67, 2), Cell::of_number(20, 2), Cell::of_number(4, 0)}));
  EXPECT_EQ(rules.rows[1], std::vector<Cell>{Cell::of_text(Ansi("sem regra"))});

  Table shares = percentage_table(comparison::percentages_of_lines({to_ansi("meio - ambiente - 37,5%")}));
  EXPECT_EQ(shares.rows[0][0].text, to_ansi("meio - ambiente"));
  EXPECT_DOUBLE_EQ(*shares.rows[0][1].number, 37.5);

  Table words = weighted_table({to_ansi("pão | 0,25"), to_ansi("sem barra"), to_ansi("x | y")}, "Palavra", "Peso");
  EXPECT_EQ(words.rows[0][0].text, to_ansi("pão"));
  EXPECT_TRUE(words.rows[0][1].is_number());
  EXPECT_EQ(words.rows[1][1].text, Ansi());
  EXPECT_EQ(words.rows[2][1].text, to_ansi("y"));
}

TEST(TableExport, FailedExportsLeaveNoFileAndSayWhy) {
  const Table t = awkward_table();
  for (const char* name : {"tabela.csv", "tabela.xlsx"}) {
    TempDir dir;
    // A folder that does not exist.
    const fs::path missing = dir / "nao-existe" / name;
    std::string stop = testing::stop_text([&] { export_table(missing, t, testing::pt()); });
    EXPECT_NE(stop.find("Erro ao gravar o arquivo"), std::string::npos) << stop;
    EXPECT_FALSE(fs::exists(missing.parent_path()));
    // A name that is a folder: the folder stays, no temporary is left.
    fs::create_directory(dir / name);
    stop = testing::stop_text([&] { export_table(dir / name, t, testing::pt()); });
    EXPECT_NE(stop.find("é um diretório"), std::string::npos) << stop;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
  }
}

TEST(TableExport, AnExportCutShortKeepsTheOldFile) {
  Table big;
  big.headers = {"Palavra", "Peso"};
  for (int i = 0; i < 5000; ++i)
    big.rows.push_back({Cell::of_text(Ansi(("palavra" + std::to_string(i)).c_str())), Cell::of_number(i / 7.0, 4)});
  for (const char* name : {"tabela.csv", "tabela.xlsx"}) {
    TempDir dir;
    const fs::path p = dir / name;
    testing::write_file(p, "antiga");
    std::string stop = testing::stop_text_confined([&] { export_table(p, big, testing::pt()); },
                                                   Confinement{4096, false});
    EXPECT_NE(stop.find("Erro ao gravar o arquivo"), std::string::npos) << name << ": " << stop;
    EXPECT_EQ(testing::read_file(p), "antiga") << name;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1) << name;
  }
}

TEST(TableExport, AReadOnlyFolderChangesNothing) {
  if (!testing::unprivileged_user()) GTEST_SKIP() << "precisa rodar como root com o usuário \"nobody\"";
  for (const char* name : {"tabela.csv", "tabela.xlsx"}) {
    TempDir dir;
    std::string stop = testing::stop_text_confined([&] { export_table(dir / name, awkward_table(), testing::pt()); },
                                                   Confinement{-1, true});
    EXPECT_NE(stop.find("Permissão negada"), std::string::npos) << name << ": " << stop;
    EXPECT_TRUE(fs::is_empty(dir.path())) << name;
  }
}

TEST(TableExport, RefusesWhatASheetCannotHoldBeforeAnyRowAndUnknownFormats) {
  struct Case {
    std::size_t rows, columns;
    const char* shape;
  } cases[] = {
      {20000, 20001, "20001 linhas, 20001 colunas"},  // a matrix of 20,000 documents
      {1048576, 2, "1048577 linhas, 2 colunas"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    TableSource huge = counted_rows(c.rows, [](std::size_t) { FAIL() << "a row was made"; });
    huge.columns = c.columns;
    std::string stop = testing::stop_text([&] { export_table(dir / "grande.xlsx", huge, testing::pt()); });
    EXPECT_NE(stop.find(c.shape), std::string::npos) << stop;
    EXPECT_NE(stop.find("Exporte \"grande.xlsx\" como CSV"), std::string::npos) << stop;
    EXPECT_TRUE(fs::is_empty(dir.path()));
  }
  // The largest sheet passes the check.
  EXPECT_EQ(testing::stop_text([] { check_fits("t.xlsx", 1048575, 16384); }), "");
  TempDir dir;
  std::string stop = testing::stop_text([&] { export_table(dir / "tabela.ods", Table{}, testing::pt()); });
  EXPECT_NE(stop.find(".csv ou .xlsx"), std::string::npos) << stop;
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

}  // namespace
}  // namespace lumeral::exporting
