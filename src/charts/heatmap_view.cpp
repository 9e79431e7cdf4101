#include "charts/heatmap_view.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/base/encoding.h"

namespace lumeral::charts {

namespace {

constexpr double kMargin = 16;
constexpr double kTitleHeight = 34;
constexpr double kPreferredCell = 18;
constexpr double kMinimumCell = 3;
constexpr double kSmallestReadableCell = 7;
// The picture's longest side: a list of thousands of documents shrinks its
// cells (below a pixel: each pixel shows the mean of the cells it covers)
// instead of growing a picture of tens of thousands of pixels.
constexpr double kLargestSide = 4096;
// Beyond this many documents the cells are drawn as one image (a vector
// file of millions of squares helps no one).
constexpr std::size_t kMostVectorCells = 300;
// Names closer than this are thinned out: every k-th is written.
constexpr double kSmallestLabelStep = 8;

QString text_of(AnsiView stored) { return QString::fromStdString(to_utf8(stored)); }

// Room for the legend's longest caption beside its swatch.
double legend_width(const QFont& font) {
  return std::max(170.0, QFontMetricsF(font).horizontalAdvance(QStringLiteral("clusters (nenhum formado)")) + 34);
}

QString title_text() { return QStringLiteral("Similaridade entre documentos (ordenados por cluster)"); }

// White for 0, deep blue for the largest similarity shown.
QColor cell_colour(double value, double max) {
  const double t = max > 0 ? std::clamp(value / max, 0.0, 1.0) : 0.0;
  const QColor low(0xf7, 0xfb, 0xff), high(0x08, 0x30, 0x6b);
  auto mix = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
  return QColor(mix(low.red(), high.red()), mix(low.green(), high.green()), mix(low.blue(), high.blue()));
}

const QColor kDiagonal(0xd9, 0xd9, 0xd9);
const QColor kBorder(0xc0, 0x10, 0x10);

}  // namespace

HeatmapView::HeatmapView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  number_ = [](double v) { return QString::number(v, 'f', 4); };
}

void HeatmapView::set_model(HeatmapModel model, std::function<QString(double)> number) {
  model_ = std::move(model);
  if (number) number_ = std::move(number);
  updateGeometry();
  update();
}

double HeatmapView::label_width() const {
  QFontMetricsF metrics(font());
  double w = 0;
  for (const Ansi& name : model_.names) w = std::max(w, metrics.horizontalAdvance(text_of(name)));
  return std::min(w + 8, 260.0);
}

QSize HeatmapView::picture_size() const { return size_with_cells(kPreferredCell); }

double HeatmapView::png_scale() const {
  const QSize size = picture_size();
  return std::min(2.0, kLargestSide / std::max(1, std::max(size.width(), size.height())));
}

QSize HeatmapView::minimum_picture_size() const { return size_with_cells(kSmallestReadableCell); }

double HeatmapView::largest_cells_side() const {
  const double label = label_width();
  const double fixed_w = 3 * kMargin + label + legend_width(font());
  const double fixed_h = kTitleHeight + label + kMargin;
  return std::max(kLargestSide - std::max(fixed_w, fixed_h), 64.0);
}

QSize HeatmapView::size_with_cells(double cell) const {
  const double n = static_cast<double>(std::max<std::size_t>(model_.size(), 1));
  const double side = std::min(n * cell, largest_cells_side());
  const double label = label_width();
  const double w = kMargin + label + side + kMargin + legend_width(font()) + kMargin;
  const double h = kTitleHeight + label + side + kMargin;
  return QSizeF(std::max(w, 480.0), std::max(h, 360.0)).toSize();
}

HeatmapView::Geometry HeatmapView::geometry(const QRectF& area) const {
  Geometry g;
  const double label = label_width();
  const double n = static_cast<double>(std::max<std::size_t>(model_.size(), 1));
  const double free_w = area.width() - 3 * kMargin - label - legend_width(font());
  const double free_h = area.height() - kTitleHeight - label - kMargin;
  // Cells stay big enough to point at, unless the list is too long for
  // the largest picture.
  const double floor = std::min(kMinimumCell, largest_cells_side() / n);
  g.cell = std::max(floor, std::min(free_w, free_h) / n);
  g.cells = QRectF(area.left() + kMargin + label, area.top() + kTitleHeight + label, g.cell * n, g.cell * n);
  g.legend = QRectF(g.cells.right() + kMargin, g.cells.top(), legend_width(font()), 180);
  return g;
}

void HeatmapView::paint(QPainter& painter, const QRectF& area) const {
  painter.save();
  painter.fillRect(area, Qt::white);
  const Geometry g = geometry(area);
  const std::size_t n = model_.size();

  QFont title_font = font();
  title_font.setBold(true);
  title_font.setPointSizeF(title_font.pointSizeF() * 1.2);
  painter.setFont(title_font);
  painter.setPen(Qt::black);
  painter.drawText(QRectF(area.left() + kMargin, area.top(), area.width() - 2 * kMargin, kTitleHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, title_text());

  // Cells.
  painter.setPen(Qt::NoPen);
  if (n > kMostVectorCells) {
    paint_cells_image(painter, g);
  } else {
    for (std::size_t r = 0; r < n; ++r)
      for (std::size_t c = 0; c < n; ++c) {
        const QRectF cell(g.cells.left() + c * g.cell, g.cells.top() + r * g.cell, g.cell, g.cell);
        painter.fillRect(cell, r == c ? kDiagonal : cell_colour(model_.at(r, c), model_.max_value));
      }
  }
  if (g.cell >= 6) {
    painter.setPen(QPen(QColor(255, 255, 255), 0.5));
    for (std::size_t i = 1; i < n; ++i) {
      const double d = i * g.cell;
      painter.drawLine(QPointF(g.cells.left() + d, g.cells.top()), QPointF(g.cells.left() + d, g.cells.bottom()));
      painter.drawLine(QPointF(g.cells.left(), g.cells.top() + d), QPointF(g.cells.right(), g.cells.top() + d));
    }
  }
  // Cluster borders: the square of each cluster's members.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kBorder, 2));
  for (const HeatmapBlock& b : model_.blocks) {
    const double from = b.begin * g.cell, size = (b.end - b.begin) * g.cell;
    painter.drawRect(QRectF(g.cells.left() + from, g.cells.top() + from, size, size));
  }

  // Names: rows on the left, columns on top written upwards.
  // Cells too small for a name each: every step-th name, centred on its
  // row, so names never overlap.
  QFont label_font = font();
  const double label_size = std::clamp(g.cell * 0.62, 5.0, label_font.pointSizeF() > 0 ? label_font.pointSizeF() : 9.0);
  label_font.setPointSizeF(label_size);
  painter.setFont(label_font);
  painter.setPen(Qt::black);
  const double label = label_width();
  const std::size_t step = label_step(g.cell);
  const double row = std::max(g.cell, kSmallestLabelStep);
  for (std::size_t i = 0; i < n; i += step) {
    const QString name = text_of(model_.names[i]);
    const double middle = (i + 0.5) * g.cell;
    painter.drawText(QRectF(g.cells.left() - label, g.cells.top() + middle - row / 2, label - 4, row),
                     Qt::AlignRight | Qt::AlignVCenter, name);
    painter.save();
    painter.translate(g.cells.left() + middle - row / 2, g.cells.top() - 4);
    painter.rotate(-90);
    painter.drawText(QRectF(0, 0, label - 4, row), Qt::AlignLeft | Qt::AlignVCenter, name);
    painter.restore();
  }

  // Legend: the colour scale from 0 to the largest similarity, the
  // diagonal and the cluster border.
  QFont legend_font = font();
  painter.setFont(legend_font);
  const QFontMetricsF metrics(legend_font);
  const double line = metrics.height() + 4;
  double y = g.legend.top();
  painter.drawText(QPointF(g.legend.left(), y + metrics.ascent()), QStringLiteral("Similaridade"));
  y += line;
  const QRectF scale(g.legend.left(), y, 18, 120);
  for (int k = 0; k < 120; ++k)
    painter.fillRect(QRectF(scale.left(), scale.bottom() - k - 1, scale.width(), 1),
                     cell_colour(model_.max_value * k / 119.0, model_.max_value));
  painter.setPen(QPen(Qt::gray, 0.5));
  painter.drawRect(scale);
  painter.setPen(Qt::black);
  painter.drawText(QPointF(scale.right() + 6, scale.top() + metrics.ascent()), number_(model_.max_value));
  painter.drawText(QPointF(scale.right() + 6, scale.bottom()), number_(0));
  y = scale.bottom() + line / 2;
  painter.fillRect(QRectF(g.legend.left(), y + 2, 18, 12), kDiagonal);
  painter.drawText(QPointF(g.legend.left() + 24, y + metrics.ascent()), QStringLiteral("o próprio documento"));
  y += line;
  painter.setPen(QPen(kBorder, 2));
  painter.drawRect(QRectF(g.legend.left() + 1, y + 3, 16, 10));
  painter.setPen(Qt::black);
  painter.drawText(QPointF(g.legend.left() + 24, y + metrics.ascent()),
                   model_.blocks.empty() ? QStringLiteral("clusters (nenhum formado)") : QStringLiteral("cluster"));
  painter.restore();
}

std::size_t HeatmapView::label_step(double cell) {
  return cell >= kSmallestLabelStep ? 1 : static_cast<std::size_t>(std::ceil(kSmallestLabelStep / cell));
}

void HeatmapView::paint_cells_image(QPainter& painter, const Geometry& g) const {
  // One pixel per cell at most, and no more pixels than the cells cover on
  // the device (twice for a vector file, which may be zoomed): pixel p
  // shows the mean of the cells [p n / P, (p + 1) n / P) both ways.
  const std::size_t n = model_.size();
  const double scale = painter.device() ? std::max(1.0, painter.device()->devicePixelRatioF()) : 1.0;
  const double device_side = g.cells.width() * scale * (painter.paintEngine() &&
                                                          painter.paintEngine()->type() == QPaintEngine::Raster
                                                              ? 1.0
                                                              : 2.0);
  const std::size_t pixels =
      std::clamp<std::size_t>(static_cast<std::size_t>(std::ceil(device_side)), 1, n);
  QImage image(static_cast<int>(pixels), static_cast<int>(pixels), QImage::Format_RGB32);
  if (image.isNull()) return;
  std::vector<std::size_t> from(pixels + 1);
  for (std::size_t p = 0; p <= pixels; ++p) from[p] = p * n / pixels;
  for (std::size_t py = 0; py < pixels; ++py) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(py)));
    for (std::size_t px = 0; px < pixels; ++px) {
      double sum = 0;
      std::size_t cells = 0;  // off the diagonal
      for (std::size_t r = from[py]; r < from[py + 1]; ++r)
        for (std::size_t c = from[px]; c < from[px + 1]; ++c) {
          if (r == c) continue;
          sum += model_.at(r, c);
          ++cells;
        }
      line[px] = (cells == 0 ? kDiagonal : cell_colour(sum / static_cast<double>(cells), model_.max_value)).rgb();
    }
  }
  // Never smoothed: a cell wider than a pixel stays a crisp square.
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(g.cells, image);
  painter.restore();
}

std::optional<std::pair<std::size_t, std::size_t>> HeatmapView::cell_at(QPointF point) const {
  const Geometry g = geometry(QRectF(rect()));
  if (model_.size() == 0 || !g.cells.contains(point)) return std::nullopt;
  const auto c = static_cast<std::size_t>((point.x() - g.cells.left()) / g.cell);
  const auto r = static_cast<std::size_t>((point.y() - g.cells.top()) / g.cell);
  if (r >= model_.size() || c >= model_.size()) return std::nullopt;
  return std::make_pair(r, c);
}

QString HeatmapView::tooltip_at(QPointF point) const {
  const auto cell = cell_at(point);
  if (!cell) return {};
  const auto [r, c] = *cell;
  if (r == c) return text_of(model_.names[r]);
  QString text = text_of(model_.names[r]) + QStringLiteral(" × ") + text_of(model_.names[c]) + QStringLiteral(": ") +
                 number_(model_.at(r, c));
  const auto a = model_.block_of(r), b = model_.block_of(c);
  if (a && b && a->cluster == b->cluster) text += QStringLiteral(" (cluster%1)").arg(a->cluster);
  return text;
}

void HeatmapView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  paint(painter, QRectF(rect()));
}

void HeatmapView::mouseMoveEvent(QMouseEvent* event) {
  const QString text = tooltip_at(event->position());
  if (text.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(event->globalPosition().toPoint(), text, this);
  setToolTip(text);
}

}  // namespace lumeral::charts
