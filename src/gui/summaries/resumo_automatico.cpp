#include "gui/summaries/resumo_automatico.h"

#include "gui/shell/windows.h"

namespace lumeral::gui {

Tres_auto::Tres_auto(Windows& windows) : QWidget(nullptr), Form(windows) { build_layout(); }

}  // namespace lumeral::gui
