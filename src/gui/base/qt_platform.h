// The real platform services: the program's file and folder dialog
// (file_chooser.h), Qt's message boxes, QSettings, QtPrintSupport, the X11 keyboard indicators and the
// system clock.
#pragma once

#include "gui/base/platform.h"

namespace lumeral::gui {

class QtPlatform : public Platform {
 public:
  void message(QWidget* parent, const QString& text, MessageKind kind) override;
  bool confirm(QWidget* parent, const QString& text) override;
  void set_setting(const QString& key, const QString& value) override;
  QString setting(const QString& key) const override;
  bool print(QWidget* parent, const QTextDocument& document, const QString& job_title) override;
  bool num_lock() const override;
  bool caps_lock() const override;
  QDateTime now() const override;
  void pause(int ms) override;

 protected:
  std::optional<QString> ask_open_file(QWidget* parent, const FileDialog& dialog, const QString& qt_filter) override;
  QStringList ask_open_files(QWidget* parent, const FileDialog& dialog, const QString& qt_filter) override;
  std::optional<QString> ask_save_file(QWidget* parent, const FileDialog& dialog, const QString& qt_filter) override;
  std::optional<QString> ask_folder(QWidget* parent, const QString& caption, const QString& start) override;
};

}  // namespace lumeral::gui
