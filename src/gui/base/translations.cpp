#include "gui/base/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lumeral::gui {

QTranslator* install_qt_translations(QCoreApplication& app) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
  auto* translator = new QTranslator(&app);
  // "qtbase" holds the widgets' texts; "_" joins the name and the locale.
  if (!translator->load(brazil, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

}  // namespace lumeral::gui
