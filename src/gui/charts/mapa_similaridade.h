// The similarity heatmap of the clustering window `form_cluster`: the
// matrix of the loaded list with rows and columns ordered by the clusters
// formed (documents in no cluster last), each cluster's block framed; a
// cell's tooltip names the two documents and their similarity. The
// clustering window redraws it after creating or opening a matrix and after
// grouping.
#pragma once

#include <QScrollArea>

#include "charts/heatmap_view.h"
#include "gui/charts/chart_window.h"

namespace lumeral::gui {

class Tform_cluster;

class Tmapa_similaridade : public ChartWindow {
  Q_OBJECT
 public:
  Tmapa_similaridade(Windows& windows, Tform_cluster& cluster);

  charts::HeatmapView* mapa;
  QScrollArea* rolagem;

  // Redraws from the clustering window; stops with its refusal when the
  // matrix is not of the loaded list.
  void atualiza() override;

 private:
  Tform_cluster& cluster_;
};

}  // namespace lumeral::gui
