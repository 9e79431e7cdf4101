// Qt's own texts come in Portuguese once the program's loader has run.
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include "gui/base/translations.h"

namespace lumeral::gui {
namespace {

TEST(QtTranslations, StandardButtonsSpeakPortuguese) {
  QTranslator* translator = install_qt_translations(*QCoreApplication::instance());
  ASSERT_NE(translator, nullptr) << "Qt's pt_BR translations are not installed (scripts/setup)";
  struct {
    QDialogButtonBox::StandardButton button;
    const char* text;
  } cases[] = {{QDialogButtonBox::Cancel, "Cancelar"}, {QDialogButtonBox::Yes, "Sim"}, {QDialogButtonBox::No, "Não"}};
  QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Yes | QDialogButtonBox::No);
  for (const auto& c : cases)
    EXPECT_EQ(box.button(c.button)->text().remove(QLatin1Char('&')), QString::fromUtf8(c.text));
  // The other window tests run with Qt's texts as they were.
  QCoreApplication::removeTranslator(translator);
  delete translator;
}

}  // namespace
}  // namespace lumeral::gui
