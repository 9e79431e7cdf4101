// The context manager `form_cont` on the sample ontology, against lumeral-cli.
#include "core/records/records.h"
#include "gui/contexts/criar_contextos.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::cp1252;

class ContextManager : public RoadTest {
 protected:
  Tform_cont& f() { return *windows->form_cont; }
};

TEST_F(ContextManager, OpensListsAndContextsAndWritesTheReportAndWeightsAsTheCommandLine) {
  open_tools();
  platform.answer(q(proj / "noticias.lct"));
  f().Abrelista1Click();
  auto dump = lines_of(cli_run({"dump", c("noticias.lct")}).out);
  std::vector<std::string> expected;
  for (const auto& d : dump) expected.push_back(d.substr(0, d.find('\t')) + " | 0,00000000");
  EXPECT_EQ(utf8_lines(ui(f()).Memo_lista->lines()), expected);
  EXPECT_EQ(ui(f()).Edit_total->text(), QString::number(expected.size()));

  // "Inclui contexto" twice shows the entries twice; "Abre contexto" starts anew.
  platform.answer(q(proj / "saude.ctt"));
  f().Abrecontexto1Click();
  const auto once = ui(f()).Memo_definicao->lines();
  ASSERT_FALSE(once.empty());
  EXPECT_EQ(once.size(), lines_of(cli_run({"dump", c("saude.ctt")}).out).size());
  platform.answer(q(proj / "saude.ctt"));
  f().Incluicontexto1Click();
  EXPECT_EQ(ui(f()).Memo_definicao->lines().size(), 2 * once.size());
  platform.answer(q(proj / "saude.ctt"));
  f().Abrecontexto1Click();
  EXPECT_EQ(ui(f()).Memo_definicao->lines(), once);
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();

  // The definitions report and the weight replacements.
  platform.answer(q(proj / "noticias.lct"));
  platform.answer(q(proj / "definicoes"));
  f().Gravadefinicoescomotexto1Click();
  EXPECT_EQ(messages(), QStringList{"Terminou de gravar definições dos contextos"});
  cli_run({"context-report", c("noticias.lct"), c("definicoes.txt")});
  EXPECT_EQ(read_file(proj / "definicoes.txt"), read_file(cli / "definicoes.txt"));

  platform.answer(q(proj / "noticias.lct"));
  f().Trocapesos01Click();
  cli_run({"context-weights", c("noticias.lct"), "--zero-to-one"});
  platform.answer(q(proj / "noticias.lct"));
  f().Trocapesospor11Click();
  cli_run({"context-weights", c("noticias.lct"), "--all-to-one"});
  EXPECT_EQ(messages().mid(1), (QStringList{"Terminou de trocar pesos", "Terminou de trocar pesos"}));
  EXPECT_EQ(files_with(proj, {".ctt"}), files_with(cli, {".ctt"}));
  for (const auto& r : records::read_all<records::ContextRecord>(proj / "saude.ctt")) EXPECT_EQ(r.weight, 1.0);
}

TEST_F(ContextManager, SavesListsAndContextsAsMakeWritesThemAndTellsWhatItCouldNot) {
  open_tools();
  ui(f()).Memo_lista->setPlainText(QStringLiteral("Economia | 0,5\nPOLÍTICA\numnomemuitolongodemais\n"));
  platform.answer(q(proj / "nova"));
  f().Salvalista1Click();
  auto made = run_cli({"make", c("nova.lct")}, cli, cp1252("economia\t0.5\npolÍtica\t0\numnomemuitolong\t0\n"));
  ASSERT_EQ(made.exit_code, 0) << made.err;
  EXPECT_EQ(read_file(proj / "nova.lct"), read_file(cli / "nova.lct"));

  ui(f()).Memo_definicao->setPlainText(QStringLiteral("taxa de juros\ninflação|0\n  Juros$ | 0,25  "));
  platform.answer(q(proj / "novo.ctt"));
  f().Salvacontexto1Click();
  EXPECT_EQ(messages(), QStringList{"criou novo contexto"});
  made = run_cli({"make", c("novo.ctt")}, cli, cp1252("taxa de juros\t1\ninflação\t0\nJuros$\t0.25\n"));
  ASSERT_EQ(made.exit_code, 0) << made.err;
  EXPECT_EQ(read_file(proj / "novo.ctt"), read_file(cli / "novo.ctt"));
  // Saving over it again says nothing more.
  platform.answer(q(proj / "novo.ctt"));
  f().Salvacontexto1Click();
  EXPECT_EQ(messages().size(), 1);

  // Both texts as text files, and the explicit byte-order sort.
  platform.answer(q(proj / "lista.txt"));
  f().Salvalistacomotexto1Click();
  EXPECT_EQ(read_file(proj / "lista.txt"), cp1252("Economia | 0,5\r\nPOLÍTICA\r\numnomemuitolongodemais\r\n"));
  f().Ordenaalfabetica1Click();
  EXPECT_EQ(ui(f()).Memo_lista->toPlainText(), QStringLiteral("Economia | 0,5\nPOLÍTICA\numnomemuitolongodemais"));
  ui(f()).Memo_lista->setPlainText(QStringLiteral("b\nB\na\nÁ"));
  f().Ordenaalfabetica1Click();
  EXPECT_EQ(ui(f()).Memo_lista->toPlainText(), QStringLiteral("B\na\nb\nÁ"));
  f().Limpalista1Click();
  f().Limpadefinicoes1Click();
  EXPECT_TRUE(ui(f()).Memo_lista->lines().empty());
  EXPECT_TRUE(ui(f()).Memo_definicao->lines().empty());

  // Cancelled saves and missing contexts (the report that stops at a
  // missing context is the core's test).
  platform.messages.clear();
  platform.cancel_next();
  f().Salvalista1Click();
  platform.cancel_next();
  f().Salvacontexto1Click();
  ui(f()).Memo_definicao->setPlainText("casa | 1");
  platform.answer(q(proj / "nao-existe.ctt"));
  f().Incluicontexto1Click();
  platform.answer(q(proj / "nao-existe.ctt"));
  f().Abrecontexto1Click();
  EXPECT_EQ(messages(), (QStringList{"Não gravou lista de contextos", "Não gravou contexto",
                                     "Não existe arquivo de contexto com este nome",
                                     "Não existe arquivo de contexto com este nome"}));
  EXPECT_EQ(platform.messages[0].kind, MessageKind::Information);
  EXPECT_TRUE(ui(f()).Memo_definicao->lines().empty());  // emptied by "Abre contexto"
}

}  // namespace
}  // namespace lumeral::gui::testing
