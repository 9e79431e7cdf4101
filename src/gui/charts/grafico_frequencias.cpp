#include "gui/charts/grafico_frequencias.h"

#include <QAbstractItemModel>
#include <QTreeWidget>

#include "core/charts/bars.h"
#include "gui/mining/minera.h"

namespace lumeral::gui {

Tgrafico_frequencias::Tgrafico_frequencias(Windows& windows, TMinera& minera)
    : ChartWindow(windows, QStringLiteral("Gráfico de Freqüência de Conceitos")), minera_(minera) {
  grafico = new charts::BarChart(charts::frequency_chart_data({}));
  vista = charts::bar_chart_view(grafico);
  set_content(vista);
  resize(820, 560);
  // Every change of the table's rows redraws the chart.
  QAbstractItemModel* rows = minera_.ListView_contexto->model();
  auto later = [this] { agenda_atualizacao(); };
  connect(rows, &QAbstractItemModel::rowsInserted, this, later);
  connect(rows, &QAbstractItemModel::rowsRemoved, this, later);
  connect(rows, &QAbstractItemModel::modelReset, this, later);
  connect(rows, &QAbstractItemModel::layoutChanged, this, later);
  connect(rows, &QAbstractItemModel::dataChanged, this, later);
  atualiza();
}

void Tgrafico_frequencias::atualiza() {
  command([this] {
    auto bars = charts::frequency_bars(minera_.linhas_frequencia(), regional());
    vista->setMinimumHeight(std::min(charts::bar_chart_height(bars.size()), 700));
    auto data = charts::frequency_chart_data(std::move(bars));
    data.decimal_comma = regional().decimal_separator() == ',';
    grafico->set_data(data);
  });
}

}  // namespace lumeral::gui
