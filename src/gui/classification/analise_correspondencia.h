// The window `form_ac` ("Análise de Correspondência"): a picture window
// whose panel at the right chooses a document list with its variables file,
// a variable, and the rows of the table (the concepts of a context list,
// documents holding each at a minimum degree, or the N most frequent words,
// their occurrences); "Calcula" runs the analysis and draws the map of the
// first two axes (zoom with the wheel, drag to scroll). The panel shows the
// principal inertias; "Exportar..." under it writes them, the one under the
// documents the coordinates. A click on a point lists its documents (a
// category's, or those holding the concept or word); a double click on one
// shows its text. "Exportar figura..." writes the map (PNG, SVG, PDF).
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <optional>

#include "charts/biplot_view.h"
#include "core/statistics/correspondence.h"
#include "gui/base/list_box.h"
#include "gui/base/picture_window.h"
#include "gui/base/radio_group.h"

namespace lumeral::gui {

// The controls of `Tform_ac`: its own and its tests' (TestAccess).
struct Tform_acUi {
  QLineEdit* Edit_docs;          // "Lista de documentos"
  QPushButton* bt_docs;          // "..."
  QComboBox* ComboBox_variavel;  // "Variável"
  RadioGroup* RadioGroup_linhas; // "Analisar": "Conceitos" (0), "Palavras mais freqüentes" (1)
  QLineEdit* Edit_contextos;     // "Lista de contextos"
  QPushButton* bt_contextos;     // "..."
  QLineEdit* Edit_grau;          // "Grau mínimo"
  QSpinBox* SpinEdit_palavras;   // "Palavras": N, 30 at first
  QPushButton* bt_calcula;       // "Calcula"
  QTableWidget* Tabela_inercia;  // the principal inertias
  QLabel* Label_ponto;           // the point clicked
  ListBox* ListBox_docs;         // its documents
  QAction* bt_ajustar_mapa;      // "Ajustar à janela"
  charts::BiplotScene* Cena;
  charts::BiplotView* Vista;
};

class Tform_ac : public PictureWindow, private Tform_acUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_acUi;
 public:
  explicit Tform_ac(Windows& windows);

  void bt_docsClick();
  void bt_contextosClick();
  void bt_calculaClick();
  // A click on the point `index` of the map (the rows, then the categories).
  void PontoClick(int index);
  void ListBox_docsDblClick();
  // "Atualizar": the analysis run again on the same choices.
  void atualiza() override;

  const std::optional<statistics::CaRun>& resultado() const { return resultado_; }

 private:
  void build_layout();
  void habilita_linhas();
  void calcula();  // "Calcula" without its command frame
  std::optional<statistics::CaRun> resultado_;
  // What the result was calculated from, for the documents of a point.
  std::filesystem::path lista_;
  Ansi variavel_;
  double grau_ = 0;
};

}  // namespace lumeral::gui
