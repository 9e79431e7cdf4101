#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "gui/classification/classifica3.h"

namespace lumeral::gui {

void Tform_classifica3::build_layout() {
  setWindowTitle(QStringLiteral("Classificação por Conceitos"));
  QMenuBar* menu = menuBar();
  Abrelistadedocumentos1 = menu->addAction(QStringLiteral("Abre lista de documentos"));
  Analisacategorias1 = menu->addAction(QStringLiteral("Analisa categorias"));
  QMenu* resultado = menu->addMenu(QStringLiteral("Resultado"));
  Salvalistadedocs1 = resultado->addAction(QStringLiteral("Salva lista de docs"));
  Salvalistacomomatriz1 = resultado->addAction(QStringLiteral("Salva lista como matriz (mtz)"));
  Ordenaporpeso1 = resultado->addAction(QStringLiteral("Ordena por peso decresente"));
  Ordenaalfabeticamente1 = resultado->addAction(QStringLiteral("Ordena alfabeticamente"));
  Limpacaixas1 = menu->addAction(QStringLiteral("Limpa caixas"));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(10, 10, 10, 10);

  auto* top = new QFormLayout;
  Edit_lista = new QLineEdit(central);
  Edit_lista->setReadOnly(true);
  top->addRow(QStringLiteral("Lista de Documentos"), Edit_lista);
  grid->addLayout(top, 0, 0, 1, 3);

  auto* positivos = new QVBoxLayout;
  auto* rotulo = new QLabel(QStringLiteral("Fornecer pesos p/ Contextos"), central);
  positivos->addWidget(rotulo);
  Memo_positivos = new Memo(central);
  Memo_positivos->setToolTip(QStringLiteral("no formato \"característica | peso\""));
  rotulo->setToolTip(Memo_positivos->toolTip());
  positivos->addWidget(Memo_positivos, 1);
  grid->addLayout(positivos, 1, 0);

  auto* negativos = new QVBoxLayout;
  negativos->addWidget(new QLabel(QStringLiteral("Contextos Negativos"), central));
  Memo_negativos = new Memo(central);
  negativos->addWidget(Memo_negativos, 1);
  RadioGroup1 = new RadioGroup(QStringLiteral("Tipo do Método"),
                               {QStringLiteral("conceitos simples"), QStringLiteral("pares de conceitos")}, 0, central);
  RadioGroup1->setToolTip(QStringLiteral("conceitos simples: linhas \"contexto | peso\"; pares de conceitos: linhas "
      "\"contexto | contexto\", os documentos que têm os dois"));
  negativos->addWidget(RadioGroup1);
  grid->addLayout(negativos, 1, 1);

  auto* resultado_col = new QVBoxLayout;
  resultado_col->addWidget(new QLabel(QStringLiteral("Resultado"), central));
  ListBox1 = new ListBox(regional(), central);
  ListBox1->setMinimumWidth(240);
  resultado_col->addWidget(ListBox1, 1);
  auto* totals = new QFormLayout;
  Edit_total = new QLineEdit(central);
  Edit_total_docs = new QLineEdit(central);
  for (QLineEdit* e : {Edit_total, Edit_total_docs}) {
    e->setReadOnly(true);
    e->setMaximumWidth(90);
  }
  totals->addRow(QStringLiteral("Total="), Edit_total);
  totals->addRow(QStringLiteral("Total de Documentos"), Edit_total_docs);
  resultado_col->addLayout(totals);
  grid->addLayout(resultado_col, 1, 2);

  auto* nome = new QFormLayout;
  Edit_nome = new QLineEdit(central);
  nome->addRow(QStringLiteral("Nome do contexto"), Edit_nome);
  grid->addLayout(nome, 2, 0, 1, 3);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(2, 3);
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  resize(820, 480);
}

}  // namespace lumeral::gui
