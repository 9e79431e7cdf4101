// The window `form_especificidades` ("Especificidades"): for a document
// list with its variables file and one variable, the words each category
// uses more than the others (their occurrences in the category and in the
// rest, the expected occurrences, G2 and p), the "Top N" of greatest G2
// per category in one table with the category first. "Exportar..." writes
// the table; "Gráfico" opens the bars of each category's G2.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>

#include <vector>

#include "charts/bar_chart.h"
#include "core/statistics/specificities.h"
#include "gui/base/form.h"

namespace lumeral::gui {

// The controls of `Tform_especificidades`: its own and its tests' (TestAccess).
struct Tform_especificidadesUi {
  QLineEdit* Edit_docs;          // "Lista de documentos"
  QPushButton* bt_docs;          // "..." (opens a list and reads its variables)
  QComboBox* ComboBox_variavel;  // "Variável"
  QSpinBox* SpinEdit_top;        // "Top N": words per category, 20 at first
  QPushButton* bt_calcula;       // "Calcula"
  QPushButton* bt_grafico;       // "Gráfico"
  QPushButton* bt_nuvem;         // "Nuvem de palavras": of the chosen row's category
  QTableWidget* Tabela;          // category, word, occurrences, expected, G2, p
  QPlainTextEdit* Memo_avisos;   // the assignment's warnings
  QStatusBar* StatusBar1;
};

class Tform_especificidades : public QMainWindow, public Form, private Tform_especificidadesUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_especificidadesUi;
 public:
  explicit Tform_especificidades(Windows& windows);

  void bt_docsClick();
  void bt_calculaClick();
  void bt_graficoClick();
  // The word cloud of the documents of the category of the current row.
  void bt_nuvemClick();
  // A double click on a row: the concordance of its word in the list.
  void TabelaDblClick(int row);

  // The words of each category last calculated (empty before).
  const std::vector<statistics::CategoryWords>& resultado() const { return resultado_; }
  // The bar charts of the result; stops when there is none.
  std::vector<charts::BarChartData> figura() const;

 private:
  void build_layout();
  std::vector<statistics::CategoryWords> resultado_;
};

}  // namespace lumeral::gui
