#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/classification/especificidades.h"
#include "gui/classification/variaveis_lista.h"

namespace lumeral::gui {

void Tform_especificidades::build_layout() {
  setWindowTitle(QStringLiteral("Especificidades"));
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* v = new QVBoxLayout(central);
  v->setContentsMargins(10, 10, 10, 10);

  auto* campos = new QFormLayout;
  auto* lista = new QHBoxLayout;
  Edit_docs = new QLineEdit(central);
  Edit_docs->setReadOnly(true);
  bt_docs = new QPushButton(QStringLiteral("..."), central);
  bt_docs->setMaximumWidth(40);
  bt_docs->setToolTip(QStringLiteral("Escolhe a lista; as variáveis vêm do seu arquivo de variáveis (.var)"));
  lista->addWidget(Edit_docs, 1);
  lista->addWidget(bt_docs);
  campos->addRow(QStringLiteral("Lista de documentos"), lista);
  auto* linha = new QHBoxLayout;
  ComboBox_variavel = new QComboBox(central);
  ComboBox_variavel->setMinimumContentsLength(16);
  linha->addWidget(ComboBox_variavel);
  linha->addSpacing(16);
  linha->addWidget(new QLabel(QStringLiteral("Top N"), central));
  SpinEdit_top = new QSpinBox(central);
  SpinEdit_top->setRange(1, 10000);
  SpinEdit_top->setValue(20);
  SpinEdit_top->setToolTip(QStringLiteral("Palavras por categoria"));
  linha->addWidget(SpinEdit_top);
  linha->addStretch(1);
  campos->addRow(QStringLiteral("Variável"), linha);
  v->addLayout(campos);

  const AreaResultado area =
      monta_area_resultado(central, v, QStringLiteral("As barras do G2 das palavras de cada categoria"), 70);
  bt_calcula = area.calcula;
  bt_grafico = area.grafico;
  bt_nuvem = new QPushButton(QStringLiteral("Nuvem de palavras"), central);
  bt_nuvem->setToolTip(QStringLiteral("As palavras dos documentos da categoria da linha escolhida"));
  area.botoes->insertWidget(2, bt_nuvem);
  area.tabela->setToolTip(QStringLiteral("Duplo clique numa linha: a concordância da palavra nos documentos da lista"));
  Tabela = area.tabela;
  Memo_avisos = area.avisos;
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  resize(760, 620);
}

}  // namespace lumeral::gui
