#include "charts/network_view.h"

#include <QFontMetricsF>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QPainter>
#include <QPainterPathStroker>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "charts/graph_layout.h"
#include "core/base/encoding.h"

namespace lumeral::charts {

namespace {

constexpr double kMinDiameter = 14;
constexpr double kMaxDiameter = 56;
constexpr double kMinWidth = 1;
constexpr double kMaxWidth = 7;
constexpr double kArrow = 10;
const QColor kEdgeColour(110, 110, 120);

QString text_of(AnsiView label) { return QString::fromStdString(to_utf8(label)); }

QFont label_font() {
  QFont f;
  f.setPointSizeF(9);
  return f;
}

QFont edge_font() {
  QFont f;
  f.setPointSizeF(7.5);
  return f;
}

double largest(const std::vector<double>& values) {
  double m = 0;
  for (double v : values) m = std::max(m, v);
  return m;
}

// A click is a press and release on the same spot; anything more is a drag.
bool is_click(QPointF pressed, QPointF released) { return (released - pressed).manhattanLength() < 4; }

}  // namespace

NetworkLegend concept_network_legend() {
  return {QStringLiteral("Associações entre Conceitos"),
          {QStringLiteral("Área do círculo: número de documentos do conceito"),
           QStringLiteral("Seta A → B: regra A => B"), QStringLiteral("Espessura da seta: confiança"),
           QStringLiteral("Rótulo da seta: confiança / suporte")},
          QStringLiteral("Grupo")};
}

NetworkLegend cooccurrence_network_legend(std::size_t strongest) {
  return {QStringLiteral("Co-ocorrência de Termos"),
          {QStringLiteral("Os %1 pares de maior peso").arg(strongest),
           QStringLiteral("Área do círculo: peso total da palavra"),
           QStringLiteral("Espessura da linha: peso do par")},
          QStringLiteral("Grupo")};
}

// ---------------------------------------------------------------- nodes

NetworkNodeItem::NetworkNodeItem(NetworkScene& scene, std::size_t index, double diameter, const QColor& colour,
                                 const QString& label)
    : scene_(scene), index_(index), diameter_(diameter), colour_(colour), label_(label) {
  setFlag(ItemIsMovable);
  setFlag(ItemSendsGeometryChanges);
  setCursor(Qt::PointingHandCursor);
  setZValue(2);
  setToolTip(label);
}

QRectF NetworkNodeItem::label_rect() const {
  QFontMetricsF fm(label_font());
  const double w = fm.horizontalAdvance(label_) + 6;
  const double h = fm.height() + 2;
  // Under the circle, centred.
  return QRectF(-w / 2, radius() + 1, w, h);
}

QSizeF NetworkNodeItem::box() const {
  const QRectF l = label_rect();
  // The layout centres the box on the node's position: the box is
  // symmetric around the circle's centre, tall enough for the label below.
  const double half_height = radius() + 1 + l.height();
  return QSizeF(std::max(diameter_, l.width()), 2 * half_height);
}

QRectF NetworkNodeItem::boundingRect() const {
  return QRectF(-radius() - 1, -radius() - 1, diameter_ + 2, diameter_ + 2).united(label_rect());
}

QPainterPath NetworkNodeItem::shape() const {
  QPainterPath p;
  p.addEllipse(QPointF(0, 0), radius(), radius());
  p.addRect(label_rect());
  return p;
}

void NetworkNodeItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(QPen(colour_.darker(150), 1.2));
  painter->setBrush(colour_);
  painter->drawEllipse(QPointF(0, 0), radius(), radius());
  const QRectF l = label_rect();
  painter->setPen(Qt::NoPen);
  painter->setBrush(QColor(255, 255, 255, 210));
  painter->drawRoundedRect(l, 3, 3);
  painter->setPen(Qt::black);
  painter->setFont(label_font());
  painter->drawText(l, Qt::AlignCenter, label_);
}

QVariant NetworkNodeItem::itemChange(GraphicsItemChange change, const QVariant& value) {
  if (change == ItemPositionHasChanged)
    for (auto* e : edges_) e->adjust();
  return QGraphicsItem::itemChange(change, value);
}

void NetworkNodeItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
  pressed_at_ = event->scenePos();
  QGraphicsItem::mousePressEvent(event);
}

void NetworkNodeItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
  QGraphicsItem::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && is_click(pressed_at_, event->scenePos())) scene_.click_node(index_);
}

// ---------------------------------------------------------------- edges

NetworkEdgeItem::NetworkEdgeItem(NetworkScene& scene, std::size_t index, NetworkNodeItem* from, NetworkNodeItem* to,
                                 double width, bool directed, const QString& label, bool show_label)
    : scene_(scene),
      index_(index),
      from_(from),
      to_(to),
      width_(width),
      directed_(directed),
      label_(label),
      show_label_(show_label) {
  setZValue(show_label ? 1 : 0);
  setAcceptHoverEvents(show_label);
  setCursor(Qt::PointingHandCursor);
  setToolTip(from->label() + (directed ? QStringLiteral(" → ") : QStringLiteral(" — ")) + to->label() +
             QStringLiteral(": ") + label);
  from->add_edge(this);
  to->add_edge(this);
  adjust();
}

void NetworkEdgeItem::adjust() {
  prepareGeometryChange();
  const QPointF p = from_->pos();
  const QPointF q = to_->pos();
  const QLineF line(p, q);
  const double length = line.length();
  if (length < from_->radius() + to_->radius() + 1) {
    a_ = b_ = p;
    return;
  }
  const QPointF unit = (q - p) / length;
  a_ = p + unit * from_->radius();
  b_ = q - unit * (to_->radius() + 1);
}

QRectF NetworkEdgeItem::label_box_at(double along, double across) const {
  QFontMetricsF fm(edge_font());
  const double w = fm.horizontalAdvance(label_) + 4;
  const double h = fm.height();
  const QPointF d = b_ - a_;
  const double length = std::hypot(d.x(), d.y());
  const QPointF normal = length > 0 ? QPointF(d.y() / length, -d.x() / length) : QPointF(0, -1);
  const QPointF m = a_ + d * along + normal * across;
  return QRectF(m.x() - w / 2, m.y() - h / 2, w, h);
}

QRectF NetworkEdgeItem::label_box() const {
  return show_label_ && label_placed_ ? label_box_at(along_, across_) : QRectF();
}

QRectF NetworkEdgeItem::label_rect() const {
  if (!show_label_) return {};
  if (label_placed_) return label_box_at(along_, across_);
  return hovered_ ? label_box_at(0.5, 0) : QRectF();
}

void NetworkEdgeItem::place_label(double along, double across) {
  prepareGeometryChange();
  label_placed_ = true;
  along_ = along;
  across_ = across;
}

void NetworkEdgeItem::label_on_hover_only() {
  prepareGeometryChange();
  label_placed_ = false;
}

QRectF NetworkEdgeItem::boundingRect() const {
  const double extra = width_ + kArrow;
  QRectF r = QRectF(a_, b_).normalized().adjusted(-extra, -extra, extra, extra);
  // The middle too, where a label shown on hovering is drawn.
  return show_label_ ? r.united(label_box_at(along_, across_)).united(label_box_at(0.5, 0)) : r;
}

QPainterPath NetworkEdgeItem::shape() const {
  QPainterPath line(a_);
  line.lineTo(b_);
  QPainterPathStroker stroker;
  stroker.setWidth(std::max(width_, 8.0));  // easy to click even when thin
  QPainterPath p = stroker.createStroke(line);
  if (const QRectF l = label_rect(); !l.isEmpty()) p.addRect(l);
  return p;
}

void NetworkEdgeItem::hoverEnterEvent(QGraphicsSceneHoverEvent* event) {
  if (show_label_ && !label_placed_) {
    prepareGeometryChange();
    hovered_ = true;
    setZValue(3);  // above the nodes while its label shows
  }
  QGraphicsItem::hoverEnterEvent(event);
}

void NetworkEdgeItem::hoverLeaveEvent(QGraphicsSceneHoverEvent* event) {
  if (hovered_) {
    prepareGeometryChange();
    hovered_ = false;
    setZValue(1);
  }
  QGraphicsItem::hoverLeaveEvent(event);
}

void NetworkEdgeItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  if (a_ == b_) return;
  painter->setRenderHint(QPainter::Antialiasing);
  const QLineF line(a_, b_);
  QColor colour = kEdgeColour;
  colour.setAlpha(directed_ ? 220 : 150);
  QLineF shaft = line;
  if (directed_ && line.length() > kArrow) {
    // The shaft stops where the arrowhead begins, so a thick line does not
    // blunt its tip.
    shaft.setLength(line.length() - kArrow + 1);
    const double angle = std::atan2(a_.y() - b_.y(), a_.x() - b_.x());
    const double spread = 0.42;
    const double head = kArrow + width_ * 0.6;
    QPolygonF arrow;
    arrow << b_ << b_ + QPointF(std::cos(angle + spread) * head, std::sin(angle + spread) * head)
          << b_ + QPointF(std::cos(angle - spread) * head, std::sin(angle - spread) * head);
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    painter->drawPolygon(arrow);
  }
  painter->setPen(QPen(colour, width_, Qt::SolidLine, Qt::FlatCap));
  painter->drawLine(shaft);
  if (const QRectF l = label_rect(); !l.isEmpty()) {
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(255, 255, 240, 225));
    painter->drawRect(l);
    painter->setPen(QColor(60, 60, 60));
    painter->setFont(edge_font());
    painter->drawText(l, Qt::AlignCenter, label_);
  }
}

void NetworkEdgeItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
  // Accepted so the release comes here (the view does not start panning).
  event->accept();
}

void NetworkEdgeItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
  if (event->button() == Qt::LeftButton && is_click(event->buttonDownScenePos(Qt::LeftButton), event->scenePos()))
    scene_.click_edge(index_);
}

// ---------------------------------------------------------------- scene

NetworkScene::NetworkScene(QObject* parent) : QGraphicsScene(parent) { setBackgroundBrush(Qt::white); }

QColor NetworkScene::community_colour(int community) {
  // Ten colours that stay apart from each other and from black text.
  static const QColor palette[] = {{78, 121, 167},  {242, 142, 43}, {89, 161, 79},  {225, 87, 89},
                                   {118, 183, 178}, {237, 201, 72}, {176, 122, 161}, {255, 157, 167},
                                   {156, 117, 95},  {186, 176, 172}};
  return palette[static_cast<std::size_t>(std::max(community, 0)) % std::size(palette)];
}

void NetworkScene::show_network(const Network& network, const NetworkLegend& legend) {
  clear();
  nodes_.clear();
  edges_.clear();
  network_ = network;

  std::vector<double> weights;
  for (const auto& n : network.nodes) weights.push_back(n.weight);
  const double heaviest = largest(weights);
  for (std::size_t i = 0; i < network.nodes.size(); ++i) {
    const auto& n = network.nodes[i];
    // Area by weight: the diameter grows with its square root.
    const double share = heaviest > 0 ? std::sqrt(std::max(n.weight, 0.0) / heaviest) : 0.5;
    const double diameter = kMinDiameter + (kMaxDiameter - kMinDiameter) * share;
    auto* item = new NetworkNodeItem(*this, i, diameter, community_colour(n.community), text_of(n.label));
    nodes_.push_back(item);
  }
  std::vector<QSizeF> boxes;
  for (auto* item : nodes_) boxes.push_back(item->box());
  // Each edge long enough for the two circles and, where drawn, its label.
  std::vector<double> lengths;
  const QFontMetricsF edge_metrics(edge_font());
  for (const auto& e : network.edges) {
    double length = nodes_[e.from]->radius() + nodes_[e.to]->radius() + 40;
    // Room for twice the label: crossing edges of a dense network keep
    // their labels apart.
    if (network.edge_labels) length += 2 * edge_metrics.horizontalAdvance(text_of(e.label)) + 40;
    lengths.push_back(length);
  }
  std::vector<QPointF> at;
  try {
    at = layout_network(network, boxes, lengths);
  } catch (...) {
    for (auto* item : nodes_) delete item;
    nodes_.clear();
    throw;
  }
  if (network.edge_labels) {
    // Spread the layout until every edge has room for its label between
    // the two circles (dense networks cross edges near the middle, where
    // short edges would pile their labels up).
    double spread = 1;
    for (std::size_t k = 0; k < network.edges.size(); ++k) {
      const auto& e = network.edges[k];
      const double distance = QLineF(at[e.from], at[e.to]).length();
      const double needed = nodes_[e.from]->radius() + nodes_[e.to]->radius() +
                            edge_metrics.horizontalAdvance(text_of(e.label)) + 24;
      if (distance > 1) spread = std::max(spread, needed / distance);
    }
    spread = std::min(spread, 4.0);
    for (auto& p : at) p *= spread;
  }
  for (std::size_t i = 0; i < nodes_.size(); ++i) {
    nodes_[i]->setPos(at[i]);
    addItem(nodes_[i]);
  }

  std::vector<double> edge_weights;
  for (const auto& e : network.edges) edge_weights.push_back(e.weight);
  const double strongest = largest(edge_weights);
  for (std::size_t i = 0; i < network.edges.size(); ++i) {
    const auto& e = network.edges[i];
    const double share = strongest > 0 ? std::max(e.weight, 0.0) / strongest : 0.5;
    auto* item = new NetworkEdgeItem(*this, i, nodes_[e.from], nodes_[e.to], kMinWidth + (kMaxWidth - kMinWidth) * share,
                                     e.directed, text_of(e.label), network.edge_labels);
    edges_.push_back(item);
    addItem(item);
  }
  if (network.edge_labels) place_edge_labels();

  // The legend, to the right of the network.
  const QRectF drawn = itemsBoundingRect();
  double x = (drawn.isNull() ? 0 : drawn.right()) + 40;
  double y = drawn.isNull() ? 0 : drawn.top();
  QFont title_font = label_font();
  title_font.setBold(true);
  title_font.setPointSizeF(11);
  auto* title = addSimpleText(legend.title, title_font);
  title->setPos(x, y);
  y += title->boundingRect().height() + 6;
  for (const QString& line : legend.lines) {
    auto* t = addSimpleText(line, label_font());
    t->setPos(x, y);
    y += t->boundingRect().height() + 2;
  }
  if (!legend.community_caption.isEmpty()) {
    y += 6;
    const int groups = network.community_count();
    const int shown = std::min(groups, 10);
    for (int c = 0; c < shown; ++c) {
      auto* swatch = addEllipse(0, 0, 12, 12, QPen(community_colour(c).darker(150)), community_colour(c));
      swatch->setPos(x, y + 2);
      auto* t = addSimpleText(legend.community_caption + QStringLiteral(" %1").arg(c + 1), label_font());
      t->setPos(x + 18, y);
      y += t->boundingRect().height() + 3;
    }
    if (groups > shown) {
      auto* t = addSimpleText(QStringLiteral("(cores repetidas a partir do grupo 11)"), label_font());
      t->setPos(x, y);
    }
  }
  setSceneRect(itemsBoundingRect().adjusted(-20, -20, 20, 20));
}

namespace {

// Rectangles looked up by the square cells of a grid they cover, so a
// question about one rectangle looks at its neighbours only.
class RectGrid {
 public:
  void add(const QRectF& r) {
    const std::size_t i = rects_.size();
    rects_.push_back(r);
    for_cells(r, [&](long long key) { cells_[key].push_back(i); });
  }
  bool hits(const QRectF& r) const {
    bool hit = false;
    for_cells(r, [&](long long key) {
      if (hit) return;
      auto it = cells_.find(key);
      if (it == cells_.end()) return;
      for (std::size_t i : it->second)
        if (rects_[i].intersects(r)) {
          hit = true;
          return;
        }
    });
    return hit;
  }

 private:
  static constexpr double kCell = 64;
  template <class F>
  static void for_cells(const QRectF& r, F f) {
    const auto x0 = static_cast<long long>(std::floor(r.left() / kCell));
    const auto x1 = static_cast<long long>(std::floor(r.right() / kCell));
    const auto y0 = static_cast<long long>(std::floor(r.top() / kCell));
    const auto y1 = static_cast<long long>(std::floor(r.bottom() / kCell));
    for (long long x = x0; x <= x1; ++x)
      for (long long y = y0; y <= y1; ++y) f(x * 1000003LL + y);
  }
  std::vector<QRectF> rects_;
  std::unordered_map<long long, std::vector<std::size_t>> cells_;
};

}  // namespace

void NetworkScene::place_edge_labels() {
  // Nodes (circle and name) are fixed; labels are placed from the
  // strongest edge down, each at the first place along its line (the middle
  // first, then away from it, on the line or beside it) that touches no
  // node and no label placed before. A label with no such place is shown
  // while the pointer is over its edge.
  RectGrid taken;
  for (auto* node : nodes_) taken.add(node->sceneBoundingRect());
  std::vector<std::size_t> order(edges_.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
    return network_.edges[x].weight > network_.edges[y].weight;
  });
  static const double kAlong[] = {0.5, 0.4, 0.6, 0.3, 0.7, 0.2, 0.8};
  for (std::size_t i : order) {
    NetworkEdgeItem* edge = edges_[i];
    const double h = edge->label_box_at(0.5, 0).height();
    const double kAcross[] = {0, h * 0.6, -h * 0.6};
    bool placed = false;
    for (double along : kAlong) {
      for (double across : kAcross) {
        const QRectF box = edge->label_box_at(along, across).adjusted(-1, -1, 1, 1);
        if (taken.hits(box)) continue;
        edge->place_label(along, across);
        taken.add(box);
        placed = true;
        break;
      }
      if (placed) break;
    }
    if (!placed) edge->label_on_hover_only();
  }
}

// ---------------------------------------------------------------- view

NetworkView::NetworkView(NetworkScene* scene, QWidget* parent) : QGraphicsView(scene, parent) {
  setRenderHint(QPainter::Antialiasing);
  setRenderHint(QPainter::TextAntialiasing);
  setDragMode(QGraphicsView::ScrollHandDrag);
  setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
  setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
}

void NetworkView::fit() {
  if (!scene()) return;
  resetTransform();
  const QRectF r = scene()->sceneRect();
  if (r.isEmpty()) return;
  fitInView(r, Qt::KeepAspectRatio);
  // Never enlarge a small network beyond its natural size.
  if (transform().m11() > 1.0) resetTransform();
}

void NetworkView::zoom(double factor) {
  const double now = transform().m11();
  const double next = std::clamp(now * factor, 0.05, 20.0);
  scale(next / now, next / now);
}

void NetworkView::wheelEvent(QWheelEvent* event) {
  const double steps = event->angleDelta().y() / 120.0;
  if (steps == 0) return QGraphicsView::wheelEvent(event);
  zoom(std::pow(1.15, steps));
  event->accept();
}

}  // namespace lumeral::charts
