#include "gui/base/picture_dialog.h"

#include "charts/picture_export.h"
#include "core/base/message.h"
#include "gui/base/form.h"
#include "gui/base/platform.h"

namespace lumeral::gui {

std::optional<QString> export_picture(const Form& form, QWidget* parent, const QString& caption,
                                      const PictureWriter& write) {
  static const QString kFilter = QStringLiteral(
      "Imagem PNG (*.png)|*.png|Desenho vetorial SVG (*.svg)|*.svg|Documento PDF (*.pdf)|*.pdf");
  auto file = form.platform().save_file(parent, {caption, kFilter, QStringLiteral("png"), QString(), true});
  if (!file) return std::nullopt;
  charts::PictureFormat format;
  if (!charts::picture_format(*file, format))
    throw Stop("O arquivo da figura deve terminar em .svg, .png ou .pdf.");
  const QString failure = write(*file);
  if (!failure.isEmpty()) throw Stop(failure.toStdString());
  return file;
}

}  // namespace lumeral::gui
