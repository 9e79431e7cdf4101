// The word cloud window "Nuvem de Palavras": the heaviest words of the
// source a window gave it (the word-list window's list, the centroid window's
// centroid or a document's differences, the clustering window's cluster),
// sized by weight and laid out on a spiral, no word over another. The
// toolbar's "Palavras:" sets how many words; "Atualizar" asks the source
// again, so the cloud draws what its window shows now. Words with no room in
// the picture are named in the status bar. The registry makes it on first
// use and hands it each opener's source (Windows::FonteNuvem).
#pragma once

#include "charts/wordcloud_view.h"
#include "gui/base/picture_window.h"
#include "gui/shell/windows.h"

class QSpinBox;

namespace lumeral::gui {

// The controls of `Tnuvem_palavras`: its own and its tests' (TestAccess).
struct Tnuvem_palavrasUi {
  QSpinBox* SpinEdit_palavras;    // "Palavras:" the N heaviest words, 100 at first
  charts::WordCloudView* nuvem;   // the picture
};

class Tnuvem_palavras : public PictureWindow, private Tnuvem_palavrasUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tnuvem_palavrasUi;
 public:
  Tnuvem_palavras(Windows& windows, Windows::FonteNuvem fonte);

  // Draws another source's words.
  void abre(Windows::FonteNuvem fonte);
  // Lays the source's words out again.
  void atualiza() override;

  // The layout drawn now.
  const charts::CloudLayout& nuvem_atual() const { return nuvem->cloud(); }

 private:
  Windows::FonteNuvem fonte_;
};

}  // namespace lumeral::gui
