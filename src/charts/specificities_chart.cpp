#include "charts/specificities_chart.h"

#include <QChartView>
#include <QVBoxLayout>

#include <algorithm>

#include "core/base/encoding.h"

namespace lumeral::charts {

std::vector<BarChartData> specificities_chart_data(const std::vector<statistics::CategoryWords>& categories,
                                                   const Regional& regional) {
  std::vector<BarChartData> out;
  for (const statistics::CategoryWords& c : categories) {
    BarChartData d{QStringLiteral("Palavras específicas de %1").arg(QString::fromStdString(to_utf8(c.category))),
                   QStringLiteral("G2 (razão de verossimilhança)"), QStringLiteral("G2"), {}};
    for (const statistics::SpecificWord& w : c.words) d.bars.push_back({w.word, w.g2, regional.format(w.g2, "0.00")});
    d.decimal_comma = regional.decimal_separator() == ',';
    out.push_back(std::move(d));
  }
  const bool any = std::any_of(out.begin(), out.end(), [](const BarChartData& d) { return !d.bars.empty(); });
  if (any) std::erase_if(out, [](const BarChartData& d) { return d.bars.empty(); });
  return out;
}

QWidget* stacked_bar_charts(const std::vector<BarChartData>& charts, int width, QWidget* parent) {
  auto* frame = new QWidget(parent);
  frame->setAutoFillBackground(true);
  auto* v = new QVBoxLayout(frame);
  v->setContentsMargins(0, 0, 0, 0);
  int height = 0;
  for (const BarChartData& d : charts) {
    auto* view = bar_chart_view(new BarChart(d), frame);
    const int h = bar_chart_height(d.bars.size());
    view->setMinimumHeight(h);
    v->addWidget(view, h);
    height += h;
  }
  frame->setMinimumHeight(height);
  frame->resize(width, height);
  return frame;
}

}  // namespace lumeral::charts
