#include "gui/shell/mdi_form.h"

#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QMouseEvent>

#include <filesystem>

#include "core/base/files.h"
#include "core/mining/mine.h"
#include "core/preparation/import.h"
#include "core/preparation/stopword_lists.h"
#include "core/shell/project_file.h"
#include "gui/base/platform.h"
#include "gui/base/widgets.h"
#include "gui/comparison/mdi_form2.h"
#include "gui/contexts/ontologia.h"
#include "gui/mining/minera.h"
#include "gui/preparation/stop_words.h"
#include "gui/preparation/unit_textos.h"
#include "gui/shell/inicio.h"
#include "gui/shell/sobre.h"
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

// ---------------------------------------------------------------- creation

namespace {

bool shown(const QWidget* w) { return !w->isHidden(); }

}  // namespace

TMdi_Frm::TMdi_Frm(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  // The ontology editor and the mining panel build themselves into their
  // places once every control they use exists; the editor lies in the
  // step's one cell, under the choice panel and the mining panel.
  ontologia = new TOntologia(*this);
  camadas_->addWidget(ontologia, 0, 0);
  ontologia->lower();
  minera = new TMinera(*this);

  connect(bt_ok_entrada, &QPushButton::clicked, this, [this] { bt_ok_entradaClick(); });
  connect(bt_sobre, &QPushButton::clicked, this, [this] { bt_sobreClick(); });
  for (StepLabel* l : {botao_1_on, botao_1_off, lb_passo1})
    connect(l, &StepLabel::clicked, this, [this] { command([this] { passo1(); }); });
  for (StepLabel* l : {botao_2_on, botao_2_off, lb_passo2})
    connect(l, &StepLabel::clicked, this, [this] { command([this] { passo2(); }); });
  connect(bt_ok_bemvindo, &QPushButton::clicked, this, [this] { bt_ok_bemvindoClick(); });
  Edit_separador->installEventFilter(this);
  connect(bt_alterar, &QPushButton::clicked, this, [this] { bt_alterarClick(); });
  connect(bt_stopwords, &QPushButton::clicked, this, [this] { bt_stopwordsClick(); });
  connect(ListBox_idioma, &QListWidget::itemClicked, this, [this] { ListBox_idiomaClick(); });
  connect(RadioGroup_textos, &RadioGroup::clicked, this, [this] { RadioGroup_textosClick(); });
  connect(bit_voltar, &QPushButton::clicked, this, [this] { bit_voltarClick(); });
  connect(bit_avancar, &QPushButton::clicked, this, [this] { bit_avancarClick(); });
  connect(bit_sair_salvar, &QPushButton::clicked, this, [this] { bit_sair_salvarClick(); });
  connect(bit_sair_cancelar, &QPushButton::clicked, this, [this] { bit_sair_cancelarClick(); });
  connect(bit_inicio, &QPushButton::clicked, this, [this] { bit_inicioClick(); });
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  Timer1->start();

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

// ---------------------------------------------------------------- events

bool TMdi_Frm::event(QEvent* event) {
  // Every hint change shows in the first panel of the status bar.
  if (show_status_tip(*this, event)) return true;
  return QMainWindow::event(event);
}

bool TMdi_Frm::eventFilter(QObject* watched, QEvent* event) {
  if (is_separator_press(*this, watched, event)) Edit_separadorClick();
  return QMainWindow::eventFilter(watched, event);
}

void TMdi_Frm::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (event->isAccepted() && windows().on_quit) windows().on_quit();
}

void TMdi_Frm::Timer1Timer() {
  show_clock(*this, *this);
}

// ---------------------------------------------------------------- entry menu and welcome

void TMdi_Frm::bt_sobreClick() { open_about_box(this, sobre); }

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
    show_step_buttons(*this);
    passo1();
  });
}

// ---------------------------------------------------------------- indicators

void TMdi_Frm::indicadores(int current) {
  StepLabel* const on[] = {botao_1_on, botao_2_on, botao_3_on, botao_4_on};
  StepLabel* const off[] = {botao_1_off, botao_2_off, botao_3_off, botao_4_off};
  StepLabel* const caption[] = {lb_passo1, lb_passo2, lb_passo3, lb_passo4};
  show_indicators(on, off, caption, current);
  Animate1->show();
  pn_passos->show();
}

int TMdi_Frm::passo_corrente() const {
  StepLabel* const on[] = {botao_1_on, botao_2_on, botao_3_on, botao_4_on};
  return current_indicator(on);
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
  start_new_project(*this, Label3, old_level);
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
  carrega_stopwords();
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
  carrega_stopwords();
  if (stopwords_faltando) return;

  if (RadioGroup_textos->item_index() == shell::kSingleFile) {
    if (!preparation::folder_has_texts(path_of(pasta_projeto()))) {
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
  // The wizard's box breaks the problem's line with LF CR.
  const mining::MiningLists lists = mining::check_mining_lists(projeto(), lista_contextos(), "\n\r");
  minera->corrida_classificacao(lists);
  minera->corrida_frequencia(lists);
  minera->corrida_associacao(lists);
}

void TMdi_Frm::volta_apos_cancelar(int passo, const QString& nivel, const QString& preparado) {
  if (passo == 3) {
    // The mining step: its half-filled tables go, the ontology step stays.
    minera->limpa();
    P_Minera->hide();
    indicadores(3);
    bit_avancar->setEnabled(true);
  } else if (passo == 2) {
    // The preparation: back to its settings, which list the folder again.
    Label22->setText(preparado);
    passo2();
  }
  l_nivel->setText(nivel);
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

shell::Project TMdi_Frm::projeto() const { return {path_of(pasta_projeto()), ansi(titulo())}; }

std::filesystem::path TMdi_Frm::lista_contextos() const {
  // "Usar uma Ontologia existente" chose the list held in Label23.
  std::optional<fs::path> escolhida;
  if (RadioGroup3->item_index() == 0) escolhida = path_of(Label23->text());
  return mining::mining_context_list(projeto(), escolhida);
}

void TMdi_Frm::carrega_stopwords() {
  const bool existe =
      windows().form_stop->carrega_idioma(language_of_row(ListBox_idioma->currentRow()), path_of(Label17->text()));
  if (existe || l_nivel->text().toInt() < 2) return;
  stopwords_faltando = true;
  // The step the wizard goes back to loads the list again: it reports
  // nothing more and does not go back a second time.
  if (voltando_) return;
  windows().form_stop->error(qs(preparation::kNoStopwordList));
  bit_avancar->setEnabled(false);
  voltando_ = true;
  // On the way into the preparation step the wizard still shows the
  // project step, which is already one step back.
  if (passo_corrente() >= 2) bit_voltarClick();
  voltando_ = false;
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
    const int passo = passo_corrente();
    const QString nivel = l_nivel->text();
    const QString preparado = Label22->text();
    switch (passo) {
      case 1: command([this] { passo2(); }); break;
      case 2: command([this, faltando] { faltando ? passo2() : passo3(); }); break;
      case 3: command([this, faltando] { faltando ? passo3() : mineracao(); }); break;
      default: break;
    }
    if (command_cancelled()) {
      // A cancelled step leaves the project as its last finished step left
      // it: the wizard shows that step again at its level and saves nothing
      // (the project and status files keep what they had).
      volta_apos_cancelar(passo, nivel, preparado);
      return;
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
    if (!has_title_to_save(*this, *this)) return;
    salva_projeto(*this, true);
    l_salvo->setText(QStringLiteral("1"));
    close();
  });
}

void TMdi_Frm::bit_sair_cancelarClick() { close(); }

void TMdi_Frm::bit_inicioClick() { command([this] { volta_inicio(); }); }

// ---------------------------------------------------------------- project controls

void TMdi_Frm::bt_alterarClick() {
  command([this] { pick_project_folder(*this, this, pasta_escolhida, Label3); });
}

void TMdi_Frm::bt_stopwordsClick() {
  command([this] { show_stopword_manager(*this); });
}

void TMdi_Frm::ListBox_idiomaClick() { command([this] { carrega_stopwords(); }); }

void TMdi_Frm::RadioGroup_textosClick() { focus_separator_for_single_file(*this); }

void TMdi_Frm::Edit_separadorClick() { choose_single_file(*this); }

}  // namespace lumeral::gui
