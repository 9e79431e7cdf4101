// The layout of Tform_matriz: its controls, captions, defaults and places.
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/classification/results.h"
#include "gui/classification/matriz.h"
#include "gui/base/widgets.h"

namespace lumeral::gui {

void Tform_matriz::build_layout() {
  setWindowTitle(QStringLiteral("Classificação de Documentos (Matriz Documentos X Contextos)"));

  QMenuBar* menu = menuBar();
  Abrelistadedocs1 = menu->addAction(QStringLiteral("Abre lista de docs"));
  Abrelistadecontextos1 = menu->addAction(QStringLiteral("Abre lista de contextos"));
  QMenu* classifica = menu->addMenu(QStringLiteral("Classifica"));
  MetodoDeterministico1 = classifica->addAction(QStringLiteral("Método Determinístico (\"por frase\")"));
  MetodoProbabilistico1 = classifica->addAction(QStringLiteral("Método Probabilístico (\"todo texto\")"));
  QMenu* resultados = menu->addMenu(QStringLiteral("Resultados"));
  Mostracontextosdeumdoc1 = resultados->addAction(QStringLiteral("Mostra contextos de um doc"));
  Mostradocumentosdeumcontexto1 = resultados->addAction(QStringLiteral("Mostra documentos de um contexto"));
  Salvaresultadocomoldoc1 = resultados->addAction(QStringLiteral("Salva resultado como ldoc"));
  Salvaresultadocomotexto1 = resultados->addAction(QStringLiteral("Salva resultado como texto"));
  Ordenaalfabeticamente1 = resultados->addAction(QStringLiteral("Ordena alfabeticamente"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(10, 10, 10, 10);
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(QStringLiteral("Lista de documentos"), central));
  Edit_docs = new QLineEdit(central);
  Edit_docs->setReadOnly(true);
  left->addWidget(Edit_docs);
  left->addWidget(new QLabel(QStringLiteral("Lista de contextos"), central));
  Edit_contextos = new QLineEdit(central);
  Edit_contextos->setReadOnly(true);
  left->addWidget(Edit_contextos);
  auto* form = new QFormLayout;
  Edit_limiar = new QLineEdit(qs(classification::initial_threshold(regional())), central);
  Edit_limiar->setMaximumWidth(120);
  Edit_limiar->setToolTip(QStringLiteral("Só mostra graus maiores ou iguais a este número, com vírgula decimal (o "
      "valor inicial mostra qualquer grau acima de 0)"));
  form->addRow(QStringLiteral("Limiar:"), Edit_limiar);
  left->addLayout(form);
  left->addWidget(new QLabel(QStringLiteral("Nome (contexto ou doc):"), central));
  Edit_nome = new QLineEdit(central);
  left->addWidget(Edit_nome);
  Button_docs = new QPushButton(QStringLiteral("Mostra documentos da lista"), central);
  Button_conts = new QPushButton(QStringLiteral("Mostra contextos da lista"), central);
  Button_copia = new QPushButton(QStringLiteral("Copia selecionado"), central);
  for (QPushButton* b : {Button_docs, Button_conts, Button_copia}) left->addWidget(b);
  left->addStretch();
  auto* total = new QHBoxLayout;
  total->addWidget(new QLabel(QStringLiteral("Total de items:"), central));
  Edit_total = new QLineEdit(central);
  Edit_total->setReadOnly(true);
  Edit_total->setMaximumWidth(90);
  total->addWidget(Edit_total);
  total->addStretch();
  left->addLayout(total);
  grid->addLayout(left, 0, 0);

  ListBox1 = new ListBox(regional(), central);
  const QFont mono = monospace_font();
  ListBox1->setFont(mono);
  ListBox1->setMinimumWidth(330);
  grid->addWidget(ListBox1, 0, 1);
  grid->setColumnStretch(0, 2);
  grid->setColumnStretch(1, 3);
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);

  resize(820, 480);
}

}  // namespace lumeral::gui
