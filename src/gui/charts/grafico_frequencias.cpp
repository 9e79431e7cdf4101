#include "gui/charts/grafico_frequencias.h"

#include <QAbstractItemModel>
#include <QScrollArea>

#include "charts/picture_export.h"
#include "core/charts/bars.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tgrafico_frequencias::Tgrafico_frequencias(Windows& windows, TMinera& minera)
    : Tgrafico_frequencias(windows, windows.fonte_frequencias(minera)) {}

Tgrafico_frequencias::Tgrafico_frequencias(Windows& windows, FonteFrequencias fonte)
    : PictureWindow(windows, QStringLiteral("Gráfico de Freqüência de Conceitos")), fonte_(std::move(fonte)) {
  grafico = new charts::BarChart(charts::frequency_chart_data({}));
  vista = charts::bar_chart_view(grafico);
  // The chart is as tall as its bars need, so no concept name is ever cut
  // short; the window scrolls, and the export draws the whole chart.
  auto* rolagem = new QScrollArea;
  rolagem->setWidgetResizable(true);
  rolagem->setWidget(vista);
  set_content(rolagem);
  set_exporter([this](const QString& path) { return charts::save_widget(path, *vista, windowTitle()); });
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
    vista->setMinimumHeight(charts::bar_chart_height(bars.size()));
    auto data = charts::frequency_chart_data(std::move(bars));
    data.decimal_comma = regional().decimal_separator() == ',';
    grafico->set_data(data);
  });
}

}  // namespace lumeral::gui
