#include "gui/charts/mapa_similaridade.h"

#include "charts/picture_export.h"
#include "core/charts/heatmap.h"
#include "gui/clustering/clusterizacao.h"

namespace lumeral::gui {

Tmapa_similaridade::Tmapa_similaridade(Windows& windows, Tform_cluster& cluster)
    : ChartWindow(windows, QStringLiteral("Mapa de Similaridades")), cluster_(cluster) {
  mapa = new charts::HeatmapView;
  rolagem = new QScrollArea;
  rolagem->setWidgetResizable(true);
  rolagem->setWidget(mapa);
  set_content(rolagem);
  // The picture is the whole map at its own size, whatever part of it the
  // window shows.
  set_exporter([this](const QString& path) {
    return charts::save_picture(
        path, mapa->picture_size(), [this](QPainter& p, const QRectF& area) { mapa->paint(p, area); },
        windowTitle());
  });
  resize(1000, 800);
}

void Tmapa_similaridade::atualiza() {
  const auto& clusters = cluster_.clusters();
  std::optional<clustering::Clusters> formed;
  // The clusters the window lists: creating a matrix empties that list, so
  // clusters of an earlier matrix never order a new one.
  if (cluster_.ListBox_clusters->count() > 0 && !clusters.members.empty()) formed = clusters;
  auto model = charts::heatmap_model(cluster_.ListBox_docs->lines(), cluster_.matriz(), formed);
  mapa->set_model(std::move(model), [this](double v) { return qs(regional().format(v, "0.0000")); });
  mapa->setMinimumSize(mapa->minimum_picture_size());
}

}  // namespace lumeral::gui
