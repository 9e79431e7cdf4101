// The concept-frequency chart of the mining panel: one bar per row of the
// table "Freqüência de Conceitos", absolute frequency as its length and the
// relative frequency written at its end, in the table's order. It follows
// the table: every change of its rows (a run, a sort, a restored project,
// "Voltar ao início") redraws the chart. The panel owns it; the registry
// hands it the panel's rows and table (FonteFrequencias).
#pragma once

#include <QChartView>

#include <functional>
#include <vector>

#include "charts/bar_chart.h"
#include "core/shell/status_file.h"
#include "gui/base/picture_window.h"

class QAbstractItemModel;

namespace lumeral::gui {

class TMinera;

// What the chart reads of the mining panel.
struct FonteFrequencias {
  std::function<std::vector<shell::FrequencyRow>()> linhas;  // the table's rows, in its order
  QAbstractItemModel* tabela;  // the table, whose changes redraw the chart
};

// The controls of `Tgrafico_frequencias`: its own and its tests' (TestAccess).
struct Tgrafico_frequenciasUi {
  QChartView* vista;
};

class Tgrafico_frequencias : public PictureWindow, private Tgrafico_frequenciasUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tgrafico_frequenciasUi;
 public:
  // The panel's chart, its rows through the registry.
  Tgrafico_frequencias(Windows& windows, TMinera& minera);
  Tgrafico_frequencias(Windows& windows, FonteFrequencias fonte);

  charts::BarChart* grafico;

  // Redraws the chart from the panel's table.
  void atualiza() override;

 private:
  FonteFrequencias fonte_;
};

}  // namespace lumeral::gui
