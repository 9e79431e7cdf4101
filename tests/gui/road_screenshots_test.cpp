// A tour of the mining road's tool windows with results shown, for looking
// at them: with LUMERAL_SHOTS naming a folder (and a real display, e.g. Xvfb
// with QT_QPA_PLATFORM=xcb) each window is saved there as a PNG. Skipped
// otherwise.
#include <QApplication>
#include <QThread>

#include "gui/association/associacao.h"
#include "gui/classification/matriz.h"
#include "gui/comparison/centro_contextual.h"
#include "gui/comparison/centroide.h"
#include "gui/contexts/criar_contextos.h"
#include "gui/mining/data_mining.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

using RoadScreenshots = ShotsOf<RoadTest>;

TEST_F(RoadScreenshots, Tour) {
  open_tools();

  Tform_cont& cont = *windows->form_cont;
  platform.answer(q(proj / "noticias.lct"));
  cont.Abrelista1Click();
  platform.answer(q(proj / "economia.ctt"));
  cont.Abrecontexto1Click();
  shoot(&cont, "form_cont", true);

  Tform_matriz& matriz = *windows->form_matriz;
  platform.answer(q(proj / "noticias.ldc"));
  matriz.Abrelistadedocs1Click();
  platform.answer(q(proj / "noticias.lct"));
  matriz.Abrelistadecontextos1Click();
  matriz.MetodoProbabilistico1Click();
  matriz.Edit_nome->setText("economia");
  matriz.Mostradocumentosdeumcontexto1Click();
  shoot(&matriz, "form_matriz", true);

  Tform_centro& centro = *windows->form_centro;
  platform.answer(q(proj / "noticias.ldc"));
  centro.Abrelistadedocumentos1Click();
  centro.RadioGroup_tipo->set_item_index(1);
  centro.Novo1Click();
  platform.answer(q(proj / "centroide-2.lpl"));
  centro.Calculadiferencasparatodos1Click();
  centro.ListBox_docs->setCurrentRow(4);
  centro.Mostradiferencasdodocselecionado1Click();
  shoot(&centro, "form_centro", true);

  centro.RadioGroup_tipo->set_item_index(0);
  centro.RadioGroup_metodo->set_item_index(1);
  centro.Novo1Click();
  Tcentro_percentual& perc = *windows->centro_percentual;
  platform.answer(q(proj / "noticias.ldc"));
  platform.answer(q(proj / "centro-temp.lpl"));
  perc.Calculaporcentagens1Click();
  shoot(&perc, "centro_percentual", true);

  Tform_rel& rel = *windows->form_rel;
  auto made = run_cli({"stopwords-save", (proj / "stop.stw").string()}, proj, "a\no\nde\nda\ndo\ne\nem\nque\n");
  ASSERT_EQ(made.exit_code, 0);
  rel.RadioGroup1->set_item_index(3);
  platform.answer(q(proj / "stop.stw"));
  platform.answer(q(proj / "noticias.ldc"));
  rel.Calcularassociacoes1Click();
  shoot(&rel, "form_rel", true);

  Tform_dm& dm = *windows->form_dm;
  platform.answer(q(proj / "noticias.lct"));
  platform.answer(q(proj / "noticias.ldc"));
  platform.answer(q(proj / "temp.ass"));
  dm.Selecionalistas1Click();
  dm.CalculaConfiancaSuporte1Click();
  dm.Ordenadecrescenteporconfianca1Click();
  shoot(&dm, "form_dm", true);

  shoot(windows->Form3, "form3-ferramentas", true);
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

}  // namespace
}  // namespace lumeral::gui::testing
