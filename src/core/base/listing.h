// The result of a run that lists lines and may stop half-way: the lines
// listed so far, then the message it stopped on. A window shows the lines,
// then the message; the command line prints the lines, then reports the
// stop. A function that returns a Listing throws a Stop only when it stops
// before listing anything (a missing input, a refused option); once the run
// has begun, a stop is returned here with the lines made before it.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/message.h"

namespace lumeral {

struct Listing {
  std::vector<Ansi> lines;
  std::optional<Message> stop;  // the message the run stopped on, if it did

  // Records the stop, keeping the lines.
  void stopped(const Stop& s) { stop = Message{s.text(), s.kind()}; }
  // Throws the stop again, if the run stopped.
  void rethrow() const {
    if (stop) throw Stop(stop->text, stop->kind);
  }
};

// Runs `body(lines)`; a Stop it throws is recorded in the listing, and the
// lines it listed before stay. A cancel is not such a stop: it ends the
// whole command, so nothing the command writes after the listing is written.
template <class F>
Listing listing_of(F&& body) {
  Listing out;
  try {
    std::forward<F>(body)(out.lines);
  } catch (const Cancelled&) {
    throw;
  } catch (const Stop& s) {
    out.stopped(s);
  }
  return out;
}

}  // namespace lumeral
