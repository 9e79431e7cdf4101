// The picture of a word cloud (core/charts/wordcloud.h): each placed word
// written in its box at its size and in its colour (its source group, or
// its weight band from dark to light), a title above and, where the source
// has groups, a legend at the right. Words are measured with the font they
// are drawn with, the application's font as every chart writes with, so
// Portuguese accents are drawn and measured alike. The desktop program's
// window and `lumeral-cli chart wordcloud` lay out and draw the same way.
#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QWidget>

#include "core/charts/wordcloud.h"

class QPainter;

namespace lumeral::charts {

// The font a word is written with at `size` pixels.
QFont cloud_font(double size);
// A word's box at `size` as that font measures it.
BoxSize measure_cloud_word(const Ansi& word, double size);
// Lays `words` out (heaviest first) measuring them with cloud_font.
CloudLayout lay_out_words(const std::vector<CloudWord>& words, const std::vector<Ansi>& groups,
                          const CloudOptions& options = {});

// The colour of a word's group (a source group, or a weight band).
QColor cloud_colour(const CloudLayout& layout, int colour);

class WordCloudView : public QWidget {
  Q_OBJECT
 public:
  explicit WordCloudView(QWidget* parent = nullptr);

  void set_cloud(CloudLayout layout, const QString& title);
  const CloudLayout& cloud() const { return layout_; }
  const QString& title() const { return title_; }

  // The whole picture at its own size (title, words, legend).
  QSize picture_size() const;
  // Draws the picture into `area`, scaled down (never up) to fit it, centred.
  void paint(QPainter& painter, const QRectF& area) const;
  // Writes the picture at its own size as PNG, SVG or PDF; "" or the reason.
  QString save(const QString& path) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CloudLayout layout_;
  QString title_;
};

}  // namespace lumeral::charts
