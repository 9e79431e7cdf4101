#include "gui/charts/mapa_similaridade.h"

#include "charts/picture_export.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tmapa_similaridade::Tmapa_similaridade(Windows& windows, Fonte fonte)
    : PictureWindow(windows, QStringLiteral("Mapa de Similaridades")), fonte_(std::move(fonte)) {
  mapa = new charts::HeatmapView;
  rolagem = new QScrollArea;
  rolagem->setWidgetResizable(true);
  rolagem->setWidget(mapa);
  set_content(rolagem);
  // The picture is the whole map at its own size, whatever part of it the
  // window shows; a PNG of a long list stays within 4,096 pixels a side.
  set_exporter([this](const QString& path) {
    return charts::save_picture(
        path, mapa->picture_size(), [this](QPainter& p, const QRectF& area) { mapa->paint(p, area); },
        windowTitle(), mapa->png_scale());
  });
  resize(1000, 800);
}

void Tmapa_similaridade::atualiza() {
  mapa->set_model(fonte_(), [this](double v) { return qs(regional().format(v, "0.0000")); });
  mapa->setMinimumSize(mapa->minimum_picture_size());
}

}  // namespace lumeral::gui
