// The layout of Tform_rel: its controls, captions, defaults and places.
#include <QCloseEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "gui/association/associacao.h"
#include "gui/base/widgets.h"

namespace lumeral::gui {

void Tform_rel::build_layout() {
  setWindowTitle(QStringLiteral("Associação de Características de Textos"));

  QMenuBar* menu = menuBar();
  Calcularassociacoes1 = menu->addAction(QStringLiteral("Calcular associações"));
  QMenu* resultados = menu->addMenu(QStringLiteral("Resultados"));
  Abrirresultadogravado1 = resultados->addAction(QStringLiteral("Abrir resultado gravado"));
  Selecionarporlimiar1 = resultados->addAction(QStringLiteral("Selecionar por limiar"));
  Salvarassociacoes1 = resultados->addAction(QStringLiteral("Salvar associações (.ass)"));
  Salvarcomotexto1 = resultados->addAction(QStringLiteral("Salvar como texto"));
  Ordenarporpeso1 = resultados->addAction(QStringLiteral("Ordenar por peso"));
  Ordenaralfabeticamente1 = resultados->addAction(QStringLiteral("Ordenar alfabeticamente"));
  Rededecoocorrencia1 = resultados->addAction(QStringLiteral("Rede de co-ocorrência"));
  Concordancia1 = resultados->addAction(QStringLiteral("Concordância do par"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* h = new QHBoxLayout(central);
  h->setContentsMargins(10, 10, 10, 10);
  auto* left = new QVBoxLayout;
  auto* form = new QFormLayout;
  Edit_docs = new QLineEdit(central);
  Edit_docs->setReadOnly(true);
  Edit_stop = new QLineEdit(central);
  Edit_stop->setReadOnly(true);
  Edit_limiar = new QLineEdit(central);
  Edit_limiar->setMaximumWidth(100);
  form->addRow(QStringLiteral("Lista de docs:"), Edit_docs);
  form->addRow(QStringLiteral("Stopwords:"), Edit_stop);
  form->addRow(QStringLiteral("Limiar"), Edit_limiar);
  Edit_limiar->setToolTip(QStringLiteral("Peso mínimo dos pares em \"Selecionar por limiar\": um número inteiro (3 "
      "mantém os pares de peso 3 ou mais)"));
  left->addLayout(form);
  RadioGroup1 = new RadioGroup(QStringLiteral("Selecionar método para associação"),
                               {QStringLiteral("Por presença no mesmo doc"), QStringLiteral("Por freqüência no mesmo doc"),
                                QStringLiteral("Por presença na mesma frase"), QStringLiteral("Por contextos")},
                               0, central);
  RadioGroup1->setToolTip(QStringLiteral("Como um par é contado: documentos com as duas palavras (listas de "
      "palavras), frases com as duas (textos e stopwords) ou documentos com os dois contextos (matrizes da "
      "classificação, para o Data Mining Contextual)"));
  left->addWidget(RadioGroup1);
  left->addStretch();
  h->addLayout(left, 2);
  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(QStringLiteral("palavra_1 | palavra_2 = peso (da associação)"), central));
  ListBox1 = new ListBox(regional(), central);
  const QFont mono = monospace_font();
  ListBox1->setFont(mono);
  right->addWidget(ListBox1, 1);
  h->addLayout(right, 3);
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);

  resize(860, 480);
}

}  // namespace lumeral::gui
