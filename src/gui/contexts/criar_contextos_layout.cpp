// The layout of Tform_cont: its controls, captions, defaults and places.
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>

#include "gui/contexts/criar_contextos.h"
#include "gui/base/widgets.h"

namespace lumeral::gui {

void Tform_cont::build_layout() {
  setWindowTitle(QStringLiteral("Gerência de Contextos"));

  QMenuBar* menu = menuBar();
  QMenu* lista = menu->addMenu(QStringLiteral("Lista de Contextos"));
  Abrelista1 = lista->addAction(QStringLiteral("Abre lista"));
  Salvalista1 = lista->addAction(QStringLiteral("Salva lista"));
  Salvalistacomotexto1 = lista->addAction(QStringLiteral("Salva  lista como texto"));
  Ordenaalfabetica1 = lista->addAction(QStringLiteral("Ordena alfabética"));
  Limpalista1 = lista->addAction(QStringLiteral("Limpa lista"));
  QMenu* contextos = menu->addMenu(QStringLiteral("Contextos"));
  Abrecontexto1 = contextos->addAction(QStringLiteral("Abre contexto"));
  Incluicontexto1 = contextos->addAction(QStringLiteral("Inclui contexto"));
  Salvacontexto1 = contextos->addAction(QStringLiteral("Salva contexto"));
  Salvacontextocomotexto1 = contextos->addAction(QStringLiteral("Salva contexto como texto"));
  Limpadefinicoes1 = contextos->addAction(QStringLiteral("Limpa definições"));
  contextos->addSeparator();
  Trocapesos01 = contextos->addAction(QStringLiteral("Troca pesos 0 => 1"));
  Trocapesospor11 = contextos->addAction(QStringLiteral("Troca pesos por 1"));
  Gravadefinicoescomotexto1 = menu->addAction(QStringLiteral("Grava definições como texto"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->addWidget(new QLabel(QStringLiteral("Lista de Contextos"), central), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Definição de cada contexto"), central), 0, 1);
  const QFont mono = monospace_font();
  Memo_lista = new Memo(central);
  Memo_definicao = new Memo(central);
  for (Memo* m : {Memo_lista, Memo_definicao}) m->setFont(mono);
  grid->addWidget(Memo_lista, 1, 0);
  grid->addWidget(Memo_definicao, 1, 1);
  auto* total = new QHBoxLayout;
  total->addWidget(new QLabel(QStringLiteral("Número total de contextos: "), central));
  Edit_total = new QLineEdit(central);
  Edit_total->setReadOnly(true);
  Edit_total->setMaximumWidth(80);
  total->addWidget(Edit_total);
  total->addStretch();
  grid->addLayout(total, 2, 0, 1, 2);
  grid->setRowStretch(1, 1);

  resize(720, 480);
}

}  // namespace lumeral::gui
