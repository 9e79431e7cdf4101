// The similarity heatmap of the clustering window `form_cluster`: the
// matrix of the loaded list with rows and columns ordered by the clusters
// formed (documents in no cluster last), each cluster's block framed; a
// cell's tooltip names the two documents and their similarity. The
// registry creates it, giving it the clustering window's model, and
// redraws it when that window has created or opened a matrix or grouped.
#pragma once

#include <QScrollArea>

#include <functional>

#include "charts/heatmap_view.h"
#include "core/charts/heatmap.h"
#include "gui/base/picture_window.h"

namespace lumeral::gui {

// The controls of `Tmapa_similaridade`: its own and its tests' (TestAccess).
struct Tmapa_similaridadeUi {
  QScrollArea* rolagem;
};

class Tmapa_similaridade : public PictureWindow, private Tmapa_similaridadeUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tmapa_similaridadeUi;
 public:
  // The model as the source window shows it now; it stops with the
  // window's refusal when there is nothing to draw.
  using Fonte = std::function<charts::HeatmapModel()>;
  Tmapa_similaridade(Windows& windows, Fonte fonte);

  charts::HeatmapView* mapa;

  // Redraws from the clustering window; stops with its refusal when the
  // matrix is not of the loaded list.
  void atualiza() override;

 private:
  Fonte fonte_;
};

}  // namespace lumeral::gui
