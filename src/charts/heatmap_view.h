// The similarity heatmap drawn by hand: one square cell per pair of
// documents, darker for more similar, rows and columns in the model's
// cluster order, a border around every cluster's block, document names on
// the left and on top, and a legend with the colour scale. Hovering a cell
// names the two documents and their similarity. `paint` draws the same
// picture on any painter (the widget, an exported file, `lumeral-cli`).
#pragma once

#include <QString>
#include <QWidget>

#include <optional>
#include <utility>

#include "core/charts/heatmap.h"

namespace lumeral::charts {

class HeatmapView : public QWidget {
  Q_OBJECT
 public:
  explicit HeatmapView(QWidget* parent = nullptr);

  // `number` writes a similarity as the program shows numbers (the regional
  // decimal separator).
  void set_model(HeatmapModel model, std::function<QString(double)> number);
  const HeatmapModel& model() const { return model_; }

  // The whole picture in `area`.
  void paint(QPainter& painter, const QRectF& area) const;
  // The size at which names and cells are comfortably read, at most 4,096
  // pixels a side (the cells of a long list shrink, its names thin out).
  QSize picture_size() const;
  // The smallest size whose cells can still be told apart and pointed at:
  // a window narrower than the picture shrinks the cells down to this
  // before it scrolls, so the names and the legend stay in view.
  QSize minimum_picture_size() const;
  QSize sizeHint() const override { return picture_size(); }
  // The scale a PNG of the picture is drawn at: twice its size (sharp
  // names), but never more than 4,096 pixels a side in the file.
  double png_scale() const;

  // The cell (row, column positions) under a point of the widget, and the
  // text its tooltip shows ("a.txt × b.txt: 0,1234"); empty off the cells.
  std::optional<std::pair<std::size_t, std::size_t>> cell_at(QPointF point) const;
  QString tooltip_at(QPointF point) const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QSize size_with_cells(double cell) const;
  double largest_cells_side() const;
  struct Geometry {
    QRectF cells;  // the square of the cells
    double cell = 0;
    QRectF legend;
  };
  Geometry geometry(const QRectF& area) const;
  void paint_cells_image(QPainter& painter, const Geometry& g) const;
  // Every how many names one is written, for cells of this size.
  static std::size_t label_step(double cell);
  double label_width() const;
  HeatmapModel model_;
  std::function<QString(double)> number_;
};

}  // namespace lumeral::charts
