// The main window's layout: the entry menu, the step indicators, the
// welcome group, the project and preparation panels, the ontology step's
// layers, the button bar and the status bar.
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPixmap>
#include <QVBoxLayout>

#include "gui/base/widgets.h"
#include "gui/shell/mdi_form.h"

namespace lumeral::gui {

void TMdi_Frm::build_layout() {
  setWindowIcon(QIcon(QStringLiteral(":/shell/lumeral.png")));
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("fundo"));
  setCentralWidget(central);
  auto* outer = new QVBoxLayout(central);

  auto* body = new QHBoxLayout;
  body->addWidget(build_steps());
  auto* pages = new QVBoxLayout;
  pages->addWidget(build_entry(), 1);
  pages->addWidget(build_welcome(QStringLiteral("Bem Vindo ao Wizard do Programa Lumeral."), false, centralWidget()), 1);
  pages->addWidget(build_project(), 1);
  pages->addWidget(build_ontology(), 1);
  body->addLayout(pages, 1);
  outer->addLayout(body, 1);
  outer->addWidget(build_buttons());
  build_status();
  resize(1180, 740);
}

QWidget* TMdi_Frm::build_entry() {
  pnEntrada = new QFrame(centralWidget());
  pnEntrada->setObjectName(QStringLiteral("pnEntrada"));
  pnEntrada->setFrameShape(QFrame::StyledPanel);
  auto* v = new QVBoxLayout(pnEntrada);
  v->setContentsMargins(30, 24, 30, 24);
  lb_entrada = heading(QStringLiteral("Bem Vindo ao Menu do Programa Lumeral."), pnEntrada, 6);
  auto* title = new QHBoxLayout;
  auto* logo = new QLabel(pnEntrada);
  logo->setPixmap(QPixmap(QStringLiteral(":/shell/lumeral.png")));
  title->addWidget(logo);
  title->addSpacing(12);
  title->addWidget(lb_entrada, 1);
  v->addLayout(title);
  v->addSpacing(16);
  RadioGroup1 = new RadioGroup(
      QStringLiteral("O que você gostaria de fazer?"),
      {QStringLiteral("Assistente para Mineração de Textos (Frequência de Conceitos e Associações entre Conceitos)"),
       QStringLiteral("Assistente para Comparação entre Textos (para Inteligência Competitiva)"),
       QStringLiteral("Modo Clássico (Uso separado das Ferramentas de Text Mining)")},
      0, pnEntrada);
  RadioGroup1->items_layout()->setSpacing(12);
  v->addWidget(RadioGroup1);
  auto* h = new QHBoxLayout;
  bt_sobre = command_button(QStringLiteral("Sobre o Lumeral"),
                            QStringLiteral("Versão, licenças e onde está o guia do usuário"), pnEntrada);
  h->addWidget(bt_sobre);
  h->addStretch();
  bt_ok_entrada = command_button(QStringLiteral("OK"), QStringLiteral("Segue pelo caminho escolhido"), pnEntrada);
  bt_ok_entrada->setMinimumWidth(100);
  h->addWidget(bt_ok_entrada);
  v->addLayout(h);
  v->addStretch();
  auto* flow = new QLabel(pnEntrada);
  flow->setPixmap(QPixmap(QStringLiteral(":/shell/animacao.png")));
  flow->setAlignment(Qt::AlignRight | Qt::AlignBottom);
  v->addWidget(flow);
  return pnEntrada;
}

QWidget* TMdi_Frm::build_steps() {
  QWidget* column = build_step_column({QStringLiteral("Configurar Projeto"), QStringLiteral("Preparar Textos"),
                                       QStringLiteral("Ontologia"), QStringLiteral("Mineração de Textos")},
                                      150, centralWidget());
  StepLabel** on[] = {&botao_1_on, &botao_2_on, &botao_3_on, &botao_4_on};
  StepLabel** off[] = {&botao_1_off, &botao_2_off, &botao_3_off, &botao_4_off};
  StepLabel** caption[] = {&lb_passo1, &lb_passo2, &lb_passo3, &lb_passo4};
  for (std::size_t i = 0; i < 4; ++i) {
    *on[i] = on_[i];
    *off[i] = off_[i];
    *caption[i] = captions_[i];
  }
  return column;
}

QWidget* TMdi_Frm::build_project() {
  build_project_panel(*this, Label3, centralWidget());
  pn_preparacao->hide();
  return Panel_comeco;
}

QWidget* TMdi_Frm::build_ontology() {
  Panel_ontologia = new QFrame(centralWidget());
  Panel_ontologia->setObjectName(QStringLiteral("Panel_ontologia"));
  Panel_ontologia->setFrameShape(QFrame::StyledPanel);
  // The step's layers share one cell: the editor (placed by the
  // constructor once it exists), the choice panel over it and the mining
  // panel over both.
  auto* v = new QGridLayout(Panel_ontologia);
  camadas_ = v;
  v->setContentsMargins(20, 16, 20, 16);

  Panel3 = new QFrame(Panel_ontologia);
  Panel3->setObjectName(QStringLiteral("Panel3"));
  auto* c = new QVBoxLayout(Panel3);
  c->setContentsMargins(0, 0, 0, 0);
  c->addWidget(heading(QStringLiteral("Ontologia"), Panel3));
  c->addSpacing(10);
  RadioGroup3 = new RadioGroup(QStringLiteral("O que você gostaria de fazer?"),
                               {QStringLiteral("Usar uma Ontologia existente"),
                                QStringLiteral("Criar uma nova Ontologia"),
                                QStringLiteral("Ver uma Ontologia existente")},
                               1, Panel3);
  c->addWidget(RadioGroup3);
  // Under the options and above "OK": the editor's kind choice.
  pn_tipo_ontologia = new QWidget(Panel3);
  c->addWidget(pn_tipo_ontologia);
  auto* h = new QHBoxLayout;
  h->addStretch();
  bt_ok_ontologia = command_button(QStringLiteral("OK"), QStringLiteral("Aciona uma das opções marcadas ao lado"), Panel3);
  bt_ok_ontologia->setMinimumWidth(100);
  h->addWidget(bt_ok_ontologia);
  c->addLayout(h);
  c->addStretch();
  v->addWidget(Panel3, 0, 0);

  // The editor's new-concept box: filled by the ontology editor's unit.
  pn_novo_conceito = new QWidget(Panel_ontologia);
  pn_novo_conceito->hide();

  // The mining panel: filled by the mining unit.
  P_Minera = new QFrame(Panel_ontologia);
  P_Minera->setObjectName(QStringLiteral("P_Minera"));
  P_Minera->setAutoFillBackground(true);
  P_Minera->hide();
  v->addWidget(P_Minera, 0, 0);
  return Panel_ontologia;
}

QWidget* TMdi_Frm::build_buttons() {
  QHBoxLayout* row = nullptr;
  build_button_bar(*this, row, centralWidget());
  Panel_Botoes->setObjectName(QStringLiteral("Panel_Botoes"));
  // The ontology step's own "Voltar" stands beside the common one.
  bit_mutreta = command_button(QStringLiteral("Voltar"), QStringLiteral("Volta ao passo anterior"), Panel_Botoes);
  bit_mutreta->hide();
  row->insertWidget(1, bit_mutreta);
  return Panel_Botoes;
}

void TMdi_Frm::build_status() { StatusBar2 = build_status_bar(*this, this); }

}  // namespace lumeral::gui
