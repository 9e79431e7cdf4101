// The real platform services: Qt's file and folder dialogs and message
// boxes, QSettings, QtPrintSupport, the X11 keyboard indicators and the
// system clock.
#pragma once

#include <QFileDialog>

#include "gui/base/platform.h"

namespace lumeral::gui {

// The file dialog every open and save uses (not yet shown). `plain_icons`:
// files and folders get one icon each, without reading what each file is,
// so a folder of 100,000 files lists without stalling the program.
QFileDialog* make_file_dialog(QWidget* parent, const FileDialog& dialog, const QString& qt_filter,
                              QFileDialog::AcceptMode mode, bool plain_icons = true);

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
