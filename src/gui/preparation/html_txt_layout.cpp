#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "gui/preparation/html_txt.h"

namespace lumeral::gui {

void TForm2::build_layout() {
  setWindowTitle(QStringLiteral("Transforma HTML para TXT"));
  QMenu* lista = menuBar()->addMenu(QStringLiteral("Lista de documentos"));
  Abrelistadedocs1 = lista->addAction(QStringLiteral("Abre lista de docs (.txt)"));
  Gravalistadedocs1 = lista->addAction(QStringLiteral("Grava lista de docs (.txt)"));
  Eliminadocsselecionados1 = lista->addAction(QStringLiteral("Elimina docs selecionados da lista"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->addWidget(new QLabel(QStringLiteral("Pastas"), central), 0, 0);
  DirectoryListBox1 = new FolderTree(central);
  DirectoryListBox1->setMinimumWidth(260);
  grid->addWidget(DirectoryListBox1, 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("Lista de Documentos"), central), 0, 1);
  FileListBox1 = new ListBox(regional(), central);
  FileListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  FileListBox1->setMinimumWidth(260);
  grid->addWidget(FileListBox1, 1, 1);

  auto* bottom = new QHBoxLayout;
  auto* counts = new QFormLayout;
  Edit_total = new QLineEdit(QStringLiteral("0"), central);
  Edit_selecionados = new QLineEdit(QStringLiteral("0"), central);
  for (QLineEdit* e : {Edit_total, Edit_selecionados}) {
    e->setReadOnly(true);
    e->setMaximumWidth(80);
  }
  counts->addRow(QStringLiteral("Total de arquivos:"), Edit_total);
  counts->addRow(QStringLiteral("N. de selecionados:"), Edit_selecionados);
  bottom->addLayout(counts);
  bottom->addStretch();
  Button1 = new QPushButton(QStringLiteral("Converte HTML para TXT"), central);
  Button1->setMinimumHeight(30);
  bottom->addWidget(Button1);
  grid->addLayout(bottom, 2, 0, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  resize(640, 460);
}

}  // namespace lumeral::gui
