// How the comparison wizard looks: the step column, the welcome group, the
// project and preparation controls, the analysis panel, the button bar and
// the status bar.
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPixmap>
#include <QVBoxLayout>

#include "gui/comparison/mdi_form2.h"
#include "gui/shell/mdi_form.h"

namespace lumeral::gui {

namespace {

QLabel* heading(const QString& text, QWidget* parent, int point_delta = 4) {
  auto* l = new QLabel(text, parent);
  QFont f = l->font();
  f.setBold(true);
  f.setPointSize(f.pointSize() + point_delta);
  l->setFont(f);
  return l;
}

QPushButton* button(const QString& caption, const QString& hint, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setToolTip(hint);
  b->setStatusTip(hint);
  return b;
}

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

  // Hidden state fields.
  auto* state = new QWidget(central);
  state->hide();
  auto state_label = [&](QLabel*& field, const char* name) {
    field = new QLabel(state);
    field->setObjectName(QString::fromLatin1(name));
  };
  state_label(l_nivel, "l_nivel");
  state_label(flag_processado, "flag_processado");
  state_label(flag_selecionado, "flag_selecionado");
  state_label(Label24, "Label24");

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
  bt_ok_bemvindo = button(QStringLiteral("OK"), QStringLiteral("Começa o projeto escolhido"), GroupBox1);
  bt_ok_bemvindo->setMinimumWidth(100);
  ok_row->addWidget(bt_ok_bemvindo);
  welcome->addLayout(ok_row);
  welcome->addStretch();

  // ---- project panel: step 1 and step 2
  Panel_comeco = new QFrame(central);
  Panel_comeco->setObjectName(QStringLiteral("Panel_comeco"));
  Panel_comeco->setFrameShape(QFrame::StyledPanel);
  auto* comeco = new QVBoxLayout(Panel_comeco);
  comeco->setContentsMargins(20, 16, 20, 16);

  pn_projeto = new QWidget(Panel_comeco);
  auto* p = new QVBoxLayout(pn_projeto);
  p->setContentsMargins(0, 0, 0, 0);
  p->addWidget(heading(QStringLiteral("Configurar Projeto"), pn_projeto));
  p->addSpacing(10);
  auto* form = new QFormLayout;
  Edit_titulo = new QLineEdit(pn_projeto);
  Edit_cliente = new QLineEdit(pn_projeto);
  Edit_resp = new QLineEdit(pn_projeto);
  Edit_titulo->setStatusTip(QStringLiteral("Título do projeto: nomeia os arquivos do projeto"));
  form->addRow(QStringLiteral("Título"), Edit_titulo);
  form->addRow(QStringLiteral("Cliente"), Edit_cliente);
  form->addRow(QStringLiteral("Responsável"), Edit_resp);
  p->addLayout(form);
  p->addSpacing(10);
  gb_pasta = new QGroupBox(QStringLiteral("Os textos estão localizados na pasta:"), pn_projeto);
  auto* g = new QHBoxLayout(gb_pasta);
  Label3 = new QLabel(gb_pasta);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setWordWrap(true);
  Label3->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Label3->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  g->addWidget(Label3, 1);
  bt_alterar = button(QStringLiteral("Alterar"), QStringLiteral("Escolhe a pasta dos textos do projeto"), gb_pasta);
  g->addWidget(bt_alterar);
  p->addWidget(gb_pasta);
  p->addStretch();
  comeco->addWidget(pn_projeto);

  pn_preparacao = new QWidget(Panel_comeco);
  auto* q = new QVBoxLayout(pn_preparacao);
  q->setContentsMargins(0, 0, 0, 0);
  q->addWidget(heading(QStringLiteral("Preparação dos Textos a serem analisados"), pn_preparacao));
  q->addSpacing(10);
  RadioGroup_textos = new RadioGroup(QStringLiteral("Os Textos estão?"),
                                     {QStringLiteral("Todos num mesmo arquivo, mas há um string separador ="),
                                      QStringLiteral("Vários arquivos")},
                                     1, pn_preparacao);
  auto* first = new QHBoxLayout;
  RadioGroup_textos->items_layout()->removeWidget(RadioGroup_textos->button(0));
  first->addWidget(RadioGroup_textos->button(0));
  Edit_separador = new QLineEdit(RadioGroup_textos);
  Edit_separador->setMinimumWidth(120);
  Edit_separador->setStatusTip(QStringLiteral("Texto que separa os documentos dentro do arquivo"));
  first->addWidget(Edit_separador, 1);
  RadioGroup_textos->items_layout()->insertLayout(0, first);
  q->addWidget(RadioGroup_textos);
  q->addSpacing(10);
  q->addWidget(new QLabel(QStringLiteral("Idioma dos textos a serem analisados:"), pn_preparacao));
  ListBox_idioma = new QListWidget(pn_preparacao);
  ListBox_idioma->addItems({QStringLiteral("Português"), QStringLiteral("Inglês"), QStringLiteral("Espanhol")});
  ListBox_idioma->setCurrentRow(0);
  ListBox_idioma->setMaximumHeight(ListBox_idioma->sizeHintForRow(0) * 3 + 8);
  ListBox_idioma->setMaximumWidth(220);
  q->addWidget(ListBox_idioma);
  q->addSpacing(10);
  bt_stopwords = button(QStringLiteral("Gerência de palavras irrelevantes (stopwords) para análise dos textos"),
                        QStringLiteral("Mostra e altera a lista de stopwords do idioma"), pn_preparacao);
  auto* sb = new QHBoxLayout;
  sb->addWidget(bt_stopwords);
  sb->addStretch();
  q->addLayout(sb);
  q->addStretch();
  comeco->addWidget(pn_preparacao);

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
  bt_resumos = button(QStringLiteral("Ver resumos (frases/partes dos textos)"),
                      QStringLiteral("Mostra as frases dos textos que contêm as palavras"), Panel_analise);
  bt_grava = button(QStringLiteral("Grava Resultados em texto"),
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

  // ---- button bar
  Panel_Botoes = new QFrame(central);
  Panel_Botoes->setFrameShape(QFrame::StyledPanel);
  auto* h = new QHBoxLayout(Panel_Botoes);
  bit_voltar = button(QStringLiteral("Voltar"), QStringLiteral("Volta ao passo anterior"), Panel_Botoes);
  bit_avancar = button(QStringLiteral("Avançar"), QStringLiteral("Avança para o próximo passo"), Panel_Botoes);
  bit_sair_salvar = button(QStringLiteral("Sair, salvando status do projeto"),
                           QStringLiteral("Sair, salvando status do projeto"), Panel_Botoes);
  bit_sair_cancelar = button(QStringLiteral("Sair, cancelando este passo"),
                             QStringLiteral("Sair, cancelando este passo"), Panel_Botoes);
  bit_inicio = button(QStringLiteral("Voltar ao início"), QStringLiteral("Voltar ao início"), Panel_Botoes);
  h->addWidget(bit_voltar);
  h->addWidget(bit_avancar);
  h->addStretch();
  h->addWidget(bit_sair_salvar);
  h->addWidget(bit_sair_cancelar);
  h->addWidget(bit_inicio);
  outer->addWidget(Panel_Botoes);

  // ---- status bar
  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  panel_hint = new QLabel(StatusBar1);
  panel_data = new QLabel(StatusBar1);
  panel_hora = new QLabel(StatusBar1);
  panel_hint->setMinimumWidth(420);
  panel_data->setMinimumWidth(190);
  panel_hora->setMinimumWidth(70);
  panel_data->setAlignment(Qt::AlignCenter);
  panel_hora->setAlignment(Qt::AlignCenter);
  StatusBar1->addWidget(panel_hint, 1);
  StatusBar1->addPermanentWidget(panel_data);
  StatusBar1->addPermanentWidget(panel_hora);
  Timer1 = new QTimer(this);
  Timer1->setInterval(1000);

  resize(1100, 700);
}

}  // namespace lumeral::gui
