#include <QFormLayout>
#include <QVBoxLayout>

#include "gui/preparation/separador.h"

namespace lumeral::gui {

void Tform_separador::build_layout() {
  setWindowTitle(QStringLiteral("Separação de Documentos"));
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* v = new QVBoxLayout(central);
  v->setContentsMargins(14, 14, 14, 14);
  auto* form = new QFormLayout;
  Edit_inicial = new QLineEdit(QStringLiteral("arq-"), central);
  Edit_inicial->setToolTip(QStringLiteral("Resultado = inicial+NNN.extensão"));
  Edit_separador = new QLineEdit(QStringLiteral("XXX"), central);
  Edit_separador->setToolTip(QStringLiteral("A marca que separa os documentos no arquivo original (padrão XXX); "
      "maiúsculas e minúsculas contam"));
  form->addRow(QStringLiteral("Nome inicial dos arquivos resultantes"), Edit_inicial);
  form->addRow(QStringLiteral("String separador no arq. original"), Edit_separador);
  v->addLayout(form);
  Button1 = new QPushButton(QStringLiteral("Fazer separação dos textos"), central);
  Button1->setMinimumHeight(30);
  v->addWidget(Button1);
  v->addStretch();
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  resize(480, 170);
}

}  // namespace lumeral::gui
