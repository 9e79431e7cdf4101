// The picture of the concepts by variable (`form_crosstab`'s "Gráfico"):
// the crosstab as a coloured table (charts/crosstab_view.h), scrolled when
// larger than the window, exported whole. Redrawn from the window's last
// result when opened and on "Atualizar". The registry creates it and gives
// it the window's picture (Fonte).
#pragma once

#include <functional>

#include "charts/crosstab_view.h"
#include "gui/base/picture_window.h"

namespace lumeral::gui {

class Tgrafico_crosstab : public PictureWindow {
  Q_OBJECT
  friend struct TestAccess;
 public:
  using Fonte = std::function<charts::CrosstabPicture()>;
  Tgrafico_crosstab(Windows& windows, Fonte fonte);

  charts::CrosstabView* tabela;
  void atualiza() override;

 private:
  Fonte fonte_;
};

}  // namespace lumeral::gui
