#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/classification/conceitos_variavel.h"
#include "gui/classification/variaveis_lista.h"

namespace lumeral::gui {

void Tform_crosstab::build_layout() {
  setWindowTitle(QStringLiteral("Conceitos por variável"));
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* v = new QVBoxLayout(central);
  v->setContentsMargins(10, 10, 10, 10);

  auto* campos = new QFormLayout;
  const auto escolha = [&](QLineEdit*& edit, QPushButton*& button, const QString& caption) {
    auto* h = new QHBoxLayout;
    edit = new QLineEdit(central);
    edit->setReadOnly(true);
    button = new QPushButton(QStringLiteral("..."), central);
    button->setMaximumWidth(40);
    h->addWidget(edit, 1);
    h->addWidget(button);
    campos->addRow(caption, h);
  };
  escolha(Edit_docs, bt_docs, QStringLiteral("Lista de documentos"));
  bt_docs->setToolTip(QStringLiteral("Escolhe a lista; as variáveis vêm do seu arquivo de variáveis (.var)"));
  escolha(Edit_contextos, bt_contextos, QStringLiteral("Lista de contextos"));
  auto* linha = new QHBoxLayout;
  ComboBox_variavel = new QComboBox(central);
  ComboBox_variavel->setMinimumContentsLength(16);
  linha->addWidget(ComboBox_variavel);
  linha->addSpacing(16);
  linha->addWidget(new QLabel(QStringLiteral("Grau mínimo"), central));
  Edit_grau = new QLineEdit(central);
  Edit_grau->setMaximumWidth(80);
  Edit_grau->setToolTip(QStringLiteral("Vazio: basta o grau passar de 0"));
  linha->addWidget(Edit_grau);
  linha->addStretch(1);
  campos->addRow(QStringLiteral("Variável"), linha);
  v->addLayout(campos);

  const AreaResultado area = monta_area_resultado(central, v, QStringLiteral("A tabela colorida pelos resíduos"), 80);
  bt_calcula = area.calcula;
  bt_grafico = area.grafico;
  Tabela = area.tabela;
  Memo_avisos = area.avisos;
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  resize(980, 620);
}

}  // namespace lumeral::gui
