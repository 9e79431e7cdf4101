// The desktop program: creates the main window and runs the event loop.
#include <QApplication>

#include "gui/shell/mdi_form.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Wizard - Lumeral"));
  lumeral::gui::TMdi_Frm main_window;
  main_window.show();
  return QApplication::exec();
}
