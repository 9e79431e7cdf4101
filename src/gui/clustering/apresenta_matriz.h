// The matrix window `form_show_matriz` ("Matriz de Similaridades"): the
// clustering window writes its similarity matrix here as fixed-width text,
// shown in a monospaced font without wrapping so the columns line up.
#pragma once

#include <QPlainTextEdit>
#include <QWidget>

#include <vector>

#include "core/export/table.h"
#include "gui/base/form.h"

namespace lumeral::gui {

// The controls of `Tform_show_matriz`: its own and its tests' (TestAccess).
struct Tform_show_matrizUi {
  QPlainTextEdit* Memo1;  // the matrix text (read-only)
};

class Tform_show_matriz : public QWidget, public Form, private Tform_show_matrizUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_show_matrizUi;
 public:
  explicit Tform_show_matriz(Windows& windows);

  // Empties the text and brings the window to the front, before the
  // matrix is shown.
  void abre_vazia();
  // Shows the matrix text; `table` is what "Exportar..." writes.
  void mostra(const std::vector<Ansi>& lines, exporting::Table table = {});
  std::vector<Ansi> linhas() const;

 private:
  void build_layout();
  exporting::Table tabela_;  // the matrix shown, as a table
};

}  // namespace lumeral::gui
