// The window `form_classifica2` ("Classificação por maior peso"): assigns
// every document of a list to the context with the highest degree in its
// matrix, keeps the lines of one category, and saves the assignments as a
// document list or as text.
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

#include <vector>

#include "core/classification/highest.h"
#include "gui/base/form.h"
#include "gui/base/list_box.h"

class QAction;

namespace lumeral::gui {

// The controls of `Tform_classifica2`: its own and its tests' (TestAccess).
struct Tform_classifica2Ui {
  QPushButton* Button1;       // "Classifica documentos pela categoria de maior peso"
  QPushButton* Button2;       // "Seleciona por categoria"
  QLineEdit* Edit_categoria;  // the category beside "Seleciona por categoria"
  ListBox* ListBox1;          // the result lines
  QLineEdit* Edit_total;      // "Total de linhas=" (read-only)
  QAction* Abreresultado1;            // "Resultado" > "Abre resultado (texto)"
  QAction* Gravalistadedocumentos1;   // "Resultado" > "Grava lista de documentos"
  QAction* Gravacomotexto1;           // "Resultado" > "Grava como texto"
};

class Tform_classifica2 : public QMainWindow, public Form, private Tform_classifica2Ui {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_classifica2Ui;
 public:
  explicit Tform_classifica2(Windows& windows);

  void Button1Click();
  void Button2Click();
  void Abreresultado1Click();
  void Gravalistadedocumentos1Click();
  void Gravacomotexto1Click();

  // The rows the list shows, in its order: what the selection, the saves
  // and the export read.
  const std::vector<classification::HighestRow>& linhas() const { return linhas_; }

 private:
  void build_layout();
  void mostra_linhas();  // the rows and their total
  std::vector<classification::HighestRow> linhas_;
};

}  // namespace lumeral::gui
