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

TMdi_Frm::TMdi_Frm(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  // The ontology editor and the mining panel build themselves into their
  // places once every control they use exists; the editor lies in the
  // step's one cell, under the choice panel and the mining panel.
  ontologia = new TOntologia(*this);
  camadas_->addWidget(ontologia, 0, 0);
  ontologia->lower();
  minera = new TMinera(*this);
  // The title typed is the project's title.
  connect(Edit_titulo, &QLineEdit::textChanged, this, [this](const QString& t) { estado_.project.title = ansi(t); });

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
  estado_.start_folder = path_of(QDir::currentPath());
  set_pasta(shell::default_project_folder());
  setWindowTitle(main_caption());
  indicadores(0);
  Panel_Botoes->hide();
  Panel_ontologia->hide();
  Panel_comeco->hide();
  GroupBox1->hide();
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

// ---------------------------------------------------------------- state shown

void TMdi_Frm::set_pasta(const fs::path& pasta) {
  estado_.project.folder = pasta;
  Label3->setText(qpath(pasta));
}

void TMdi_Frm::set_tipo(shell::OntologyKind tipo) {
  estado_.ontology = tipo;
  const QString text = qs(shell::stored_text(tipo));
  ontologia->lb_tipo->setText(text);
  minera->lb_metodo->setText(text);
}

void TMdi_Frm::indicadores(int current) {
  estado_.step = current;
  if (current == 0) {
    for (auto* w : std::initializer_list<QWidget*>{botao_1_on, botao_1_off, botao_2_on, botao_2_off, botao_3_on,
                                                    botao_3_off, botao_4_on, botao_4_off, lb_passo1, lb_passo2,
                                                    lb_passo3, lb_passo4, Animate1, pn_passos})
      w->hide();
    return;
  }
  StepLabel* const on[] = {botao_1_on, botao_2_on, botao_3_on, botao_4_on};
  StepLabel* const off[] = {botao_1_off, botao_2_off, botao_3_off, botao_4_off};
  StepLabel* const caption[] = {lb_passo1, lb_passo2, lb_passo3, lb_passo4};
  show_indicators(on, off, caption, current);
  Animate1->show();
  pn_passos->show();
}

// ---------------------------------------------------------------- step routines

void TMdi_Frm::passo1() {
  if (RadioGroup2->item_index() == 1) {
    // "Continuar um Projeto já existente"
    if (estado_.step == 1) return;
    auto file = platform().open_file(
        this, {QString(), QStringLiteral("Arquivo de configuração de projetos(*.ini)|*.ini"), QString(), QString()});
    if (!file) return;
    set_nivel(1);
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

  // "Começar um Novo Projeto": empty fields, unless coming back from a
  // later step.
  const int old_level = estado_.level.number;
  volta_passo1();
  if (old_level < 2) {
    set_pasta(shell::default_project_folder());
    start_new_project(*this);
  }
}

void TMdi_Frm::volta_passo1() {
  set_nivel(1);
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
  set_nivel(2);
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
  const int level_at_start = estado_.level.number;
  bit_avancar->setEnabled(false);
  indicadores(3);
  Panel_comeco->hide();
  if (fs::is_directory(path_of(pasta_projeto()))) QDir::setCurrent(pasta_projeto());
  minera->Rich->clear();
  if (estado_.ontology_step_entered || level_at_start >= 3) {
    set_nivel(3);
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
    estado_.ontology_step_entered = true;
    set_nivel(3);
  }
  stopwords_faltando = false;
  carrega_stopwords();
  if (stopwords_faltando) return;

  if (RadioGroup_textos->item_index() == shell::kSingleFile) {
    if (!preparation::folder_has_texts(path_of(pasta_projeto()))) {
      error(QStringLiteral("Confira a existencia de 0 ou mais de 1 arquivo no diretorio de textos! "));
      bit_avancar->setEnabled(false);
      estado_.ontology_step_entered = false;
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
  bit_mutreta->hide();
  bit_avancar->setEnabled(false);
  set_nivel(5);
  // The wizard's box breaks the problem's line with LF CR.
  const mining::MiningLists lists = mining::check_mining_lists(projeto(), lista_contextos(), "\n\r");
  minera->corrida_classificacao(lists);
  minera->corrida_frequencia(lists);
  minera->corrida_associacao(lists);
}

void TMdi_Frm::volta_apos_cancelar(int passo, const MiningWizardState& antes) {
  if (passo == 3) {
    // The mining step: its half-filled tables go, the ontology step stays.
    minera->limpa();
    P_Minera->hide();
    indicadores(3);
    bit_avancar->setEnabled(true);
  } else if (passo == 2) {
    // The preparation: back to its settings, which list the folder again.
    estado_.ontology_step_entered = antes.ontology_step_entered;
    passo2();
  }
  estado_.level = antes.level;
}

void TMdi_Frm::volta_inicio() {
  indicadores(0);
  for (auto* w : std::initializer_list<QWidget*>{Panel_Botoes, Panel_comeco, GroupBox1}) w->hide();
  estado_.context_list.clear();
  set_tipo(shell::OntologyKind::None);
  set_nivel(0);
  estado_.saved = false;
  Panel_ontologia->hide();
  P_Minera->hide();
  Panel3->hide();
  bit_mutreta->hide();
  RadioGroup2->set_item_index(0);
  estado_.ontology_step_entered = false;
  pnEntrada->show();
}

std::filesystem::path TMdi_Frm::lista_contextos() const {
  // "Usar uma Ontologia existente" chose a list of its own.
  std::optional<fs::path> escolhida;
  if (RadioGroup3->item_index() == 0) escolhida = path_of(estado_.context_list);
  return mining::mining_context_list(projeto(), escolhida);
}

void TMdi_Frm::carrega_stopwords() {
  const bool existe =
      windows().form_stop->carrega_idioma(language_of_row(ListBox_idioma->currentRow()), estado_.start_folder);
  if (existe || estado_.level.number < 2) return;
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
    const int passo = estado_.step;
    const MiningWizardState antes = estado_;
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
      volta_apos_cancelar(passo, antes);
      return;
    }
    // Every "Avançar" saves the project, whatever the step routine did; a
    // project without a title has no file name yet and is not saved.
    if (!titulo().isEmpty()) salva_projeto(*this, false);
  });
}

void TMdi_Frm::bit_voltarClick() {
  command([this] {
    switch (estado_.step) {
      case 1:
        indicadores(0);
        Panel_comeco->hide();
        bit_voltar->setEnabled(false);
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
    estado_.saved = true;
    close();
  });
}

void TMdi_Frm::bit_sair_cancelarClick() { close(); }

void TMdi_Frm::bit_inicioClick() { command([this] { volta_inicio(); }); }

// ---------------------------------------------------------------- project controls

void TMdi_Frm::bt_alterarClick() {
  command([this] {
    if (auto pasta = pick_project_folder(*this, this, pasta_escolhida, pasta_projeto())) set_pasta(path_of(*pasta));
  });
}

void TMdi_Frm::bt_stopwordsClick() {
  command([this] { show_stopword_manager(*this); });
}

void TMdi_Frm::ListBox_idiomaClick() { command([this] { carrega_stopwords(); }); }

void TMdi_Frm::RadioGroup_textosClick() { focus_separator_for_single_file(*this); }

void TMdi_Frm::Edit_separadorClick() { choose_single_file(*this); }

}  // namespace lumeral::gui
