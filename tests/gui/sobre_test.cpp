// "Sobre o Lumeral" opens over the main window and over the tools window,
// once per window however often it is asked for, showing the project's
// version and only components the installed copyright file accounts for.
#include <QApplication>

#include <functional>
#include <regex>

#include "gui/shell/inicio.h"
#include "gui/shell/sobre.h"
#include "gui_test.h"

namespace lumeral::gui::testing {
namespace {

// The version the top-level CMakeLists.txt gives the project.
QString project_version() {
  const std::string cmake = read_file(fs::path(LUMERAL_SOURCE_DIR) / "CMakeLists.txt");
  std::smatch m;
  if (!std::regex_search(cmake, m, std::regex(R"(project\(lumeral VERSION ([0-9][0-9.]*))"))) return {};
  return QString::fromStdString(m[1]);
}

TEST_F(GuiTest, AboutBoxOpensOverTheMainAndToolsWindows) {
  const QString copyright =
      QString::fromStdString(read_file(fs::path(LUMERAL_SOURCE_DIR) / "packaging" / "copyright"));
  ASSERT_FALSE(project_version().isEmpty());

  struct Case {
    const char* window;
    std::function<QWidget*()> owner;
    std::function<QPushButton*()> button;
    std::function<TSobre*()> box;
  };
  const Case cases[] = {
      {"Mdi_Frm", [&] { return static_cast<QWidget*>(&w()); }, [&] { return ui(w()).bt_sobre; },
       [&] { return w().sobre; }},
      {"Form3",
       [&] {
         // "Modo Clássico" opens the tools window.
         ui(w()).RadioGroup1->set_item_index(2);
         w().bt_ok_entradaClick();
         return static_cast<QWidget*>(windows->Form3);
       },
       [&] { return ui(windows->Form3).bt_sobre; }, [&] { return windows->Form3->sobre; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window);
    QWidget* owner = c.owner();
    ASSERT_NE(owner, nullptr);
    ASSERT_TRUE(owner->isVisible());
    EXPECT_EQ(c.box(), nullptr);  // made only when asked for
    for (int click = 0; click < 2; ++click) {
      c.button()->click();
      TSobre* box = c.box();
      ASSERT_NE(box, nullptr);
      EXPECT_TRUE(box->isVisible());
      EXPECT_EQ(box->parentWidget(), owner);
      EXPECT_EQ(owner->findChildren<TSobre*>().size(), 1);  // asked twice, one box
      ui(box).bt_fechar->click();
      EXPECT_FALSE(box->isVisible());
    }
    TSobre& box = *c.box();
    EXPECT_TRUE(ui(box).lb_versao->text().endsWith(project_version())) << ui(box).lb_versao->text().toStdString();
    EXPECT_TRUE(ui(box).lb_licenca->text().contains(QStringLiteral("GPL-3.0-or-later")));
    EXPECT_TRUE(ui(box).lb_guia->text().contains(guide_folder()));
    ASSERT_EQ(ui(box).tb_bibliotecas->rowCount(), static_cast<int>(third_parties().size()));
    for (int row = 0; row < ui(box).tb_bibliotecas->rowCount(); ++row) {
      // "Qt 6 (Core, ...)" is listed in the copyright file as "Qt 6".
      const QString name = ui(box).tb_bibliotecas->item(row, 0)->text().section(QStringLiteral(" ("), 0, 0);
      EXPECT_TRUE(copyright.contains(name)) << name.toStdString();
      EXPECT_FALSE(ui(box).tb_bibliotecas->item(row, 1)->text().isEmpty()) << name.toStdString();
    }
  }
}

}  // namespace
}  // namespace lumeral::gui::testing
