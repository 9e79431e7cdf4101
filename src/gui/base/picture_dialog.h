// Exporting a chart or a network as a picture, the same way from every
// window that draws one: the platform's save dialog offering PNG, SVG and
// PDF, then the window's writer for the file chosen (the format follows the
// extension; charts/picture_export.h writes whole or not at all).
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace lumeral::gui {

class Form;

// Writes the picture to a path; returns "" or the Portuguese reason.
using PictureWriter = std::function<QString(const QString& path)>;

// Asks for the file (`caption`) and writes it. The dialog opens on its
// first type, PNG, which is also what a name typed without extension gets.
// Returns the file written, or nothing when the user cancelled. A name that
// ends in none of the three extensions, or a failed write, stops the
// running command with its reason (call inside Form::command).
std::optional<QString> export_picture(const Form& form, QWidget* parent, const QString& caption,
                                      const PictureWriter& write);

}  // namespace lumeral::gui
