// The concept-frequency chart of the mining panel: one bar per row of the
// table "Freqüência de Conceitos", absolute frequency as its length and the
// relative frequency written at its end, in the table's order. It follows
// the table: every change of its rows (a run, a sort, a restored project,
// "Voltar ao início") redraws the chart.
#pragma once

#include <QChartView>

#include "charts/bar_chart.h"
#include "gui/charts/chart_window.h"

class QTreeWidget;

namespace lumeral::gui {

class TMinera;

class Tgrafico_frequencias : public ChartWindow {
  Q_OBJECT
 public:
  Tgrafico_frequencias(Windows& windows, TMinera& minera);

  charts::BarChart* grafico;
  QChartView* vista;

  // Redraws the chart from the panel's table.
  void atualiza() override;

 private:
  TMinera& minera_;
};

}  // namespace lumeral::gui
