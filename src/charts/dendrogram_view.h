// The dendrogram of a hierarchical clustering drawn by hand: the documents
// as leaves along the bottom (in the tree's own order, so no branch
// crosses another), each merge a bracket at the height of its distance, an
// axis of distances on the left, and a horizontal cut line: the branches
// under it are coloured by the cluster they fall in. A tree of more than
// kMostLeaves documents is drawn from the top down to its kShownClusters
// highest clusters, each shown as a wedge labelled with its number of
// documents. The widget zooms with the wheel and lets the cut line be
// dragged; `paint` draws the same picture on any painter (the window, an
// exported file, `lumeral-cli chart dendrogram`).
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "core/clustering/hierarchical.h"

namespace lumeral::charts {

// What the picture draws: the merges and the names of the documents, in
// list order (tree.n of them).
struct DendrogramModel {
  clustering::Dendrogram tree;
  QStringList names;
};

class DendrogramView : public QWidget {
  Q_OBJECT
 public:
  static constexpr std::size_t kMostLeaves = 200;
  static constexpr std::size_t kShownClusters = 100;

  explicit DendrogramView(QWidget* parent = nullptr);

  // `number` writes a distance as the program shows numbers.
  void set_model(DendrogramModel model, std::function<QString(double)> number = {});
  const DendrogramModel& model() const { return model_; }

  // The distance of a line that leaves k clusters (halfway between the
  // last merge made and the first left out), and the clusters a line at a
  // distance leaves.
  static double height_for(const clustering::Dendrogram& d, std::size_t k);
  static std::size_t clusters_at(const clustering::Dendrogram& d, double height);

  // The cut line at a distance; none: no line, nothing coloured.
  void set_cut(std::optional<double> height);
  std::optional<double> cut() const { return cut_; }
  // The highest merge (0 without merges).
  double top_height() const;

  // The whole picture in `area`.
  void paint(QPainter& painter, const QRectF& area) const;
  // The size at which every label is read: leaves a label's height apart.
  QSize picture_size() const;
  // The widget is the picture at this scale (the wheel changes it).
  double zoom() const { return zoom_; }
  void set_zoom(double zoom);

  // The leaves drawn, left to right: a document's name, or the number of
  // documents of a cluster drawn as one leaf.
  const QStringList& leaf_labels() const { return labels_; }
  // Where their labels are written when the picture fills `area`.
  std::vector<QRectF> label_rects(const QRectF& area) const;
  // The distance at a height of the widget, and the height of a distance.
  double height_at(double y) const;
  double y_of(double height) const;

 signals:
  // The user moved the cut line to `height`.
  void cut_dragged(double height);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // One node drawn: a leaf (a document, or a cluster drawn whole) or a merge.
  struct Node {
    double height = 0;
    double x = 0;               // in leaf positions (0 .. leaves - 1)
    int left = -1, right = -1;  // children drawn (merges only)
    std::size_t documents = 1;
    bool merge = false;
  };
  struct Geometry {
    QRectF plot;         // the tree
    double spacing = 0;  // between leaves
    double label = 0;    // the band of names under the plot
    double top = 1;      // the distance at the plot's top
    double base = 0;     // and at its bottom, where the leaves are
  };
  void build();
  Geometry geometry(const QRectF& area) const;
  double label_band() const;
  double leaf_spacing() const;
  // Each node's colour index under the cut (-1: above it).
  std::vector<int> colours() const;
  void drag_to(double y);

  DendrogramModel model_;
  std::function<QString(double)> number_;
  std::vector<Node> nodes_;  // children before parents; the root last
  QStringList labels_;
  std::optional<double> cut_;
  double zoom_ = 1;
  bool dragging_ = false;
};

}  // namespace lumeral::charts
