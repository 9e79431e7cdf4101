#include "gui/shell/mdi_form.h"

namespace lumeral::gui {

TMdi_Frm::TMdi_Frm(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Lumeral 2.4.7 -  Corvana  Mining -"));
  resize(800, 600);
}

}  // namespace lumeral::gui
