#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "gui/classification/classifica2.h"

namespace lumeral::gui {

void Tform_classifica2::build_layout() {
  setWindowTitle(QStringLiteral("Classificação por maior peso"));
  QMenu* resultado = menuBar()->addMenu(QStringLiteral("Resultado"));
  Abreresultado1 = resultado->addAction(QStringLiteral("Abre resultado (texto)"));
  Gravalistadedocumentos1 = resultado->addAction(QStringLiteral("Grava lista de documentos"));
  Gravacomotexto1 = resultado->addAction(QStringLiteral("Grava como texto"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* v = new QVBoxLayout(central);
  v->setContentsMargins(10, 10, 10, 10);
  Button1 = new QPushButton(QStringLiteral("Classifica documentos pela categoria de maior peso"), central);
  Button1->setMinimumHeight(30);
  v->addWidget(Button1);
  auto* categoria = new QHBoxLayout;
  Button2 = new QPushButton(QStringLiteral("Seleciona por categoria"), central);
  Edit_categoria = new QLineEdit(central);
  categoria->addWidget(Button2);
  categoria->addWidget(Edit_categoria, 1);
  v->addLayout(categoria);
  ListBox1 = new ListBox(regional(), central);
  QFont mono(QStringLiteral("DejaVu Sans Mono"));
  mono.setStyleHint(QFont::Monospace);
  ListBox1->setFont(mono);
  v->addWidget(ListBox1, 1);
  auto* total = new QHBoxLayout;
  total->addWidget(new QLabel(QStringLiteral("Total de linhas="), central));
  Edit_total = new QLineEdit(central);
  Edit_total->setReadOnly(true);
  Edit_total->setMaximumWidth(90);
  total->addWidget(Edit_total);
  total->addStretch();
  v->addLayout(total);
  resize(560, 480);
}

}  // namespace lumeral::gui
