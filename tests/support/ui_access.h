// A window's controls for the programs that drive windows as a user would:
// the desktop tests and the window bench. Every window names TestAccess a
// friend; no program source defines it.
#pragma once

#include <QPointer>

#include <type_traits>

namespace lumeral::gui {

// A window's controls, for its tests: `ui(window).Edit1`; the controls of
// a frame it derives from, `ui<WizardProjectPanel>(window).Edit_titulo`.
// Every window names TestAccess a friend; its controls are private to it
// otherwise.
struct TestAccess {
  template <class U, class W>
  static auto& ui(W& window) {
    if constexpr (std::is_void_v<U>)
      return static_cast<typename W::Ui&>(window);
    else
      return static_cast<U&>(window);
  }
};

}  // namespace lumeral::gui

namespace lumeral::gui::testing {

template <class U = void, class W>
auto& ui(W& window) {
  return TestAccess::ui<U>(window);
}
template <class U = void, class W>
auto& ui(W* window) {
  return TestAccess::ui<U>(*window);
}
template <class U = void, class W>
auto& ui(const QPointer<W>& window) {
  return TestAccess::ui<U>(*window);
}
template <class U = void, class W>
auto& ui(QPointer<W>& window) {
  return TestAccess::ui<U>(*window);
}

}  // namespace lumeral::gui::testing
