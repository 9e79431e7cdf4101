// The pictures of the tools window's windows, each over the sample project
// the mining wizard prepared and mined.
#include "app/guide_pictures/pictures.h"
#include "gui/preparation/gerencia_docs.h"
#include "gui/shell/inicio.h"
#include "support/ui_access.h"

namespace lumeral::gui::pictures {
namespace {

using testing::ui;

QPixmap launcher(Session& s) {
  s.tools();
  s.w().Form3->bt_analise_docsClick();
  return s.shot(s.w().form_ger_doc);
}

const Picture kPictures[] = {
    {"gerencia_docs", launcher},
};

}  // namespace

std::span<const Picture> tool_pictures() { return kPictures; }

}  // namespace lumeral::gui::pictures
