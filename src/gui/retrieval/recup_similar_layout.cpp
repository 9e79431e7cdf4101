#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "gui/retrieval/recup_similar.h"

namespace lumeral::gui {

void Tform_recsim::build_layout() {
  setWindowTitle(QStringLiteral("Recuperação por Similaridade (baseada em casos passados)"));

  QMenuBar* menu = menuBar();
  Abrelistadedocs1 = menu->addAction(QStringLiteral("Abre lista de docs"));
  QMenu* recupera = menu->addMenu(QStringLiteral("Recupera"));
  RecuperaTextos1 = recupera->addAction(QStringLiteral("Recupera Textos"));
  QMenu* resultados = menu->addMenu(QStringLiteral("Resultados"));
  Gravalistadedocs1 = resultados->addAction(QStringLiteral("Grava lista de docs"));
  Gravacomtexto1 = resultados->addAction(QStringLiteral("Grava com texto"));
  Concordancia1 = menu->addAction(QStringLiteral("Concordância..."));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->setHorizontalSpacing(16);

  // Left: the comparison list, the case and its text.
  auto* left = new QVBoxLayout;
  Button_lista = new QPushButton(QStringLiteral("Seleciona lista de docs p/ comparar"), central);
  Button_lista->setObjectName(QStringLiteral("Button_lista"));
  left->addWidget(Button_lista, 0, Qt::AlignLeft);
  left->addWidget(new QLabel(QStringLiteral("Documento Selecionado:"), central));
  Edit_lista = new QLineEdit(central);
  Edit_lista->setObjectName(QStringLiteral("Edit_lista"));
  Edit_lista->setReadOnly(true);
  left->addWidget(Edit_lista);
  GroupBox_recuperacao = new QGroupBox(QStringLiteral("Recuperação"), central);
  auto* rec = new QVBoxLayout(GroupBox_recuperacao);
  Edit_caso = new QLineEdit(GroupBox_recuperacao);
  Edit_caso->setObjectName(QStringLiteral("Edit_caso"));
  Edit_caso->setReadOnly(true);
  rec->addWidget(Edit_caso);
  Memo_caso = new Memo(GroupBox_recuperacao);
  Memo_caso->setObjectName(QStringLiteral("Memo_caso"));
  Memo_caso->setReadOnly(true);
  // A text is often one long line (a converted page): it wraps to be read.
  Memo_caso->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  rec->addWidget(Memo_caso, 1);
  left->addWidget(GroupBox_recuperacao, 1);

  // Middle: the options.
  auto* options = new QVBoxLayout;
  RadioGroup_caso = new RadioGroup(QString(), {QStringLiteral("Um só doc"), QStringLiteral("Lista de docs")}, 0,
                                   central);
  RadioGroup_caso->setObjectName(QStringLiteral("RadioGroup_caso"));
  RadioGroup_metodo = new RadioGroup(QStringLiteral("Método"),
                                     {QStringLiteral("Por palavra"), QStringLiteral("Contextual")}, 0, central);
  RadioGroup_metodo->setObjectName(QStringLiteral("RadioGroup_metodo"));
  RadioGroup_metodo->setToolTip(QStringLiteral("Por palavra: compara as listas de palavras; Contextual: compara as "
      "matrizes da classificação (o caso também precisa estar classificado)"));
  RadioGroup_pesos = new RadioGroup(QStringLiteral("Considerar pesos ?"), {QStringLiteral("Sim"), QStringLiteral("Não")},
                                    0, central);
  RadioGroup_pesos->setObjectName(QStringLiteral("RadioGroup_pesos"));
  RadioGroup_pesos->setToolTip(QStringLiteral("Sim: compara os pesos das palavras comuns (função fuzzy); Não: só "
      "conta as palavras comuns"));
  RadioGroup_funcao = new RadioGroup(QStringLiteral("Função de Similarid."),
                                     {QStringLiteral("Função Fuzzy"), QStringLiteral("Euclidean dist.")}, 0, central);
  RadioGroup_funcao->setObjectName(QStringLiteral("RadioGroup_funcao"));
  RadioGroup_funcao->setToolTip(QStringLiteral("Como a semelhança dos pesos é medida: a função fuzzy compara os pesos "
      "das palavras comuns"));
  RadioGroup_funcao->button(1)->setEnabled(false);
  RadioGroup_funcao->button(1)->setToolTip(QStringLiteral("Só funciona considerando pesos"));
  for (RadioGroup* g : {RadioGroup_caso, RadioGroup_metodo, RadioGroup_pesos, RadioGroup_funcao})
    options->addWidget(g);
  options->addStretch();

  // Right: the results, their count and the threshold.
  auto* right = new QVBoxLayout;
  ListBox1 = new ListBox(regional(), central);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  right->addWidget(ListBox1, 1);
  auto* total = new QHBoxLayout;
  total->addWidget(new QLabel(QStringLiteral("Total de docs= "), central));
  Edit_total = new QLineEdit(central);
  Edit_total->setObjectName(QStringLiteral("Edit_total"));
  Edit_total->setReadOnly(true);
  Edit_total->setMaximumWidth(80);
  total->addWidget(Edit_total);
  total->addStretch();
  right->addLayout(total);
  auto* limiar = new QHBoxLayout;
  Edit_limiar = new QLineEdit(central);
  Edit_limiar->setObjectName(QStringLiteral("Edit_limiar"));
  Edit_limiar->setToolTip(QStringLiteral("Similaridade mínima em \"Seleciona por limiar\", com vírgula decimal (por "
      "exemplo 0,04); Enter no campo também seleciona"));
  Edit_limiar->setMaximumWidth(100);
  limiar->addWidget(Edit_limiar);
  Button_limiar = new QPushButton(QStringLiteral("Seleciona por limiar"), central);
  Button_limiar->setObjectName(QStringLiteral("Button_limiar"));
  limiar->addWidget(Button_limiar);
  limiar->addStretch();
  right->addLayout(limiar);

  grid->addLayout(left, 0, 0);
  grid->addLayout(options, 0, 1);
  grid->addLayout(right, 0, 2);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(2, 2);

  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  resize(1000, 560);
}

}  // namespace lumeral::gui
