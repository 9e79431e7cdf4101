// The tools window and the document launcher: each button shows its own
// window (all created hidden at start-up); "Voltar ao início" goes back to
// the menu, closing the tools window ends the program; the memory budget.
#include "core/base/memory_budget.h"
#include "gui/association/associacao.h"
#include "gui/base/memory_setting.h"
#include "gui/classification/classifica2.h"
#include "gui/classification/classifica3.h"
#include "gui/classification/consulta.h"
#include "gui/classification/matriz.h"
#include "gui/clustering/aval1.h"
#include "gui/clustering/clusterizacao.h"
#include "gui/clustering/medidas.h"
#include "gui/comparison/centro_contextual.h"
#include "gui/comparison/centroide.h"
#include "gui/comparison/compara_regras.h"
#include "gui/contexts/criar_contextos.h"
#include "gui/mining/data_mining.h"
#include "gui/preparation/elimina_palavras.h"
#include "gui/preparation/gerencia_docs.h"
#include "gui/preparation/html_txt.h"
#include "gui/preparation/lista_docs.h"
#include "gui/preparation/separador.h"
#include "gui/preparation/stop_words.h"
#include "gui/preparation/textos.h"
#include "gui/retrieval/recup_similar.h"
#include "gui/retrieval/recuperacao_booleana.h"
#include "gui/shell/inicio.h"
#include "gui/summaries/resumo.h"
#include "gui/summaries/resumo_automatico.h"
#include "gui/summaries/resumo_contextual.h"
#include "gui_test.h"

namespace lumeral::gui::testing {
namespace {

TEST_F(GuiTest, ToolButtonsOpenTheirWindowsAndTheToolsWindowGoesBackToTheMenu) {
  ui(w()).RadioGroup1->set_item_index(2);
  w().bt_ok_entradaClick();
  ASSERT_TRUE(windows->Form3);
  TForm3& tools = *windows->Form3;
  EXPECT_FALSE(w().isVisible());
  Tform_ger_doc& launcher = *windows->form_ger_doc;
  const Windows& k = *windows;
  const std::pair<QPushButton*, QWidget*> cases[] = {
      {ui(tools).bt_analise_docs, k.form_ger_doc},         {ui(tools).bt_rec_contextual, k.form_consulta},
      {ui(tools).bt_contextos, k.form_cont},               {ui(tools).bt_classificacao, k.form_matriz},
      {ui(tools).bt_resumo, k.form_resumo},                {ui(tools).bt_lista_docs, k.form_ldoc},
      {ui(tools).bt_rec_booleana, k.form_recbool},         {ui(tools).bt_clusterizacao, k.form_cluster},
      {ui(tools).bt_comparacao, k.form_centro},            {ui(tools).bt_associacao, k.form_rel},
      {ui(tools).bt_resumo_contextual, k.res_contextual},  {ui(tools).bt_class_conceitos, k.form_classifica3},
      {ui(tools).bt_class_maior_peso, k.form_classifica2}, {ui(tools).bt_resumo_automatico, k.res_auto},
      {ui(tools).bt_rec_similaridade, k.form_recsim},      {ui(tools).bt_similaridade, k.form_aval1},
      {ui(tools).bt_data_mining, k.form_dm},               {ui(tools).bt_percentual, k.centro_percentual},
      {ui(tools).bt_precision_recall, k.form_medidas},     {ui(tools).bt_regras, k.form_regras},
      {ui(launcher).bt_preprocessamento, k.Form1},         {ui(launcher).bt_stopwords, k.form_stop},
      {ui(launcher).bt_eliminacao, k.form_elimina},        {ui(launcher).bt_separacao, k.form_separador},
      {ui(launcher).bt_html, k.Form2},
  };
  for (const auto& [button, window] : cases) {
    ASSERT_NE(window, nullptr) << button->text().toStdString();
    SCOPED_TRACE(window->objectName().toStdString());
    EXPECT_FALSE(window->isVisible());
    button->click();
    EXPECT_TRUE(window->isVisible());
  }

  tools.bt_inicioClick();
  EXPECT_FALSE(tools.isVisible());
  EXPECT_TRUE(w().isVisible());
  EXPECT_EQ(ui(w()).RadioGroup1->item_index(), 0);

  // Closing the tools window releases it and ends the program.
  ui(w()).RadioGroup1->set_item_index(2);
  w().bt_ok_entradaClick();
  windows->Form3->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(windows->Form3);
  EXPECT_EQ(quits, 1);
}

TEST_F(GuiTest, TheToolsWindowKeepsTheMemoryBudget) {
  // Absent or unusable settings give the default budget.
  for (const char* stored : {"", "muito", "10", "999999999"}) {
    platform.settings[QStringLiteral("memoria_mb")] = QString::fromUtf8(stored);
    EXPECT_EQ(memory_budget(platform), kDefaultMemoryBudget) << stored;
  }
  platform.settings[QStringLiteral("memoria_mb")] = QStringLiteral("2048");
  ui(w()).RadioGroup1->set_item_index(2);
  w().bt_ok_entradaClick();
  ASSERT_TRUE(windows->Form3);
  QSpinBox& box = *ui(windows->Form3).sp_memoria;
  EXPECT_EQ(box.value(), 2048);  // shown as stored
  box.setValue(512);
  EXPECT_EQ(platform.settings[QStringLiteral("memoria_mb")], "512");
  EXPECT_EQ(memory_budget(platform), 512 * kMegabyte);
}

}  // namespace
}  // namespace lumeral::gui::testing
