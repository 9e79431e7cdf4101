// The map of a correspondence analysis: the rows (concepts or words) and
// the categories in the plane of the first two axes, in two colours and
// shapes, one unit the same length on both axes, the axes through the
// centre with their captions ("Eixo 1 (87,8%)"), and each point's name
// placed beside it where it covers no other name and no point. A name with
// no such place is left out of the picture and shown as the point's
// tooltip. BiplotScene draws it and is what is exported; BiplotView shows
// it, zooms with the wheel and scrolls by dragging; a click on a point is
// signalled with its index.
#pragma once

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

#include "core/base/regional.h"
#include "core/statistics/correspondence.h"

class QGraphicsSimpleTextItem;

namespace lumeral::charts {

struct BiplotPoint {
  QString name;
  double x = 0, y = 0;
  bool category = false;  // a column of the table (a category), else a row
  double mass = 0;        // the heavier a point, the earlier its name is placed
};

struct BiplotModel {
  QString title;
  QString x_caption, y_caption;  // "Eixo 1 (87,8%)"
  QString rows_caption;          // "Conceitos" or "Palavras"
  std::vector<BiplotPoint> points;  // the rows, then the categories
};

// "Eixo 1 (87,8%)": the axis (from 1) and its share of the total inertia in
// the regional form.
QString axis_caption(std::size_t axis, double percent, const Regional& regional);

// The first two axes of an analysis (a one-axis analysis puts every point on
// the line y = 0).
BiplotModel biplot_model(const statistics::CaRun& run, const Regional& regional, const QString& title);

// Greedy placement of labels: each label, in the order given, goes to the
// first place around its anchor (right, left, above, below, the corners,
// then the same farther out) that overlaps neither an obstacle nor a label
// placed before it, inside `bounds` when it can (an empty rectangle: no
// bounds); none when there is no such place.
std::vector<std::optional<QRectF>> place_labels(const std::vector<QPointF>& anchors,
                                                const std::vector<QSizeF>& sizes,
                                                const std::vector<QRectF>& obstacles, double gap,
                                                const QRectF& bounds = {});

class BiplotScene : public QGraphicsScene {
  Q_OBJECT
 public:
  explicit BiplotScene(QObject* parent = nullptr);
  // Draws the model, replacing what the scene held (a model without points
  // leaves the scene empty).
  void show_model(const BiplotModel& model);
  const BiplotModel& model() const { return model_; }

  // The point's marker and its label (null when left out).
  QGraphicsItem* marker(std::size_t i) const { return markers_[i]; }
  QGraphicsSimpleTextItem* label(std::size_t i) const { return labels_[i]; }

  static QColor row_colour();
  static QColor category_colour();

 signals:
  void point_clicked(int index);

 protected:
  void mousePressEvent(QGraphicsSceneMouseEvent* event) override;

 private:
  BiplotModel model_;
  std::vector<QGraphicsItem*> markers_;
  std::vector<QGraphicsSimpleTextItem*> labels_;
};

class BiplotView : public QGraphicsView {
  Q_OBJECT
 public:
  explicit BiplotView(BiplotScene* scene, QWidget* parent = nullptr);
  void fit();
  void zoom(double factor);

 protected:
  void wheelEvent(QWheelEvent* event) override;
};

}  // namespace lumeral::charts
