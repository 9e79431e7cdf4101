// The layout of Tform_dm: its controls, captions, defaults and places.
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "gui/mining/data_mining.h"
#include "gui/base/widgets.h"

namespace lumeral::gui {

void Tform_dm::build_layout() {
  setWindowTitle(QStringLiteral("Aplica Técnica de Data Mining sobre Associações Contextuais"));

  QMenuBar* menu = menuBar();
  Selecionalistas1 = menu->addAction(QStringLiteral("Seleciona listas"));
  CalculaConfiancaSuporte1 = menu->addAction(QStringLiteral("Calcula Confiança/Suporte"));
  QMenu* resultados = menu->addMenu(QStringLiteral("Resultados"));
  Abreresultado1 = resultados->addAction(QStringLiteral("Abre resultado (texto)"));
  Gravaresultado1 = resultados->addAction(QStringLiteral("Grava resultado (texto)"));
  Selecionaporlimiar1 = resultados->addAction(QStringLiteral("Seleciona por limiar"));
  Ordenadecrescenteporconfianca1 = resultados->addAction(QStringLiteral("Ordena decrescente por confiança"));
  Ordenaalfabeticamente1 = resultados->addAction(QStringLiteral("Ordena alfabeticamente"));
  Rededeassociacoes1 = resultados->addAction(QStringLiteral("Rede de associações"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* v = new QVBoxLayout(central);
  v->setContentsMargins(10, 10, 10, 10);
  auto* form = new QFormLayout;
  Edit_contextos = new QLineEdit(central);
  Edit_docs = new QLineEdit(central);
  Edit_ass = new QLineEdit(central);
  for (QLineEdit* e : {Edit_contextos, Edit_docs, Edit_ass}) e->setReadOnly(true);
  form->addRow(QStringLiteral("Lista de Contextos"), Edit_contextos);
  form->addRow(QStringLiteral("Lista de Documentos"), Edit_docs);
  form->addRow(QStringLiteral("Arquivo de Associações"), Edit_ass);
  v->addLayout(form);
  auto* row = new QHBoxLayout;
  auto* limiar = new QFormLayout;
  Edit_limiar = new QLineEdit(central);
  Edit_limiar->setMaximumWidth(100);
  Edit_limiar->setToolTip(QStringLiteral("Valor mínimo em \"Seleciona por limiar\": em %, para a confiança (por "
      "exemplo 30); em número de documentos, para o suporte (por exemplo 5)"));
  limiar->addRow(QStringLiteral("Limiar para mostrar"), Edit_limiar);
  row->addLayout(limiar);
  row->addSpacing(20);
  RadioGroup1 = new RadioGroup(QStringLiteral("Tipo do limiar"),
                               {QStringLiteral("Confiança (confidence)"), QStringLiteral("Suporte (support)")}, 0,
                               central);
  row->addWidget(RadioGroup1);
  RadioGroup1->setToolTip(QStringLiteral("Com que o limiar é comparado: a confiança da regra, em %, ou o seu suporte, "
      "em número de documentos"));
  row->addStretch();
  v->addLayout(row);
  auto* tuning = new QHBoxLayout;
  auto* grau = new QFormLayout;
  Edit_grau_minimo = new QLineEdit(QStringLiteral("0"), central);
  Edit_grau_minimo->setMaximumWidth(100);
  Edit_grau_minimo->setToolTip(QStringLiteral("Um documento conta para um conceito a partir deste grau (0: qualquer grau)"));
  grau->addRow(QStringLiteral("Grau mínimo"), Edit_grau_minimo);
  tuning->addLayout(grau);
  tuning->addSpacing(20);
  CheckBox_duas_direcoes = new QCheckBox(QStringLiteral("Mostrar as duas direções"), central);
  CheckBox_duas_direcoes->setToolTip(QStringLiteral("Mostra também B => A, com a sua confiança"));
  tuning->addWidget(CheckBox_duas_direcoes);
  tuning->addStretch();
  v->addLayout(tuning);
  v->addWidget(new QLabel(QStringLiteral("Resultados"), central));
  ListBox1 = new ListBox(regional(), central);
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  const QFont mono = monospace_font();
  ListBox1->setFont(mono);
  v->addWidget(ListBox1, 1);
  auto* total = new QHBoxLayout;
  total->addWidget(new QLabel(QStringLiteral("Total de regras="), central));
  Edit_total = new QLineEdit(central);
  Edit_total->setReadOnly(true);
  Edit_total->setMaximumWidth(80);
  total->addWidget(Edit_total);
  total->addStretch();
  v->addLayout(total);
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);

  resize(760, 520);
}

}  // namespace lumeral::gui
