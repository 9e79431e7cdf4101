// Platform services of the desktop program: file and folder dialogs, message
// boxes and confirmations, the per-user settings store, the printer, the
// keyboard lock state, the clock and the paced wait of progress displays.
//
// Windows never call QFileDialog, QMessageBox, QSettings, QPrinter or the
// system clock themselves: they go through a Platform. QtPlatform is the real
// one; ScriptedPlatform (scripted_platform.h) answers dialogs from a script
// and records every message, so tests never wait on a real dialog.
//
// The dialog entry points are not virtual: they apply, in one place and for
// every implementation, what the program promises around a dialog (the
// Windows-style filter is converted, a save name without extension gets the
// default one, the folder of the chosen file becomes the current folder).
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

#include "core/base/message.h"

class QWidget;
class QTextDocument;

namespace lumeral::gui {

// The application title, also the caption of every message box.
inline const QString kApplicationTitle = QStringLiteral("Wizard - Lumeral");

// A Windows-style dialog filter "desc (*.ext)|*.ext|desc2|*.a;*.b" in Qt's
// form "desc (*.ext);;desc2 (*.a *.b)". Each description keeps its text; its
// own trailing "(...)" is replaced by the real patterns, so Qt filters by
// what the second half of the pair says. An empty filter stays empty.
QString qt_filter(const QString& windows_filter);

// The patterns of the first entry of a Windows-style filter ("*.ini").
QStringList first_patterns(const QString& windows_filter);

// What a window asks of a file dialog.
struct FileDialog {
  QString title;        // caption; empty: the platform's default
  QString filter;       // Windows-style, "desc (*.ext)|*.ext|..."
  QString default_ext;  // save dialogs: added when the typed name has none ("lpl")
  QString folder;       // start folder; empty: the current folder
  // An export (a table, a picture, a network file): the chosen folder does
  // not become current, so the commands that write into the current folder
  // (the project folder of a wizard) keep writing there.
  bool keeps_current_folder = false;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // ---- dialogs: the chosen absolute path(s), or nothing when cancelled.
  // A chosen file's folder becomes the process's current folder.
  std::optional<QString> open_file(QWidget* parent, const FileDialog& dialog);
  QStringList open_files(QWidget* parent, const FileDialog& dialog);  // empty when cancelled
  std::optional<QString> save_file(QWidget* parent, const FileDialog& dialog);
  // The folder picker; nothing when cancelled.
  std::optional<QString> pick_folder(QWidget* parent, const QString& caption, const QString& start);

  // ---- message boxes (caption kApplicationTitle)
  virtual void message(QWidget* parent, const QString& text, MessageKind kind) = 0;
  void error(QWidget* parent, const QString& text) { message(parent, text, MessageKind::Error); }
  void information(QWidget* parent, const QString& text) { message(parent, text, MessageKind::Information); }
  // A yes/no box; true for "yes".
  virtual bool confirm(QWidget* parent, const QString& text) = 0;

  // ---- per-user settings store (string values)
  virtual void set_setting(const QString& key, const QString& value) = 0;
  virtual QString setting(const QString& key) const = 0;

  // ---- printer: prints a rich text under a job title after the print
  // dialog (which also offers PDF output); false when cancelled.
  virtual bool print(QWidget* parent, const QTextDocument& document, const QString& job_title) = 0;
  // Writes the rich text as a PDF file without asking (used by "save as PDF"
  // commands and by tests). Throws Stop when the file cannot be written.
  static void write_pdf(const QTextDocument& document, const QString& job_title, const QString& path);

  // ---- keyboard lock state
  virtual bool num_lock() const = 0;
  virtual bool caps_lock() const = 0;

  // ---- clock
  virtual QDateTime now() const = 0;

  // ---- the paced wait of progress displays: lets windows repaint, then
  // waits `ms` milliseconds. Progress windows cap the total per operation.
  virtual void pause(int ms) = 0;

 protected:
  // The raw dialogs of an implementation. `qt_filter` is already converted.
  virtual std::optional<QString> ask_open_file(QWidget* parent, const FileDialog& dialog,
                                               const QString& qt_filter) = 0;
  virtual QStringList ask_open_files(QWidget* parent, const FileDialog& dialog, const QString& qt_filter) = 0;
  virtual std::optional<QString> ask_save_file(QWidget* parent, const FileDialog& dialog,
                                               const QString& qt_filter) = 0;
  virtual std::optional<QString> ask_folder(QWidget* parent, const QString& caption, const QString& start) = 0;
};

}  // namespace lumeral::gui
