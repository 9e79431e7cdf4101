// The bar chart of the centroid window `form_centro`: the heaviest words of
// the centroid shown in that window and, under it, the heaviest words of one
// document's differences. The document is chosen in the toolbar; choosing
// one selects it in the window and runs "Mostra diferenças do doc
// selecionado" there, so the chart always draws what the window lists (a
// missing difference file gives that window's message). Redrawn whenever
// the window's lists change.
#pragma once

#include <QChartView>

#include "charts/bar_chart.h"
#include "gui/charts/chart_window.h"

class QComboBox;
class QSpinBox;

namespace lumeral::gui {

class Tform_centro;

class Tgrafico_centroide : public ChartWindow {
  Q_OBJECT
 public:
  Tgrafico_centroide(Windows& windows, Tform_centro& centro);

  QComboBox* ComboBox_doc;  // "Diferenças do documento:" (the window's documents)
  QSpinBox* SpinEdit_top;   // "Palavras:" bars per chart, 30 at first
  charts::BarChart* grafico_centro;
  charts::BarChart* grafico_dif;
  QChartView* vista_centro;
  QChartView* vista_dif;

  // Choosing a document: its differences in the window, then in the chart.
  void ComboBox_docChange(int index);
  void atualiza() override;

 private:
  void atualiza_documentos();
  Tform_centro& centro_;
};

}  // namespace lumeral::gui
