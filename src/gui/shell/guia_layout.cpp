#include <QLabel>
#include <QSplitter>

#include "gui/shell/guia.h"

namespace lumeral::gui {

void TGuia::build_layout() {
  setWindowTitle(QStringLiteral("Guia do Lumeral"));
  barra = addToolBar(QStringLiteral("Guia"));
  barra->setObjectName(QStringLiteral("barra"));
  barra->setMovable(false);
  barra->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bt_voltar = barra->addAction(QStringLiteral("Voltar"));
  bt_voltar->setEnabled(false);
  bt_avancar = barra->addAction(QStringLiteral("Avançar"));
  bt_avancar->setEnabled(false);
  bt_inicio = barra->addAction(QStringLiteral("Início"));
  bt_inicio->setToolTip(QStringLiteral("O índice do guia"));
  barra->addSeparator();
  barra->addWidget(new QLabel(QStringLiteral(" Procurar: "), barra));
  Edit_busca = new QLineEdit(barra);
  Edit_busca->setObjectName(QStringLiteral("Edit_busca"));
  Edit_busca->setMaximumWidth(300);
  Edit_busca->setClearButtonEnabled(true);
  Edit_busca->setToolTip(QStringLiteral(
      "Palavras a procurar, sem importar maiúsculas nem acentos; Enter mostra a próxima ocorrência nesta página "
      "e lista as páginas do guia que têm todas elas"));
  barra->addWidget(Edit_busca);

  auto* split = new QSplitter(Qt::Horizontal, this);
  lst_paginas = new QListWidget(split);
  lst_paginas->setObjectName(QStringLiteral("lst_paginas"));
  navegador = new GuiaBrowser(split);
  navegador->setObjectName(QStringLiteral("navegador"));
  navegador->setOpenLinks(false);
  navegador->setOpenExternalLinks(false);
  split->addWidget(lst_paginas);
  split->addWidget(navegador);
  split->setStretchFactor(0, 0);
  split->setStretchFactor(1, 1);
  split->setSizes({220, 780});
  setCentralWidget(split);
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  resize(1000, 720);
}

}  // namespace lumeral::gui
