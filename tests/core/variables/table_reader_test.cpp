#include <gtest/gtest.h>
#include <unicode/unistr.h>

#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/variables/table_reader.h"
#include "support/fixtures.h"
#include "support/office_files.h"

namespace lumeral::variables {
namespace {

using namespace lumeral::testing;
using Rows = std::vector<std::pair<std::size_t, std::vector<std::string>>>;

Rows rows_of_file(const fs::path& p, const std::string& sheet = "") {
  Rows rows;
  TableOptions options;
  options.sheet = sheet;
  read_table(p, options, [&](TableRow& r) { rows.emplace_back(r.number, r.cells); });
  return rows;
}

std::string utf16(const std::string& utf8, bool big) {
  const icu::UnicodeString units = icu::UnicodeString::fromUTF8(utf8);
  std::string out = big ? "\xFE\xFF" : "\xFF\xFE";
  for (int32_t k = 0; k < units.length(); ++k) {
    const char hi = static_cast<char>(units[k] >> 8), lo = static_cast<char>(units[k] & 0xFF);
    out += big ? std::string{hi, lo} : std::string{lo, hi};
  }
  return out;
}

TEST(TableReader, CsvDialects) {
  const Rows plain = {{1, {"id", "texto", "fonte"}}, {2, {"a", "Ação é boa", "Folha"}}};
  struct Case {
    const char* what;
    std::string bytes;
    Rows rows;
  } cases[] = {
      {"UTF-8 with mark, semicolons", "\xEF\xBB\xBFid;texto;fonte\r\na;Ação é boa;Folha\r\n", plain},
      {"UTF-8 without mark, commas", "id,texto,fonte\na,Ação é boa,Folha\n", plain},
      {"Windows-1252, tabs, CR alone", cp1252("id\ttexto\tfonte\ra\tAção é boa\tFolha\r"), plain},
      {"UTF-16 little endian", utf16("id;texto;fonte\r\na;Ação é boa;Folha\r\n", false), plain},
      {"UTF-16 big endian", utf16("id\ttexto\tfonte\na\tAção é boa\tFolha", true), plain},
      {"quotes hold separators, quotes and line breaks; numbers are the record's first line",
       "id;texto\r\n\"a;b\";\"linha 1\r\nlinha \"\"2\"\"\"\r\nc;\"x,y\"\r\n",
       {{1, {"id", "texto"}}, {2, {"a;b", "linha 1\nlinha \"2\""}}, {4, {"c", "x,y"}}}},
      {"ragged rows, blank lines and trailing empty cells",
       "a;b;c\n1\n\n2;;3;;\n;;\n",
       {{1, {"a", "b", "c"}}, {2, {"1"}}, {4, {"2", "", "3"}}}},
      {"the header's most frequent separator wins; a tie goes to ';'",
       "x;\"a;b;c\",d\n1;2,3\n", {{1, {"x", "a;b;c,d"}}, {2, {"1", "2,3"}}}},
      {"text after a closing quote and a quote inside plain text stay",
       "a,b\n\"x\"y,o\"k\n", {{1, {"a", "b"}}, {2, {"xy", "o\"k"}}}},
      {"the quote an export puts before a formula-like text goes", "a,b,c\n'=1+1,'-x,'abc\n",
       {{1, {"a", "b", "c"}}, {2, {"=1+1", "-x", "'abc"}}}},
      {"astral characters in UTF-16", utf16("a\n\U0001F600;b\n", false), {{1, {"a"}}, {2, {"\U0001F600", "b"}}}},
  };
  TempDir dir;
  for (const auto& c : cases) {
    Rows from_bytes;
    read_csv_bytes(c.bytes, "t.csv", [&](TableRow& r) { from_bytes.emplace_back(r.number, r.cells); });
    EXPECT_EQ(from_bytes, c.rows) << c.what;
    write_file(dir / "t.csv", c.bytes);
    EXPECT_EQ(rows_of_file(dir / "t.csv"), c.rows) << c.what;
  }
  EXPECT_EQ(stop_text([&] { read_csv_bytes("a\n\"b\nc\n", "t.csv", [](TableRow&) {}); }),
            "O arquivo \"t.csv\" tem aspas abertas na linha 2 que não se fecham até o fim do arquivo.");
}

// Pieces of a megabyte: characters, quoted fields and line ends straddle
// their borders; the file must read as its bytes in memory do.
TEST(TableReader, LargeCsvReadsAsItsBytesInMemory) {
  for (bool sixteen : {false, true}) {
    std::string text = "id;texto\r\n";
    for (int i = 0; text.size() < 1'100'000; ++i)
      text += std::to_string(i) + ";\"çã\U0001F600 " + std::string(i % 13, 'x') + "\r\n;\"\r\n";
    const std::string bytes = sixteen ? utf16(text, false) : text;
    TempDir dir;
    write_file(dir / "big.csv", bytes);
    Rows in_memory;
    read_csv_bytes(bytes, "big.csv", [&](TableRow& r) { in_memory.emplace_back(r.number, r.cells); });
    const Rows read = rows_of_file(dir / "big.csv");
    ASSERT_EQ(read.size(), in_memory.size());
    EXPECT_TRUE(read == in_memory) << sixteen;
    EXPECT_EQ(read.back().second[1], "çã\U0001F600 " + std::string((read.size() - 2) % 13, 'x') + "\n;");
  }
  // A file that is UTF-8 until its last byte is Windows-1252 throughout.
  TempDir dir;
  write_file(dir / "mixed.csv", "a;b\n" + std::string(1'200'000, 'x') + "\xC3\xA7;\xE7\n");
  EXPECT_EQ(rows_of_file(dir / "mixed.csv").back().second[0].substr(1'200'000), "Ã§");
}

const char* kWorkbook =
    "<workbook xmlns:r=\"r\"><sheets><sheet name=\"Dados\" sheetId=\"1\" r:id=\"rId1\"/>"
    "<sheet name=\"Outra\" sheetId=\"2\" r:id=\"rId2\"/></sheets></workbook>";
const char* kRels =
    "<Relationships><Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/>"
    "<Relationship Id=\"rId2\" Target=\"/xl/worksheets/second.xml\"/></Relationships>";

void write_xlsx(const fs::path& p, const std::string& sheet1, const std::string& strings) {
  ASSERT_TRUE(write_zip(p, {{"xl/workbook.xml", kWorkbook},
                            {"xl/_rels/workbook.xml.rels", kRels},
                            {"xl/worksheets/sheet1.xml", sheet1},
                            {"xl/worksheets/second.xml",
                             "<worksheet><sheetData><row><c t=\"inlineStr\"><is><t>só</t></is></c></row>"
                             "</sheetData></worksheet>"},
                            {"xl/sharedStrings.xml", strings}}));
}

void write_ods(const fs::path& p, const std::string& tables) {
  ASSERT_TRUE(write_zip(p, {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                            {"content.xml",
                             "<office:document-content xmlns:office=\"o\" xmlns:table=\"t\" xmlns:text=\"x\">"
                             "<office:body><office:spreadsheet>" +
                                 tables + "</office:spreadsheet></office:body></office:document-content>"}}));
}

TEST(TableReader, WorkbooksReadLikeTheirCsv) {
  const Rows expected = {{1, {"id", "texto", "ano"}},
                         {2, {"a", "linha 1\nlinha 2", "2020"}},
                         {4, {"c", "", "VERDADEIRO", "x  y"}}};
  TempDir dir;
  write_xlsx(dir / "t.xlsx",
             "<worksheet><sheetData>"
             "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
             "<c r=\"C1\" t=\"inlineStr\"><is><t>ano</t></is></c></row>"
             "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>2</v></c><c t=\"s\"><v>3</v></c><c><v>2020</v></c></row>"
             "<row r=\"3\"><c r=\"B3\" t=\"s\"><v>4</v></c></row>"
             "<row r=\"4\"><c r=\"A4\" t=\"str\"><v>c</v></c><c r=\"C4\" t=\"b\"><v>1</v></c>"
             "<c r=\"D4\" t=\"inlineStr\"><is><r><t>x </t></r><r><t xml:space=\"preserve\"> y</t></r>"
             "<rPh><t>fonética</t></rPh></is></c></row>"
             "</sheetData></worksheet>",
             "<sst><si><t>id</t></si><si><r><t>tex</t></r><r><t>to</t></r></si><si><t>a</t></si>"
             "<si><t>linha 1_x000D_\nlinha 2</t></si><si><t></t></si></sst>");
  Rows xlsx = rows_of_file(dir / "t.xlsx");
  // "_x000D_" then a line feed: the CR stays before the LF.
  ASSERT_EQ(xlsx.size(), 3u);
  EXPECT_EQ(xlsx[1].second[1], "linha 1\r\nlinha 2");
  xlsx[1].second[1] = "linha 1\nlinha 2";
  EXPECT_EQ(xlsx, expected);
  EXPECT_EQ(rows_of_file(dir / "t.xlsx", "outra"), (Rows{{1, {"só"}}}));
  EXPECT_EQ(rows_of_file(dir / "t.xlsx", "2"), (Rows{{1, {"só"}}}));

  write_ods(dir / "t.ods",
            "<table:table table:name=\"Primeira\"><table:table-row><table:table-cell/></table:table-row></table:table>"
            "<table:table table:name=\"Dados\"><table:table-header-rows><table:table-row>"
            "<table:table-cell><text:p>id</text:p></table:table-cell><table:table-cell><text:p>texto</text:p>"
            "</table:table-cell><table:table-cell office:value=\"2020\"><text:p>ano</text:p></table:table-cell>"
            "</table:table-row></table:table-header-rows>"
            "<table:table-row><table:table-cell><text:p>a</text:p></table:table-cell><table:table-cell>"
            "<text:p>linha 1</text:p><text:p>linha <text:span>2</text:span></text:p></table:table-cell>"
            "<table:table-cell office:value-type=\"float\" office:value=\"2020\"/></table:table-row>"
            "<table:table-row table:number-rows-repeated=\"1\"><table:table-cell "
            "table:number-columns-repeated=\"1000000\"/></table:table-row>"
            "<table:table-row><table:table-cell><text:p>c</text:p></table:table-cell>"
            "<table:covered-table-cell table:number-columns-repeated=\"1\"/><table:table-cell><text:p>VERDADEIRO"
            "</text:p></table:table-cell><table:table-cell><text:p>x<text:s text:c=\"2\"/>y<office:annotation>"
            "<text:p>nota</text:p></office:annotation></text:p></table:table-cell>"
            "<table:table-cell table:number-columns-repeated=\"16000\"/></table:table-row>"
            "<table:table-row table:number-rows-repeated=\"1048000\"><table:table-cell "
            "table:number-columns-repeated=\"1024\"/></table:table-row></table:table>");
  EXPECT_EQ(rows_of_file(dir / "t.ods", "dados"), expected);
  // What a dialog offers before reading: the sheets, then a sheet's header.
  const std::size_t limit = preparation::kDefaultDocumentLimit;
  EXPECT_EQ(sheet_names(dir / "t.xlsx", limit), (std::vector<std::string>{"Dados", "Outra"}));
  EXPECT_EQ(sheet_names(dir / "t.ods", limit), (std::vector<std::string>{"Primeira", "Dados"}));
  EXPECT_EQ(table_header(dir / "t.ods", {"Dados", limit}), expected[0].second);
}

TEST(TableReader, WorkbookRefusals) {
  TempDir dir;
  write_xlsx(dir / "t.xlsx", "<worksheet><sheetData/></worksheet>", "<sst/>");
  write_file(dir / "falso.xlsx", "não é zip");
  write_ods(dir / "largo.ods",
            "<table:table><table:table-row><table:table-cell table:number-columns-repeated=\"20000\">"
            "<text:p>x</text:p></table:table-cell></table:table-row></table:table>");
  ASSERT_TRUE(write_zip(dir / "ref.xlsx", {{"xl/workbook.xml", kWorkbook},
                                           {"xl/worksheets/sheet1.xml",
                                            "<worksheet><sheetData><row><c r=\"ZZZZ1\"><v>1</v></c></row>"
                                            "</sheetData></worksheet>"}}));
  struct Case {
    const char* file;
    const char* sheet;
    std::string message;
  } cases[] = {
      {"t.xlsx", "Terceira", "A planilha \"Terceira\" não existe em \"t.xlsx\"; as planilhas são: \"Dados\", \"Outra\"."},
      {"t.xlsx", "3", "A planilha \"3\" não existe em \"t.xlsx\"; as planilhas são: \"Dados\", \"Outra\"."},
      {"falso.xlsx", "", "O arquivo \"falso.xlsx\" está danificado (não é um arquivo XLSX válido)."},
      {"largo.ods", "", "O arquivo \"largo.ods\" está danificado (não é um arquivo ODS válido)."},
      {"ref.xlsx", "", "O arquivo \"ref.xlsx\" está danificado (não é um arquivo XLSX válido)."},
      {"nada.ods", "", "O arquivo " + message_name(dir / "nada.ods") + " não existe."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(stop_text([&] { rows_of_file(dir / c.file, c.sheet); }), c.message) << c.file;
}

}  // namespace
}  // namespace lumeral::variables
