#include "gui/charts/grafico_centroide.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

#include "charts/picture_export.h"
#include "core/charts/bars.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {

// Calls `redraw` whenever the rows of `list` change.
template <class F>
void follow(QObject* context, QAbstractItemModel* list, F redraw) {
  QObject::connect(list, &QAbstractItemModel::rowsInserted, context, redraw);
  QObject::connect(list, &QAbstractItemModel::rowsRemoved, context, redraw);
  QObject::connect(list, &QAbstractItemModel::modelReset, context, redraw);
  QObject::connect(list, &QAbstractItemModel::layoutChanged, context, redraw);
  QObject::connect(list, &QAbstractItemModel::dataChanged, context, redraw);
}

}  // namespace

Tgrafico_centroide::Tgrafico_centroide(Windows& windows, Fonte fonte)
    : PictureWindow(windows, QStringLiteral("Gráfico do Centróide e das Diferenças")), fonte_(std::move(fonte)) {
  barra->addSeparator();
  barra->addWidget(new QLabel(QStringLiteral(" Diferenças do documento: "), barra));
  ComboBox_doc = new QComboBox(barra);
  ComboBox_doc->setMinimumContentsLength(18);
  ComboBox_doc->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  barra->addWidget(ComboBox_doc);
  barra->addWidget(new QLabel(QStringLiteral("  Palavras: "), barra));
  SpinEdit_top = new QSpinBox(barra);
  SpinEdit_top->setRange(1, 1000);
  SpinEdit_top->setValue(static_cast<int>(charts::kDefaultTopBars));
  barra->addWidget(SpinEdit_top);

  auto* quadro = new QWidget;
  quadro->setAutoFillBackground(true);
  auto* v = new QVBoxLayout(quadro);
  v->setContentsMargins(0, 0, 0, 0);
  grafico_centro = new charts::BarChart;
  grafico_dif = new charts::BarChart;
  vista_centro = charts::bar_chart_view(grafico_centro);
  vista_dif = charts::bar_chart_view(grafico_dif);
  v->addWidget(vista_centro, 1);
  v->addWidget(vista_dif, 1);
  // Each chart as tall as its bars need, in a scrolled area; the export
  // draws both charts whole.
  auto* rolagem = new QScrollArea;
  rolagem->setWidgetResizable(true);
  rolagem->setWidget(quadro);
  set_content(rolagem);
  set_exporter([this, quadro](const QString& path) { return charts::save_widget(path, *quadro, windowTitle()); });
  resize(900, 900);

  connect(ComboBox_doc, &QComboBox::activated, this, [this](int index) { ComboBox_docChange(index); });
  connect(SpinEdit_top, &QSpinBox::valueChanged, this, [this] { atualiza(); });
  follow(this, fonte_.centro->model(), [this] { agenda_atualizacao(); });
  follow(this, fonte_.diferencas->model(), [this] { agenda_atualizacao(); });
  follow(this, fonte_.documentos->model(), [this] { agenda_atualizacao(); });
  atualiza();
}

void Tgrafico_centroide::atualiza_documentos() {
  const QSignalBlocker quiet(ComboBox_doc);
  ComboBox_doc->clear();
  for (int i = 0; i < fonte_.documentos->count(); ++i) ComboBox_doc->addItem(qs(fonte_.documentos->line(i)));
  ComboBox_doc->setCurrentIndex(fonte_.documentos->currentRow());
}

void Tgrafico_centroide::ComboBox_docChange(int index) {
  if (index < 0 || index >= fonte_.documentos->count()) return;
  fonte_.documentos->setCurrentRow(index);
  fonte_.mostra_diferencas();
}

void Tgrafico_centroide::atualiza() {
  atualiza_documentos();
  command([this] {
    const auto top = static_cast<std::size_t>(SpinEdit_top->value());
    auto centro = charts::heaviest_bars(fonte_.linhas_centro(), top, regional());
    auto dif = charts::heaviest_bars(fonte_.linhas_diferencas(), top, regional());
    const int row = fonte_.documentos->currentRow();
    const QString doc = row >= 0 ? qs(fonte_.documentos->line(row)).trimmed() : QStringLiteral("documento");
    vista_centro->setMinimumHeight(charts::bar_chart_height(centro.size()));
    vista_dif->setMinimumHeight(charts::bar_chart_height(dif.size()));
    vista_dif->setVisible(!dif.empty());
    auto data_centro = charts::centroid_chart_data(std::move(centro), top);
    auto data_dif = charts::differences_chart_data(std::move(dif), top, doc);
    data_centro.decimal_comma = data_dif.decimal_comma = regional().decimal_separator() == ',';
    grafico_centro->set_data(data_centro);
    grafico_dif->set_data(data_dif);
  });
}

}  // namespace lumeral::gui
