// The automatic-summary window `res_auto` ("Resumo Automático"), opened by
// the tools window's "Resumo Automático": an empty window, kept so the
// button opens what it always opened.
#pragma once

#include <QWidget>

#include "gui/base/form.h"

namespace lumeral::gui {

class Tres_auto : public QWidget, public Form {
  Q_OBJECT
 public:
  explicit Tres_auto(Windows& windows);

 private:
  void build_layout();
};

}  // namespace lumeral::gui
