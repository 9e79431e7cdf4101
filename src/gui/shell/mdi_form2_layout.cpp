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
#include "gui/shell/mdi_form2.h"

namespace lumeral::gui {

void TMdi_Frm2::build_layout() {
  setWindowIcon(QIcon(QStringLiteral(":/shell/lumeral.png")));
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* outer = new QVBoxLayout(central);

  // ---- step column
  build_step_column({QStringLiteral("Configurar Projeto"), QStringLiteral("Preparar Textos"),
                     QStringLiteral("Análise dos Documentos")},
                    170, central);
  StepLabel** on[] = {&botao_1_on, &botao_2_on, &botao_3_on};
  StepLabel** off[] = {&botao_1_off, &botao_2_off, &botao_3_off};
  StepLabel** caption[] = {&lb_passo1, &lb_passo2, &lb_passo3};
  for (std::size_t i = 0; i < 3; ++i) {
    *on[i] = on_[i];
    *off[i] = off_[i];
    *caption[i] = captions_[i];
  }

  // ---- welcome group
  build_welcome(QStringLiteral("Bem Vindo ao Wizard de Inteligência Competitiva."), true, central);

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
