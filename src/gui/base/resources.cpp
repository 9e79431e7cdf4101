#include "gui/base/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void register_shell_resources() { Q_INIT_RESOURCE(shell); }

namespace lumeral::gui {

void init_resources() {
  static const bool done = (register_shell_resources(), true);
  (void)done;
}

}  // namespace lumeral::gui
