// The mining step drives the tool windows of the road exactly as the wizard
// does, without any dialog: classification, contextual centroid,
// percentages, term association by contexts and the data-mining rules. Each
// result is what lumeral-cli gives for the same project.
#include "gui/association/associacao.h"
#include "gui/classification/matriz.h"
#include "gui/comparison/centro_contextual.h"
#include "gui/comparison/centroide.h"
#include "gui/contexts/criar_contextos.h"
#include "gui/mining/data_mining.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

TEST_F(RoadTest, TheMiningStepDrivesTheToolWindowsWithoutDialogs) {
  // A wizard project at the mining step: visible, its folder, title and
  // ontology kind set.
  w().set_pasta(proj);
  ui<WizardProjectPanel>(w()).Edit_titulo->setText("noticias");
  w().set_tipo(shell::OntologyKind::Deterministic);
  const QString ldc = q(proj / "noticias.ldc");
  const QString lct = q(proj / "noticias.lct");

  // Classification run.
  Tform_matriz& matriz = *windows->form_matriz;
  ui(matriz).Edit_contextos->setText(lct);
  ui(matriz).Edit_docs->setText(ldc);
  matriz.Button_docsClick();
  EXPECT_EQ(ui(matriz).ListBox1->count(), 40);
  matriz.MetodoDeterministico1Click();
  cli_run({"classify", "--docs", c("noticias.ldc"), "--contexts", c("noticias.lct"), "--method", "deterministic"});
  EXPECT_EQ(files_with(proj, {".mtz"}), files_with(cli, {".mtz"}));

  // Frequency run: the contextual centroid of type "Todas as palavras + freq".
  Tform_centro& centro = *windows->form_centro;
  centro.Abrelistadedocumentos1Click();
  ui(centro).RadioGroup_metodo->set_item_index(1);
  centro.Novo1Click();
  EXPECT_EQ(utf8_lines(ui(centro).ListBox_centro->lines()),
            lines_of(cli_run({"centroid", "--docs", c("noticias.ldc"), "--method", "context"}).out));
  EXPECT_EQ(read_file(proj / "centro-temp.lpl"), read_file(cli / "centro-temp.lpl"));

  // Percentages of that centroid.
  Tcentro_percentual& perc = *windows->centro_percentual;
  ui(perc).Edit_docs->setText(ldc);
  ui(perc).Edit_centro->setText(q(proj / "centro-temp.lpl"));
  perc.Calculaporcentagens1Click();
  EXPECT_EQ(utf8_lines(ui(perc).ListBox1->lines()),
            lines_of(cli_run({"percentages", "--docs", c("noticias.ldc"), "--centroid", c("centro-temp.lpl")}).out));

  // Association run: "Por contextos" into temp.ass, shown flag set.
  Tform_rel& rel = *windows->form_rel;
  ui(rel).RadioGroup1->set_item_index(3);
  ui(rel).Edit_docs->setText(ldc);
  ui(rel).Edit_stop->setText(q(tmp / "start" / "stw-portugues.stw"));
  rel.mostrada = true;
  rel.Calcularassociacoes1Click();
  EXPECT_FALSE(rel.isVisible());
  cli_run({"associate", "--docs", c("noticias.ldc"), "--method", "context"});
  EXPECT_EQ(read_file(proj / "temp.ass"), read_file(cli / "temp.ass"));

  // The rules of those pairs (their filters and orders: the data-mining
  // window's tests).
  Tform_dm& dm = *windows->form_dm;
  ui(dm).Edit_contextos->setText(lct);
  ui(dm).Edit_docs->setText(ldc);
  ui(dm).Edit_ass->setText(q(proj / "temp.ass"));
  dm.CalculaConfiancaSuporte1Click();
  const auto rules = lines_of(
      cli_run({"rules", "--contexts", c("noticias.lct"), "--docs", c("noticias.ldc"), "--pairs", c("temp.ass")}).out);
  ASSERT_FALSE(rules.empty());
  EXPECT_EQ(utf8_lines(ui(dm).ListBox1->lines()), rules);

  EXPECT_TRUE(platform.dialogs.empty());
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  EXPECT_EQ(windows->Frm_process, nullptr);
  EXPECT_FALSE(matriz.isVisible() || centro.isVisible() || perc.isVisible() || dm.isVisible());
}

}  // namespace
}  // namespace lumeral::gui::testing
