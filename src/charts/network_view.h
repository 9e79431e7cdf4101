// The picture of a network: nodes as circles (area by weight, colour by
// community) with their labels, edges as lines (width by weight, an
// arrowhead for directed edges, a label where the network draws them), and
// a legend. NetworkScene builds it (laid out by graph_layout.h) and is what
// is exported; NetworkView shows it, zooms with the wheel, pans by dragging
// the background and lets the user drag a node, its edges following.
#pragma once

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QString>
#include <QStringList>

#include <vector>

#include "core/charts/network.h"

class QGraphicsEllipseItem;
class QGraphicsPathItem;

namespace lumeral::charts {

class NetworkNodeItem;
class NetworkEdgeItem;

// What the legend says besides the community colours.
struct NetworkLegend {
  QString title;   // "Associações entre Conceitos"
  QStringList lines;  // one line per encoding: "Área do círculo: ..."
  QString community_caption;  // "Grupo" (numbered swatches); empty: no swatches
};

// The legends of the two networks, shared by the windows and the command
// line so both draw the same picture.
NetworkLegend concept_network_legend();
NetworkLegend cooccurrence_network_legend(std::size_t strongest);

class NetworkScene : public QGraphicsScene {
  Q_OBJECT
 public:
  explicit NetworkScene(QObject* parent = nullptr);

  // Lays the network out and draws it, replacing what the scene held.
  // A layout refused by Graphviz stops with a Portuguese message (the
  // scene is then empty).
  void show_network(const Network& network, const NetworkLegend& legend);

  const Network& network() const { return network_; }
  std::size_t node_count() const { return nodes_.size(); }
  std::size_t edge_count() const { return edges_.size(); }
  NetworkNodeItem* node_item(std::size_t i) const { return nodes_[i]; }
  NetworkEdgeItem* edge_item(std::size_t i) const { return edges_[i]; }

  // A click on a node or an edge (a press and release without dragging);
  // also what the items call.
  void click_node(std::size_t i) { emit node_clicked(static_cast<int>(i)); }
  void click_edge(std::size_t i) { emit edge_clicked(static_cast<int>(i)); }

  // The colour of a community.
  static QColor community_colour(int community);

 signals:
  void node_clicked(int index);
  void edge_clicked(int index);

 private:
  void place_edge_labels();
  Network network_;
  std::vector<NetworkNodeItem*> nodes_;
  std::vector<NetworkEdgeItem*> edges_;
};

class NetworkView : public QGraphicsView {
  Q_OBJECT
 public:
  explicit NetworkView(NetworkScene* scene, QWidget* parent = nullptr);
  // Fits the whole picture into the view.
  void fit();
  // Zooms by `factor` around the view's centre.
  void zoom(double factor);

 protected:
  void wheelEvent(QWheelEvent* event) override;
};

// A node: a circle centred on its position, with its label.
class NetworkNodeItem : public QGraphicsItem {
 public:
  NetworkNodeItem(NetworkScene& scene, std::size_t index, double diameter, const QColor& colour, const QString& label);
  QRectF boundingRect() const override;
  QPainterPath shape() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
  // The size the node takes on the picture (circle and label box).
  QSizeF box() const;
  double radius() const { return diameter_ / 2; }
  std::size_t index() const { return index_; }
  QString label() const { return label_; }
  void add_edge(NetworkEdgeItem* edge) { edges_.push_back(edge); }

 protected:
  QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
  void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

 private:
  QRectF label_rect() const;
  NetworkScene& scene_;
  std::size_t index_;
  double diameter_;
  QColor colour_;
  QString label_;
  std::vector<NetworkEdgeItem*> edges_;
  QPointF pressed_at_;
};

// An edge: a line between the two circles' borders, an arrowhead at the
// target when directed, and its label when drawn: at the place along the
// line the scene found free of nodes and of other labels, or, when it found
// none, only while the pointer is over the edge.
class NetworkEdgeItem : public QGraphicsItem {
 public:
  NetworkEdgeItem(NetworkScene& scene, std::size_t index, NetworkNodeItem* from, NetworkNodeItem* to, double width,
                  bool directed, const QString& label, bool show_label);
  QRectF boundingRect() const override;
  QPainterPath shape() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
  // Follows the nodes after one of them moved.
  void adjust();
  std::size_t index() const { return index_; }
  QString label() const { return label_; }
  // Where the label is drawn always (scene coordinates); empty when it is
  // drawn only on hovering, or not at all.
  QRectF label_box() const;
  // The label's box at `along` (0 at the line's start, 1 at its end),
  // moved `across` pixels to the left of the line's direction.
  QRectF label_box_at(double along, double across) const;
  // Draws the label there from now on; or only on hovering.
  void place_label(double along, double across);
  void label_on_hover_only();

 protected:
  void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
  void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
  void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;

 private:
  QRectF label_rect() const;  // where it is drawn now (placed, or the middle while hovered)
  NetworkScene& scene_;
  std::size_t index_;
  NetworkNodeItem* from_;
  NetworkNodeItem* to_;
  double width_;
  bool directed_;
  QString label_;
  bool show_label_;
  bool label_placed_ = true;  // false: drawn only while hovered
  bool hovered_ = false;
  double along_ = 0.5, across_ = 0;
  QPointF a_, b_;  // the line's ends, on the circles' borders
};

}  // namespace lumeral::charts
