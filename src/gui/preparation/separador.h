// The separation tool `form_separador` ("Separação de Documentos"): splits
// one chosen file into numbered documents (prefix + six digits + ".txt")
// beside it, at a separator string. The input file stays as it is.
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>

#include "gui/base/form.h"

namespace lumeral::gui {

// The controls of `Tform_separador`: its own and its tests' (TestAccess).
struct Tform_separadorUi {
  QLineEdit* Edit_inicial;    // "Nome inicial dos arquivos resultantes" ("arq-")
  QLineEdit* Edit_separador;  // "String separador no arq. original" ("XXX")
  QPushButton* Button1;       // "Fazer separação dos textos"
  QStatusBar* StatusBar1;
};

class Tform_separador : public QMainWindow, public Form, private Tform_separadorUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_separadorUi;
 public:
  explicit Tform_separador(Windows& windows);

  void Button1Click();

 private:
  void build_layout();
};

}  // namespace lumeral::gui
