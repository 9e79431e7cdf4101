// The matrix window `form_show_matriz` ("Matriz de Similaridades"): the
// clustering window writes its similarity matrix here as fixed-width text,
// shown in a monospaced font without wrapping so the columns line up.
#pragma once

#include <QPlainTextEdit>
#include <QWidget>

#include <vector>

#include "gui/base/form.h"

namespace lumeral::gui {

class Tform_show_matriz : public QWidget, public Form {
  Q_OBJECT
 public:
  explicit Tform_show_matriz(Windows& windows);

  QPlainTextEdit* Memo1;  // the matrix text (read-only)

  void mostra(const std::vector<Ansi>& lines);
  std::vector<Ansi> linhas() const;

 private:
  void build_layout();
};

}  // namespace lumeral::gui
