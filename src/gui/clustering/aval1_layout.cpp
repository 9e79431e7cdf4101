#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/clustering/aval1.h"

namespace lumeral::gui {

void Tform_aval1::build_layout() {
  setWindowTitle(QStringLiteral("Avaliação de Similaridade"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(12, 12, 12, 0);

  RadioGroup1 = new RadioGroup(QStringLiteral("Seleciona elementos"),
                               {QStringLiteral("Avalia lista de palavras X lista de palavras"),
                                QStringLiteral("Avalia lista de docs X lista de docs")},
                               0, this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  outer->addWidget(RadioGroup1);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);
  Button1 = new QPushButton(QStringLiteral("Seleciona 1o elemento"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setReadOnly(true);
  Button2 = new QPushButton(QStringLiteral("Seleciona 2o elemento"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setReadOnly(true);
  grid->addWidget(Button1, 0, 0);
  grid->addWidget(Edit1, 0, 1);
  grid->addWidget(Button2, 1, 0);
  grid->addWidget(Edit2, 1, 1);
  grid->setColumnStretch(1, 1);
  outer->addLayout(grid);

  Button3 = new QPushButton(QStringLiteral("Avalia Similaridade"), this);
  Button3->setObjectName(QStringLiteral("Button3"));
  outer->addWidget(Button3, 0, Qt::AlignLeft);

  auto* results = new QGridLayout;
  results->addWidget(new QLabel(QStringLiteral("Grau ou valor ="), this), 0, 0);
  Edit_grau = new QLineEdit(this);
  Edit_grau->setObjectName(QStringLiteral("Edit_grau"));
  Edit_grau->setReadOnly(true);
  Edit_grau->setMaximumWidth(140);
  results->addWidget(Edit_grau, 0, 1);
  results->addWidget(new QLabel(QStringLiteral("Elementos comuns="), this), 1, 0);
  Edit_comuns = new QLineEdit(this);
  Edit_comuns->setObjectName(QStringLiteral("Edit_comuns"));
  Edit_comuns->setReadOnly(true);
  Edit_comuns->setMaximumWidth(140);
  results->addWidget(Edit_comuns, 1, 1);
  results->setColumnStretch(2, 1);
  outer->addLayout(results);
  outer->addStretch();

  StatusBar1 = new QStatusBar(this);
  outer->addWidget(StatusBar1);
  resize(620, 330);
}

}  // namespace lumeral::gui
