// Contextual retrieval (`form_consulta`) on the classified sample: the query
// saved and opened again, the relevances and scores written into the two
// lists and the result lines equal to lumeral-cli's, and the messages.
#include "gui/classification/consulta.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

class ContextualQuery : public ClassifiedRoadTest {
 protected:
  Tform_consulta& f() { return *windows->form_consulta; }
  std::vector<std::string> shown() const { return utf8_lines(ui(windows->form_consulta).ListBox1->lines()); }
  void choose_lists() {
    platform.answer(q(proj / "noticias.ldc"));
    f().bt_docsClick();
    platform.answer(q(proj / "noticias.lct"));
    f().bt_contextosClick();
  }
  void type_query() {
    ui(f()).Memo_palavras->setPlainText(QStringLiteral(" Mercado\nfutebol\njuros\nvacina"));
    ui(f()).Memo_pesos->setPlainText(QStringLiteral("1\n0,5\n 0,8 \n0,6"));
  }
};

TEST_F(ContextualQuery, RetrievesAsTheCommandLine) {
  open_tools();
  choose_lists();
  EXPECT_EQ(ui(f()).Edit_docs->text(), "noticias.ldc");
  EXPECT_EQ(ui(f()).Edit_contextos->text(), "noticias.lct");
  type_query();
  fs::create_directories(tmp / "consultas");
  platform.answer(q(tmp / "consultas" / "q1"));
  f().bt_grava_consultaClick();
  EXPECT_EQ(ui(f()).Edit_consulta->text(), "q1.cst");
  EXPECT_EQ(lines_of(cli_run({"dump", (tmp / "consultas" / "q1.cst").string()}).out),
            (std::vector<std::string>{"mercado\t1", "futebol\t0.5", "juros\t0.80000000000000004", "vacina\t0.59999999999999998"}));

  // The lists stay the ones chosen although the query was saved elsewhere.
  ui(f()).Edit_limiar->setText("0,05");
  f().bt_consultaClick();
  f().bt_resultadosClick();
  fs::copy_file(tmp / "consultas" / "q1.cst", cli / "q1.cst");
  const auto expected = lines_of(
      cli_run({"contextual-query", "--docs", c("noticias.ldc"), "--contexts", c("noticias.lct"), "--query",
               c("q1.cst"), "--threshold", "0,05"})
          .out);
  EXPECT_FALSE(expected.empty());
  EXPECT_EQ(shown(), expected);
  EXPECT_EQ(read_file(proj / "noticias.ldc"), read_file(cli / "noticias.ldc"));
  EXPECT_EQ(read_file(proj / "noticias.lct"), read_file(cli / "noticias.lct"));

  // Another threshold reads the scores back without running again.
  for (const char* threshold : {"0,2", ""}) {
    ui(f()).Edit_limiar->setText(QString::fromUtf8(threshold));
    f().bt_resultadosClick();
    std::vector<std::string> args{"contextual-query", "--docs", c("noticias.ldc"), "--contexts", c("noticias.lct"),
                                  "--query", c("q1.cst")};
    if (*threshold) args.insert(args.end(), {"--threshold", threshold});
    EXPECT_EQ(shown(), lines_of(cli_run(args).out)) << threshold;
  }

  // The result saved as a document list and as text.
  const auto result = shown();
  ASSERT_FALSE(result.empty());
  platform.answer(q(proj / "resultado"));
  f().bt_grava_resultadoClick();
  const auto saved = lines_of(cli_run({"dump", (proj / "resultado.ldc").string()}).out);
  ASSERT_EQ(saved.size(), result.size());
  EXPECT_EQ(saved[0].substr(0, saved[0].find('\t')), result[0].substr(0, result[0].find(" |")));
  platform.answer(q(proj / "resultado"));
  f().bt_grava_textoClick();
  EXPECT_EQ(lines_of(read_file(proj / "resultado.txt")).size(), result.size());

  // The saved query opened again, and a typed query name resolved in the
  // current folder.
  f().bt_limpaClick();
  EXPECT_EQ(ui(f()).ListBox1->count(), 0);
  platform.answer(q(tmp / "consultas" / "q1.cst"));
  f().bt_abre_consultaClick();
  EXPECT_EQ(utf8_lines(ui(f()).Memo_palavras->lines()), (std::vector<std::string>{"mercado", "futebol", "juros", "vacina"}));
  EXPECT_EQ(utf8_lines(ui(f()).Memo_pesos->lines()),
            (std::vector<std::string>{"1,000000", "0,500000", "0,800000", "0,600000"}));
  // The name shown keeps naming the file chosen, wherever the current
  // folder went; a typed name is looked for in the current folder.
  fs::current_path(proj);
  f().bt_consultaClick();
  EXPECT_TRUE(f().last_command_ok());
  ui(f()).Edit_consulta->setText("outra.cst");
  f().bt_consultaClick();
  EXPECT_FALSE(f().last_command_ok());
  EXPECT_EQ(messages().size(), 1);
}

TEST_F(ContextualQuery, NeedsAQueryFile) {
  choose_lists();
  type_query();
  f().bt_consultaClick();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Selecionar uma consulta (abrindo ou gravando)")});
  // An unreadable weight stops the save before the dialog opens.
  ui(f()).Memo_pesos->setPlainText("1\num");
  const std::size_t dialogs = platform.dialogs.size();
  f().bt_grava_consultaClick();
  EXPECT_FALSE(f().last_command_ok());
  EXPECT_EQ(platform.dialogs.size(), dialogs);
  EXPECT_FALSE(fs::exists(proj / "q2.cst"));
  EXPECT_EQ(messages().size(), 2);
}

}  // namespace
}  // namespace lumeral::gui::testing
