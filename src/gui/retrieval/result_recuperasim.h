// The text viewer `result_recsim` ("Arquivo Texto"): shows the lines of a
// document. Every window that opens a document by a double click shows it
// here, through the registry (Windows::show_text_file).
#pragma once

#include <QPlainTextEdit>
#include <QWidget>

#include <cstddef>
#include <cstdint>

#include "gui/base/form.h"

namespace lumeral::gui {

// The controls of `Tresult_recsim`: its own and its tests' (TestAccess).
struct Tresult_recsimUi {
  QPlainTextEdit* Memo1;
};

class Tresult_recsim : public QWidget, public Form, private Tresult_recsimUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tresult_recsimUi;
 public:
  explicit Tresult_recsim(Windows& windows);

  // Shows the window, empties the text and adds the file's lines; a file
  // that does not exist shows "Arquivo texto selecionado não existe" and
  // leaves the viewer empty. A bare name is looked for in the current folder
  // (letter case aside when the exact name is missing).
  void mostra_arquivo(const QString& arquivo);
  // The same, then scrolled to line `linha` (from 1) with the `tamanho`
  // characters at byte `posicao` of the text selected: an occurrence the
  // concordance lists.
  void mostra_arquivo_na_linha(const QString& arquivo, std::uint64_t linha, std::uint64_t posicao,
                               std::size_t tamanho);

 private:
  void build_layout();  // result_recuperasim_layout.cpp
};

}  // namespace lumeral::gui
