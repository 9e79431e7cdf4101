// The bar chart of the centroid window `form_centro`: the heaviest words of
// the centroid shown in that window and, under it, the heaviest words of one
// document's differences. The document is chosen in the toolbar; choosing
// one selects it in the window and runs "Mostra diferenças do doc
// selecionado" there, so the chart always draws what the window lists (a
// missing difference file gives that window's message). Redrawn whenever
// the window's lists change. The registry creates it and gives it the
// window's lists and command (Fonte).
#pragma once

#include <QChartView>

#include <functional>

#include "charts/bar_chart.h"
#include "core/comparison/centroid.h"
#include "gui/base/list_box.h"
#include "gui/base/picture_window.h"

class QComboBox;
class QSpinBox;

namespace lumeral::gui {

// The controls of `Tgrafico_centroide`: its own and its tests' (TestAccess).
struct Tgrafico_centroideUi {
  QComboBox* ComboBox_doc;  // "Diferenças do documento:" (the window's documents)
  QSpinBox* SpinEdit_top;   // "Palavras:" bars per chart, 30 at first
  QChartView* vista_centro;
  QChartView* vista_dif;
};

class Tgrafico_centroide : public PictureWindow, private Tgrafico_centroideUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tgrafico_centroideUi;
 public:
  // What the chart reads of the centroid window.
  struct Fonte {
    ListBox* centro;       // the centroid: word | weight
    ListBox* diferencas;   // the chosen document's differences
    ListBox* documentos;   // the documents; its current row is the chosen one
    std::function<void()> mostra_diferencas;  // "Mostra diferenças do doc selecionado"
    // The rows the two lists show, drawn as bars.
    std::function<const std::vector<comparison::ResultRow>&()> linhas_centro;
    std::function<const std::vector<comparison::ResultRow>&()> linhas_diferencas;
  };
  Tgrafico_centroide(Windows& windows, Fonte fonte);

  charts::BarChart* grafico_centro;
  charts::BarChart* grafico_dif;

  // Choosing a document: its differences in the window, then in the chart.
  void ComboBox_docChange(int index);
  void atualiza() override;

 private:
  void atualiza_documentos();
  Fonte fonte_;
};

}  // namespace lumeral::gui
