#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/classification/consulta.h"

namespace lumeral::gui {

void Tform_consulta::build_layout() {
  setWindowTitle(QStringLiteral("Recuperação Contextual (necessário fazer antes a classificação)"));
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(10, 10, 10, 10);

  // The query: words and weights side by side, its file and its commands.
  auto* entrada = new QVBoxLayout;
  entrada->addWidget(new QLabel(QStringLiteral("Forneça as palavras de entrada + peso"), central));
  auto* memos = new QHBoxLayout;
  Memo_palavras = new Memo(central);
  Memo_pesos = new Memo(central);
  Memo_pesos->setMaximumWidth(110);
  Memo_pesos->setToolTip(QStringLiteral("O peso de cada palavra, na mesma linha dela, com vírgula decimal (por "
      "exemplo 0,9)"));
  memos->addWidget(Memo_palavras, 1);
  memos->addWidget(Memo_pesos);
  entrada->addLayout(memos, 1);
  auto* form = new QFormLayout;
  Edit_consulta = new QLineEdit(central);
  form->addRow(QStringLiteral("Consulta:"), Edit_consulta);
  entrada->addLayout(form);
  bt_grava_consulta = new QPushButton(QStringLiteral("Grava entrada da consulta"), central);
  bt_abre_consulta = new QPushButton(QStringLiteral("Abre consulta gravada"), central);
  bt_limpa = new QPushButton(QStringLiteral("Limpa"), central);
  for (QPushButton* b : {bt_grava_consulta, bt_abre_consulta, bt_limpa}) entrada->addWidget(b);
  grid->addLayout(entrada, 0, 0);

  // The lists, the retrieval and the threshold.
  auto* listas = new QVBoxLayout;
  bt_docs = new QPushButton(QStringLiteral("Abre lista de documentos"), central);
  Edit_docs = new QLineEdit(central);
  bt_contextos = new QPushButton(QStringLiteral("Abre lista de contextos"), central);
  Edit_contextos = new QLineEdit(central);
  for (QLineEdit* e : {Edit_docs, Edit_contextos}) e->setReadOnly(true);
  listas->addWidget(bt_docs);
  listas->addWidget(Edit_docs);
  listas->addWidget(bt_contextos);
  listas->addWidget(Edit_contextos);
  listas->addSpacing(10);
  bt_consulta = new QPushButton(QStringLiteral("Realiza a consulta "), central);
  bt_consulta->setMinimumHeight(30);
  listas->addWidget(bt_consulta);
  auto* limiar = new QFormLayout;
  Edit_limiar = new QLineEdit(central);
  Edit_limiar->setMaximumWidth(110);
  Edit_limiar->setToolTip(QStringLiteral("Pontuação mínima dos documentos em \"Mostra resultados\" (0 mostra todos os "
      "de pontuação acima de 0)"));
  limiar->addRow(QStringLiteral("Limiar:"), Edit_limiar);
  listas->addLayout(limiar);
  bt_resultados = new QPushButton(QStringLiteral("Mostra resultados"), central);
  bt_grava_resultado = new QPushButton(QStringLiteral("Grava resultado"), central);
  bt_grava_texto = new QPushButton(QStringLiteral("Grava como texto"), central);
  for (QPushButton* b : {bt_resultados, bt_grava_resultado, bt_grava_texto}) listas->addWidget(b);
  listas->addStretch();
  grid->addLayout(listas, 0, 1);

  ListBox1 = new ListBox(regional(), central);
  QFont mono(QStringLiteral("DejaVu Sans Mono"));
  mono.setStyleHint(QFont::Monospace);
  ListBox1->setFont(mono);
  ListBox1->setMinimumWidth(300);
  grid->addWidget(ListBox1, 0, 2);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(2, 4);
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  resize(940, 460);
}

}  // namespace lumeral::gui
