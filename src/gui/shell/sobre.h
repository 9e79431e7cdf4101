// "Sobre o Lumeral": the box both the main window and the tools window open.
// It shows the program's version (the build's own), its licence, the
// libraries the desktop program links and the programs it runs, each with
// its licence, and where the user guide is installed.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QTableWidget>

#include <vector>

namespace lumeral::gui {

// The version the build was configured with ("2.4.7").
QString program_version();

// The folder the user guide is installed to (/usr/share/lumeral/guia
// under the /usr prefix).
QString guide_folder();

// A library the desktop program links, or a program it runs, with its
// licence as the library's Debian copyright file gives it.
struct ThirdParty {
  QString name;
  QString licence;
};
const std::vector<ThirdParty>& third_parties();

// The controls of `TSobre`: its own and its tests' (TestAccess).
struct TSobreUi {
  QLabel* lb_versao;        // "Lumeral <version>"
  QLabel* lb_licenca;       // the program's licence
  QTableWidget* tb_bibliotecas;  // one row per third_parties() entry
  QLabel* lb_guia;          // where the user guide is
  QPushButton* bt_fechar;
};

class TSobre : public QDialog, private TSobreUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = TSobreUi;
 public:
  explicit TSobre(QWidget* parent);

};

// Opens the box over `owner`, creating it in `box` the first time (the box
// belongs to `owner`). Window-modal: the caller goes on at once.
void open_about_box(QWidget* owner, TSobre*& box);

}  // namespace lumeral::gui
