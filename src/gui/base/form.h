// What every window of the desktop program shares: the registry it reaches
// the other windows through (gui/shell/windows.h), the platform services
// and the regional settings the registry offers (WindowServices),
// the conversions between stored text and Qt strings, and the one way a
// command runs (a checked stop becomes a message box of its kind).
//
// A window is a Qt widget class that also derives from Form; its controls
// are its own, in a struct it inherits privately, which only it and its
// tests reach (through TestAccess, defined by the tests):
//
//   struct Tform_stopUi {
//     QPushButton* Button1;
//   };
//   class Tform_stop : public QWidget, public Form, private Tform_stopUi {
//     Q_OBJECT
//     friend struct TestAccess;
//     using Ui = Tform_stopUi;
//    public:
//     explicit Tform_stop(Windows& windows);
//     void Button1Click();                  // one handler per command
//   };
//   void Tform_stop::Button1Click() {
//     command([&] { ...gather fields, call the core, show results... });
//   }
#pragma once

#include <QString>

#include <concepts>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/message.h"
#include "core/base/regional.h"

class QWidget;

namespace lumeral::gui {

class Windows;
class Platform;
// The tests' way to a window's controls (tests/gui/gui_test.h): every window
// names it a friend, and no program source defines it.
struct TestAccess;

// ---- text at the edge between the core and Qt
QString qs(AnsiView text);                // stored text (Windows-1252) to Qt
QString qs(const std::string& utf8);      // a UTF-8 message to Qt
QString qs(const char* utf8);
Ansi ansi(const QString& text);           // Qt to stored text ("?" where the code page lacks a character)
std::filesystem::path path_of(const QString& path);
QString qpath(const std::filesystem::path& path);

// What a window needs of the registry that created it, whatever else the
// registry offers. The registry `Windows` implements it; this folder names
// the registry only as a declared class.
class WindowServices {
 public:
  virtual Platform& platform() const = 0;
  virtual const Regional& regional() const = 0;

 protected:
  ~WindowServices() = default;
};

class Form {
 public:
  // `windows` is the registry; a template so that this header needs only
  // its declaration: the window's own source, which includes the registry,
  // makes the conversion to WindowServices.
  template <std::derived_from<WindowServices> Registry>
  explicit Form(Registry& windows) : windows_(windows), services_(windows) {}
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Windows& windows() const { return windows_; }
  Platform& platform() const;
  const Regional& regional() const;

  // Runs a command's body. A lumeral::Stop shows its sentence in a message
  // box of its kind; any other exception shows its text in an error box.
  // Either way the command ends there and the window keeps what was done.
  // Returns (and remembers) whether the body ran to its end, so a window
  // that drives another can tell whether the driven command stopped.
  // A cancel ("Cancelar" during long work) stops the command the same way;
  // its message is shown once however many driven commands it stopped.
  bool command(const std::function<void()>& body);
  bool last_command_ok() const { return last_ok_; }
  // True once a cancel stopped a command of the user's current action.
  static bool command_cancelled();

  // Shows messages a core function returned without stopping.
  void show_message(const Message& message);
  void show_messages(const std::vector<Message>& messages);
  void error(const QString& text);
  void information(const QString& text);

 private:
  QWidget* widget();
  Windows& windows_;
  const WindowServices& services_;
  bool last_ok_ = true;
};

}  // namespace lumeral::gui
