#include "charts/picture_export.h"

#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QWidget>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <string_view>

#include "core/base/system_errors.h"

namespace lumeral::charts {

bool picture_format(const QString& path, PictureFormat& format) {
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext == "png") format = PictureFormat::Png;
  else if (ext == "svg") format = PictureFormat::Svg;
  else if (ext == "pdf") format = PictureFormat::Pdf;
  else return false;
  return true;
}

namespace {

// Qt's file layer words its failures in English: the text of a system
// error (as qt_error_string() gives it) or a sentence of QSaveFile's own.
// Each is told with the Portuguese reason the rest of the program gives
// (core/base/system_errors); a text not known here is kept as it is.
QString portuguese_reason(const QString& reason) {
  for (int e = 1; e <= EHWPOISON; ++e)  // the last of this platform's numbers
    if (reason == qt_error_string(e)) return QString::fromStdString(system_reason(e));
  if (reason == QLatin1String("Filename refers to a directory")) return QString::fromStdString(system_reason(EISDIR));
  if (reason.startsWith(QLatin1String("Existing file ")) && reason.endsWith(QLatin1String(" is not writable")))
    return QString::fromStdString(system_reason(EACCES));
  if (reason == QLatin1String("Writing canceled by application")) return QStringLiteral("gravação cancelada");
  // What QIODevice says when the layer below kept no reason.
  if (reason == QLatin1String("Unknown error")) return QString::fromStdString(system_reason(0));
  return reason;
}

QString failure(const QString& path, const QString& reason) {
  return QStringLiteral("Não foi possível gravar %1: %2").arg(QFileInfo(path).fileName(), portuguese_reason(reason));
}

// The picture's bytes written to a new file beside `path` and renamed over
// it once whole, every write, the flush to disk, the close and the rename
// checked: on a failure the temporary file goes, the older picture stays
// and the reason is returned. (A link at `path` is replaced, never written
// through.)
QString write_picture(const QString& path, const QByteArray& bytes) {
  static std::atomic<unsigned> counter{0};
  const QByteArray target = QFile::encodeName(path);
  const QByteArray temporary =
      target + ".tmp" + QByteArray::number(::getpid()) + "-" + QByteArray::number(counter++);
  const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return failure(path, QString::fromStdString(system_reason(errno)));
  int error = 0;
  for (qsizetype done = 0; done < bytes.size() && error == 0;) {
    const ssize_t wrote = ::write(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
    if (wrote > 0) done += wrote;
    else if (wrote < 0 && errno != EINTR) error = errno;
    else if (wrote == 0) error = EIO;
  }
  if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0) error = errno;
  if (error == 0) return {};
  ::unlink(temporary.constData());
  return failure(path, QString::fromStdString(system_reason(error)));
}

}  // namespace

QString save_picture(const QString& path, QSize size, const Painter& paint, const QString& title,
                     double png_scale) {
  PictureFormat format;
  if (!picture_format(path, format))
    return QStringLiteral("Formato de imagem desconhecido: %1 (use .png, .svg ou .pdf)").arg(QFileInfo(path).fileName());
  if (size.isEmpty()) size = QSize(800, 600);
  const QRectF area(QPointF(0, 0), QSizeF(size));

  // Drawn into memory first: nothing touches the file until the picture is
  // complete.
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  bool drawn = true;
  switch (format) {
    case PictureFormat::Png: {
      // Opaque (the picture is drawn on white) and lightly compressed: a
      // large network is 16 million pixels, and the default compression
      // took longer than laying it out and drawing it.
      QImage image(size * png_scale, QImage::Format_RGB32);
      drawn = !image.isNull();
      if (!drawn) break;
      image.setDevicePixelRatio(png_scale);
      image.fill(Qt::white);
      {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paint(painter, area);
      }
      drawn = image.save(&out, "PNG", 70);
      break;
    }
    case PictureFormat::Svg: {
      QSvgGenerator svg;
      svg.setOutputDevice(&out);
      svg.setSize(size);
      svg.setViewBox(area);
      // Text sized as on screen and in the PNG and PDF (96 dots an inch),
      // not at the generator's 72.
      svg.setResolution(96);
      svg.setTitle(title);
      svg.setDescription(QStringLiteral("Lumeral"));
      QPainter painter;
      drawn = painter.begin(&svg);
      if (drawn) {
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter, area);
        drawn = painter.end();
      }
      break;
    }
    case PictureFormat::Pdf: {
      QPdfWriter pdf(&out);
      pdf.setTitle(title);
      pdf.setCreator(QStringLiteral("Lumeral"));
      // A page of the picture's size at 96 dots an inch (a point is 1/72
      // inch), so the picture is drawn in its own pixels, unscaled: a
      // scaled painter misplaces the clipping of the items that clip their
      // children (a chart's legend lost its markers).
      pdf.setResolution(96);
      pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / 96.0, QPageSize::Point));
      pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
      QPainter painter;
      drawn = painter.begin(&pdf);
      if (drawn) {
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter, area);
        drawn = painter.end();
      }
      break;
    }
  }
  if (!drawn || bytes.isEmpty()) return failure(path, QStringLiteral("a imagem não pôde ser desenhada"));
  return write_picture(path, bytes);
}

double png_scale_within(QSize size, std::size_t budget, double preferred) {
  const double pixels = std::max(1.0, static_cast<double>(size.width()) * size.height());
  const double most = static_cast<double>(budget) / 4 / 4;  // a quarter of the budget, 4 bytes a pixel
  return std::min(preferred, std::sqrt(most / pixels));
}

QString save_scene(const QString& path, QGraphicsScene& scene, const QString& title) {
  const QRectF source = scene.itemsBoundingRect().adjusted(-20, -20, 20, 20);
  const QSize size = source.size().toSize().expandedTo(QSize(64, 64));
  // A large network (thousands of nodes) spreads over thousands of
  // logical pixels: its PNG is drawn at a smaller scale, so the picture
  // holds at most kMaxScenePixels pixels (time and memory stay bounded;
  // SVG and PDF keep every detail).
  constexpr double kMaxScenePixels = 16e6;
  const double area = double(size.width()) * size.height();
  const double png_scale = std::min(2.0, std::sqrt(kMaxScenePixels / area));
  return save_picture(
      path, size,
      [&](QPainter& painter, const QRectF& target) {
        painter.fillRect(target, Qt::white);
        scene.render(&painter, target, source);
      },
      title, png_scale);
}

QString save_widget(const QString& path, QWidget& widget, const QString& title) {
  return save_picture(
      path, widget.size(),
      [&](QPainter& painter, const QRectF&) { widget.render(&painter); }, title);
}

}  // namespace lumeral::charts
