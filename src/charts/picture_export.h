// Saving a picture (a chart, a network, a heatmap) as PNG, SVG or PDF. The
// format follows the extension of the file name. Every format is drawn in
// memory, written to a temporary file beside the target and renamed over it
// only when complete (each write, the close and the rename checked), so a
// failed export (a full disk) never leaves a half-written picture and the
// older one stays.
#pragma once

#include <QRectF>
#include <QSize>
#include <QString>

#include <cstddef>
#include <functional>

class QGraphicsScene;
class QPainter;
class QWidget;

namespace lumeral::charts {

enum class PictureFormat { Png, Svg, Pdf };

// The format of `path` by its extension (case-insensitive); false when the
// extension is none of ".png", ".svg", ".pdf".
bool picture_format(const QString& path, PictureFormat& format);

// Draws a picture of `size` logical pixels: `paint` draws onto the painter
// inside the given rectangle. PNG is rendered at `png_scale` times the size
// (2 keeps labels sharp when zoomed). Returns an empty string on success,
// else the Portuguese reason, naming the file.
using Painter = std::function<void(QPainter&, const QRectF&)>;
QString save_picture(const QString& path, QSize size, const Painter& paint, const QString& title = {},
                     double png_scale = 2.0);

// The PNG scale for a picture of `size` whose pixels (4 bytes each) may
// take at most a quarter of `budget` bytes: `preferred` when that fits.
double png_scale_within(QSize size, std::size_t budget, double preferred = 2.0);

// The whole of a scene (its items' bounding rectangle, with a small margin).
QString save_scene(const QString& path, QGraphicsScene& scene, const QString& title = {});

// A widget as it is drawn now (a chart view, a table).
QString save_widget(const QString& path, QWidget& widget, const QString& title = {});

}  // namespace lumeral::charts
