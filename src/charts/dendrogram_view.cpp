#include "charts/dendrogram_view.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace lumeral::charts {

namespace {

constexpr double kMargin = 16;
constexpr double kAxis = 70;    // the distances' numbers and caption
constexpr double kRight = 110;  // the cut line's caption
constexpr double kTitleHeight = 34;
constexpr double kPlotHeight = 400;
constexpr double kMostLabel = 220;  // longer names are elided
constexpr double kSmallestZoom = 0.2, kLargestZoom = 8;

const QColor kAbove(0x40, 0x40, 0x40);
const QColor kCutLine(0xc0, 0x10, 0x10);

QColor cluster_colour(int index) {
  static const QColor palette[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c),
                                   QColor(0xd6, 0x27, 0x28), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
                                   QColor(0xe3, 0x77, 0xc2), QColor(0x99, 0x66, 0x00), QColor(0xbc, 0xbd, 0x22),
                                   QColor(0x17, 0xbe, 0xcf)};
  return palette[static_cast<std::size_t>(index) % std::size(palette)];
}

QString linkage_name(clustering::Linkage l) {
  switch (l) {
    case clustering::Linkage::Average:
      return QStringLiteral("média");
    case clustering::Linkage::Complete:
      return QStringLiteral("completa");
    case clustering::Linkage::Single:
      return QStringLiteral("simples");
    case clustering::Linkage::Ward:
      return QStringLiteral("Ward");
  }
  return {};
}

}  // namespace

DendrogramView::DendrogramView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  number_ = [](double v) { return QString::number(v, 'f', 3); };
}

void DendrogramView::set_model(DendrogramModel model, std::function<QString(double)> number) {
  model_ = std::move(model);
  if (number) number_ = std::move(number);
  build();
  set_zoom(zoom_);
  update();
}

void DendrogramView::build() {
  nodes_.clear();
  labels_.clear();
  const std::size_t n = model_.tree.n;
  const auto& merges = model_.tree.merges;
  if (n == 0 || merges.size() + 1 != n) return;
  // Merges before this one are drawn inside the cluster they make.
  const std::size_t first_shown = n > kMostLeaves ? n - kShownClusters : 0;
  std::vector<int> index(2 * n - 1, -1);
  std::vector<std::pair<std::size_t, bool>> stack{{2 * n - 2, false}};
  double next_x = 0;
  while (!stack.empty()) {
    const auto [id, expanded] = stack.back();
    stack.pop_back();
    Node node;
    if (id < n || id - n < first_shown) {
      node.x = next_x++;
      if (id < n) {
        labels_ << (static_cast<qsizetype>(id) < model_.names.size() ? model_.names[static_cast<qsizetype>(id)]
                                                                     : QString::number(id + 1));
      } else {
        const clustering::Merge& m = merges[id - n];
        node.height = m.height;
        node.documents = m.size;
        labels_ << QStringLiteral("%1 docs").arg(m.size);
      }
    } else if (!expanded) {
      const clustering::Merge& m = merges[id - n];
      stack.push_back({id, true});
      stack.push_back({m.b, false});
      stack.push_back({m.a, false});
      continue;
    } else {
      const clustering::Merge& m = merges[id - n];
      node.merge = true;
      node.height = m.height;
      node.documents = m.size;
      node.left = index[m.a];
      node.right = index[m.b];
      node.x = (nodes_[static_cast<std::size_t>(node.left)].x + nodes_[static_cast<std::size_t>(node.right)].x) / 2;
    }
    index[id] = static_cast<int>(nodes_.size());
    nodes_.push_back(node);
  }
}

double DendrogramView::top_height() const {
  return model_.tree.merges.empty() ? 0.0 : model_.tree.merges.back().height;
}

double DendrogramView::height_for(const clustering::Dendrogram& d, std::size_t k) {
  const auto& merges = d.merges;
  if (merges.empty()) return 0;
  const std::size_t joined = d.n - std::clamp<std::size_t>(k, 1, d.n);
  if (joined == 0) return merges.front().height / 2;
  if (joined == merges.size()) return merges.back().height * 1.02;
  return (merges[joined - 1].height + merges[joined].height) / 2;
}

std::size_t DendrogramView::clusters_at(const clustering::Dendrogram& d, double height) {
  const auto joined = std::upper_bound(d.merges.begin(), d.merges.end(), height,
                                       [](double h, const clustering::Merge& m) { return h < m.height; }) -
                      d.merges.begin();
  return d.n - static_cast<std::size_t>(joined);
}

void DendrogramView::set_cut(std::optional<double> height) {
  cut_ = height;
  update();
}

double DendrogramView::leaf_spacing() const { return std::max(16.0, QFontMetricsF(font()).height() + 4); }

double DendrogramView::label_band() const {
  QFontMetricsF metrics(font());
  double w = 0;
  for (const QString& l : labels_) w = std::max(w, metrics.horizontalAdvance(l));
  return std::min(w, kMostLabel) + 12;
}

QSize DendrogramView::picture_size() const {
  const double leaves = static_cast<double>(std::max<qsizetype>(labels_.size(), 1));
  const double w = kMargin + kAxis + leaves * leaf_spacing() + kRight;
  const double h = kTitleHeight + kPlotHeight + label_band() + kMargin;
  return QSizeF(std::max(w, 480.0), std::max(h, 360.0)).toSize();
}

void DendrogramView::set_zoom(double zoom) {
  zoom_ = std::clamp(zoom, kSmallestZoom, kLargestZoom);
  const QSize base = picture_size();
  setMinimumSize(QSize(static_cast<int>(base.width() * zoom_), static_cast<int>(base.height() * zoom_)));
  updateGeometry();
  update();
}

DendrogramView::Geometry DendrogramView::geometry(const QRectF& area) const {
  Geometry g;
  g.label = label_band();
  g.plot = QRectF(area.left() + kMargin + kAxis, area.top() + kTitleHeight,
                  std::max(area.width() - kMargin - kAxis - kRight, 10.0),
                  std::max(area.height() - kTitleHeight - g.label - kMargin, 10.0));
  g.spacing = g.plot.width() / static_cast<double>(std::max<qsizetype>(labels_.size(), 1));
  g.top = top_height() > 0 ? top_height() * 1.05 : 1.0;
  // Merges crowded near the top (documents that share little) get the
  // plot's height: the axis starts a little under the lowest merge.
  const double lowest = model_.tree.merges.empty() ? 0.0 : model_.tree.merges.front().height;
  if (lowest > 0.3 * top_height()) g.base = std::max(0.0, lowest - 0.15 * (top_height() - lowest));
  return g;
}

double DendrogramView::height_at(double y) const {
  const Geometry g = geometry(QRectF(rect()));
  return g.base + (g.plot.bottom() - y) / g.plot.height() * (g.top - g.base);
}

double DendrogramView::y_of(double height) const {
  const Geometry g = geometry(QRectF(rect()));
  return g.plot.bottom() - (height - g.base) / (g.top - g.base) * g.plot.height();
}

std::vector<int> DendrogramView::colours() const {
  std::vector<int> colour(nodes_.size(), -1);
  if (!cut_ || nodes_.empty()) return colour;
  std::vector<int> parent(nodes_.size(), -1);
  for (std::size_t i = 0; i < nodes_.size(); ++i)
    if (nodes_[i].merge)
      parent[static_cast<std::size_t>(nodes_[i].left)] = parent[static_cast<std::size_t>(nodes_[i].right)] =
          static_cast<int>(i);
  // Children come before parents, a left subtree before a right one: the
  // clusters' roots are met left to right.
  int next = 0;
  for (std::size_t i = 0; i < nodes_.size(); ++i) {
    const bool below = nodes_[i].height <= *cut_;
    const bool parent_above = parent[i] < 0 || nodes_[static_cast<std::size_t>(parent[i])].height > *cut_;
    if (below && parent_above) colour[i] = next++;
  }
  for (std::size_t i = nodes_.size(); i-- > 0;)
    if (colour[i] < 0 && parent[i] >= 0) colour[i] = colour[static_cast<std::size_t>(parent[i])];
  return colour;
}

std::vector<QRectF> DendrogramView::label_rects(const QRectF& area) const {
  std::vector<QRectF> out;
  const Geometry g = geometry(area);
  QFontMetricsF metrics(font());
  const double line = metrics.height();
  // Labels closer than a line are thinned out: every step-th is written.
  const auto step = static_cast<qsizetype>(std::max(1.0, std::ceil(line / g.spacing)));
  for (qsizetype i = 0; i < labels_.size(); i += step) {
    const double x = g.plot.left() + (static_cast<double>(i) + 0.5) * g.spacing;
    const double w = std::min(metrics.horizontalAdvance(labels_[i]), kMostLabel);
    out.emplace_back(x - line / 2, g.plot.bottom() + 6, line, w);
  }
  return out;
}

void DendrogramView::paint(QPainter& painter, const QRectF& area) const {
  painter.save();
  painter.fillRect(area, Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  const Geometry g = geometry(area);
  QFont bold = font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.setPen(Qt::black);
  painter.drawText(QRectF(area.left() + kMargin, area.top(), area.width() - 2 * kMargin, kTitleHeight),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Dendrograma (ligação %1)").arg(linkage_name(model_.tree.linkage)));
  painter.setFont(font());
  const auto y = [&](double h) {
    return g.plot.bottom() - (std::max(h, g.base) - g.base) / (g.top - g.base) * g.plot.height();
  };
  const auto x = [&](const Node& n) { return g.plot.left() + (n.x + 0.5) * g.spacing; };

  // The axis of distances.
  painter.setPen(QPen(kAbove, 1));
  const double axis_x = g.plot.left() - 8;
  painter.drawLine(QPointF(axis_x, g.plot.top()), QPointF(axis_x, g.plot.bottom()));
  for (int t = 0; t <= 5; ++t) {
    const double h = g.base + (g.top - g.base) * t / 5;
    painter.drawLine(QPointF(axis_x - 4, y(h)), QPointF(axis_x, y(h)));
    painter.drawText(QRectF(axis_x - kAxis + 14, y(h) - 10, kAxis - 20, 20), Qt::AlignRight | Qt::AlignVCenter,
                     number_(h));
  }
  painter.save();
  painter.translate(area.left() + kMargin, g.plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-g.plot.height() / 2, -2, g.plot.height(), 18), Qt::AlignCenter,
                   QStringLiteral("distância (1 - similaridade)"));
  painter.restore();

  // The brackets, and a wedge for each cluster drawn as one leaf.
  const std::vector<int> colour = colours();
  auto pen_of = [&](int c) { return QPen(c < 0 ? kAbove : cluster_colour(c), 1.6); };
  for (std::size_t i = 0; i < nodes_.size(); ++i) {
    const Node& n = nodes_[i];
    if (n.merge) {
      const Node& l = nodes_[static_cast<std::size_t>(n.left)];
      const Node& r = nodes_[static_cast<std::size_t>(n.right)];
      painter.setPen(pen_of(colour[i]));
      QPainterPath bracket;
      bracket.moveTo(x(l), y(l.height));
      bracket.lineTo(x(l), y(n.height));
      bracket.lineTo(x(r), y(n.height));
      bracket.lineTo(x(r), y(r.height));
      painter.drawPath(bracket);
    } else if (n.documents > 1) {
      const QColor c = colour[i] < 0 ? kAbove : cluster_colour(colour[i]);
      QPolygonF wedge;
      wedge << QPointF(x(n), y(n.height)) << QPointF(x(n) - 0.35 * g.spacing, g.plot.bottom())
            << QPointF(x(n) + 0.35 * g.spacing, g.plot.bottom());
      painter.setPen(QPen(c, 1));
      painter.setBrush(c.lighter(150));
      painter.drawPolygon(wedge);
      painter.setBrush(Qt::NoBrush);
    }
  }

  // The names under the leaves, read from the top down.
  painter.setPen(Qt::black);
  QFontMetricsF metrics(font());
  const std::vector<QRectF> rects = label_rects(area);
  const auto step = static_cast<qsizetype>(std::max(1.0, std::ceil(metrics.height() / g.spacing)));
  for (std::size_t k = 0; k < rects.size(); ++k) {
    const QRectF& r = rects[k];
    const QString text = metrics.elidedText(labels_[static_cast<qsizetype>(k) * step], Qt::ElideRight, kMostLabel);
    painter.save();
    painter.translate(r.center().x(), r.top());
    painter.rotate(90);
    painter.translate(0, -metrics.height() / 2);
    painter.drawText(QRectF(0, 0, r.height() + 4, metrics.height()), Qt::AlignLeft | Qt::AlignTop, text);
    painter.restore();
  }

  // The cut line, with its distance and the clusters it leaves.
  if (cut_ && model_.tree.n > 0) {
    const double cy = y(std::min(*cut_, g.top));
    painter.setPen(QPen(kCutLine, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(g.plot.left() - 8, cy), QPointF(g.plot.right() + 6, cy));
    painter.drawText(QRectF(g.plot.right() + 10, cy - 20, kRight - 12, 40), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("%1\n%2 grupos").arg(number_(*cut_)).arg(clusters_at(model_.tree, *cut_)));
  }
  painter.restore();
}

void DendrogramView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paint(painter, QRectF(rect()));
}

void DendrogramView::drag_to(double y) {
  const Geometry g = geometry(QRectF(rect()));
  const double h = std::clamp(height_at(y), g.base, g.top);
  set_cut(h);
  emit cut_dragged(h);
}

void DendrogramView::mousePressEvent(QMouseEvent* event) {
  const Geometry g = geometry(QRectF(rect()));
  if (event->button() != Qt::LeftButton || model_.tree.merges.empty() || event->position().y() > g.plot.bottom() + 4)
    return QWidget::mousePressEvent(event);
  dragging_ = true;
  drag_to(event->position().y());
}

void DendrogramView::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) drag_to(event->position().y());
}

void DendrogramView::mouseReleaseEvent(QMouseEvent* event) {
  if (dragging_ && event->button() == Qt::LeftButton) dragging_ = false;
}

void DendrogramView::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) return QWidget::wheelEvent(event);
  set_zoom(delta > 0 ? zoom_ * 1.25 : zoom_ / 1.25);
  event->accept();
}

}  // namespace lumeral::charts
