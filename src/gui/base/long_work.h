// Long work in the desktop program: it runs on the one thread, inside the
// handler that started it, and lets the event loop run between documents.
//
// While a LongWork exists (they nest: a progress window inside a tool
// window's status-bar run is one piece of work):
// - events are processed at most every 50 ms (pump()), so every window is
//   repainted and can be moved, at most 20 times a second;
// - user input (mouse buttons, wheel, keys, shortcuts, context menus, the
//   window manager's close) is refused at once unless it is aimed at a
//   "Cancelar" button or the window holding it (allow()); refused input is
//   dropped, never queued and replayed when the work ends. The last
//   LongWork processes pending events once more before it ends, so input
//   that arrived meanwhile is refused too;
// - "Cancelar" sets the cancel request of the current command. Every
//   progress reporter answers it through Progress::cancelled(), the core
//   stops with Cancelled at its next document, and Form::command shows the
//   message once. The request lasts until the next command starts, so the
//   rest of a driven sequence (the wizard's mining step) stops too.
#pragma once

#include <QPointer>
#include <QWidget>

namespace lumeral::gui {

class LongWork {
 public:
  LongWork();
  ~LongWork();
  LongWork(const LongWork&) = delete;
  LongWork& operator=(const LongWork&) = delete;

  // Lets the event loop run when 50 ms passed since it last ran.
  void pump();
  // Lets the event loop run now (the paced waits of the progress window).
  static void process_events();

  // Input aimed at `widget` or its children is let through while work runs.
  static void allow(QWidget* widget);

  // True while some long work runs.
  static bool active();

  // The cancel request of the current command.
  static void request_cancel();
  static bool cancel_requested();
  // Forgets the request (a new command starts).
  static void clear_cancel();

  static constexpr int kEventIntervalMs = 50;
};

}  // namespace lumeral::gui
