// The picture of the words by variable (`form_especificidades`'s
// "Gráfico"): one bar chart per category, the G2 of its specific words,
// stacked in a scrolled frame and exported whole. Redrawn from the window's
// last result when opened and on "Atualizar". The registry creates it and
// gives it the window's charts (Fonte).
#pragma once

#include <functional>
#include <vector>

#include "charts/bar_chart.h"
#include "gui/base/picture_window.h"

class QScrollArea;

namespace lumeral::gui {

class Tgrafico_especificidades : public PictureWindow {
  Q_OBJECT
  friend struct TestAccess;
 public:
  using Fonte = std::function<std::vector<charts::BarChartData>()>;
  Tgrafico_especificidades(Windows& windows, Fonte fonte);

  // The charts' frame (replaced at each redraw).
  QWidget* quadro = nullptr;
  void atualiza() override;

 private:
  Fonte fonte_;
  QScrollArea* rolagem_;
};

}  // namespace lumeral::gui
