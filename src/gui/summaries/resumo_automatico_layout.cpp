#include "gui/summaries/resumo_automatico.h"

namespace lumeral::gui {

void Tres_auto::build_layout() {
  setWindowTitle(QStringLiteral("Resumo Automático"));
  resize(480, 320);
}

}  // namespace lumeral::gui
