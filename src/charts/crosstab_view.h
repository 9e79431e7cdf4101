// The picture of the concepts by variable: a coloured table, one row per
// concept and one column per category, each cell the documents of the
// category holding the concept with their share of the category, filled
// blue when the adjusted residual is above 1.96 and red when below -1.96
// (deeper as the residual grows), and the concept's chi-square and p at the
// right. Categories where some expected count is below 5 are starred.
// Hovering a cell names the concept, the category and the residual. `paint`
// draws the same picture on any painter (the widget, an exported file,
// `lumeral-cli chart crosstab`).
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <QColor>

#include <functional>
#include <optional>
#include <vector>

#include "core/base/regional.h"
#include "core/statistics/crosstab.h"

namespace lumeral::charts {

struct CrosstabPicture {
  QString title;
  QStringList categories;  // with their documents: "norte (3 docs)"; starred when the test is unreliable there
  struct Row {
    QString name;
    QStringList cells;                          // "3 (100,0%)" per category
    std::vector<std::optional<double>> residuals;  // per category; none when the concept has no test
    QString chi_square, p;                      // empty without a test
  };
  std::vector<Row> rows;
  bool any_low_expected = false;
  std::function<QString(double)> number;  // a residual as the program writes it
};

// The picture of a crosstab, its numbers in the regional form.
CrosstabPicture crosstab_picture(const statistics::Crosstab& crosstab, const Regional& regional,
                                 const QString& title);

// The fill of a cell of residual `r`: none (white) within +-1.96.
QColor residual_colour(double r);

class CrosstabView : public QWidget {
  Q_OBJECT
 public:
  explicit CrosstabView(QWidget* parent = nullptr);
  void set_picture(CrosstabPicture picture);
  const CrosstabPicture& picture() const { return picture_; }

  void paint(QPainter& painter, const QRectF& area) const;
  QSize picture_size() const;
  QSize sizeHint() const override { return picture_size(); }
  // The text of the tooltip over a point of the widget; empty off the cells.
  QString tooltip_at(QPointF point) const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  struct Geometry {
    double name_width = 0, cell_width = 0, stat_width = 0, top = 0;
  };
  Geometry geometry() const;
  CrosstabPicture picture_;
};

}  // namespace lumeral::charts
