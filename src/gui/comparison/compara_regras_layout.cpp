#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>

#include "gui/comparison/compara_regras.h"

namespace lumeral::gui {

void Tform_regras::build_layout() {
  setWindowTitle(QStringLiteral("Compara regras (comuns e diferenças entre coleções)"));
  QMenuBar* menu = menuBar();
  Compararegras1 = menu->addAction(QStringLiteral("Compara regras"));
  Salvarcomotexto1 = menu->addMenu(QStringLiteral("Regras Comuns"))->addAction(QStringLiteral("Salvar como texto"));
  Salvarcomotexto2 =
      menu->addMenu(QStringLiteral("Regra Exclusivas"))->addAction(QStringLiteral("Salvar como texto"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->addWidget(new QLabel(QStringLiteral("Arquivos de Regras"), central), 0, 0);
  ListBox_arquivos = new ListBox(regional(), central);
  ListBox_arquivos->setMaximumHeight(90);
  grid->addWidget(ListBox_arquivos, 1, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Regras Comuns"), central), 2, 0);
  grid->addWidget(new QLabel(QStringLiteral("Regras Exclusivas (diferenças)"), central), 2, 1);
  Memo_comuns = new Memo(central);
  Memo_exclusivas = new Memo(central);
  for (Memo* m : {Memo_comuns, Memo_exclusivas}) m->setReadOnly(true);
  grid->addWidget(Memo_comuns, 3, 0);
  grid->addWidget(Memo_exclusivas, 3, 1);
  grid->setRowStretch(3, 1);
  resize(860, 520);
}

}  // namespace lumeral::gui
