#include "gui/base/long_work.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWindow>

#include <algorithm>
#include <atomic>
#include <vector>

namespace lumeral::gui {

namespace {

int depth = 0;
std::atomic<bool> cancel{false};
std::vector<QPointer<QWidget>>& allowed() {
  static std::vector<QPointer<QWidget>> widgets;
  return widgets;
}
QElapsedTimer& since_events() {
  static QElapsedTimer timer;
  return timer;
}

bool is_user_input(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

bool within(const QWidget* widget, const QWidget* ancestor) {
  for (; widget; widget = widget->parentWidget())
    if (widget == ancestor) return true;
  return false;
}

// Input for `receiver` is let through: a "Cancelar" button and its window,
// and a dialog that asks something while the work waits for the answer.
// A close request passes only for a window that is itself let through
// (not for a tool window that merely holds a "Cancelar" in its status bar).
bool admitted(QObject* receiver, bool close = false) {
  std::vector<const QWidget*> open;
  for (const auto& w : allowed())
    if (w) open.push_back(w);
  if (QWidget* modal = QApplication::activeModalWidget()) open.push_back(modal);
  if (QWidget* popup = QApplication::activePopupWidget()) open.push_back(popup);
  if (receiver->isWidgetType()) {
    const auto* widget = static_cast<const QWidget*>(receiver);
    return std::any_of(open.begin(), open.end(), [&](const QWidget* a) { return within(widget, a); });
  }
  if (receiver->isWindowType()) {
    return std::any_of(open.begin(), open.end(), [&](const QWidget* a) {
      return (!close || a->isWindow()) && a->window()->windowHandle() == receiver;
    });
  }
  return false;
}

class InputFilter : public QObject {
 public:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (is_user_input(type)) return !admitted(receiver);
    // The window manager's close button of a window the work runs behind.
    if (type == QEvent::Close && receiver->isWindowType() && event->spontaneous()) return !admitted(receiver, true);
    return false;
  }
};

InputFilter& filter() {
  static InputFilter f;
  return f;
}

}  // namespace

LongWork::LongWork() {
  if (depth++ == 0) {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(&filter());
    since_events().start();
  }
}

LongWork::~LongWork() {
  if (depth == 1) {
    // Input that arrived since the last pass is refused now, while the
    // filter still stands, instead of reaching its window afterwards.
    process_events();
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(&filter());
    allowed().clear();
  }
  --depth;
}

void LongWork::pump() {
  if (!since_events().isValid() || since_events().elapsed() >= kEventIntervalMs) process_events();
}

void LongWork::process_events() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  since_events().start();
}

void LongWork::allow(QWidget* widget) {
  auto& list = allowed();
  list.erase(std::remove_if(list.begin(), list.end(), [](const QPointer<QWidget>& w) { return w.isNull(); }),
             list.end());
  list.emplace_back(widget);
}

bool LongWork::active() { return depth > 0; }

void LongWork::request_cancel() { cancel = true; }
bool LongWork::cancel_requested() { return cancel; }
void LongWork::clear_cancel() { cancel = false; }

}  // namespace lumeral::gui
