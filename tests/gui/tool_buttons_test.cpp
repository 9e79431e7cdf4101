// The tools window and the document launcher open the preparation,
// classification and rule-comparison tools: each button is enabled and
// shows its window, created hidden at start-up.
#include "gui/classification/classifica2.h"
#include "gui/classification/classifica3.h"
#include "gui/classification/consulta.h"
#include "gui/comparison/compara_regras.h"
#include "gui/preparation/elimina_palavras.h"
#include "gui/preparation/gerencia_docs.h"
#include "gui/preparation/html_txt.h"
#include "gui/preparation/lista_docs.h"
#include "gui/preparation/separador.h"
#include "core/base/memory_budget.h"
#include "gui/base/memory_setting.h"
#include "gui/shell/inicio.h"
#include "gui_test.h"

namespace lumeral::gui::testing {
namespace {

TEST_F(GuiTest, ToolButtonsOpenTheirWindows) {
  for (const char* name : {"form_consulta", "form_separador", "form_ldoc", "form_elimina", "form_classifica3",
                           "form_classifica2", "form_regras", "Form2"})
    EXPECT_TRUE(windows->creation_order().contains(name)) << name;
  w().RadioGroup1->set_item_index(2);
  w().bt_ok_entradaClick();
  ASSERT_TRUE(windows->Form3);
  TForm3& tools = *windows->Form3;
  windows->form_ger_doc->show();
  Tform_ger_doc& launcher = *windows->form_ger_doc;
  struct Case {
    QPushButton* button;
    QWidget* window;
  };
  const Case cases[] = {
      {tools.bt_rec_contextual, windows->form_consulta},     {tools.bt_lista_docs, windows->form_ldoc},
      {tools.bt_class_conceitos, windows->form_classifica3}, {tools.bt_class_maior_peso, windows->form_classifica2},
      {tools.bt_regras, windows->form_regras},               {launcher.bt_eliminacao, windows->form_elimina},
      {launcher.bt_separacao, windows->form_separador},      {launcher.bt_html, windows->Form2},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.window, nullptr);
    SCOPED_TRACE(c.window->objectName().toStdString());
    EXPECT_FALSE(c.window->isVisible());
    EXPECT_TRUE(c.button->isEnabled());
    c.button->click();
    EXPECT_TRUE(c.window->isVisible());
  }
}

TEST_F(GuiTest, TheToolsWindowKeepsTheMemoryBudget) {
  // Absent or unusable settings give the default budget.
  for (const char* stored : {"", "muito", "10", "999999999"}) {
    platform.settings[QStringLiteral("memoria_mb")] = QString::fromUtf8(stored);
    EXPECT_EQ(memory_budget(platform), kDefaultMemoryBudget) << stored;
  }
  platform.settings[QStringLiteral("memoria_mb")] = QStringLiteral("2048");
  w().RadioGroup1->set_item_index(2);
  w().bt_ok_entradaClick();
  ASSERT_TRUE(windows->Form3);
  QSpinBox& box = *windows->Form3->sp_memoria;
  EXPECT_EQ(box.value(), 2048);  // shown as stored
  box.setValue(512);
  EXPECT_EQ(platform.settings[QStringLiteral("memoria_mb")], "512");
  EXPECT_EQ(memory_budget(platform), 512 * kMegabyte);
}

}  // namespace
}  // namespace lumeral::gui::testing
