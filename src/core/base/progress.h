// Progress of a long run: a status text and a bar. The desktop program shows
// it in status bars and the progress window; the command line on standard
// error when that is a terminal; tests may record it. Every method has a
// do-nothing default, so a core function can take `Progress&` and callers
// that do not care pass `Progress::none()`.
#pragma once

#include <string_view>

#include "core/base/message.h"

namespace lumeral {

class Progress {
 public:
  virtual ~Progress() = default;
  // Status-bar text (UTF-8).
  virtual void status(std::string_view) {}
  // Bar position and maximum.
  virtual void bar(long long /*position*/, long long /*maximum*/) {}
  // Second line of the progress window, where a run has one.
  virtual void detail(std::string_view) {}

  // True once the user asked the run to stop ("Cancelar" in the progress
  // window, Ctrl-C in the command line).
  virtual bool cancelled() { return false; }
  // Long loops call this between documents: it throws Cancelled when the
  // user asked to stop, so the run ends at the next document with every
  // finished file whole.
  void checkpoint() {
    if (cancelled()) throw Cancelled();
  }

  static Progress& none() {
    static Progress quiet;
    return quiet;
  }
};

}  // namespace lumeral
