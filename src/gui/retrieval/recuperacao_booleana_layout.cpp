#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "gui/retrieval/recuperacao_booleana.h"

namespace lumeral::gui {

void Tform_recbool::build_layout() {
  setWindowTitle(QStringLiteral("Recuperação Booleana"));

  QMenuBar* menu = menuBar();
  QMenu* abrir = menu->addMenu(QStringLiteral("Abrir"));
  ListadeDocumentos1 = abrir->addAction(QStringLiteral("Lista de Documentos"));
  Consulta1 = abrir->addAction(QStringLiteral("Consulta"));
  Contexto1 = abrir->addAction(QStringLiteral("Contexto"));
  ExecutaBusca1 = menu->addAction(QStringLiteral("Executa Busca"));
  QMenu* resultados = menu->addMenu(QStringLiteral("Resultados"));
  GravaListadeDocumentos1 = resultados->addAction(QStringLiteral("Grava Lista de Documentos"));
  GravacomoTexto1 = resultados->addAction(QStringLiteral("Grava como Texto"));
  GravaConsulta1 = resultados->addAction(QStringLiteral("Grava Consulta"));
  LimpaEntrada1 = menu->addAction(QStringLiteral("Limpa Entrada"));
  Concordancia1 = menu->addAction(QStringLiteral("Concordância..."));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->setHorizontalSpacing(16);

  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(QStringLiteral("Documento Selecionado:"), central));
  Edit_doc = new QLineEdit(central);
  Edit_doc->setObjectName(QStringLiteral("Edit_doc"));
  Edit_doc->setReadOnly(true);
  left->addWidget(Edit_doc);
  left->addWidget(new QLabel(QStringLiteral("Palavras ou frases de entrada"), central));
  Memo1 = new Memo(central);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  left->addWidget(Memo1, 1);
  RadioGroup1 = new RadioGroup(QStringLiteral("Condição booleana"), {QStringLiteral("E"), QStringLiteral("OU")}, 0,
                               central);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  left->addWidget(RadioGroup1);
  grid->addLayout(left, 0, 0);

  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(QStringLiteral("Documentos resultantes"), central));
  ListBox1 = new ListBox(regional(), central);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  right->addWidget(ListBox1, 1);
  auto* total = new QHBoxLayout;
  total->addWidget(new QLabel(QStringLiteral("Total= "), central));
  Edit_total = new QLineEdit(central);
  Edit_total->setObjectName(QStringLiteral("Edit_total"));
  Edit_total->setReadOnly(true);
  Edit_total->setMaximumWidth(90);
  total->addWidget(Edit_total);
  total->addStretch();
  right->addLayout(total);
  grid->addLayout(right, 0, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  resize(760, 480);
}

}  // namespace lumeral::gui
