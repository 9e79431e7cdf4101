// How the comparison wizard looks: the step column, the welcome group, the
// project and preparation controls, the analysis panel, the button bar and
// the status bar.
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPixmap>
#include <QVBoxLayout>

#include "gui/base/widgets.h"
#include "gui/comparison/mdi_form2.h"
#include "gui/shell/mdi_form.h"

namespace lumeral::gui {

namespace {

StepLabel* step_image(const QString& resource, const QString& name, QWidget* parent) {
  auto* l = new StepLabel(parent);
  l->setPixmap(QPixmap(resource));
  l->setFixedSize(48, 48);
  l->setObjectName(name);
  return l;
}

}  // namespace

void TMdi_Frm2::build_layout() {
  setWindowIcon(QIcon(QStringLiteral(":/shell/lumeral.png")));
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* outer = new QVBoxLayout(central);

  // ---- step column
  pn_passos = new QWidget(central);
  auto* steps = new QVBoxLayout(pn_passos);
  steps->setContentsMargins(4, 8, 8, 8);
  StepLabel** on[] = {&botao_1_on, &botao_2_on, &botao_3_on};
  StepLabel** off[] = {&botao_1_off, &botao_2_off, &botao_3_off};
  StepLabel** caption[] = {&lb_passo1, &lb_passo2, &lb_passo3};
  const QString captions[] = {QStringLiteral("Configurar Projeto"), QStringLiteral("Preparar Textos"),
                              QStringLiteral("Análise dos Documentos")};
  for (int i = 0; i < 3; ++i) {
    auto* row = new QHBoxLayout;
    *on[i] = step_image(QStringLiteral(":/shell/passo%1_on.png").arg(i + 1),
                        QStringLiteral("botao_%1_on").arg(i + 1), pn_passos);
    *off[i] = step_image(QStringLiteral(":/shell/passo%1_off.png").arg(i + 1),
                         QStringLiteral("botao_%1_off").arg(i + 1), pn_passos);
    *caption[i] = new StepLabel(captions[i], pn_passos);
    (*caption[i])->setMinimumWidth(170);
    row->addWidget(*on[i]);
    row->addWidget(*off[i]);
    row->addWidget(*caption[i], 1);
    steps->addLayout(row);
    steps->addSpacing(6);
  }
  auto* flow = new QLabel(pn_passos);
  flow->setPixmap(QPixmap(QStringLiteral(":/shell/animacao.png")));
  steps->addWidget(flow);
  steps->addStretch();

  // ---- welcome group
  GroupBox1 = new QGroupBox(central);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  auto* welcome = new QVBoxLayout(GroupBox1);
  welcome->setContentsMargins(30, 24, 30, 24);
  auto* title_row = new QHBoxLayout;
  auto* logo = new QLabel(GroupBox1);
  logo->setPixmap(QPixmap(QStringLiteral(":/shell/lumeral.png")));
  title_row->addWidget(logo);
  title_row->addSpacing(12);
  title_row->addWidget(heading(QStringLiteral("Bem Vindo ao Wizard de Inteligência Competitiva."), GroupBox1, 6), 1);
  welcome->addLayout(title_row);
  welcome->addSpacing(16);
  RadioGroup2 = new RadioGroup(QStringLiteral("O que você gostaria de fazer?"),
                               {QStringLiteral("Começar um Novo Projeto"),
                                QStringLiteral("Continuar um Projeto já existente")},
                               0, GroupBox1);
  welcome->addWidget(RadioGroup2);
  auto* ok_row = new QHBoxLayout;
  ok_row->addStretch();
  bt_ok_bemvindo = command_button(QStringLiteral("OK"), QStringLiteral("Começa o projeto escolhido"), GroupBox1);
  bt_ok_bemvindo->setMinimumWidth(100);
  ok_row->addWidget(bt_ok_bemvindo);
  welcome->addLayout(ok_row);
  welcome->addStretch();

  // ---- project panel: step 1 and step 2
  build_project_panel(*this, Label3, central);

  // ---- analysis panel
  Panel_analise = new QFrame(central);
  Panel_analise->setObjectName(QStringLiteral("Panel_analise"));
  Panel_analise->setFrameShape(QFrame::StyledPanel);
  auto* a = new QVBoxLayout(Panel_analise);
  a->setContentsMargins(20, 16, 20, 16);
  a->addWidget(heading(QStringLiteral("Análise dos Documentos"), Panel_analise));
  a->addSpacing(8);
  auto* choice = new QHBoxLayout;
  choice->addWidget(new QLabel(QStringLiteral("Resultados:"), Panel_analise));
  ComboBox1 = new QComboBox(Panel_analise);
  ComboBox1->setPlaceholderText(QStringLiteral("Selecione..."));
  ComboBox1->setMinimumWidth(380);
  ComboBox1->setStatusTip(QStringLiteral("Escolha o conjunto de palavras a mostrar"));
  choice->addWidget(ComboBox1, 1);
  a->addLayout(choice);
  ListView1 = new QTreeWidget(Panel_analise);
  ListView1->setColumnCount(2);
  ListView1->setHeaderLabels({QStringLiteral("Palavra"), QStringLiteral("Peso")});
  ListView1->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  ListView1->setRootIsDecorated(false);
  ListView1->setUniformRowHeights(true);
  ListView1->setAlternatingRowColors(true);
  ListView1->header()->setSectionsClickable(true);
  ListView1->header()->setStretchLastSection(false);
  ListView1->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  ListView1->header()->resizeSection(1, 140);
  a->addWidget(ListView1, 1);
  auto* total = new QHBoxLayout;
  total->addWidget(new QLabel(QStringLiteral("Total de Palavras = "), Panel_analise));
  Edit_total = new QLineEdit(Panel_analise);
  Edit_total->setReadOnly(true);
  Edit_total->setMaximumWidth(90);
  total->addWidget(Edit_total);
  total->addStretch();
  bt_resumos = command_button(QStringLiteral("Ver resumos (frases/partes dos textos)"),
                      QStringLiteral("Mostra as frases dos textos que contêm as palavras"), Panel_analise);
  bt_grava = command_button(QStringLiteral("Grava Resultados em texto"),
                    QStringLiteral("Grava as palavras mostradas num arquivo texto"), Panel_analise);
  total->addWidget(bt_resumos);
  total->addWidget(bt_grava);
  a->addLayout(total);

  auto* body = new QHBoxLayout;
  body->addWidget(pn_passos);
  auto* pages = new QVBoxLayout;
  pages->addWidget(GroupBox1, 1);
  pages->addWidget(Panel_comeco, 1);
  pages->addWidget(Panel_analise, 1);
  body->addLayout(pages, 1);
  outer->addLayout(body, 1);

  QHBoxLayout* button_row = nullptr;
  outer->addWidget(build_button_bar(*this, button_row, central));
  StatusBar1 = build_status_bar(*this, this);

  resize(1100, 700);
}

}  // namespace lumeral::gui
