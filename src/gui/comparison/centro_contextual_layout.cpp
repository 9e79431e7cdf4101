// The layout of Tcentro_percentual: its controls, captions, defaults and places.
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "gui/comparison/centro_contextual.h"
#include "gui/base/widgets.h"

namespace lumeral::gui {

void Tcentro_percentual::build_layout() {
  setWindowTitle(QStringLiteral("Calcula % no centróide contextual"));

  QMenuBar* menu = menuBar();
  Calculaporcentagens1 = menu->addAction(QStringLiteral("Calcula porcentagens"));
  QMenu* resultado = menu->addMenu(QStringLiteral("Resultado"));
  Abreresultado1 = resultado->addAction(QStringLiteral("Abre resultado (texto)"));
  Gravacomotexto1 = resultado->addAction(QStringLiteral("Grava como texto"));
  Ordenacaoporpeso1 = resultado->addAction(QStringLiteral("Ordenação por peso"));
  Ordenacaoalfabetica1 = resultado->addAction(QStringLiteral("Ordenação alfabética"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* v = new QVBoxLayout(central);
  v->setContentsMargins(10, 10, 10, 10);
  auto* form = new QFormLayout;
  auto field = [central](bool read_only) {
    auto* e = new QLineEdit(central);
    e->setReadOnly(read_only);
    return e;
  };
  Edit_docs = field(true);
  Edit_centro = field(true);
  form->addRow(QStringLiteral("Lista de documentos"), Edit_docs);
  form->addRow(QStringLiteral("Centróide"), Edit_centro);
  v->addLayout(form);
  auto* totals = new QHBoxLayout;
  Edit_total_docs = field(true);
  Edit_total_contextos = field(true);
  for (QLineEdit* e : {Edit_total_docs, Edit_total_contextos}) e->setMaximumWidth(80);
  totals->addWidget(new QLabel(QStringLiteral("Total de docs="), central));
  totals->addWidget(Edit_total_docs);
  totals->addSpacing(20);
  totals->addWidget(new QLabel(QStringLiteral("Total de contextos="), central));
  totals->addWidget(Edit_total_contextos);
  totals->addStretch();
  v->addLayout(totals);
  v->addWidget(new QLabel(QStringLiteral("Resultado"), central));
  ListBox1 = new ListBox(regional(), central);
  const QFont mono = monospace_font();
  ListBox1->setFont(mono);
  v->addWidget(ListBox1, 1);

  resize(560, 460);
}

}  // namespace lumeral::gui
