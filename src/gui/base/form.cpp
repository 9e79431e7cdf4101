#include "gui/base/form.h"

#include <QWidget>

#include <exception>

#include "core/base/encoding.h"
#include "core/base/system_errors.h"
#include "gui/base/long_work.h"
#include "gui/base/platform.h"

namespace lumeral::gui {

QString qs(AnsiView text) { return QString::fromStdString(to_utf8(text)); }
QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }
QString qs(const char* utf8) { return QString::fromUtf8(utf8); }
Ansi ansi(const QString& text) { return to_ansi(text.toStdString()); }
std::filesystem::path path_of(const QString& path) { return std::filesystem::path(path.toStdString()); }
QString qpath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

Platform& Form::platform() const { return services_.platform(); }
const Regional& Form::regional() const { return services_.regional(); }

QWidget* Form::widget() { return dynamic_cast<QWidget*>(this); }

namespace {
// Commands nest when a window drives another; the outermost one is the
// user's action, which a cancel request belongs to.
int command_depth = 0;
bool cancel_shown = false;
}  // namespace

bool Form::command(const std::function<void()>& body) {
  if (command_depth == 0) {
    LongWork::clear_cancel();
    cancel_shown = false;
  }
  ++command_depth;
  struct Leave {
    ~Leave() { --command_depth; }
  } leave;
  try {
    body();
    last_ok_ = true;
  } catch (const Cancelled& cancelled) {
    // Every driven command the cancel stops ends here; the user is told once.
    last_ok_ = false;
    if (!cancel_shown) platform().message(widget(), qs(cancelled.text()), cancelled.kind());
    cancel_shown = true;
  } catch (const Stop& stop) {
    last_ok_ = false;
    platform().message(widget(), qs(stop.text()), stop.kind());
  } catch (const std::exception& e) {
    last_ok_ = false;
    platform().message(widget(), qs(describe_exception(e)), MessageKind::Error);
  }
  return last_ok_;
}

bool Form::command_cancelled() { return cancel_shown; }

void Form::show_message(const Message& message) { platform().message(widget(), qs(message.text), message.kind); }
void Form::show_messages(const std::vector<Message>& messages) {
  for (const auto& m : messages) show_message(m);
}
void Form::error(const QString& text) { platform().error(widget(), text); }
void Form::information(const QString& text) { platform().information(widget(), text); }

}  // namespace lumeral::gui
