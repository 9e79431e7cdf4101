#include "charts/wordcloud_view.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "charts/network_view.h"
#include "charts/picture_export.h"
#include "core/base/encoding.h"

namespace lumeral::charts {

namespace {

constexpr double kTitle = 40;     // band above the words
constexpr double kLegend = 190;   // column at the right when the source has groups
constexpr int kLegendRows = 12;   // groups named in the legend (the rest counted)

QString text_of(AnsiView word) { return QString::fromStdString(to_utf8(word)); }

QFont title_font() {
  QFont f;
  f.setBold(true);
  f.setPixelSize(18);
  return f;
}

QFont legend_font() {
  QFont f;
  f.setPixelSize(12);
  return f;
}

}  // namespace

QFont cloud_font(double size) {
  QFont f;
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
  return f;
}

BoxSize measure_cloud_word(const Ansi& word, double size) {
  const QFontMetricsF metrics(cloud_font(size));
  return {std::ceil(metrics.horizontalAdvance(text_of(word))) + 1, std::ceil(metrics.height())};
}

CloudLayout lay_out_words(const std::vector<CloudWord>& words, const std::vector<Ansi>& groups,
                          const CloudOptions& options) {
  return lay_out_cloud(words, groups, measure_cloud_word, options);
}

QColor cloud_colour(const CloudLayout& layout, int colour) {
  if (!layout.groups.empty()) return NetworkScene::community_colour(colour).darker(135);
  // Weight bands: the heaviest darkest.
  static const QColor bands[] = {{23, 55, 94}, {31, 97, 141}, {46, 134, 171}, {84, 153, 112}, {120, 144, 156}};
  return bands[static_cast<std::size_t>(std::clamp(colour, 0, static_cast<int>(std::size(bands)) - 1))];
}

WordCloudView::WordCloudView(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  setMinimumSize(320, 240);
}

void WordCloudView::set_cloud(CloudLayout layout, const QString& title) {
  layout_ = std::move(layout);
  title_ = title;
  update();
}

QSize WordCloudView::picture_size() const {
  const double legend = layout_.groups.empty() ? 0 : kLegend;
  return QSize(static_cast<int>(std::ceil(layout_.width + legend)), static_cast<int>(std::ceil(layout_.height + kTitle)));
}

void WordCloudView::paint(QPainter& painter, const QRectF& area) const {
  const QSizeF size = picture_size();
  if (size.isEmpty()) return;
  painter.save();
  painter.fillRect(area, Qt::white);
  const double scale = std::min({1.0, area.width() / size.width(), area.height() / size.height()});
  painter.translate(area.left() + (area.width() - size.width() * scale) / 2,
                    area.top() + (area.height() - size.height() * scale) / 2);
  painter.scale(scale, scale);

  painter.setPen(QColor(40, 40, 40));
  painter.setFont(title_font());
  painter.drawText(QRectF(0, 0, size.width(), kTitle), Qt::AlignCenter, title_);

  painter.translate(0, kTitle);
  for (const PlacedWord& w : layout_.placed) {
    painter.setFont(cloud_font(w.size));
    painter.setPen(cloud_colour(layout_, w.colour));
    painter.drawText(QRectF(w.x, w.y, w.width, w.height), Qt::AlignCenter, text_of(w.word));
  }

  if (!layout_.groups.empty()) {
    painter.setFont(legend_font());
    const QFontMetricsF metrics(legend_font());
    const double row = metrics.height() + 6;
    double y = 10;
    const double x = layout_.width + 10;
    const std::size_t shown = std::min<std::size_t>(layout_.groups.size(), kLegendRows);
    for (std::size_t g = 0; g < shown; ++g, y += row) {
      const QColor c = cloud_colour(layout_, static_cast<int>(g));
      painter.fillRect(QRectF(x, y + 2, 12, row - 8), c);
      painter.setPen(QColor(40, 40, 40));
      painter.drawText(QRectF(x + 18, y, kLegend - 30, row),
                       Qt::AlignVCenter | Qt::AlignLeft,
                       metrics.elidedText(text_of(layout_.groups[g]), Qt::ElideRight, kLegend - 30));
    }
    if (layout_.groups.size() > shown)
      painter.drawText(QRectF(x, y, kLegend - 12, row), Qt::AlignVCenter | Qt::AlignLeft,
                       QStringLiteral("e mais %1 grupos").arg(layout_.groups.size() - shown));
  }
  painter.restore();
}

QString WordCloudView::save(const QString& path) const {
  return save_picture(
      path, picture_size(), [this](QPainter& p, const QRectF& area) { paint(p, area); }, title_);
}

void WordCloudView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  paint(painter, QRectF(rect()));
}

}  // namespace lumeral::charts
