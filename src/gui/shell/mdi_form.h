// The main window of the mining wizard.
#pragma once

#include <QMainWindow>

namespace lumeral::gui {

class TMdi_Frm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMdi_Frm(QWidget* parent = nullptr);
};

}  // namespace lumeral::gui
