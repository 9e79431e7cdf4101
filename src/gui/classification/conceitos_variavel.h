// The window `form_crosstab` ("Conceitos por variável"): for a document
// list with its variables file, a context list and one variable, the
// documents of each category holding each concept with the column
// percentage, per concept the chi-square test against independence (its
// degrees of freedom and p-value) and each category's adjusted residual;
// cells beyond +-1.96 coloured, the residual in their tooltip; the
// assignment's warnings and the categories where the test is unreliable
// listed below. "Exportar..." writes the table; "Gráfico" opens its
// coloured picture.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>

#include <optional>

#include "charts/crosstab_view.h"
#include "core/statistics/crosstab.h"
#include "gui/base/form.h"

namespace lumeral::gui {

// The controls of `Tform_crosstab`: its own and its tests' (TestAccess).
struct Tform_crosstabUi {
  QLineEdit* Edit_docs;          // "Lista de documentos"
  QPushButton* bt_docs;          // "..." (opens a list and reads its variables)
  QLineEdit* Edit_contextos;     // "Lista de contextos"
  QPushButton* bt_contextos;     // "..."
  QComboBox* ComboBox_variavel;  // "Variável" (from the list's .var)
  QLineEdit* Edit_grau;          // "Grau mínimo" (empty: any degree above 0)
  QPushButton* bt_calcula;       // "Calcula"
  QPushButton* bt_grafico;       // "Gráfico"
  QTableWidget* Tabela;          // the crosstab, as the command line prints it
  QPlainTextEdit* Memo_avisos;   // warnings and unreliable categories
  QStatusBar* StatusBar1;
};

class Tform_crosstab : public QMainWindow, public Form, private Tform_crosstabUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_crosstabUi;
 public:
  explicit Tform_crosstab(Windows& windows);

  void bt_docsClick();
  void bt_contextosClick();
  void bt_calculaClick();
  void bt_graficoClick();

  // The last crosstab calculated (empty before one, or after a failed run).
  const std::optional<statistics::Crosstab>& resultado() const { return resultado_; }
  // Its picture; stops when there is none.
  charts::CrosstabPicture figura() const;

 private:
  void build_layout();
  void limpa();
  std::optional<statistics::Crosstab> resultado_;
  QString variavel_;  // the variable of resultado_
};

}  // namespace lumeral::gui
