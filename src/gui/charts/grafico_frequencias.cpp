#include "gui/charts/grafico_frequencias.h"

#include <QAbstractItemModel>

#include "core/charts/bars.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tgrafico_frequencias::Tgrafico_frequencias(Windows& windows, TMinera& minera)
    : Tgrafico_frequencias(windows, windows.fonte_frequencias(minera)) {}

Tgrafico_frequencias::Tgrafico_frequencias(Windows& windows, FonteFrequencias fonte)
    : PictureWindow(windows, QStringLiteral("Gráfico de Freqüência de Conceitos")), fonte_(std::move(fonte)) {
  grafico = new charts::BarChart(charts::frequency_chart_data({}));
  vista = charts::bar_chart_view(grafico);
  set_content(vista);
  resize(820, 560);
  // Every change of the table's rows redraws the chart.
  QAbstractItemModel* rows = fonte_.tabela;
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
    auto bars = charts::frequency_bars(fonte_.linhas(), regional());
    vista->setMinimumHeight(std::min(charts::bar_chart_height(bars.size()), 700));
    auto data = charts::frequency_chart_data(std::move(bars));
    data.decimal_comma = regional().decimal_separator() == ',';
    grafico->set_data(data);
  });
}

}  // namespace lumeral::gui
