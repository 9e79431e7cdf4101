// The Boolean retrieval window `form_recbool` on the prepared sample
// collection, against lumeral-cli.
#include "gui/retrieval/recuperacao_booleana.h"
#include "gui/retrieval/result_recuperasim.h"
#include "tools_fixture.h"

namespace lumeral::gui::testing {
namespace {

class BooleanRetrieval : public RoadTest {
 protected:
  Tform_recbool& f() { return *windows->form_recbool; }
  std::vector<std::string> shown() { return utf8_lines(ui(f()).ListBox1->lines()); }
  void choose_list() {
    platform.answer(q(proj / "noticias.ldc"));
    f().ListadeDocumentos1Click();
  }
};

TEST_F(BooleanRetrieval, SearchesListAsTheCommandLine) {
  open_tools();
  choose_list();
  EXPECT_EQ(ui(f()).Edit_doc->text(), q(proj / "noticias.ldc"));

  struct Case {
    QStringList typed;                 // the query field, blank lines included
    bool any;
    std::vector<std::string> terms;    // the same query for the command line
  } cases[] = {
      {{"juros", QStringLiteral("inflação")}, false, {"juros", "inflação"}},
      {{"juros", "", QStringLiteral("  "), "futebol"}, true, {"juros", "futebol"}},
      {{"Copa do Mundo"}, false, {"Copa do Mundo"}},
      {{"  ", ""}, false, {}},      // "E" without terms: every document
      {{""}, true, {}},             // "OU" without terms: none
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.typed.join("|").toStdString());
    ui(f()).Memo1->setPlainText(k.typed.join('\n'));
    ui(f()).RadioGroup1->set_item_index(k.any ? 1 : 0);
    f().ExecutaBusca1Click();
    std::vector<std::string> args{"boolean", "--docs", c("noticias.ldc")};
    if (k.any) args.push_back("--or");
    args.insert(args.end(), k.terms.begin(), k.terms.end());
    EXPECT_EQ(shown(), lines_of(cli_run(args).out));
    EXPECT_EQ(ui(f()).Edit_total->text(), QString::number(ui(f()).ListBox1->count()));
    // The query field keeps its lines without the blank ones.
    QStringList kept;
    for (const QString& t : k.typed)
      if (!t.trimmed().isEmpty()) kept << t;
    EXPECT_EQ(ui(f()).Memo1->toPlainText(), kept.join('\n'));
  }
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

TEST_F(BooleanRetrieval, SavesResultsAndQueryAndShowsADocument) {
  open_tools();
  choose_list();
  ui(f()).Memo1->setPlainText(QStringLiteral("JUROS\nBanco Central e uma frase longa demais para caber no campo"));
  ui(f()).RadioGroup1->set_item_index(1);
  f().ExecutaBusca1Click();
  const auto found = lines_of(cli_run({"boolean", "--docs", c("noticias.ldc"), "--or", "juros",
                                       "banco central e uma frase longa demais para caber no campo"})
                                  .out);
  ASSERT_EQ(shown(), found);
  ASSERT_FALSE(found.empty());

  // The result as a document list: what "make" writes from the same names.
  platform.answer(q(proj / "achados"));
  f().GravaListadeDocumentos1Click();
  std::string names;
  for (const auto& l : found) names += l + "\n";
  auto made = run_cli({"make", c("achados.ldc")}, cli, names);
  ASSERT_EQ(made.exit_code, 0) << made.err;
  EXPECT_EQ(read_file(proj / "achados.ldc"), read_file(cli / "achados.ldc"));
  // As text: the lines, in the ANSI code page with CR LF.
  platform.answer(q(proj / "achados"));
  f().GravacomoTexto1Click();
  EXPECT_EQ(text_lines(proj / "achados.txt"), stored_lines(names));

  // The query saved and loaded again: lowered, cut to 40 characters; the
  // same search finds the same documents.
  platform.answer(q(proj / "consulta"));
  f().GravaConsulta1Click();
  f().LimpaEntrada1Click();
  EXPECT_TRUE(ui(f()).Memo1->toPlainText().isEmpty());
  platform.answer(q(proj / "consulta.csb"));
  f().Consulta1Click();
  EXPECT_EQ(ui(f()).Memo1->toPlainText(), QStringLiteral("juros\nbanco central e uma frase longa demais p"));
  f().ExecutaBusca1Click();
  EXPECT_EQ(shown(), lines_of(cli_run({"boolean", "--docs", c("noticias.ldc"), "--or", "juros",
                                       "banco central e uma frase longa demais p"})
                                  .out));
  // A context's entries are appended to the query.
  platform.answer(q(proj / "esporte.ctt"));
  f().Contexto1Click();
  EXPECT_GT(ui(f()).Memo1->lines().size(), 2u);
  EXPECT_EQ(ui(f()).Memo1->lines()[0], Ansi("juros"));

  // A double click shows the document in the text viewer.
  ui(f()).ListBox1->setCurrentRow(0);
  f().ListBox1DblClick();
  EXPECT_TRUE(windows->result_recsim->isVisible());
  EXPECT_EQ(viewer_lines(*windows), text_lines(proj / found[0]));
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

TEST_F(BooleanRetrieval, MissingTextStopsAfterTheDocumentsFoundBeforeIt) {
  open_tools();
  f().ExecutaBusca1Click();  // no list: nothing, no message
  EXPECT_EQ(ui(f()).ListBox1->count(), 0);
  EXPECT_TRUE(messages().isEmpty());

  choose_list();
  const auto names = lines_of(cli_run({"boolean", "--docs", c("noticias.ldc")}).out);
  ASSERT_GT(names.size(), 3u);
  fs::remove(proj / names[3]);
  fs::remove(cli / names[3]);
  f().ExecutaBusca1Click();
  auto run = cli_run({"boolean", "--docs", c("noticias.ldc")}, false);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(shown(), lines_of(run.out));
  EXPECT_EQ(shown().size(), 3u);
  EXPECT_EQ(messages(), QStringList{QStringLiteral("O arquivo texto não está no diretório")});

  // A document found, then removed: the viewer says so.
  ASSERT_TRUE(fs::remove(proj / shown()[0]));
  ui(f()).ListBox1->setCurrentRow(0);
  f().ListBox1DblClick();
  EXPECT_EQ(last_message(), QStringLiteral("Arquivo texto selecionado não existe"));
}

}  // namespace
}  // namespace lumeral::gui::testing
