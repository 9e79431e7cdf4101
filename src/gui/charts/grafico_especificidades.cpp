#include "gui/charts/grafico_especificidades.h"

#include <QScrollArea>

#include "charts/picture_export.h"
#include "charts/specificities_chart.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {
constexpr int kLargura = 880;
}  // namespace

Tgrafico_especificidades::Tgrafico_especificidades(Windows& windows, Fonte fonte)
    : PictureWindow(windows, QStringLiteral("Gráfico das Especificidades")), fonte_(std::move(fonte)) {
  rolagem_ = new QScrollArea;
  rolagem_->setWidgetResizable(true);
  set_content(rolagem_);
  set_exporter([this](const QString& path) {
    return quadro ? charts::save_widget(path, *quadro, windowTitle()) : QStringLiteral("Não há figura para exportar");
  });
  resize(920, 800);
}

void Tgrafico_especificidades::atualiza() {
  const auto data = fonte_();
  quadro = charts::stacked_bar_charts(data, kLargura);
  rolagem_->setWidget(quadro);  // the frame before is deleted
}

}  // namespace lumeral::gui
