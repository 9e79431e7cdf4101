// The pictures of the words by variable: per category a bar chart of its
// specific words, the bar the word's G2 and the text at its end the G2 in
// the regional form; the charts stacked, each as tall as its bars need. The
// window and `lumeral-cli chart specificities` draw the same frame.
#pragma once

#include <QWidget>

#include <vector>

#include "charts/bar_chart.h"
#include "core/base/regional.h"
#include "core/statistics/specificities.h"

namespace lumeral::charts {

// One chart per category that has specific words (every category's, empty,
// when none has).
std::vector<BarChartData> specificities_chart_data(const std::vector<statistics::CategoryWords>& categories,
                                                   const Regional& regional);

// The charts stacked in one frame of `width`; its height is what the bars
// need.
QWidget* stacked_bar_charts(const std::vector<BarChartData>& charts, int width, QWidget* parent = nullptr);

}  // namespace lumeral::charts
