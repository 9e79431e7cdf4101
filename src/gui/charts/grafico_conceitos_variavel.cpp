#include "gui/charts/grafico_conceitos_variavel.h"

#include <QScrollArea>

#include "charts/picture_export.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tgrafico_crosstab::Tgrafico_crosstab(Windows& windows, Fonte fonte)
    : PictureWindow(windows, QStringLiteral("Gráfico dos Conceitos por Variável")), fonte_(std::move(fonte)) {
  tabela = new charts::CrosstabView;
  auto* rolagem = new QScrollArea;
  rolagem->setWidget(tabela);
  rolagem->setWidgetResizable(true);
  set_content(rolagem);
  set_exporter([this](const QString& path) {
    return charts::save_picture(
        path, tabela->picture_size(), [this](QPainter& p, const QRectF& area) { tabela->paint(p, area); },
        windowTitle());
  });
  resize(1000, 600);
}

void Tgrafico_crosstab::atualiza() { tabela->set_picture(fonte_()); }

}  // namespace lumeral::gui
