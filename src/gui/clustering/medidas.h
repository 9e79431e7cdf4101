// The precision and recall window `form_medidas` ("Calcula Precision e
// Recall"): a result list of documents against an ideal list; the counts,
// the hits and misses, precision and recall.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "gui/base/form.h"

namespace lumeral::gui {

// The controls of `Tform_medidas`: its own and its tests' (TestAccess).
struct Tform_medidasUi {
  QPushButton* Button_ideal;        // "Abre lista ideal"
  QLineEdit* Edit_ideal;            // its path (read-only)
  QPushButton* Button_resultados;   // "Abre lista de resultados"
  QLineEdit* Edit_resultados;       // its path (read-only)
  QPushButton* Button_calcula;      // "Calcula"
  // The outputs (read-only).
  QLineEdit* Edit_categoria;        // "Total  de docs na categoria"
  QLineEdit* Edit_recuperados;      // "Total  de docs recuperados/classificados"
  QLineEdit* Edit_certos;           // "Certos"
  QLineEdit* Edit_errados;          // "Errados"
  QLineEdit* Edit_precision;        // "Precision"
  QLineEdit* Edit_recall;           // "Recall"
};

class Tform_medidas : public QWidget, public Form, private Tform_medidasUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_medidasUi;
 public:
  explicit Tform_medidas(Windows& windows);

  void Button_idealClick();
  void Button_resultadosClick();
  void Button_calculaClick();

 private:
  void build_layout();
};

}  // namespace lumeral::gui
