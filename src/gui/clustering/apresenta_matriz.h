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

class Tform_show_matriz : public QWidget, public Form {
  Q_OBJECT
 public:
  explicit Tform_show_matriz(Windows& windows);

  QPlainTextEdit* Memo1;  // the matrix text (read-only)

  // Shows the matrix text; `table` is what "Exportar..." writes.
  void mostra(const std::vector<Ansi>& lines, exporting::Table table = {});
  std::vector<Ansi> linhas() const;

 private:
  void build_layout();
  exporting::Table tabela_;  // the matrix shown, as a table
};

}  // namespace lumeral::gui
