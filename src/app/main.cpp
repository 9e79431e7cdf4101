// The desktop program: the splash for its one second, the application
// title, every window created once in the fixed order, the event loop.
// Closing the main window ends the program.
#include <QApplication>
#include <QIcon>

#include "core/base/regional.h"
#include "gui/base/qt_platform.h"
#include "gui/base/resources.h"
#include "gui/base/translations.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/unit_splashscreen.h"
#include "gui/shell/windows.h"

int main(int argc, char** argv) {
  using namespace lumeral::gui;
  QApplication app(argc, argv);
  install_qt_translations(app);
  init_resources();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/shell/lumeral.png")));

  TSplashScreen splash;
  splash.show();
  splash.repaint();
  while (!splash.pode_fechar()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  splash.hide();

  QApplication::setApplicationName(kApplicationTitle);
  QApplication::setQuitOnLastWindowClosed(false);

  QtPlatform platform;
  Windows windows(platform, lumeral::Regional::from_environment());
  windows.on_quit = [] { QApplication::quit(); };
  windows.create_all();
  windows.Mdi_Frm->show();
  return QApplication::exec();
}
