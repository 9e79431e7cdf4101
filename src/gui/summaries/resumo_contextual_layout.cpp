#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/summaries/resumo_contextual.h"

namespace lumeral::gui {

void Tres_contextual::build_layout() {
  setWindowTitle(QStringLiteral("Resumo Contextual"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 10, 10, 0);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(14);
  outer->addLayout(grid, 1);

  // Column 0: the two lists and the contexts with their terms.
  auto* lists = new QVBoxLayout;
  auto* docs = new QHBoxLayout;
  Button_docs = new QPushButton(QStringLiteral("Seleciona lista de docs"), this);
  Button_docs->setObjectName(QStringLiteral("Button_docs"));
  docs->addWidget(Button_docs);
  Edit_docs = new QLineEdit(this);
  Edit_docs->setObjectName(QStringLiteral("Edit_docs"));
  Edit_docs->setReadOnly(true);
  docs->addWidget(Edit_docs, 1);
  lists->addLayout(docs);
  auto* ctxs = new QHBoxLayout;
  Button_contextos = new QPushButton(QStringLiteral("Lista contextos"), this);
  Button_contextos->setObjectName(QStringLiteral("Button_contextos"));
  Button_contextos->setMinimumWidth(Button_docs->sizeHint().width());
  ctxs->addWidget(Button_contextos);
  Edit_contextos = new QLineEdit(this);
  Edit_contextos->setObjectName(QStringLiteral("Edit_contextos"));
  Edit_contextos->setReadOnly(true);
  ctxs->addWidget(Edit_contextos, 1);
  lists->addLayout(ctxs);
  auto* browse = new QHBoxLayout;
  ListBox_contextos = new ListBox(regional(), this);
  ListBox_contextos->setObjectName(QStringLiteral("ListBox_contextos"));
  browse->addWidget(ListBox_contextos);
  auto* termos = new QVBoxLayout;
  termos->addWidget(new QLabel(QStringLiteral("Termos do Contexto"), this));
  termos->addWidget(new QLabel(QStringLiteral("(selecione acima)"), this));
  ListBox_termos = new ListBox(regional(), this);
  ListBox_termos->setObjectName(QStringLiteral("ListBox_termos"));
  termos->addWidget(ListBox_termos, 1);
  browse->addLayout(termos);
  lists->addLayout(browse, 1);
  grid->addLayout(lists, 0, 0);

  // Column 1: the conditions.
  auto* conds = new QVBoxLayout;
  conds->addWidget(new QLabel(QStringLiteral("Contextos"), this));
  Memo_contextos = new Memo(this);
  Memo_contextos->setObjectName(QStringLiteral("Memo_contextos"));
  conds->addWidget(Memo_contextos, 1);
  conds->addWidget(new QLabel(QStringLiteral("NOT (não presentes)"), this));
  Memo_not = new Memo(this);
  Memo_not->setObjectName(QStringLiteral("Memo_not"));
  conds->addWidget(Memo_not, 1);
  RadioGroup_operador = new RadioGroup(QStringLiteral("Operador Booleano"),
                                       {QStringLiteral("AND - E"), QStringLiteral("OR - OU")}, 0, this);
  RadioGroup_operador->setObjectName(QStringLiteral("RadioGroup_operador"));
  conds->addWidget(RadioGroup_operador);
  auto* frases = new QHBoxLayout;
  auto* frases_texto = new QVBoxLayout;
  frases_texto->setSpacing(0);
  frases_texto->addWidget(new QLabel(QStringLiteral("Número de frases"), this));
  frases_texto->addWidget(new QLabel(QStringLiteral("para apresentar"), this));
  frases_texto->addWidget(new QLabel(QStringLiteral("(0 = frase única)"), this));
  frases->addLayout(frases_texto);
  Edit_frases = new QLineEdit(this);
  Edit_frases->setObjectName(QStringLiteral("Edit_frases"));
  Edit_frases->setMaximumWidth(60);
  Edit_frases->setToolTip(QStringLiteral("Um número inteiro de 0 em diante: 0 mostra só a frase encontrada"));
  frases->addWidget(Edit_frases, 0, Qt::AlignVCenter);
  frases->addStretch();
  conds->addLayout(frases);
  auto* buttons = new QHBoxLayout;
  Button_limpa = new QPushButton(QStringLiteral("Limpa memos"), this);
  Button_limpa->setObjectName(QStringLiteral("Button_limpa"));
  Button_executa = new QPushButton(QStringLiteral("Executa RESUMOS"), this);
  Button_executa->setObjectName(QStringLiteral("Button_executa"));
  buttons->addWidget(Button_limpa);
  buttons->addWidget(Button_executa);
  conds->addLayout(buttons);
  grid->addLayout(conds, 0, 1);

  // Column 2: the summaries.
  auto* result = new QVBoxLayout;
  result->addWidget(new QLabel(QStringLiteral("Resumos"), this));
  Memo_resumos = new QPlainTextEdit(this);
  Memo_resumos->setObjectName(QStringLiteral("Memo_resumos"));
  Memo_resumos->setReadOnly(true);
  result->addWidget(Memo_resumos, 1);
  grid->addLayout(result, 0, 2);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(2, 4);

  StatusBar1 = new QStatusBar(this);
  outer->addWidget(StatusBar1);
  resize(1180, 560);
}

}  // namespace lumeral::gui
