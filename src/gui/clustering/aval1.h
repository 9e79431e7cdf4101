// The evaluation window `form_aval1` ("Avaliação de Similaridade"): how
// alike two word lists (or two .mtz context-degree files), or two document
// lists, are, as one number between 0 and 1, with the number of elements
// they share.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QWidget>

#include "gui/base/form.h"
#include "gui/base/radio_group.h"

namespace lumeral::gui {

// The controls of `Tform_aval1`: its own and its tests' (TestAccess).
struct Tform_aval1Ui {
  RadioGroup* RadioGroup1;   // "Seleciona elementos": word lists (at start) or document lists
  QPushButton* Button1;      // "Seleciona 1o elemento"
  QLineEdit* Edit1;          // the first element (read-only)
  QPushButton* Button2;      // "Seleciona 2o elemento"
  QLineEdit* Edit2;          // the second element (read-only)
  QPushButton* Button3;      // "Avalia Similaridade"
  QLineEdit* Edit_grau;      // beside "Grau ou valor =" (read-only)
  QLineEdit* Edit_comuns;    // beside "Elementos comuns=" (read-only)
  QStatusBar* StatusBar1;
};

class Tform_aval1 : public QWidget, public Form, private Tform_aval1Ui {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_aval1Ui;
 public:
  explicit Tform_aval1(Windows& windows);

  void Button1Click();
  void Button2Click();
  void Button3Click();

 private:
  void build_layout();
  void escolhe(QLineEdit* field, bool first);
};

}  // namespace lumeral::gui
