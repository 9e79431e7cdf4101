// Pictures of the mining wizard's last steps for looking at them: with
// LUMERAL_SHOTS naming a folder (and a real display, e.g. Xvfb with
// QT_QPA_PLATFORM=xcb), the ontology editor, the mining panel with results
// and the report window are saved there as PNG files. Skipped otherwise.
#include <QApplication>
#include <QThread>

#include "gui/contexts/ontologia.h"
#include "gui/mining/minera.h"
#include "gui/mining/unit_print.h"
#include "gui_test.h"

namespace lumeral::gui::testing {
namespace {

using MiningShots = ShotsOf<GuiTest>;

TEST_F(MiningShots, OntologyMiningAndReport) {
  const fs::path folder = tmp / "noticias";
  const fs::path sample = lumeral::testing::source_dir() / "examples" / "noticias";
  fs::create_directories(folder);
  for (const auto& e : fs::directory_iterator(sample))
    if (e.path().extension() == ".txt" || e.path().extension() == ".htm") fs::copy_file(e.path(), folder / e.path().filename());

  w().RadioGroup1->set_item_index(0);
  w().bt_ok_entradaClick();
  w().bt_ok_bemvindoClick();
  w().Edit_titulo->setText("Noticias");
  platform.answer(QString::fromStdString(folder.string()));
  w().bt_alterarClick();
  w().bit_avancarClick();
  w().bit_avancarClick();
  shoot(&w(), "9a-ontologia-escolha");

  TOntologia& ed = *w().ontologia;
  w().RadioGroup3->set_item_index(1);
  ed.RadioGroup_tipo->set_item_index(0);
  w().ontologia->bt_ok_ontologiaClick();
  auto conceito = [&](const QString& name, const QStringList& rules) {
    ed.bt_novo_conceitoClick();
    ed.Edit_conceito->setText(name);
    ed.bt_insere_conceitoClick();
    for (const QString& r : rules) {
      ed.Edit_regra->setText(r.section('|', 0, 0));
      ed.Edit_peso->setText(r.section('|', 1, 1));
      ed.bt_insere_regraClick();
    }
    ed.bt_salvarClick();
  };
  conceito("economia", {"juros|0,9", QStringLiteral("inflação|0,9"), "mercado|0,6", "economistas|0,7"});
  conceito("esporte", {"futebol|0,9", "torcida|0,7", "gols|0,8"});
  conceito("ambiente", {"desmatamento|0,9", QStringLiteral("amazônia|0,9"), "floresta|0,8", "clima|0,7"});
  conceito("saude", {QStringLiteral("saúde|0,9"), "hospitais|0,8", "vacina|0,8"});
  // The editor while a concept is being typed.
  ed.bt_alterar_conceitosClick();
  ed.ComboBox_conceitos->setCurrentIndex(ed.ComboBox_conceitos->findText("economia"));
  ed.ComboBox_conceitosSelect();
  ed.bt_nova_regraClick();
  ed.Edit_regra->setText("banco central");
  ed.Edit_peso->setText("0,8");
  shoot(&w(), "9b-ontologia-editor");
  ed.bt_cancelarClick();

  w().bit_avancar->setEnabled(true);
  w().bit_avancarClick();
  w().minera->bt_filtro_confiancaClick();
  shoot(&w(), "9c-mineracao");

  w().minera->bt_fechar_limiarClick();
  w().minera->bt_impressaoClick();
  shoot(windows->Frm_print, "9d-relatorio");
}

}  // namespace
}  // namespace lumeral::gui::testing
