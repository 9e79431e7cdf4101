#include "gui/shell/mdi_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPixmap>
#include <QStatusTipEvent>
#include <QVBoxLayout>

#include <chrono>
#include <filesystem>

#include "core/base/files.h"
#include "core/shell/project_file.h"
#include "gui/base/platform.h"
#include "gui/comparison/mdi_form2.h"
#include "gui/contexts/ontologia.h"
#include "gui/mining/minera.h"
#include "gui/preparation/stop_words.h"
#include "gui/preparation/unit_textos.h"
#include "gui/shell/inicio.h"
#include "gui/shell/unit_global.h"
#include "gui/shell/unit_splashscreen.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace fs = std::filesystem;

QString default_project_folder() { return qpath(shell::default_project_folder()); }

// ---------------------------------------------------------------- StepLabel

void StepLabel::set_clickable(bool clickable) {
  clickable_ = clickable;
  setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void StepLabel::mousePressEvent(QMouseEvent* event) {
  QLabel::mousePressEvent(event);
  if (clickable_ && event->button() == Qt::LeftButton) emit clicked();
}

// ---------------------------------------------------------------- building

namespace {

bool shown(const QWidget* w) { return !w->isHidden(); }

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

StepLabel* step_image(const QString& resource, QWidget* parent) {
  auto* l = new StepLabel(parent);
  l->setPixmap(QPixmap(resource));
  l->setFixedSize(48, 48);
  return l;
}

void set_bold(QLabel* label, bool bold) {
  QFont f = label->font();
  f.setBold(bold);
  label->setFont(f);
}

}  // namespace

TMdi_Frm::TMdi_Frm(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build();

  // The creation handler: state, start folder, caption, what shows first.
  l_nivel->setText(QStringLiteral("0"));
  l_salvo->setText(QStringLiteral("0"));
  Label24->setText(QStringLiteral("0"));
  Label17->setText(QDir::currentPath());
  Label3->setText(default_project_folder());
  setWindowTitle(main_caption());
  for (auto* w : std::initializer_list<QWidget*>{botao_1_on, botao_1_off, botao_2_on, botao_2_off, botao_3_on,
                                                  botao_3_off, botao_4_on, botao_4_off, lb_passo1, lb_passo2,
                                                  lb_passo3, lb_passo4, Animate1})
    w->hide();
  Panel_Botoes->hide();
  Panel_ontologia->hide();
  Panel_comeco->hide();
  GroupBox1->hide();
  pn_passos->hide();
  pnEntrada->show();
  Timer1Timer();
}

void TMdi_Frm::build() {
  setWindowIcon(QIcon(QStringLiteral(":/shell/lumeral.png")));
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("fundo"));
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
  state_label(l_salvo, "l_salvo");
  state_label(Label22, "Label22");
  state_label(Label23, "Label23");
  state_label(label_prob, "label_prob");
  state_label(Label17, "Label17");
  state_label(Label24, "Label24");
  state_label(Label8, "Label8");

  auto* body = new QHBoxLayout;
  body->addWidget(build_steps());
  auto* pages = new QVBoxLayout;
  pages->addWidget(build_entry(), 1);
  pages->addWidget(build_welcome(), 1);
  pages->addWidget(build_project(), 1);
  pages->addWidget(build_ontology(), 1);
  body->addLayout(pages, 1);
  outer->addLayout(body, 1);
  outer->addWidget(build_buttons());
  build_status();
  // The ontology editor and the mining panel fill their places once every
  // control they use exists.
  ontologia = new TOntologia(*this);
  minera = new TMinera(*this);
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
  h->addStretch();
  bt_ok_entrada = button(QStringLiteral("OK"), QStringLiteral("Segue pelo caminho escolhido"), pnEntrada);
  bt_ok_entrada->setMinimumWidth(100);
  h->addWidget(bt_ok_entrada);
  v->addLayout(h);
  v->addStretch();
  auto* flow = new QLabel(pnEntrada);
  flow->setPixmap(QPixmap(QStringLiteral(":/shell/animacao.png")));
  flow->setAlignment(Qt::AlignRight | Qt::AlignBottom);
  v->addWidget(flow);
  connect(bt_ok_entrada, &QPushButton::clicked, this, [this] { bt_ok_entradaClick(); });
  return pnEntrada;
}

QWidget* TMdi_Frm::build_steps() {
  auto* column = new QWidget(centralWidget());
  pn_passos = column;
  column->setObjectName(QStringLiteral("pn_passos"));
  auto* v = new QVBoxLayout(column);
  v->setContentsMargins(4, 8, 8, 8);
  StepLabel** on[] = {&botao_1_on, &botao_2_on, &botao_3_on, &botao_4_on};
  StepLabel** off[] = {&botao_1_off, &botao_2_off, &botao_3_off, &botao_4_off};
  StepLabel** caption[] = {&lb_passo1, &lb_passo2, &lb_passo3, &lb_passo4};
  const QString captions[] = {QStringLiteral("Configurar Projeto"), QStringLiteral("Preparar Textos"),
                              QStringLiteral("Ontologia"), QStringLiteral("Mineração de Textos")};
  for (int i = 0; i < 4; ++i) {
    auto* row = new QHBoxLayout;
    *on[i] = step_image(QStringLiteral(":/shell/passo%1_on.png").arg(i + 1), column);
    *off[i] = step_image(QStringLiteral(":/shell/passo%1_off.png").arg(i + 1), column);
    (*on[i])->setObjectName(QStringLiteral("botao_%1_on").arg(i + 1));
    (*off[i])->setObjectName(QStringLiteral("botao_%1_off").arg(i + 1));
    *caption[i] = new StepLabel(captions[i], column);
    (*caption[i])->setMinimumWidth(150);
    row->addWidget(*on[i]);
    row->addWidget(*off[i]);
    row->addWidget(*caption[i], 1);
    v->addLayout(row);
    v->addSpacing(6);
  }
  Animate1 = new QLabel(column);
  Animate1->setPixmap(QPixmap(QStringLiteral(":/shell/animacao.png")));
  v->addWidget(Animate1);
  v->addStretch();
  for (StepLabel* l : {botao_1_on, botao_1_off, lb_passo1})
    connect(l, &StepLabel::clicked, this, [this] { command([this] { passo1(); }); });
  for (StepLabel* l : {botao_2_on, botao_2_off, lb_passo2})
    connect(l, &StepLabel::clicked, this, [this] { command([this] { passo2(); }); });
  return column;
}

QWidget* TMdi_Frm::build_welcome() {
  GroupBox1 = new QGroupBox(centralWidget());
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  auto* v = new QVBoxLayout(GroupBox1);
  v->setContentsMargins(30, 24, 30, 24);
  v->addWidget(heading(QStringLiteral("Bem Vindo ao Wizard do Programa Lumeral."), GroupBox1, 6));
  v->addSpacing(16);
  RadioGroup2 = new RadioGroup(QStringLiteral("O que você gostaria de fazer?"),
                               {QStringLiteral("Começar um Novo Projeto"),
                                QStringLiteral("Continuar um Projeto já existente")},
                               0, GroupBox1);
  v->addWidget(RadioGroup2);
  auto* h = new QHBoxLayout;
  h->addStretch();
  bt_ok_bemvindo = button(QStringLiteral("OK"), QStringLiteral("Começa o projeto escolhido"), GroupBox1);
  bt_ok_bemvindo->setMinimumWidth(100);
  h->addWidget(bt_ok_bemvindo);
  v->addLayout(h);
  v->addStretch();
  connect(bt_ok_bemvindo, &QPushButton::clicked, this, [this] { bt_ok_bemvindoClick(); });
  return GroupBox1;
}

QWidget* TMdi_Frm::build_project() {
  Panel_comeco = new QFrame(centralWidget());
  Panel_comeco->setObjectName(QStringLiteral("Panel_comeco"));
  Panel_comeco->setFrameShape(QFrame::StyledPanel);
  auto* v = new QVBoxLayout(Panel_comeco);
  v->setContentsMargins(20, 16, 20, 16);

  // Step 1: the project fields.
  pn_projeto = new QWidget(Panel_comeco);
  auto* p = new QVBoxLayout(pn_projeto);
  p->setContentsMargins(0, 0, 0, 0);
  lb_configurar = heading(QStringLiteral("Configurar Projeto"), pn_projeto);
  p->addWidget(lb_configurar);
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
  v->addWidget(pn_projeto);

  // Step 2: the preparation controls.
  pn_preparacao = new QWidget(Panel_comeco);
  auto* q = new QVBoxLayout(pn_preparacao);
  q->setContentsMargins(0, 0, 0, 0);
  lb_preparacao = heading(QStringLiteral("Preparação dos Textos a serem analisados"), pn_preparacao);
  q->addWidget(lb_preparacao);
  q->addSpacing(10);
  RadioGroup_textos = new RadioGroup(QStringLiteral("Os Textos estão?"),
                                     {QStringLiteral("Todos num mesmo arquivo, mas há um string separador ="),
                                      QStringLiteral("Vários arquivos")},
                                     1, pn_preparacao);
  // The separator edit sits beside the first item.
  auto* first = new QHBoxLayout;
  RadioGroup_textos->items_layout()->removeWidget(RadioGroup_textos->button(0));
  first->addWidget(RadioGroup_textos->button(0));
  Edit_separador = new QLineEdit(RadioGroup_textos);
  Edit_separador->setMinimumWidth(120);
  Edit_separador->setStatusTip(QStringLiteral("Texto que separa os documentos dentro do arquivo"));
  Edit_separador->installEventFilter(this);
  first->addWidget(Edit_separador, 1);
  RadioGroup_textos->items_layout()->insertLayout(0, first);
  q->addWidget(RadioGroup_textos);
  q->addSpacing(10);
  lb_idioma = new QLabel(QStringLiteral("Idioma dos textos a serem analisados:"), pn_preparacao);
  q->addWidget(lb_idioma);
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
  v->addWidget(pn_preparacao);
  pn_preparacao->hide();

  connect(bt_alterar, &QPushButton::clicked, this, [this] { bt_alterarClick(); });
  connect(bt_stopwords, &QPushButton::clicked, this, [this] { bt_stopwordsClick(); });
  connect(ListBox_idioma, &QListWidget::itemClicked, this, [this] { ListBox_idiomaClick(); });
  connect(RadioGroup_textos, &RadioGroup::clicked, this, [this] { RadioGroup_textosClick(); });
  return Panel_comeco;
}

QWidget* TMdi_Frm::build_ontology() {
  Panel_ontologia = new QFrame(centralWidget());
  Panel_ontologia->setObjectName(QStringLiteral("Panel_ontologia"));
  Panel_ontologia->setFrameShape(QFrame::StyledPanel);
  // The step's layers share one cell: the editor (added by its unit), the
  // choice panel over it and the mining panel over both.
  auto* v = new QGridLayout(Panel_ontologia);
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
  auto* h = new QHBoxLayout;
  h->addStretch();
  bt_ok_ontologia = button(QStringLiteral("OK"), QStringLiteral("Aciona uma das opções marcadas ao lado"), Panel3);
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
  Panel_Botoes = new QFrame(centralWidget());
  Panel_Botoes->setObjectName(QStringLiteral("Panel_Botoes"));
  Panel_Botoes->setFrameShape(QFrame::StyledPanel);
  auto* h = new QHBoxLayout(Panel_Botoes);
  bit_voltar = button(QStringLiteral("Voltar"), QStringLiteral("Volta ao passo anterior"), Panel_Botoes);
  bit_mutreta = button(QStringLiteral("Voltar"), QStringLiteral("Volta ao passo anterior"), Panel_Botoes);
  bit_mutreta->hide();
  bit_avancar = button(QStringLiteral("Avançar"), QStringLiteral("Avança para o próximo passo"), Panel_Botoes);
  bit_sair_salvar = button(QStringLiteral("Sair, salvando status do projeto"),
                           QStringLiteral("Sair, salvando status do projeto"), Panel_Botoes);
  bit_sair_cancelar = button(QStringLiteral("Sair, cancelando este passo"),
                             QStringLiteral("Sair, cancelando este passo"), Panel_Botoes);
  bit_inicio = button(QStringLiteral("Voltar ao início"), QStringLiteral("Voltar ao início"), Panel_Botoes);
  h->addWidget(bit_voltar);
  h->addWidget(bit_mutreta);
  h->addWidget(bit_avancar);
  h->addStretch();
  h->addWidget(bit_sair_salvar);
  h->addWidget(bit_sair_cancelar);
  h->addWidget(bit_inicio);
  connect(bit_voltar, &QPushButton::clicked, this, [this] { bit_voltarClick(); });
  connect(bit_avancar, &QPushButton::clicked, this, [this] { bit_avancarClick(); });
  connect(bit_sair_salvar, &QPushButton::clicked, this, [this] { bit_sair_salvarClick(); });
  connect(bit_sair_cancelar, &QPushButton::clicked, this, [this] { bit_sair_cancelarClick(); });
  connect(bit_inicio, &QPushButton::clicked, this, [this] { bit_inicioClick(); });
  return Panel_Botoes;
}

void TMdi_Frm::build_status() {
  StatusBar2 = new QStatusBar(this);
  setStatusBar(StatusBar2);
  panel_hint = new QLabel(StatusBar2);
  panel_data = new QLabel(StatusBar2);
  panel_hora = new QLabel(StatusBar2);
  panel_hint->setMinimumWidth(420);
  panel_data->setMinimumWidth(190);
  panel_hora->setMinimumWidth(70);
  panel_data->setAlignment(Qt::AlignCenter);
  panel_hora->setAlignment(Qt::AlignCenter);
  StatusBar2->addWidget(panel_hint, 1);
  StatusBar2->addPermanentWidget(panel_data);
  StatusBar2->addPermanentWidget(panel_hora);
  Timer1 = new QTimer(this);
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  Timer1->start();
}

// ---------------------------------------------------------------- events

bool TMdi_Frm::event(QEvent* event) {
  // Every hint change shows in the first panel of the status bar.
  if (event->type() == QEvent::StatusTip) {
    panel_hint->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

bool TMdi_Frm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit_separador && event->type() == QEvent::MouseButtonPress) Edit_separadorClick();
  return QMainWindow::eventFilter(watched, event);
}

void TMdi_Frm::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (event->isAccepted() && windows().on_quit) windows().on_quit();
}

void TMdi_Frm::Timer1Timer() {
  auto t = std::chrono::system_clock::time_point(std::chrono::milliseconds(platform().now().toMSecsSinceEpoch()));
  panel_data->setText(qs(regional().weekday_and_date(t)));
  panel_hora->setText(qs(regional().time_text(t)));
}

// ---------------------------------------------------------------- entry menu and welcome

void TMdi_Frm::bt_ok_entradaClick() {
  command([this] {
    switch (RadioGroup1->item_index()) {
      case 0:
        Panel_ontologia->hide();
        P_Minera->hide();
        Panel3->hide();
        Panel_comeco->hide();
        pnEntrada->hide();
        GroupBox1->show();
        Panel_Botoes->show();
        bit_voltar->hide();
        bit_avancar->hide();
        bit_sair_salvar->hide();
        bit_sair_cancelar->hide();
        bit_avancar->setEnabled(true);
        bit_inicio->setEnabled(true);
        break;
      case 1: {
        TMdi_Frm2* comparison = windows().create_Mdi_Frm2();
        comparison->show();
        comparison->raise();
        hide();
        break;
      }
      case 2: {
        TForm3* tools = windows().create_Form3();
        tools->show();
        tools->raise();
        hide();
        break;
      }
      default:
        break;
    }
  });
}

void TMdi_Frm::bt_ok_bemvindoClick() {
  command([this] {
    bit_sair_salvar->show();
    bit_sair_cancelar->show();
    bit_voltar->show();
    bit_avancar->show();
    passo1();
  });
}

// ---------------------------------------------------------------- indicators

void TMdi_Frm::indicadores(int current) {
  StepLabel* on[] = {botao_1_on, botao_2_on, botao_3_on, botao_4_on};
  StepLabel* off[] = {botao_1_off, botao_2_off, botao_3_off, botao_4_off};
  StepLabel* caption[] = {lb_passo1, lb_passo2, lb_passo3, lb_passo4};
  for (int i = 0; i < 4; ++i) {
    on[i]->setVisible(current == i + 1);
    off[i]->setVisible(current != i + 1);
    caption[i]->show();
    set_bold(caption[i], current == i + 1);
  }
  Animate1->show();
  pn_passos->show();
}

int TMdi_Frm::passo_corrente() const {
  if (shown(botao_1_on)) return 1;
  if (shown(botao_2_on)) return 2;
  if (shown(botao_3_on)) return 3;
  if (shown(botao_4_on)) return 4;
  return 0;
}

// ---------------------------------------------------------------- step routines

void TMdi_Frm::passo1() {
  if (RadioGroup2->item_index() == 1) {
    // "Continuar um Projeto já existente"
    if (shown(botao_1_on)) return;
    auto file = platform().open_file(
        this, {QString(), QStringLiteral("Arquivo de configuração de projetos(*.ini)|*.ini"), QString(), QString()});
    if (!file) return;
    l_nivel->setText(QStringLiteral("1"));
    pn_projeto->setEnabled(true);
    pn_projeto->show();
    pn_preparacao->hide();
    indicadores(1);
    GroupBox1->hide();
    Panel_Botoes->show();
    Panel_comeco->show();
    restaura_projeto(*this, *file);
    return;
  }

  // "Começar um Novo Projeto"
  const QString old_level = l_nivel->text();
  volta_passo1();
  // A new project starts with empty fields; coming back from a later step
  // keeps them.
  if (old_level.toInt() < 2) {
    Label3->setText(default_project_folder());
    Edit_titulo->clear();
    Edit_cliente->clear();
    Edit_resp->clear();
  }
}

void TMdi_Frm::volta_passo1() {
  l_nivel->setText(QStringLiteral("1"));
  bit_voltar->setEnabled(true);
  pn_projeto->show();
  indicadores(1);
  GroupBox1->hide();
  Panel_Botoes->show();
  Panel_comeco->show();
  Panel_ontologia->hide();
  pn_preparacao->hide();
  for (StepLabel* l : {botao_2_on, botao_2_off, lb_passo2, botao_3_on, botao_3_off, lb_passo3, lb_passo1})
    l->set_clickable(false);
  if (fs::is_directory(path_of(pasta_projeto()))) QDir::setCurrent(pasta_projeto());
}

void TMdi_Frm::passo2() {
  std::error_code ec;
  if (!fs::is_directory(path_of(pasta_projeto()), ec)) throw Stop("Diretório Inexistente!");
  if (titulo().isEmpty()) throw Stop("O Campo Título está em branco e é um campo Obrigatório!");
  l_nivel->setText(QStringLiteral("2"));
  stopwords_faltando = false;
  windows().form_stop->carrega_idioma();
  pn_projeto->hide();
  pn_preparacao->show();
  Panel_comeco->show();
  indicadores(2);
  for (StepLabel* l : {botao_1_on, botao_1_off, lb_passo1}) l->set_clickable(true);
  Panel3->hide();
  Panel_ontologia->hide();
  bit_avancar->setEnabled(true);
  // The text-listing window only lists the folder here (step 3 is not current).
  executa_textos();
}

void TMdi_Frm::passo3() {
  if (ListBox_idioma->currentRow() < 0) throw Stop("Você deve escolher antes uma lista de stopwords! ");
  const int level_at_start = l_nivel->text().toInt();
  bit_avancar->setEnabled(false);
  indicadores(3);
  Panel_comeco->hide();
  if (fs::is_directory(path_of(pasta_projeto()))) QDir::setCurrent(pasta_projeto());
  minera->Rich->clear();
  if (!Label22->text().isEmpty() || level_at_start >= 3) {
    l_nivel->setText(QStringLiteral("3"));
    Panel3->show();
    bt_ok_ontologia->show();
    P_Minera->hide();
    Panel_ontologia->show();
    pn_novo_conceito->hide();
    ontologia->reinicia();
    bit_voltar->setEnabled(true);
  } else {
    Panel3->show();
    Panel_ontologia->show();
    panel_hint->clear();
    P_Minera->hide();
    Label22->setText(QStringLiteral("1"));
    l_nivel->setText(QStringLiteral("3"));
  }
  stopwords_faltando = false;
  windows().form_stop->carrega_idioma();
  if (stopwords_faltando) return;

  if (RadioGroup_textos->item_index() == shell::kSingleFile) {
    if (!conta_textos()) {
      error(QStringLiteral("Confira a existencia de 0 ou mais de 1 arquivo no diretorio de textos! "));
      bit_avancar->setEnabled(false);
      Label22->clear();
      bit_voltarClick();
      return;
    }
    executa_textos();
  } else if (level_at_start < 3) {
    executa_textos();
  }
}

void TMdi_Frm::mineracao() {
  indicadores(4);
  Panel3->show();
  P_Minera->show();
  Panel_ontologia->show();
  minera->ListView_contexto->clear();
  minera->lb_metodo->setText(label_prob->text());
  bit_mutreta->hide();
  bit_avancar->setEnabled(false);
  l_nivel->setText(QStringLiteral("5"));
  const fs::path folder = path_of(pasta_projeto());
  QString lct = RadioGroup3->item_index() != 0 ? qpath(folder / path_of(titulo() + QStringLiteral(".lct")))
                                               : Label23->text();
  const fs::path ldc = folder / path_of(titulo() + QStringLiteral(".ldc"));
  if (lct.isEmpty() || !fs::exists(path_of(lct)))
    throw Stop("O Wizard encontrou um problema:\n\rLista de contextos não existe");
  if (!fs::exists(ldc)) throw Stop("O Wizard encontrou um problema:\n\rLista de documentos não existe");
  // Each run stops the routine when a driven window's command stopped.
  if (!minera->corrida_classificacao()) return;
  if (!minera->corrida_frequencia()) return;
  minera->corrida_associacao();
}

void TMdi_Frm::volta_inicio() {
  for (auto* w : std::initializer_list<QWidget*>{botao_1_on, botao_1_off, botao_2_on, botao_2_off, botao_3_on,
                                                  botao_3_off, botao_4_on, botao_4_off, lb_passo1, lb_passo2,
                                                  lb_passo3, lb_passo4, Animate1, Panel_Botoes, Panel_comeco,
                                                  GroupBox1})
    w->hide();
  Label23->clear();
  label_prob->clear();
  l_nivel->setText(QStringLiteral("0"));
  l_salvo->clear();
  Panel_ontologia->hide();
  P_Minera->hide();
  Panel3->hide();
  bit_mutreta->hide();
  RadioGroup2->set_item_index(0);
  Label22->clear();
  pn_passos->hide();
  pnEntrada->show();
}

bool TMdi_Frm::conta_textos() const {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(path_of(pasta_projeto()), ec)) {
    if (!entry.is_regular_file(ec)) continue;
    std::string ext = entry.path().extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".txt") return true;
  }
  return false;
}

bool TMdi_Frm::executa_textos() {
  TForm_textos* textos = windows().create_Form_textos();
  bool ok = textos->executa();
  textos->hide();
  return ok;
}

// ---------------------------------------------------------------- button bar

void TMdi_Frm::bit_avancarClick() {
  command([this] {
    const bool faltando = stopwords_faltando;
    switch (passo_corrente()) {
      case 1: command([this] { passo2(); }); break;
      case 2: command([this, faltando] { faltando ? passo2() : passo3(); }); break;
      case 3: command([this, faltando] { faltando ? passo3() : mineracao(); }); break;
      default: break;
    }
    // Every "Avançar" saves the project, whatever the step routine did; a
    // project without a title has no file name yet and is not saved.
    if (!titulo().isEmpty()) salva_projeto(*this, false);
  });
}

void TMdi_Frm::bit_voltarClick() {
  command([this] {
    switch (passo_corrente()) {
      case 1:
        for (auto* w : std::initializer_list<QWidget*>{botao_1_on, botao_1_off, botao_2_on, botao_2_off,
                                                        botao_3_on, botao_3_off, botao_4_on, botao_4_off,
                                                        lb_passo1, lb_passo2, lb_passo3, lb_passo4, Panel_comeco,
                                                        Animate1})
          w->hide();
        bit_voltar->setEnabled(false);
        pn_passos->hide();
        GroupBox1->show();
        Panel_Botoes->show();
        bit_sair_salvar->show();
        bit_sair_cancelar->show();
        bit_voltar->hide();
        bit_avancar->hide();
        bit_avancar->setEnabled(true);
        bit_inicio->setEnabled(true);
        break;
      case 2: passo1(); break;
      case 3: passo2(); break;
      case 4: passo3(); break;
      default: break;
    }
  });
}

void TMdi_Frm::bit_sair_salvarClick() {
  command([this] {
    if (titulo().isEmpty()) {
      information(QStringLiteral("Não pode salvar sem ter um Título/Nome do projeto"));
      return;
    }
    salva_projeto(*this, true);
    l_salvo->setText(QStringLiteral("1"));
    close();
  });
}

void TMdi_Frm::bit_sair_cancelarClick() { close(); }

void TMdi_Frm::bit_inicioClick() { command([this] { volta_inicio(); }); }

// ---------------------------------------------------------------- project controls

void TMdi_Frm::bt_alterarClick() {
  command([this] {
    auto folder = platform().pick_folder(this, QStringLiteral("O projeto será salvo em:"), pasta_projeto());
    if (folder) {
      pasta_escolhida = *folder;
      Label3->setText(*folder);
    }
    if (!pasta_escolhida.isEmpty()) QDir::setCurrent(pasta_escolhida);
  });
}

void TMdi_Frm::bt_stopwordsClick() {
  command([this] {
    Tform_stop* stop = windows().form_stop;
    stop->bt_voltar->show();
    stop->resize(stop->width(), 320);
    stop->show();
    stop->raise();
  });
}

void TMdi_Frm::ListBox_idiomaClick() { command([this] { windows().form_stop->carrega_idioma(); }); }

void TMdi_Frm::RadioGroup_textosClick() {
  if (RadioGroup_textos->item_index() == shell::kSingleFile) Edit_separador->setFocus();
}

void TMdi_Frm::Edit_separadorClick() { RadioGroup_textos->set_item_index(shell::kSingleFile); }

}  // namespace lumeral::gui
