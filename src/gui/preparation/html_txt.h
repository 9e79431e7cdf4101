// The HTML conversion tool `Form2` ("Transforma HTML para TXT"): lists the
// HTML pages of a folder chosen in the drive and folder selectors (or the
// entries of a saved list), and converts every entry into a one-line text
// document beside it (pagina.html gives pagina.txt).
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>

#include "gui/base/folder_tree.h"
#include "gui/base/form.h"
#include "gui/base/list_box.h"

class QAction;

namespace lumeral::gui {

// The controls of `TForm2`: its own and its tests' (TestAccess).
struct TForm2Ui {
  FolderTree* DirectoryListBox1;  // drive and folder selectors
  ListBox* FileListBox1;          // "Lista de Documentos": "*.html;*.htm" of the folder
  QLineEdit* Edit_total;          // "Total de arquivos:" (read-only)
  QLineEdit* Edit_selecionados;   // "N. de selecionados:" (read-only)
  QPushButton* Button1;           // "Converte HTML para TXT"
  QStatusBar* StatusBar1;
  QAction* Abrelistadedocs1;              // "Lista de documentos" > "Abre lista de docs (.txt)"
  QAction* Gravalistadedocs1;             // "Lista de documentos" > "Grava lista de docs (.txt)"
  QAction* Eliminadocsselecionados1;      // "Lista de documentos" > "Elimina docs selecionados da lista"
};

class TForm2 : public QMainWindow, public Form, private TForm2Ui {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = TForm2Ui;
 public:
  explicit TForm2(Windows& windows);

  // The folder the entries are named in: the folder chosen in the selectors,
  // or that of the list opened with "Abre lista de docs (.txt)".
  QString pasta;

  // Another folder chosen: it becomes the current folder and its pages the list.
  void DirectoryListBox1Change();
  void Button1Click();
  void Abrelistadedocs1Click();
  void Gravalistadedocs1Click();
  void Eliminadocsselecionados1Click();

 private:
  void build_layout();
  void mostra_contagens();
};

}  // namespace lumeral::gui
