#include "charts/crosstab_view.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

#include "core/base/encoding.h"

namespace lumeral::charts {

namespace {

constexpr double kMargin = 16;
constexpr double kTitleHeight = 34;
constexpr double kHeaderHeight = 40;
constexpr double kRowHeight = 24;
constexpr double kLegendHeight = 64;
constexpr double kPadding = 14;

QString text_of(AnsiView stored) { return QString::fromStdString(to_utf8(stored)); }

QString number_text(const Regional& regional, double value, const char* pattern) {
  return text_of(regional.format(value, pattern));
}

}  // namespace

CrosstabPicture crosstab_picture(const statistics::Crosstab& crosstab, const Regional& regional,
                                 const QString& title) {
  const statistics::Grouping& g = crosstab.grouping;
  CrosstabPicture p;
  p.title = title;
  std::vector<char> low(g.categories.size(), 0);
  for (std::size_t j : statistics::low_expected_categories(crosstab)) low[j] = 1;
  for (std::size_t j = 0; j < g.categories.size(); ++j) {
    p.categories << QStringLiteral("%1%2 (%3 docs)")
                        .arg(text_of(g.categories[j]), low[j] ? QStringLiteral("*") : QString())
                        .arg(g.documents_in[j]);
    p.any_low_expected = p.any_low_expected || low[j];
  }
  for (const statistics::ConceptRow& row : crosstab.rows) {
    CrosstabPicture::Row r;
    r.name = text_of(row.concept_name);
    for (std::size_t j = 0; j < row.holding.size(); ++j) {
      const double share = 100.0 * static_cast<double>(row.holding[j]) / static_cast<double>(g.documents_in[j]);
      r.cells << QStringLiteral("%1 (%2%)").arg(row.holding[j]).arg(number_text(regional, share, "0.0"));
      r.residuals.push_back(row.test ? std::optional<double>(row.test->residuals[j]) : std::nullopt);
    }
    if (row.test) {
      r.chi_square = number_text(regional, row.test->statistic, "0.00");
      r.p = text_of(statistics::cell_text(statistics::p_value_cell(row.test->p_value, regional), regional));
    }
    p.rows.push_back(std::move(r));
  }
  // The picture outlives the regional settings it was made with: it keeps
  // their decimal separator only.
  const bool comma = regional.decimal_separator() == ',';
  p.number = [comma](double v) {
    QString s = QString::number(v, 'f', 2);
    if (comma) s.replace('.', ',');
    return s;
  };
  return p;
}

QColor residual_colour(double r) {
  if (std::abs(r) <= statistics::kResidualMark) return Qt::white;
  // From pale at the mark to deep at a residual of 6.
  const double t = std::clamp((std::abs(r) - statistics::kResidualMark) / 4.0, 0.0, 1.0);
  const QColor low = r > 0 ? QColor(0xc6, 0xdb, 0xef) : QColor(0xfc, 0xd0, 0xc0);
  const QColor high = r > 0 ? QColor(0x08, 0x45, 0x94) : QColor(0xa5, 0x0f, 0x15);
  auto mix = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
  return QColor(mix(low.red(), high.red()), mix(low.green(), high.green()), mix(low.blue(), high.blue()));
}

CrosstabView::CrosstabView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
}

void CrosstabView::set_picture(CrosstabPicture picture) {
  picture_ = std::move(picture);
  setMinimumSize(picture_size());
  updateGeometry();
  update();
}

CrosstabView::Geometry CrosstabView::geometry() const {
  QFontMetricsF metrics(font());
  Geometry g;
  g.name_width = metrics.horizontalAdvance(QStringLiteral("Conceito"));
  g.cell_width = 0;
  for (const QString& c : picture_.categories) g.cell_width = std::max(g.cell_width, metrics.horizontalAdvance(c));
  g.stat_width = metrics.horizontalAdvance(QStringLiteral("Qui-quadrado"));
  for (const auto& r : picture_.rows) {
    g.name_width = std::max(g.name_width, metrics.horizontalAdvance(r.name));
    for (const QString& c : r.cells) g.cell_width = std::max(g.cell_width, metrics.horizontalAdvance(c));
    g.stat_width = std::max({g.stat_width, metrics.horizontalAdvance(r.chi_square), metrics.horizontalAdvance(r.p)});
  }
  g.name_width += kPadding;
  g.cell_width += kPadding;
  g.stat_width += kPadding;
  g.top = kMargin + kTitleHeight;
  return g;
}

QSize CrosstabView::picture_size() const {
  const Geometry g = geometry();
  const double width = 2 * kMargin + g.name_width + g.cell_width * picture_.categories.size() + 2 * g.stat_width;
  const double height = g.top + kHeaderHeight + kRowHeight * static_cast<double>(picture_.rows.size()) +
                        kLegendHeight + kMargin;
  return QSize(static_cast<int>(std::ceil(std::max(width, 420.0))), static_cast<int>(std::ceil(height)));
}

void CrosstabView::paint(QPainter& painter, const QRectF& area) const {
  const Geometry g = geometry();
  painter.save();
  painter.translate(area.topLeft());
  painter.fillRect(QRectF(QPointF(0, 0), area.size()), Qt::white);
  painter.setFont(font());
  QFont bold = font();
  bold.setBold(true);
  QFont title_font = bold;
  title_font.setPointSizeF(font().pointSizeF() * 1.25);
  painter.setPen(Qt::black);
  painter.setFont(title_font);
  painter.drawText(QRectF(kMargin, kMargin, area.width() - 2 * kMargin, kTitleHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, picture_.title);

  const double left = kMargin;
  const double cells_left = left + g.name_width;
  const double stats_left = cells_left + g.cell_width * picture_.categories.size();
  const double width = stats_left + 2 * g.stat_width - left;
  // The header: categories, then the test.
  painter.setFont(bold);
  QRectF header(left, g.top, width, kHeaderHeight);
  painter.fillRect(header, QColor(0xf0, 0xf0, 0xf0));
  painter.drawText(QRectF(left + 4, g.top, g.name_width - 4, kHeaderHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Conceito"));
  for (int j = 0; j < picture_.categories.size(); ++j)
    painter.drawText(QRectF(cells_left + j * g.cell_width, g.top, g.cell_width, kHeaderHeight),
                     Qt::AlignCenter | Qt::TextWordWrap, picture_.categories[j]);
  painter.drawText(QRectF(stats_left, g.top, g.stat_width, kHeaderHeight), Qt::AlignCenter,
                   QStringLiteral("Qui-quadrado"));
  painter.drawText(QRectF(stats_left + g.stat_width, g.top, g.stat_width, kHeaderHeight), Qt::AlignCenter,
                   QStringLiteral("p"));
  painter.setFont(font());

  double y = g.top + kHeaderHeight;
  for (const auto& row : picture_.rows) {
    painter.setPen(Qt::black);
    painter.drawText(QRectF(left + 4, y, g.name_width - 4, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter, row.name);
    for (int j = 0; j < row.cells.size(); ++j) {
      const QRectF cell(cells_left + j * g.cell_width, y, g.cell_width, kRowHeight);
      const auto r = row.residuals[static_cast<std::size_t>(j)];
      const QColor fill = r ? residual_colour(*r) : QColor(Qt::white);
      painter.fillRect(cell, fill);
      painter.setPen(fill.lightnessF() < 0.5 ? Qt::white : Qt::black);
      painter.drawText(cell, Qt::AlignCenter, row.cells[j]);
    }
    painter.setPen(Qt::black);
    painter.drawText(QRectF(stats_left, y, g.stat_width, kRowHeight), Qt::AlignCenter, row.chi_square);
    painter.drawText(QRectF(stats_left + g.stat_width, y, g.stat_width, kRowHeight), Qt::AlignCenter, row.p);
    painter.setPen(QColor(0xdd, 0xdd, 0xdd));
    painter.drawLine(QPointF(left, y + kRowHeight), QPointF(left + width, y + kRowHeight));
    y += kRowHeight;
  }
  painter.setPen(QColor(0x99, 0x99, 0x99));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(left, g.top, width, y - g.top));

  // The legend: the two fills, then the star.
  painter.setPen(Qt::black);
  double x = left;
  const double ly = y + 14;
  const auto swatch = [&](const QColor& colour, const QString& text) {
    painter.fillRect(QRectF(x, ly + 3, 14, 14), colour);
    painter.setPen(QColor(0x99, 0x99, 0x99));
    painter.drawRect(QRectF(x, ly + 3, 14, 14));
    painter.setPen(Qt::black);
    const QRectF t(x + 20, ly, QFontMetricsF(font()).horizontalAdvance(text) + 4, 20);
    painter.drawText(t, Qt::AlignLeft | Qt::AlignVCenter, text);
    x = t.right() + 18;
  };
  swatch(residual_colour(3), QStringLiteral("resíduo acima de %1").arg(picture_.number(statistics::kResidualMark)));
  swatch(residual_colour(-3),
         QStringLiteral("resíduo abaixo de %1").arg(picture_.number(-statistics::kResidualMark)));
  if (picture_.any_low_expected)
    painter.drawText(QRectF(left, ly + 22, area.width() - 2 * kMargin, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("* contagem esperada abaixo de 5 em algum conceito: teste pouco confiável"));
  painter.restore();
}

QString CrosstabView::tooltip_at(QPointF point) const {
  const Geometry g = geometry();
  const double cells_left = kMargin + g.name_width;
  const double first_row = g.top + kHeaderHeight;
  if (point.x() < cells_left || point.y() < first_row || g.cell_width <= 0) return {};
  const auto column = static_cast<std::size_t>((point.x() - cells_left) / g.cell_width);
  const auto row = static_cast<std::size_t>((point.y() - first_row) / kRowHeight);
  if (row >= picture_.rows.size() || column >= static_cast<std::size_t>(picture_.categories.size())) return {};
  const auto& r = picture_.rows[row];
  QString text = QStringLiteral("%1 × %2: %3").arg(r.name, picture_.categories[static_cast<int>(column)],
                                                   r.cells[static_cast<int>(column)]);
  if (r.residuals[column]) text += QStringLiteral(", resíduo %1").arg(picture_.number(*r.residuals[column]));
  return text;
}

void CrosstabView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter, QRectF(QPointF(0, 0), QSizeF(size())));
}

void CrosstabView::mouseMoveEvent(QMouseEvent* event) {
  const QString tip = tooltip_at(event->position());
  if (tip.isEmpty()) QToolTip::hideText();
  else QToolTip::showText(event->globalPosition().toPoint(), tip, this);
}

}  // namespace lumeral::charts
