// The centroid window `form_centro` on the prepared sample collection,
// against lumeral-cli.
#include "gui/comparison/centroide.h"
#include "gui/retrieval/result_recuperasim.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

class Centroid : public RoadTest {
 protected:
  Tform_centro& f() { return *windows->form_centro; }
  std::vector<std::string> centro() const { return utf8_lines(ui(windows->form_centro).ListBox_centro->lines()); }
  std::vector<std::string> dif() const { return utf8_lines(ui(windows->form_centro).ListBox_dif->lines()); }
  void abre_lista() {
    platform.answer(q(proj / "noticias.ldc"));
    f().Abrelistadedocumentos1Click();
    ASSERT_EQ(ui(f()).ListBox_docs->count(), 40);
  }
};

TEST_F(Centroid, EveryTypeMethodAndModeGivesTheCommandLinesCentroid) {
  classify_both("probabilistic");
  open_tools();
  // Opened from the tools window, the choices the wizard locked are free.
  f().habilita_opcoes(false);
  windows->Form3->bt_comparacaoClick();
  for (RadioGroup* g : {ui(f()).RadioGroup_metodo, ui(f()).RadioGroup_tipo, ui(f()).RadioGroup_modo})
    EXPECT_TRUE(g->button(g->count() - 1)->isEnabled());
  abre_lista();
  ui(f()).ListBox_docs->setCurrentRow(0);

  const char* types[] = {"all", "two", "every"};
  const char* files[] = {"centro-temp.lpl", "centroide-2.lpl", "centroide-3.lpl"};
  const char* methods[] = {"word", "context"};
  const char* modes[] = {"frequency", "weight"};
  for (int m = 0; m < 2; ++m)
    for (int t = 0; t < 3; ++t)
      for (int o = 0; o < 2; ++o) {
        SCOPED_TRACE(std::string(methods[m]) + " " + types[t] + " " + modes[o]);
        ui(f()).RadioGroup_metodo->set_item_index(m);
        ui(f()).RadioGroup_tipo->set_item_index(t);
        ui(f()).RadioGroup_modo->set_item_index(o);
        f().Novo1Click();
        EXPECT_TRUE(f().last_command_ok());
        auto run = cli_run({"centroid", "--docs", c("noticias.ldc"), "--type", types[t], "--method", methods[m],
                            "--mode", modes[o]});
        EXPECT_EQ(centro(), lines_of(run.out));
        // No word of the sample is in every document.
        EXPECT_EQ(centro().empty(), t == 2);
        EXPECT_EQ(ui(f()).Edit_total_centro->text(), QString::number(centro().size()));
        EXPECT_EQ(read_file(proj / files[t]), read_file(cli / files[t]));
      }
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

// The differences written as the command line writes them; the other
// commands of the window each leave their mark (their lines, orders and
// files are the core's tests).
TEST_F(Centroid, DifferencesOpensSavesAndSorts) {
  open_tools();
  abre_lista();
  ui(f()).RadioGroup_tipo->set_item_index(1);
  f().Novo1Click();
  const auto all = centro();
  platform.answer(q(proj / "centroide-2.lpl"));
  f().Calculadiferencasparatodos1Click();
  cli_run({"centroid", "--docs", c("noticias.ldc"), "--type", "two"});
  cli_run({"differences", "--docs", c("noticias.ldc"), "--centroid", c("centroide-2.lpl")});
  const auto difs = files_with(proj, {".dif"});
  EXPECT_EQ(difs.size(), 40u);
  EXPECT_EQ(difs, files_with(cli, {".dif"}));

  // One document's differences, then two files summed one after the other.
  ui(f()).ListBox_docs->setCurrentRow(2);
  f().Mostradiferencasdodocselecionado1Click();
  ASSERT_FALSE(dif().empty());
  EXPECT_EQ(ui(f()).Edit_total_dif->text(), QString::number(dif().size()));
  platform.answer(QStringList{q(proj / "noticia01.dif"), q(proj / "noticia02.dif")});
  f().Somatodasasdiferencas1Click();
  EXPECT_EQ(dif().size(), lines_of(cli_run({"dump", c("noticia01.dif")}).out).size() +
                              lines_of(cli_run({"dump", c("noticia02.dif")}).out).size());
  f().Ordenacaoalfabetica3Click();
  EXPECT_TRUE(ui(f()).ListBox_dif->sorted());

  // "Abre centróide" with a threshold shows fewer lines; a list saved in
  // the weight order opens in that order; a text save follows the order shown.
  ui(f()).Edit_limiar->setText("3");
  platform.answer(q(proj / "centroide-2.lpl"));
  f().Abrecentroide1Click();
  EXPECT_FALSE(centro().empty());
  EXPECT_LT(centro().size(), all.size());
  f().Ordenacaoporpeso1Click();
  const auto by_weight = centro();
  platform.answer(q(proj / "maiores"));
  f().Salvacomolista1Click();
  ui(f()).Edit_limiar->clear();
  platform.answer(q(proj / "maiores.lpl"));
  f().Abrecentroide1Click();
  EXPECT_EQ(centro(), by_weight);
  f().Ordenacaoalfabetica2Click();
  EXPECT_NE(centro(), by_weight);
  platform.answer(q(proj / "alfabetica"));
  f().Salvacomotexto1Click();
  EXPECT_EQ(lines_of(to_utf8(from_bytes(read_file(proj / "alfabetica.txt")))), centro());

  // A double click shows the document's text.
  ui(f()).ListBox_docs->setCurrentRow(0);
  f().ListBox_docsDblClick();
  EXPECT_TRUE(windows->result_recsim->isVisible());
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

TEST_F(Centroid, MessagesOfTheCentroidWindow) {
  open_tools();
  f().Calculadiferencasparatodos1Click();                   // empty list
  platform.cancel_next();
  f().Salvacomolista1Click();
  abre_lista();
  f().Novo1Click();                                          // type "Todas": no selection
  f().Ordenacaoalfabetica1Click();
  f().Ordenacaoporpeso2Click();
  f().Ordenacaoalfabetica3Click();
  f().Mostradiferencasdodocselecionado1Click();
  ui(f()).ListBox_docs->setCurrentRow(1);
  f().Mostradiferencasdodocselecionado1Click();
  ui(f()).RadioGroup_metodo->set_item_index(1);                  // no matrices yet
  f().Novo1Click();
  ui(f()).RadioGroup_metodo->set_item_index(0);
  fs::remove(proj / "noticia07.lpl");
  f().Novo1Click();
  EXPECT_EQ(messages(), (QStringList{"Selecionar lista de documentos", "Não gravou centróide",
                                     "Selecione arquivo antes de calcular.", "Selecione arquivo antes de calcular.",
                                     "Selecione arquivo antes de calcular.", "Selecione arquivo antes de calcular.",
                                     "Você deve selecionar um documento da lista",
                                     "Você deve antes calcular as diferenças", "Fazer classificação antes !",
                                     "Preparar documentos antes ! Criar lista de pals"}));
  EXPECT_FALSE(ui(f()).ListBox_docs->sorted());
}

TEST_F(Centroid, VerCentroideUsesTheHiddenButtonsOfTheWizardProject) {
  // The wizard's mining step: a project is open and the wizard visible.
  w().set_pasta(proj);
  ui<WizardProjectPanel>(w()).Edit_titulo->setText("noticias");
  w().set_tipo(shell::OntologyKind::Probabilistic);
  ui(f()).Button_abre->click();
  EXPECT_EQ(ui(f()).ListBox_docs->count(), 40);
  ui(f()).Button_novo->click();
  EXPECT_EQ(centro(), lines_of(cli_run({"centroid", "--docs", c("noticias.ldc")}).out));
  f().habilita_opcoes(false);
  EXPECT_FALSE(ui(f()).RadioGroup_tipo->button(2)->isEnabled());
  EXPECT_TRUE(platform.dialogs.empty());
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

}  // namespace
}  // namespace lumeral::gui::testing
