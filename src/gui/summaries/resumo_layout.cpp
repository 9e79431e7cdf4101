#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "gui/summaries/resumo.h"

namespace lumeral::gui {

void Tform_resumo::build_layout() {
  setWindowTitle(QStringLiteral("Resumo de Documentos"));

  QMenuBar* menu = menuBar();
  Abrelistadedocs1 = menu->addAction(QStringLiteral("Abre lista de docs"));
  Limpaentrada1 = menu->addAction(QStringLiteral("Limpa entrada"));
  QMenu* resumos = menu->addMenu(QStringLiteral("Resumos"));
  Extrairresumos1 = resumos->addAction(QStringLiteral("Extrair resumos"));
  Salvarresumoscomotexto1 = resumos->addAction(QStringLiteral("Salvar resumos como texto"));
  Concordancia1 = menu->addAction(QStringLiteral("Concordância..."));

  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(10, 10, 10, 10);
  grid->setHorizontalSpacing(16);

  // Left: the list, the search lines and the options.
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(QStringLiteral("Lista de Documentos"), central));
  ListBox_docs = new ListBox(regional(), central);
  ListBox_docs->setObjectName(QStringLiteral("ListBox_docs"));
  left->addWidget(ListBox_docs, 2);
  auto* entrada = new QHBoxLayout;
  entrada->addWidget(new QLabel(QStringLiteral("Entrada ="), central));
  Edit_entrada = new QLineEdit(central);
  Edit_entrada->setObjectName(QStringLiteral("Edit_entrada"));
  Edit_entrada->setReadOnly(true);
  entrada->addWidget(Edit_entrada);
  left->addLayout(entrada);
  left->addWidget(new QLabel(QStringLiteral("Forneça palavras ou expressões "), central));
  auto* nota = new QLabel(QStringLiteral("Atenção com maiúsculas e minúsculas"), central);
  QFont italico = nota->font();
  italico.setItalic(true);
  nota->setFont(italico);
  left->addWidget(nota);
  Memo_palavras = new Memo(central);
  Memo_palavras->setObjectName(QStringLiteral("Memo_palavras"));
  left->addWidget(Memo_palavras, 1);

  RadioGroup_apresentacao = new RadioGroup(
      QStringLiteral("Opção de apresentação"),
      {QStringLiteral("Todos os documentos"), QStringLiteral("Somente documento selecionado")}, 0, central);
  RadioGroup_apresentacao->setObjectName(QStringLiteral("RadioGroup_apresentacao"));
  left->addWidget(RadioGroup_apresentacao);
  auto* escolhas = new QHBoxLayout;
  RadioGroup_condicoes = new RadioGroup(QStringLiteral("Condições de apresentação"),
                                        {QStringLiteral("Sem restrições"), QStringLiteral("Contendo palavras")},
                                        modo_ == ResumoModo::Comparacao ? 0 : 1, central);
  RadioGroup_condicoes->setObjectName(QStringLiteral("RadioGroup_condicoes"));
  escolhas->addWidget(RadioGroup_condicoes, 2);
  RadioGroup_boolean = new RadioGroup(QStringLiteral("Boolean"), {QStringLiteral("E"), QStringLiteral("OU")}, 0,
                                      central);
  RadioGroup_boolean->setObjectName(QStringLiteral("RadioGroup_boolean"));
  escolhas->addWidget(RadioGroup_boolean, 1);
  left->addLayout(escolhas);
  auto* frases = new QHBoxLayout;
  frases->addWidget(new QLabel(QStringLiteral("Frases antes e depois"), central));
  SpinEdit_frases = new QSpinBox(central);
  SpinEdit_frases->setObjectName(QStringLiteral("SpinEdit_frases"));
  SpinEdit_frases->setRange(0, 10);
  SpinEdit_frases->setValue(0);
  SpinEdit_frases->setToolTip(QStringLiteral("Quantas frases vizinhas aparecem antes e depois de cada frase "
      "encontrada: de 0 a 10"));
  frases->addWidget(SpinEdit_frases);
  frases->addStretch();
  left->addLayout(frases);
  grid->addLayout(left, 0, 0);

  // Right: the summaries.
  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(QStringLiteral("Resumos"), central));
  auto* titulo = new QLabel(QStringLiteral("Frases com estas palavras ou expressões"), central);
  QFont negrito = titulo->font();
  negrito.setBold(true);
  titulo->setFont(negrito);
  right->addWidget(titulo);
  if (modo_ == ResumoModo::Comparacao) {
    Memo_resumos = new QPlainTextEdit(central);
    Memo_resumos->setObjectName(QStringLiteral("Memo_resumos"));
    Memo_resumos->setReadOnly(true);
    Memo_resumos->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    right->addWidget(Memo_resumos, 1);
  } else {
    RichEdit_resumos = new QTextEdit(central);
    RichEdit_resumos->setObjectName(QStringLiteral("RichEdit_resumos"));
    RichEdit_resumos->setReadOnly(true);
    RichEdit_resumos->setAcceptRichText(true);
    right->addWidget(RichEdit_resumos, 1);
  }
  grid->addLayout(right, 0, 1);
  grid->setColumnStretch(0, 2);
  grid->setColumnStretch(1, 3);

  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  resize(980, 620);
}

}  // namespace lumeral::gui
