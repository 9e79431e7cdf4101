#include "charts/bar_chart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QFont>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QLocale>
#include <QSet>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "core/base/encoding.h"

namespace lumeral::charts {

namespace {

QString text_of(AnsiView stored) { return QString::fromStdString(to_utf8(stored)); }

// A "nice" upper end for the value axis, leaving room for the bar texts.
double axis_end(double max) {
  if (!(max > 0)) return 1.0;
  const double padded = max * 1.18;
  const double step = std::pow(10.0, std::floor(std::log10(padded)));
  for (double f : {1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0})
    if (f * step >= padded) return f * step;
  return padded;
}

}  // namespace

BarChart::BarChart(const BarChartData& data) {
  setAnimationOptions(QChart::NoAnimation);
  setBackgroundRoundness(0);
  series_ = new QHorizontalBarSeries;
  set_ = new QBarSet(QString());
  set_->setColor(QColor(0x3b, 0x75, 0xaf));
  set_->setBorderColor(QColor(0x2a, 0x55, 0x80));
  series_->append(set_);
  series_->setBarWidth(0.7);
  addSeries(series_);
  categories_ = new QBarCategoryAxis;
  values_ = new QValueAxis;
  addAxis(categories_, Qt::AlignLeft);
  addAxis(values_, Qt::AlignBottom);
  series_->attachAxis(categories_);
  series_->attachAxis(values_);
  legend()->setVisible(true);
  legend()->setAlignment(Qt::AlignBottom);
  QFont title_font = titleFont();
  title_font.setPointSizeF(title_font.pointSizeF() * 1.25);
  title_font.setBold(true);
  setTitleFont(title_font);
  connect(this, &QChart::plotAreaChanged, this, [this] { place_texts(); });
  set_data(data);
}

void BarChart::set_data(const BarChartData& data) {
  data_ = data;
  setTitle(data.title);
  set_->setLabel(data.series_name);
  values_->setTitleText(data.value_axis);
  set_->remove(0, set_->count());
  categories_->clear();
  // A horizontal bar series draws its first category at the bottom: the
  // bars are given last first, so the first item is read at the top, as in
  // the table.
  QStringList labels;
  QList<qreal> values;
  double max = 0;
  QSet<QString> seen;
  for (auto bar = data.bars.rbegin(); bar != data.bars.rend(); ++bar) {
    // The category axis refuses repeated captions; zero-width spaces keep
    // a repeated word apart without changing what is read.
    QString label = text_of(bar->label);
    while (seen.contains(label)) label += QChar(0x200B);
    seen.insert(label);
    labels << label;
    values << bar->value;
    max = std::max(max, bar->value);
  }
  categories_->append(labels);
  set_->append(values);
  if (data.decimal_comma) {
    setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    setLocalizeNumbers(true);
  } else {
    setLocalizeNumbers(false);
  }
  values_->setRange(0, axis_end(max));
  values_->applyNiceNumbers();
  // As many decimals as the ticks' step needs (counts have none).
  const double step = (values_->max() - values_->min()) / std::max(1, values_->tickCount() - 1);
  const int decimals = step >= 1 ? 0 : std::min(6, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
  values_->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
  for (auto* t : texts_) delete t;
  texts_.clear();
  QFont font;
  font.setPointSizeF(font.pointSizeF() * 0.9);
  for (const Bar& bar : data.bars) {
    auto* item = new QGraphicsSimpleTextItem(text_of(bar.text), this);
    item->setFont(font);
    item->setZValue(10);
    texts_.push_back(item);
  }
  place_texts();
}

QStringList BarChart::bar_texts() const {
  QStringList out;
  for (const auto* t : texts_) out << t->text();
  return out;
}

void BarChart::place_texts() {
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    const auto category = static_cast<qreal>(texts_.size() - 1 - i);
    const QPointF end = mapToPosition(QPointF(data_.bars[i].value, category), series_);
    const QRectF box = texts_[i]->boundingRect();
    texts_[i]->setPos(end.x() + 4, end.y() - box.height() / 2);
    texts_[i]->setVisible(plotArea().isValid());
  }
}

QChartView* bar_chart_view(BarChart* chart, QWidget* parent) {
  auto* view = new QChartView(chart, parent);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumHeight(bar_chart_height(chart->data().bars.size()));
  return view;
}

BarChartData frequency_chart_data(std::vector<Bar> bars) {
  return {QStringLiteral("Freqüência de Conceitos"), QStringLiteral("Freqüência absoluta (rótulo: freqüência relativa)"),
          QStringLiteral("Documentos em que o conceito ocorre"), std::move(bars)};
}

namespace {
QString heaviest(std::size_t top, std::size_t shown) {
  return top == 0 || shown < top ? QStringLiteral("todas as %1 palavras").arg(shown)
                                 : QStringLiteral("as %1 palavras mais pesadas").arg(shown);
}
}  // namespace

BarChartData centroid_chart_data(std::vector<Bar> bars, std::size_t top) {
  const std::size_t shown = bars.size();
  return {QStringLiteral("Centróide: ") + heaviest(top, shown), QStringLiteral("Peso no centróide"),
          QStringLiteral("Peso"), std::move(bars)};
}

BarChartData differences_chart_data(std::vector<Bar> bars, std::size_t top, const QString& document) {
  const std::size_t shown = bars.size();
  return {QStringLiteral("Diferenças de %1: ").arg(document) +
              (shown == 0 ? QStringLiteral("nenhuma palavra fora do centróide") : heaviest(top, shown)),
          QStringLiteral("Peso no documento (palavras fora do centróide)"), QStringLiteral("Peso"), std::move(bars)};
}

int bar_chart_height(std::size_t bars) { return 150 + 24 * static_cast<int>(std::max<std::size_t>(bars, 3)); }

}  // namespace lumeral::charts
