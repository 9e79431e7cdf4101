#include "charts/biplot_view.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsRectItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QPen>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/base/encoding.h"

namespace lumeral::charts {

namespace {

constexpr double kPlotWidth = 720;
constexpr double kPlotHeight = 560;
constexpr double kMarker = 8;      // a point's marker, side or diameter
constexpr double kLabelGap = 3;    // between a marker and its name
constexpr int kIndexKey = 0;       // a marker's data: the point's index

QString text_of(AnsiView stored) { return QString::fromStdString(to_utf8(stored)); }

}  // namespace

QString axis_caption(std::size_t axis, double percent, const Regional& regional) {
  return QStringLiteral("Eixo %1 (%2%)").arg(axis).arg(text_of(regional.format(percent, "0.0")));
}

BiplotModel biplot_model(const statistics::CaRun& run, const Regional& regional, const QString& title) {
  const statistics::CaResult& ca = run.result;
  BiplotModel m;
  m.title = title;
  const auto share = [&](std::size_t k) { return 100.0 * ca.inertias[k] / ca.total_inertia; };
  m.x_caption = axis_caption(1, ca.inertias.empty() ? 0.0 : share(0), regional);
  m.y_caption = ca.inertias.size() > 1 ? axis_caption(2, share(1), regional) : QStringLiteral("Eixo 2 (0%)");
  m.rows_caption = std::string_view(run.row_kind) == "palavra" ? QStringLiteral("Palavras") : QStringLiteral("Conceitos");
  const auto add = [&](const std::vector<statistics::CaPoint>& points, bool category) {
    for (const statistics::CaPoint& p : points)
      m.points.push_back({text_of(p.name), p.coordinates.empty() ? 0.0 : p.coordinates[0],
                          p.coordinates.size() > 1 ? p.coordinates[1] : 0.0, category, p.mass});
  };
  add(ca.rows, false);
  add(ca.columns, true);
  return m;
}

std::vector<std::optional<QRectF>> place_labels(const std::vector<QPointF>& anchors,
                                                const std::vector<QSizeF>& sizes,
                                                const std::vector<QRectF>& obstacles, double gap,
                                                const QRectF& bounds) {
  std::vector<std::optional<QRectF>> placed(anchors.size());
  std::vector<QRectF> taken;
  const auto free = [&](const QRectF& r) {
    for (const QRectF& o : obstacles)
      if (r.intersects(o)) return false;
    for (const QRectF& t : taken)
      if (r.intersects(t)) return false;
    return true;
  };
  for (std::size_t i = 0; i < anchors.size(); ++i) {
    const QPointF p = anchors[i];
    const double w = sizes[i].width(), h = sizes[i].height();
    // First the places inside the bounds, then any.
    for (int pass = 0; pass < 2 && !placed[i]; ++pass)
      for (int ring = 1; ring <= 4 && !placed[i]; ++ring) {
        const double d = gap * ring + (ring - 1) * h / 2;
        const QRectF candidates[] = {
            {p.x() + d, p.y() - h / 2, w, h},     {p.x() - d - w, p.y() - h / 2, w, h},
            {p.x() - w / 2, p.y() - d - h, w, h}, {p.x() - w / 2, p.y() + d, w, h},
            {p.x() + d, p.y() - d - h, w, h},     {p.x() - d - w, p.y() - d - h, w, h},
            {p.x() + d, p.y() + d, w, h},         {p.x() - d - w, p.y() + d, w, h},
        };
        for (const QRectF& c : candidates)
          if ((pass == 1 || bounds.isEmpty() || bounds.contains(c)) && free(c)) {
            placed[i] = c;
            taken.push_back(c);
            break;
          }
      }
  }
  return placed;
}

BiplotScene::BiplotScene(QObject* parent) : QGraphicsScene(parent) { setBackgroundBrush(Qt::white); }

QColor BiplotScene::row_colour() { return QColor(0x1f, 0x77, 0xb4); }
QColor BiplotScene::category_colour() { return QColor(0xd6, 0x27, 0x28); }

void BiplotScene::show_model(const BiplotModel& model) {
  clear();
  markers_.clear();
  labels_.clear();
  model_ = model;
  if (model_.points.empty()) return;
  const auto& points = model_.points;
  double min_x = 0, max_x = 0, min_y = 0, max_y = 0;
  for (const BiplotPoint& p : points) {
    min_x = std::min(min_x, p.x), max_x = std::max(max_x, p.x);
    min_y = std::min(min_y, p.y), max_y = std::max(max_y, p.y);
  }
  // Room around the points for their names; one unit as long on both axes.
  const double span_x = std::max(max_x - min_x, 1e-9) * 1.2, span_y = std::max(max_y - min_y, 1e-9) * 1.2;
  const double scale = std::min(kPlotWidth / span_x, kPlotHeight / span_y);
  const double cx = (min_x + max_x) / 2, cy = (min_y + max_y) / 2;
  const auto at = [&](double x, double y) { return QPointF((x - cx) * scale, -(y - cy) * scale); };
  const QRectF frame(-span_x * scale / 2, -span_y * scale / 2, span_x * scale, span_y * scale);

  QFont plain;
  QFont bold = plain;
  bold.setBold(true);
  QFont title_font = bold;
  title_font.setPointSizeF(plain.pointSizeF() * 1.25);
  const QPen axis_pen(QColor(0x88, 0x88, 0x88), 1, Qt::DashLine);
  addRect(frame, QPen(QColor(0xbb, 0xbb, 0xbb)));
  const QPointF origin = at(0, 0);
  addLine(frame.left(), origin.y(), frame.right(), origin.y(), axis_pen);
  addLine(origin.x(), frame.top(), origin.x(), frame.bottom(), axis_pen);

  auto* title = addSimpleText(model_.title, title_font);
  title->setPos(frame.left(), frame.top() - title->boundingRect().height() - 12);
  auto* x_caption = addSimpleText(model_.x_caption, bold);
  x_caption->setPos(frame.right() - x_caption->boundingRect().width(), frame.bottom() + 6);
  auto* y_caption = addSimpleText(model_.y_caption, bold);
  y_caption->setRotation(-90);
  y_caption->setPos(frame.left() - y_caption->boundingRect().height() - 6, frame.top() + y_caption->boundingRect().width());

  // The legend under the frame, at its left.
  double lx = frame.left();
  const double ly = frame.bottom() + 8;
  const auto legend = [&](bool category, const QString& caption) {
    const QColor c = category ? category_colour() : row_colour();
    if (category) addRect(lx, ly + 4, kMarker, kMarker, QPen(c.darker()), c);
    else addEllipse(lx, ly + 4, kMarker, kMarker, QPen(c.darker()), c);
    auto* t = addSimpleText(caption, plain);
    t->setPos(lx + kMarker + 6, ly);
    lx += kMarker + 6 + t->boundingRect().width() + 20;
  };
  legend(false, model_.rows_caption);
  legend(true, QStringLiteral("Categorias"));

  std::vector<QPointF> anchors;
  std::vector<QRectF> obstacles;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const BiplotPoint& p = points[i];
    const QPointF c = at(p.x, p.y);
    const QRectF box(c.x() - kMarker / 2, c.y() - kMarker / 2, kMarker, kMarker);
    const QColor colour = p.category ? category_colour() : row_colour();
    QGraphicsItem* item = p.category ? static_cast<QGraphicsItem*>(addRect(box, QPen(colour.darker()), colour))
                                     : addEllipse(box, QPen(colour.darker()), colour);
    item->setData(kIndexKey, static_cast<int>(i));
    item->setToolTip(p.name);
    item->setCursor(Qt::PointingHandCursor);
    item->setZValue(2);
    markers_.push_back(item);
    anchors.push_back(c);
    obstacles.push_back(box);
  }
  // Names in order of weight: the categories, then the rows by mass.
  std::vector<std::size_t> order(points.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (points[a].category != points[b].category) return points[a].category;
    return points[a].mass > points[b].mass;
  });
  std::vector<QPointF> ordered_anchors;
  std::vector<QSizeF> sizes;
  for (std::size_t i : order) {
    ordered_anchors.push_back(anchors[i]);
    // Measured as the scene draws it, so the boxes placed are the items'.
    QGraphicsSimpleTextItem probe(points[i].name);
    probe.setFont(points[i].category ? bold : plain);
    sizes.push_back(probe.boundingRect().size());
  }
  const auto boxes = place_labels(ordered_anchors, sizes, obstacles, kLabelGap + kMarker / 2, frame);
  labels_.assign(points.size(), nullptr);
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (!boxes[k]) continue;
    const std::size_t i = order[k];
    auto* label = addSimpleText(points[i].name, points[i].category ? bold : plain);
    label->setBrush(points[i].category ? category_colour().darker(130) : row_colour().darker(130));
    label->setPos(boxes[k]->topLeft());
    label->setZValue(1);
    labels_[i] = label;
  }
}

void BiplotScene::mousePressEvent(QGraphicsSceneMouseEvent* event) {
  for (QGraphicsItem* item : items(event->scenePos())) {
    const QVariant index = item->data(kIndexKey);
    if (index.isValid()) {
      emit point_clicked(index.toInt());
      break;
    }
  }
  QGraphicsScene::mousePressEvent(event);
}

BiplotView::BiplotView(BiplotScene* scene, QWidget* parent) : QGraphicsView(scene, parent) {
  setRenderHint(QPainter::Antialiasing);
  setRenderHint(QPainter::TextAntialiasing);
  setDragMode(QGraphicsView::ScrollHandDrag);
  setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
  setBackgroundBrush(Qt::white);
}

void BiplotView::fit() {
  if (!scene()) return;
  fitInView(scene()->itemsBoundingRect().adjusted(-20, -20, 20, 20), Qt::KeepAspectRatio);
}

void BiplotView::zoom(double factor) { scale(factor, factor); }

void BiplotView::wheelEvent(QWheelEvent* event) {
  const double steps = event->angleDelta().y() / 120.0;
  if (steps == 0) return;
  zoom(std::pow(1.15, steps));
  event->accept();
}

}  // namespace lumeral::charts
