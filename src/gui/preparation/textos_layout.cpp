// The layout of TForm1: its controls, captions, defaults and places.
#include <QFormLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "gui/preparation/textos.h"
#include "gui/base/widgets.h"

namespace lumeral::gui {

void TForm1::build_layout() {
  setWindowTitle(QStringLiteral("Pré-processamento e Listagem de Documentos"));

  QMenuBar* menu = menuBar();
  Abrelistadestopwords1 = menu->addAction(QStringLiteral("Abre lista de stopwords"));
  Analisatextos1 = menu->addAction(QStringLiteral("Analisa textos"));
  QMenu* lista = menu->addMenu(QStringLiteral("Lista de palavras"));
  Abrelista1 = lista->addAction(QStringLiteral("Abre lista"));
  Eliminapalavra1 = lista->addAction(QStringLiteral("Elimina palavra"));
  Gravalista1 = lista->addAction(QStringLiteral("Grava lista"));
  Gravacomotexto1 = lista->addAction(QStringLiteral("Grava como texto"));
  Gravacomoconceito1 = lista->addAction(QStringLiteral("Grava como conceito"));
  Ordenadecrescente1 = lista->addAction(QStringLiteral("Ordena decrescente"));
  Nuvemdepalavras1 = lista->addAction(QStringLiteral("Nuvem de palavras"));
  Concordancia1 = lista->addAction(QStringLiteral("Concordância da palavra"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* v = new QVBoxLayout(central);
  auto* form = new QFormLayout;
  Edit_stop = new QLineEdit(central);
  Edit_stop->setReadOnly(true);
  form->addRow(QStringLiteral("Lista de stopwords"), Edit_stop);
  auto* row = new QHBoxLayout;
  Edit_limiar = new QLineEdit(central);
  Edit_limiar->setMaximumWidth(100);
  Edit_total = new QLineEdit(central);
  Edit_total->setReadOnly(true);
  Edit_total->setMaximumWidth(100);
  row->addWidget(Edit_limiar);
  Edit_limiar->setToolTip(QStringLiteral("Só mostra as palavras de peso maior ou igual a este número; escreva-o antes "
      "de abrir a lista (0,03 mostra as mais importantes)"));
  row->addSpacing(20);
  row->addWidget(new QLabel(QStringLiteral("Total de palavras:"), central));
  row->addWidget(Edit_total);
  row->addStretch();
  form->addRow(QStringLiteral("Limiar= "), row);
  v->addLayout(form);
  auto* head = new QHBoxLayout;
  head->addWidget(new QLabel(QStringLiteral("Lista de Palavras"), central));
  head->addStretch();
  CheckBox1 = new QCheckBox(QStringLiteral("listar em ordem alfabética"), central);
  head->addWidget(CheckBox1);
  v->addLayout(head);
  ListBox1 = new ListBox(regional(), central);
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  const QFont mono = monospace_font();
  ListBox1->setFont(mono);
  v->addWidget(ListBox1, 1);
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);

  resize(560, 480);
}

}  // namespace lumeral::gui
