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

class Tform_rede_termos : public PictureWindow {
  Q_OBJECT
 public:
  explicit Tform_rede_termos(Windows& windows);

  QSpinBox* SpinEdit_pares;  // 1 to 2000, 60 at first

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
