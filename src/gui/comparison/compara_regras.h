// The window `form_regras` ("Compara regras (comuns e diferenças entre
// coleções)"): compares the association rules saved as text for several
// collections, showing the rules every collection has and, collection by
// collection, those no other collection has.
#pragma once

#include <QMainWindow>

#include <vector>

#include "gui/base/form.h"
#include "gui/base/list_box.h"
#include "gui/base/memo.h"

class QAction;

namespace lumeral::gui {

// The controls of `Tform_regras`: its own and its tests' (TestAccess).
struct Tform_regrasUi {
  ListBox* ListBox_arquivos;  // "Arquivos de Regras": the chosen files' names
  Memo* Memo_comuns;          // "Regras Comuns" (read-only)
  Memo* Memo_exclusivas;      // "Regras Exclusivas (diferenças)" (read-only)
  QAction* Compararegras1;       // "Compara regras"
  QAction* Salvarcomotexto1;     // "Regras Comuns" > "Salvar como texto"
  QAction* Salvarcomotexto2;     // "Regra Exclusivas" > "Salvar como texto"
};

class Tform_regras : public QMainWindow, public Form, private Tform_regrasUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_regrasUi;
 public:
  explicit Tform_regras(Windows& windows);

  void Compararegras1Click();
  void Salvarcomotexto1Click();
  void Salvarcomotexto2Click();

 private:
  void build_layout();
  void salva(const std::vector<Ansi>& lines);
  // The rules shown, kept as lines so a save writes exactly them (an empty
  // rule is an empty line, also the last one).
  std::vector<Ansi> comuns_;
  std::vector<Ansi> exclusivas_;
};

}  // namespace lumeral::gui
