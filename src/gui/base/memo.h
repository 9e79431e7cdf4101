// An editable multi-line text read and written as lines of stored text, as
// the windows' free-text lists are ("Lista de Contextos", "Definição de cada
// contexto"). lines() drops the empty line after a final line break, so a
// text typed with a last Enter gives the lines the user sees.
#pragma once

#include <QPlainTextEdit>

#include <vector>

#include "core/base/ansi.h"

namespace lumeral::gui {

class Memo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit Memo(QWidget* parent = nullptr);

  std::vector<Ansi> lines() const;
  void set_lines(const std::vector<Ansi>& lines);
  void add_lines(const std::vector<Ansi>& lines);  // appended after the present lines
};

}  // namespace lumeral::gui
