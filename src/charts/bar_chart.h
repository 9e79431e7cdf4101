// Horizontal bar charts (Qt Charts) of the bar models of core/charts/bars.h:
// one bar per item, first item at the top, the item's text (a share, a
// weight) written at the end of its bar, the category axis on the left and
// the value axis below, and a legend naming the series. The desktop
// program's chart windows and `lumeral-cli chart` draw the same chart.
#pragma once

#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QString>

#include <vector>

#include "core/charts/bars.h"

class QBarCategoryAxis;
class QBarSet;
class QHorizontalBarSeries;
class QValueAxis;

namespace lumeral::charts {

struct BarChartData {
  QString title;        // above the chart
  QString series_name;  // in the legend
  QString value_axis;   // under the value axis
  std::vector<Bar> bars;
  bool decimal_comma = false;  // axis numbers with "," (the regional separator)
};

class BarChart : public QChart {
  Q_OBJECT
 public:
  explicit BarChart(const BarChartData& data = {});
  // Replaces the bars (and captions) in place.
  void set_data(const BarChartData& data);
  const BarChartData& data() const { return data_; }

  QHorizontalBarSeries* series() const { return series_; }
  QBarSet* bar_set() const { return set_; }
  QBarCategoryAxis* category_axis() const { return categories_; }
  QValueAxis* value_axis() const { return values_; }
  // The texts written at the bars' ends, in bar order.
  QStringList bar_texts() const;

 private:
  void place_texts();
  BarChartData data_;
  QHorizontalBarSeries* series_;
  QBarSet* set_;
  QBarCategoryAxis* categories_;
  QValueAxis* values_;
  std::vector<QGraphicsSimpleTextItem*> texts_;
};

// A view of a bar chart, antialiased, tall enough for every category label
// to be read.
QChartView* bar_chart_view(BarChart* chart, QWidget* parent = nullptr);

// The captions of the program's bar charts, shared by the windows and
// lumeral-cli. `top` is the number of bars asked for (0: all). The caller
// sets `decimal_comma` from its regional settings.
BarChartData frequency_chart_data(std::vector<Bar> bars);
BarChartData centroid_chart_data(std::vector<Bar> bars, std::size_t top);
BarChartData differences_chart_data(std::vector<Bar> bars, std::size_t top, const QString& document);

// The height that keeps `bars` category labels readable.
int bar_chart_height(std::size_t bars);

}  // namespace lumeral::charts
