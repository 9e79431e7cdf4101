// How a command stops: a typed exception carrying the system's own
// Portuguese sentence (UTF-8) and the kind of message box that shows it.
//
// Windows show `text` in a box of `kind`; the command line prints it on
// standard error and exits 1 (0 for an information message that ends a
// successful command).
#pragma once

#include <stdexcept>
#include <string>

namespace lumeral {

enum class MessageKind { Error, Information, Warning, Question };

class Stop : public std::runtime_error {
 public:
  explicit Stop(std::string text, MessageKind kind = MessageKind::Error)
      : std::runtime_error(text), kind_(kind) {}
  MessageKind kind() const { return kind_; }
  std::string text() const { return what(); }

 private:
  MessageKind kind_;
};

// The stop of a run the user cancelled. Callers that must tell it from a
// failure (the command line exits 130 on it) catch it before Stop.
class Cancelled : public Stop {
 public:
  Cancelled() : Stop("Operação cancelada pelo usuário", MessageKind::Information) {}
};

// A message shown without stopping the command (an information box in the
// middle of a run, for instance). Commands return these alongside results.
struct Message {
  std::string text;
  MessageKind kind = MessageKind::Information;
  bool operator==(const Message&) const = default;
};

}  // namespace lumeral
