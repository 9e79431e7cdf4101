#include "gui/base/scripted_platform.h"

#include "gui/base/long_work.h"

#include <QCoreApplication>

namespace lumeral::gui {

void ScriptedPlatform::answer(const QString& path) { answers_.push_back(QStringList{path}); }
void ScriptedPlatform::answer(const QStringList& paths) { answers_.push_back(paths); }
void ScriptedPlatform::cancel_next() { answers_.push_back(std::nullopt); }
void ScriptedPlatform::answer_confirm(bool yes) { confirms_.push_back(yes); }

QStringList ScriptedPlatform::message_texts() const {
  QStringList texts;
  for (const auto& m : messages) texts << m.text;
  return texts;
}

void ScriptedPlatform::message(QWidget*, const QString& text, MessageKind kind) {
  messages.push_back({text, kind});
  if (on_message) on_message(messages.back());
}

bool ScriptedPlatform::confirm(QWidget*, const QString& text) {
  confirmations << text;
  if (confirms_.empty()) {
    unanswered << QStringLiteral("confirm");
    return false;
  }
  bool yes = confirms_.front();
  confirms_.pop_front();
  return yes;
}

QString ScriptedPlatform::setting(const QString& key) const {
  auto it = settings.find(key);
  return it == settings.end() ? QString() : it->second;
}

bool ScriptedPlatform::print(QWidget*, const QTextDocument& document, const QString& job_title) {
  if (!print_answer) return false;
  printed.push_back({job_title, document.toPlainText()});
  return true;
}

void ScriptedPlatform::pause(int ms) {
  LongWork::process_events();
  paused_ms += ms;
  ++pauses;
}

QStringList ScriptedPlatform::next(const QString& kind, const QString& title, const QString& windows_filter,
                                   const QString& qt_filter, const QString& default_ext) {
  Dialog d{kind, title, windows_filter, qt_filter, default_ext, {}, {}};
  if (answers_.empty()) {
    unanswered << kind;
  } else {
    if (answers_.front()) d.chosen = *answers_.front();
    answers_.pop_front();
  }
  dialogs.push_back(d);
  return d.chosen;
}

std::optional<QString> ScriptedPlatform::ask_open_file(QWidget*, const FileDialog& dialog, const QString& qt_filter) {
  QStringList chosen = next(QStringLiteral("open"), dialog.title, dialog.filter, qt_filter, dialog.default_ext);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front();
}

QStringList ScriptedPlatform::ask_open_files(QWidget*, const FileDialog& dialog, const QString& qt_filter) {
  return next(QStringLiteral("open-multi"), dialog.title, dialog.filter, qt_filter, dialog.default_ext);
}

std::optional<QString> ScriptedPlatform::ask_save_file(QWidget*, const FileDialog& dialog, const QString& qt_filter) {
  QStringList chosen = next(QStringLiteral("save"), dialog.title, dialog.filter, qt_filter, dialog.default_ext);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front();
}

std::optional<QString> ScriptedPlatform::ask_folder(QWidget*, const QString& caption, const QString& start) {
  QStringList chosen = next(QStringLiteral("folder"), caption, {}, {}, {});
  dialogs.back().start = start;
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front();
}

}  // namespace lumeral::gui
