#include "gui/base/form.h"

#include <QWidget>

#include <exception>

#include "core/base/encoding.h"
#include "core/base/system_errors.h"
#include "gui/base/platform.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

QString qs(AnsiView text) { return QString::fromStdString(to_utf8(text)); }
QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }
QString qs(const char* utf8) { return QString::fromUtf8(utf8); }
Ansi ansi(const QString& text) { return to_ansi(text.toStdString()); }
std::filesystem::path path_of(const QString& path) { return std::filesystem::path(path.toStdString()); }
QString qpath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

Platform& Form::platform() const { return windows_.platform(); }
const Regional& Form::regional() const { return windows_.regional(); }

QWidget* Form::widget() { return dynamic_cast<QWidget*>(this); }

bool Form::command(const std::function<void()>& body) {
  try {
    body();
    last_ok_ = true;
  } catch (const Stop& stop) {
    last_ok_ = false;
    platform().message(widget(), qs(stop.text()), stop.kind());
  } catch (const std::exception& e) {
    last_ok_ = false;
    platform().message(widget(), qs(describe_exception(e)), MessageKind::Error);
  }
  return last_ok_;
}

void Form::show_message(const Message& message) { platform().message(widget(), qs(message.text), message.kind); }
void Form::show_messages(const std::vector<Message>& messages) {
  for (const auto& m : messages) show_message(m);
}
void Form::error(const QString& text) { platform().error(widget(), text); }
void Form::information(const QString& text) { platform().information(widget(), text); }

}  // namespace lumeral::gui
