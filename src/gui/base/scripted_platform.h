// A platform for tests: dialogs are answered from a script the test writes
// beforehand, message boxes and confirmations are recorded, settings live in
// memory, the clock is set by the test and pauses do not sleep.
//
// A dialog asked with no answer left in the script is answered "cancel" and
// recorded in `unanswered`, so a test notices a dialog it did not expect
// without ever blocking.
#pragma once

#include <QTextDocument>

#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "gui/base/platform.h"

namespace lumeral::gui {

class ScriptedPlatform : public Platform {
 public:
  // ---- the script: answers are consumed in order by the next dialogs
  void answer(const QString& path);           // a file or folder dialog chooses `path`
  void answer(const QStringList& paths);      // a multiple-selection open dialog
  void cancel_next();                         // the next dialog is cancelled
  void answer_confirm(bool yes);              // the next yes/no box
  bool script_done() const { return answers_.empty() && confirms_.empty(); }

  // ---- what happened
  struct Dialog {
    QString kind;            // "open", "open-multi", "save", "folder"
    QString title;           // caption (the folder picker's caption too)
    QString windows_filter;  // as the window gave it
    QString filter;          // converted to Qt's form
    QString default_ext;
    QStringList chosen;      // answer given (empty when cancelled)
    QString start;           // the folder picker's start folder
  };
  struct Shown {
    QString text;
    MessageKind kind;
  };
  struct PrintJob {
    QString title;
    QString text;  // the document's plain text
  };
  std::vector<Dialog> dialogs;
  std::vector<Shown> messages;
  QStringList confirmations;  // texts of yes/no boxes
  QStringList unanswered;     // kinds of dialogs asked with an empty script
  std::vector<PrintJob> printed;
  std::map<QString, QString> settings;
  QStringList message_texts() const;

  // ---- state the test sets
  QDateTime clock = QDateTime(QDate(2026, 12, 6), QTime(14, 30, 15));
  bool num = false;
  bool caps = false;
  bool print_answer = true;
  long long paused_ms = 0;  // total of every pause asked for
  long long pauses = 0;
  // Called after a message is recorded (a test can act "while the box is up").
  std::function<void(const Shown&)> on_message;

  // ---- Platform
  void message(QWidget* parent, const QString& text, MessageKind kind) override;
  bool confirm(QWidget* parent, const QString& text) override;
  void set_setting(const QString& key, const QString& value) override { settings[key] = value; }
  QString setting(const QString& key) const override;
  bool print(QWidget* parent, const QTextDocument& document, const QString& job_title) override;
  bool num_lock() const override { return num; }
  bool caps_lock() const override { return caps; }
  QDateTime now() const override { return clock; }
  void pause(int ms) override;

 protected:
  std::optional<QString> ask_open_file(QWidget* parent, const FileDialog& dialog, const QString& qt_filter) override;
  QStringList ask_open_files(QWidget* parent, const FileDialog& dialog, const QString& qt_filter) override;
  std::optional<QString> ask_save_file(QWidget* parent, const FileDialog& dialog, const QString& qt_filter) override;
  std::optional<QString> ask_folder(QWidget* parent, const QString& caption, const QString& start) override;

 private:
  QStringList next(const QString& kind, const QString& title, const QString& windows_filter,
                   const QString& qt_filter, const QString& default_ext);
  std::deque<std::optional<QStringList>> answers_;
  std::deque<bool> confirms_;
};

}  // namespace lumeral::gui
