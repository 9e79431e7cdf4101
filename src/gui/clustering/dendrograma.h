// The dendrogram window `dendrograma` ("Dendrograma"): the tree of a
// hierarchical clustering of the clustering window's list, read from the
// list's dendrogram file (`<list>.dnd`, or one chosen) or computed on the
// clustering window's matrix with the chosen linkage (and then saved there,
// as `lumeral-cli cluster --hierarchical` does). A horizontal line cuts the
// tree: dragged with the mouse, or placed by "k grupos" (the number of
// clusters) or "altura" (a distance), the three kept in step. "Aplica
// corte" hands the clusters of the cut to the clustering window, which
// lists them as it lists those of a threshold, so its heatmap, "Mostra docs
// de um cluster", the saved lists and the export work on them. The
// clustering window opens it ("Dendrograma").
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>

#include <optional>

#include "charts/dendrogram_view.h"
#include "core/clustering/hierarchical.h"
#include "gui/base/picture_window.h"

namespace lumeral::gui {

// The controls of `Tdendrograma`: its own and its tests' (TestAccess).
struct TdendrogramaUi {
  QScrollArea* rolagem;
  charts::DendrogramView* arvore;
  QComboBox* Combo_ligacao;  // "Ligação:" average, complete, single, ward
  QPushButton* bt_calcula;   // "Calcula árvore"
  QPushButton* bt_abre;      // "Abre dendrograma..."
  QSpinBox* SpinEdit_k;      // "k grupos:"
  QLineEdit* Edit_altura;    // "altura:"
  QPushButton* bt_corte;     // "Aplica corte"
};

class Tdendrograma : public PictureWindow, private TdendrogramaUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = TdendrogramaUi;

 public:
  explicit Tdendrograma(Windows& windows);

  // Shown with the tree of the clustering window's list: its dendrogram
  // file when there is one for a list of that size, else computed on the
  // window's matrix when it has one.
  void abre();
  void bt_calculaClick();
  void bt_abreClick();
  void SpinEdit_kChange();            // the line moves to leave k clusters
  void Edit_alturaChange();           // the line moves to the distance typed
  void arvoreArrasto(double height);  // the line dragged: k and the distance follow
  void bt_corteClick();

  // Redraws the tree shown.
  void atualiza() override;

  const std::optional<clustering::Dendrogram>& arvore_mostrada() const { return arvore_; }

 private:
  void build_layout();
  void mostra(clustering::Dendrogram tree);
  void poe_linha(double height);

  std::optional<clustering::Dendrogram> arvore_;
  // Which field the cut follows: the number of clusters, or the distance
  // (typed or dragged).
  bool por_k_ = true;
  double altura_ = 0;
};

}  // namespace lumeral::gui
