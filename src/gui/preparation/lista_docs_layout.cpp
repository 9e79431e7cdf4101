#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/preparation/doc_lists.h"
#include "gui/preparation/lista_docs.h"

namespace lumeral::gui {

void Tform_ldoc::build_layout() {
  setWindowTitle(QStringLiteral("Gerencia Listas de Documentos"));
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(10, 10, 10, 10);

  auto menu = [&](Lista& l, const QString& title, const QString& inclui) {
    QMenu* m = menuBar()->addMenu(title);
    l.Novalista = m->addAction(QStringLiteral("Nova lista"));
    l.Abrelista = m->addAction(QStringLiteral("Abre lista existente"));
    l.Incluilista = m->addAction(inclui);
    l.Incluidocs = m->addAction(QStringLiteral("Inclui docs na lista"));
    l.Salvalista = m->addAction(QStringLiteral("Salva lista"));
    l.Salvatexto = m->addAction(QStringLiteral("Salva lista como texto"));
    l.Excluidoc = m->addAction(QStringLiteral("Exclui doc da lista"));
    l.Concordancia = m->addAction(QStringLiteral("Concordância..."));
    return m;
  };
  QMenu* m1 = menu(lista1, QStringLiteral("Lista 1 de Documentos "), QStringLiteral("Inclui  lista inteira"));
  Ordenaalfabeticamente1 = m1->addAction(QStringLiteral("Ordena alfabeticamente"));
  menu(lista2, QStringLiteral("Lista 2 de Documentos"), QStringLiteral("Inclui lista inteira"));
  lista1.decimais = preparation::kList1Decimals;
  lista2.decimais = preparation::kList2Decimals;

  auto column = [&](Lista& l, const QString& title, int col) {
    auto* v = new QVBoxLayout;
    v->addWidget(new QLabel(title, central));
    l.Edit_nome = new QLineEdit(central);
    l.Edit_nome->setReadOnly(true);
    v->addWidget(l.Edit_nome);
    l.ListBox_docs = new ListBox(regional(), central);
    l.ListBox_docs->setSelectionMode(QAbstractItemView::ExtendedSelection);
    l.ListBox_docs->setMinimumWidth(300);
    v->addWidget(l.ListBox_docs, 1);
    auto* counts = new QFormLayout;
    l.Edit_total = new QLineEdit(QStringLiteral("0"), central);
    l.Edit_selecionados = new QLineEdit(QStringLiteral("0"), central);
    for (QLineEdit* e : {l.Edit_total, l.Edit_selecionados}) {
      e->setReadOnly(true);
      e->setMaximumWidth(80);
    }
    counts->addRow(QStringLiteral("Total de docs:"), l.Edit_total);
    counts->addRow(QStringLiteral("Selecionados:"), l.Edit_selecionados);
    v->addLayout(counts);
    grid->addLayout(v, 0, col);
  };
  column(lista1, QStringLiteral("Lista 1"), 0);
  column(lista2, QStringLiteral("Lista 2"), 1);

  auto* right = new QVBoxLayout;
  auto* limiar = new QFormLayout;
  Edit_limiar = new QLineEdit(central);
  Edit_limiar->setMaximumWidth(100);
  Edit_limiar->setToolTip(QStringLiteral("Ao abrir ou incluir uma lista, só entram os documentos de peso maior ou "
      "igual a este número (vazio vale 0)"));
  limiar->addRow(QStringLiteral("Limiar:"), Edit_limiar);
  right->addLayout(limiar);
  right->addWidget(new QLabel(QStringLiteral("Pasta da lista 2"), central));
  DirectoryListBox1 = new FolderTree(central);
  DirectoryListBox1->setMinimumWidth(220);
  right->addWidget(DirectoryListBox1, 1);
  grid->addLayout(right, 0, 2);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 3);
  grid->setColumnStretch(2, 2);
  resize(1000, 520);
}

}  // namespace lumeral::gui
