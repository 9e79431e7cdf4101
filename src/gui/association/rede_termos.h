// The co-occurrence network `form_rede_termos` ("Rede de Co-ocorrência de
// Termos"): the strongest pairs the term-association window lists (as
// filtered and sorted there) drawn as lines between words, each word sized
// by its total weight and coloured by its community. Clicking a word opens
// the sentence summaries of that word on the documents the pairs came from.
#pragma once

#include <QLabel>
#include <QSpinBox>

#include "gui/base/picture_window.h"

namespace lumeral::gui {

// The controls of `Tform_rede_termos`: its own and its tests' (TestAccess).
struct Tform_rede_termosUi {
  QSpinBox* SpinEdit_pares;  // 1 to 2000, 60 at first
};

class Tform_rede_termos : public PictureWindow, private Tform_rede_termosUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_rede_termosUi;
 public:
  explicit Tform_rede_termos(Windows& windows);

  // Draws the pairs of `form_rel` now (shows and raises the window).
  void abre();
  void atualiza() override;

  void SpinEdit_paresChange();
  void NoClick(int node);

 private:
  void build_layout();  // rede_termos_layout.cpp
  void desenha();
};

}  // namespace lumeral::gui
