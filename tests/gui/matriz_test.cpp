// The classification window `form_matriz` on the prepared sample collection,
// against lumeral-cli, from the tools window and driven as the wizard does.
#include "gui/classification/matriz.h"
#include "gui/shell/barra_progresso.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

class Classification : public RoadTest {
 protected:
  Tform_matriz& f() { return *windows->form_matriz; }
  std::vector<std::string> shown() const { return utf8_lines(ui(windows->form_matriz).ListBox1->lines()); }
  // Both lists chosen through the window's dialogs.
  void choose_lists() {
    platform.answer(q(proj / "noticias.ldc"));
    f().Abrelistadedocs1Click();
    platform.answer(q(proj / "noticias.lct"));
    f().Abrelistadecontextos1Click();
  }
};

TEST_F(Classification, BothMethodsWriteTheMatricesOfTheCommandLine) {
  open_tools();
  choose_lists();
  EXPECT_EQ(ui(f()).Edit_docs->text(), q(proj / "noticias.ldc"));
  EXPECT_EQ(f().pasta_docs, q(proj) + "/");

  for (const char* method : {"deterministic", "probabilistic"}) {
    SCOPED_TRACE(method);
    if (std::string(method) == "deterministic")
      f().MetodoDeterministico1Click();
    else
      f().MetodoProbabilistico1Click();
    cli_run({"classify", "--docs", c("noticias.ldc"), "--contexts", c("noticias.lct"), "--method", method});
    const auto mine = files_with(proj, {".mtz"});
    EXPECT_EQ(mine.size(), 40u);
    EXPECT_EQ(mine, files_with(cli, {".mtz"}));
  }
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(platform.pauses, 0);  // no progress window outside the wizard

  // The result commands list what the command line prints.
  ui(f()).Edit_nome->setText("NOTICIA07");
  f().Mostracontextosdeumdoc1Click();
  const auto contexts = shown();
  EXPECT_EQ(contexts, lines_of(cli_run({"doc-contexts", "noticia07"}).out));
  EXPECT_EQ(ui(f()).Edit_total->text(), "2");
  ui(f()).Edit_nome->setText("Saude");
  ui(f()).Edit_limiar->setText("0,1");
  f().Mostradocumentosdeumcontexto1Click();
  const auto docs = shown();
  EXPECT_FALSE(docs.empty());
  EXPECT_EQ(docs, lines_of(cli_run({"context-docs", "saude", "--docs", c("noticias.ldc"), "--threshold", "0,1"}).out));
  EXPECT_EQ(ui(f()).Edit_total->text(), QString::number(docs.size()));

  // The result saved as a document list and as text.
  platform.answer(q(proj / "saude-docs"));
  f().Salvaresultadocomoldoc1Click();
  const auto saved = lines_of(cli_run({"dump", (proj / "saude-docs.ldc").string()}).out);
  ASSERT_EQ(saved.size(), docs.size());
  // name + ".txt", and the weight read back from the fourteen decimals shown.
  std::string shown_weight = docs[0].substr(docs[0].find("| ") + 2);
  shown_weight[shown_weight.find(',')] = '.';
  EXPECT_EQ(saved[0].substr(0, saved[0].find('\t')), docs[0].substr(0, docs[0].find(" |")) + ".txt");
  EXPECT_EQ(std::stod(saved[0].substr(saved[0].find('\t') + 1)), std::stod(shown_weight));
  platform.answer(q(proj / "saude-docs"));
  f().Salvaresultadocomotexto1Click();
  EXPECT_EQ(lines_of(read_file(proj / "saude-docs.txt")).size(), docs.size());

  // The two list buttons, and the alphabetical order that stays on.
  f().Button_contsClick();
  EXPECT_EQ(shown(), (std::vector<std::string>{"economia", "esporte", "politica", "saude", "ambiente"}));
  f().Ordenaalfabeticamente1Click();
  EXPECT_EQ(shown(), (std::vector<std::string>{"ambiente", "economia", "esporte", "politica", "saude"}));
  f().Button_docsClick();
  EXPECT_EQ(ui(f()).Edit_total->text(), "40");
  EXPECT_EQ(shown().front(), "arq-000001.txt");
  // "Copia selecionado": the name before ".txt", or the whole line.
  ui(f()).ListBox1->setCurrentRow(1);
  f().Button_copiaClick();
  EXPECT_EQ(ui(f()).Edit_nome->text(), "arq-000002");
  f().Button_contsClick();
  ui(f()).ListBox1->setCurrentRow(4);
  f().Button_copiaClick();
  EXPECT_EQ(ui(f()).Edit_nome->text(), "saude");
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

TEST_F(Classification, AMissingMatrixStopsTheListingAfterTheDocumentsBeforeIt) {
  // The refusals of empty fields and missing lists are the core's tests.
  open_tools();
  choose_lists();
  // A missing matrix stops "Mostra documentos de um contexto" after the
  // documents listed before it.
  f().MetodoProbabilistico1Click();
  ui(f()).Edit_nome->setText("politica");
  f().Mostradocumentosdeumcontexto1Click();
  EXPECT_TRUE(f().last_command_ok());
  const int all = ui(f()).ListBox1->count();
  fs::remove(proj / "noticia10.mtz");
  f().Mostradocumentosdeumcontexto1Click();
  EXPECT_FALSE(f().last_command_ok());
  EXPECT_GT(ui(f()).ListBox1->count(), 0);
  EXPECT_LT(ui(f()).ListBox1->count(), all);
  EXPECT_EQ(ui(f()).Edit_total->text(), QString::number(ui(f()).ListBox1->count()));
  EXPECT_EQ(to_utf8(ui(f()).ListBox1->line(ui(f()).ListBox1->count() - 1)).substr(0, 8), "noticia0");
  EXPECT_TRUE(last_message().contains("noticia10")) << last_message().toStdString();
  // What a stopped run leaves written is checked by the core's tests.
}

TEST_F(Classification, TheWizardDrivesItWithoutDialogs) {
  // The mining step: the wizard window is visible with its project folder;
  // the path fields are set, the documents listed, the method run.
  w().set_pasta(proj);
  w().set_tipo(shell::OntologyKind::Probabilistic);
  ui(f()).Edit_contextos->setText(q(proj / "noticias.lct"));
  ui(f()).Edit_docs->setText(q(proj / "noticias.ldc"));
  f().Button_docsClick();
  EXPECT_EQ(ui(f()).ListBox1->count(), 40);
  f().MetodoProbabilistico1Click();
  EXPECT_TRUE(f().last_command_ok());
  EXPECT_TRUE(platform.dialogs.empty());
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_GT(platform.pauses, 0);  // the progress window showed the documents
  EXPECT_EQ(windows->Frm_process, nullptr);
  EXPECT_TRUE(ui<WizardStatusPanels>(w()).panel_hint->text().isEmpty());
  cli_run({"classify", "--docs", c("noticias.ldc"), "--contexts", c("noticias.lct"), "--method", "probabilistic"});
  EXPECT_EQ(files_with(proj, {".mtz"}), files_with(cli, {".mtz"}));
}

}  // namespace
}  // namespace lumeral::gui::testing
