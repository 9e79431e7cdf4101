// `import-table` then `prepare` then `variables`: the imported folder's
// variables file is the one its preparation's list finds; `variables
// --set` replaces it all or nothing; the sample's variables cover its list.
#include <gtest/gtest.h>

#include "support/fixtures.h"
#include "support/office_files.h"

namespace lumeral::testing {
namespace {

using Args = std::vector<std::string>;

TEST(CliVariables, ImportedTablePreparesAndShowsItsVariables) {
  TempDir dir;
  write_file(dir / "vazia.stw", "");
  ASSERT_TRUE(write_zip(
      dir / "t.ods",
      {{"content.xml",
        "<office:document-content xmlns:office=\"o\" xmlns:table=\"t\" xmlns:text=\"x\"><office:body>"
        "<office:spreadsheet><table:table table:name=\"Notas\">"
        "<table:table-row><table:table-cell><text:p>código</text:p></table:table-cell><table:table-cell><text:p>"
        "texto</text:p></table:table-cell><table:table-cell><text:p>turma</text:p></table:table-cell></table:table-row>"
        "<table:table-row><table:table-cell><text:p>../fora</text:p></table:table-cell><table:table-cell><text:p>"
        "Água e ar</text:p></table:table-cell><table:table-cell><text:p>A</text:p></table:table-cell></table:table-row>"
        "<table:table-row><table:table-cell><text:p>b2</text:p></table:table-cell><table:table-cell><text:p>"
        "Terra</text:p></table:table-cell></table:table-row>"
        "</table:table></office:spreadsheet></office:body></office:document-content>"}}));
  auto r = run_cli({"import-table", "t.ods", "--text", "texto", "--id", "código", "--out", "turmas", "--sheet", "1"},
                   dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "_._fora.txt\nb2.txt\n");
  EXPECT_NE(r.err.find("1 identificador foi mudado"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir / "fora.txt"));
  r = run_cli({"prepare", "turmas", "--title", "turmas", "--stopwords", "vazia.stw"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "_._fora.txt\nb2.txt\n");
  r = run_cli({"variables", "--docs", "turmas/turmas.ldc"}, dir.path());
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "documento\tturma\n_._fora.txt\tA\nb2.txt\t(sem valor)\n");
  EXPECT_EQ(r.err, "A variável \"turma\" está vazia em 1 documento, que fica com o valor \"(sem valor)\".\n");

  // --set: every row must name a listed document, else nothing changes.
  const std::string before = read_file(dir / "turmas/turmas.var");
  write_file(dir / "novas.csv", "doc,turma,sala\nB2.TXT,C,12\noutro.txt,D,13\n");
  r = run_cli({"variables", "--docs", "turmas/turmas.ldc", "--set", "novas.csv"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("1 linha de \"novas.csv\" nomeia um documento que não está na lista \"turmas/turmas.ldc\": "
                       "outro.txt. Nada foi gravado."),
            std::string::npos)
      << r.err;
  EXPECT_EQ(read_file(dir / "turmas/turmas.var"), before);
  write_file(dir / "novas.csv", "doc,turma,sala\nB2.TXT,C,12\n");
  r = run_cli({"variables", "--docs", "turmas/turmas.ldc", "--set", "novas.csv"}, dir.path());
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "documento\tturma\tsala\n_._fora.txt\t(sem valor)\t(sem valor)\nb2.txt\tC\t12\n");
  EXPECT_EQ(read_file(dir / "turmas/turmas.var"), "\xEF\xBB\xBF" "documento;turma;sala\r\nb2.txt;C;12\r\n");
}

TEST(CliVariables, SampleHasASourceAndAMonthForEveryDocument) {
  TempDir dir;
  fs::copy(source_dir() / "examples/noticias", dir / "noticias");
  write_file(dir / "vazia.stw", "");
  auto r = run_cli({"prepare", "noticias", "--title", "noticias", "--stopwords", "vazia.stw"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  r = run_cli({"variables", "--docs", "noticias/noticias.ldc"}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.err, "");
  const auto lines = lines_of(r.out);
  ASSERT_EQ(lines.size(), 41u);
  EXPECT_EQ(lines[0], "documento\tfonte\tmês");
  for (const auto& line : lines) EXPECT_EQ(line.find("(sem valor)"), std::string::npos) << line;
}

}  // namespace
}  // namespace lumeral::testing
