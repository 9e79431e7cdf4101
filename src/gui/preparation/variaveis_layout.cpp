#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

#include "gui/base/widgets.h"
#include "gui/preparation/variaveis.h"

namespace lumeral::gui {

void Tform_variaveis::build_layout() {
  setWindowTitle(QStringLiteral("Variáveis dos Documentos"));
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* v = new QVBoxLayout(central);
  v->setContentsMargins(10, 10, 10, 10);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("Lista de documentos:"), central));
  Edit_lista = new QLineEdit(central);
  Edit_lista->setReadOnly(true);
  top->addWidget(Edit_lista, 1);
  bt_abre = command_button(QStringLiteral("Abre lista de docs..."),
                           QStringLiteral("Abre uma lista de documentos (.ldc) e o arquivo de variáveis ao lado dela"),
                           central);
  top->addWidget(bt_abre);
  v->addLayout(top);

  Grid_variaveis = new QTableWidget(central);
  Grid_variaveis->setSelectionMode(QAbstractItemView::ContiguousSelection);
  Grid_variaveis->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  Grid_variaveis->horizontalHeader()->setStretchLastSection(true);
  Grid_variaveis->verticalHeader()->setDefaultSectionSize(Grid_variaveis->fontMetrics().height() + 8);
  v->addWidget(Grid_variaveis, 1);

  Label_avisos = new QLabel(central);
  Label_avisos->setWordWrap(true);
  Label_avisos->setTextInteractionFlags(Qt::TextSelectableByMouse);
  v->addWidget(Label_avisos);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel(QStringLiteral("Nova variável:"), central));
  Edit_variavel = new QLineEdit(central);
  Edit_variavel->setMaximumWidth(200);
  bottom->addWidget(Edit_variavel);
  bt_inclui = command_button(QStringLiteral("Inclui variável"),
                             QStringLiteral("Acrescenta uma coluna com o nome escrito ao lado"), central);
  bottom->addWidget(bt_inclui);
  bt_exclui = command_button(QStringLiteral("Exclui variável"),
                             QStringLiteral("Tira a coluna da célula selecionada"), central);
  bottom->addWidget(bt_exclui);
  bottom->addStretch(1);
  bt_importa = command_button(QStringLiteral("Importar de planilha..."),
                              QStringLiteral("Troca as variáveis pelas de uma planilha (CSV, XLSX, ODS) cuja primeira "
                                             "coluna nomeia os documentos da lista"),
                              central);
  bottom->addWidget(bt_importa);
  bt_grava = command_button(QStringLiteral("Grava"), QStringLiteral("Grava o arquivo de variáveis da lista"), central);
  bottom->addWidget(bt_grava);
  v->addLayout(bottom);
  statusBar();
  resize(900, 560);
}

}  // namespace lumeral::gui
