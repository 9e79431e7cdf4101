#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/preparation/elimina_palavras.h"

namespace lumeral::gui {

void Tform_elimina::build_layout() {
  setWindowTitle(QStringLiteral("Eliminação de palavras (tirar palavras das listas)"));
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(10, 10, 10, 10);

  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(QStringLiteral("Documentos da lista:"), central));
  Edit_lista = new QLineEdit(central);
  Edit_lista->setReadOnly(true);
  left->addWidget(Edit_lista);
  ListBox1 = new ListBox(regional(), central);
  left->addWidget(ListBox1, 1);
  grid->addLayout(left, 0, 0);

  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(QStringLiteral("ou escreva na caixa as palavras\nque serão eliminadas"), central));
  Memo1 = new Memo(central);
  right->addWidget(Memo1, 1);
  grid->addLayout(right, 0, 1);

  auto* buttons = new QHBoxLayout;
  bt_abre = new QPushButton(QStringLiteral("Abre lista de documentos"), central);
  bt_stopwords = new QPushButton(QStringLiteral("Acrescenta lista de stopwords"), central);
  bt_limpa = new QPushButton(QStringLiteral("Limpa"), central);
  bt_elimina = new QPushButton(QStringLiteral("Elimina palavras dos documentos"), central);
  for (QPushButton* b : {bt_abre, bt_stopwords, bt_limpa, bt_elimina}) {
    b->setMinimumHeight(30);
    buttons->addWidget(b);
  }
  grid->addLayout(buttons, 1, 0, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  resize(760, 440);
}

}  // namespace lumeral::gui
