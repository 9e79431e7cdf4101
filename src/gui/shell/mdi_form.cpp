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
#include "gui/shell/mdi_form2.h"
#include "gui/shell/ontologia.h"
#include "gui/shell/minera.h"
#include "gui/preparation/stop_words.h"
#include "gui/preparation/unit_textos.h"
#include "gui/shell/inicio.h"
#include "gui/shell/sobre.h"
#include "gui/shell/unit_global.h"
#include "gui/shell/unit_splashscreen.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace fs = std::filesystem;

// ---------------------------------------------------------------- creation

TMdi_Frm::TMdi_Frm(Windows& windows) : WizardFrame(windows) {
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
  define_passos({
      {[this] { passo1(); }, [this](bool) { passo2(); }, true},
      {[this] { passo2(); }, [this](bool faltando) { faltando ? passo2() : passo3(); }, true},
      {[this] { passo3(); }, [this](bool faltando) { faltando ? passo3() : mineracao(); }, false},
      {},  // the mining step is the last
  });
  connect_frame();

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

void TMdi_Frm::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (event->isAccepted() && windows().on_quit) windows().on_quit();
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

// ---------------------------------------------------------------- state shown

void TMdi_Frm::set_tipo(shell::OntologyKind tipo) {
  estado_.ontology = tipo;
  const QString text = qs(shell::stored_text(tipo));
  ontologia->lb_tipo->setText(text);
  minera->lb_metodo->setText(text);
}

// ---------------------------------------------------------------- step routines

void TMdi_Frm::continua_projeto(const QString& file) {
  set_nivel(1);
  pn_projeto->setEnabled(true);
  pn_projeto->show();
  pn_preparacao->hide();
  indicadores(1);
  GroupBox1->hide();
  Panel_Botoes->show();
  Panel_comeco->show();
  restaura_projeto(*this, file);
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
  const MiningWizardState antes = estado_;
  indicadores(4);
  Panel3->show();
  P_Minera->show();
  Panel_ontologia->show();
  minera->limpa();  // nothing of an earlier run stays on screen during this one
  bit_mutreta->hide();
  bit_avancar->setEnabled(false);
  set_nivel(5);
  // The wizard's box breaks the problem's line with LF CR.
  mining::MiningLists lists;
  try {
    lists = mining::check_mining_lists(projeto(), lista_contextos(), "\n\r");
  } catch (const Stop&) {
    // Lists that cannot be mined: the wizard stays at its ontology step and
    // its level, as after a cancel, so the project is not saved as mined.
    volta_apos_cancelar(3, antes);
    throw;
  }
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

QString TMdi_Frm::conceito_da_ontologia() const { return ontologia->Edit_conceito->text(); }

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

// The mining wizard as the text-listing window sees it: its fields give the
// import, its two options follow the window's, its panels step aside while
// the folder is processed.
class ImportacaoDoAssistente : public ImportWizard {
 public:
  explicit ImportacaoDoAssistente(TMdi_Frm& wizard) : w_(wizard) {}

  preparation::ImportInput importacao() const override {
    preparation::ImportInput input;
    input.folder = path_of(w_.pasta_projeto());
    input.title = ansi(w_.titulo());
    input.single_file = w_.RadioGroup_textos->item_index() == 0;
    input.separator = ansi(w_.Edit_separador->text());
    input.split_done = w_.estado().split_done;
    input.process = w_.estado().step == 3;
    input.formats = wizard_formats(w_);
    input.stem = wizard_stem(w_);
    input.reading = wizard_reading(w_);
    return input;
  }
  bool converte_formatos() const override { return w_.CheckBox_formatos->isChecked(); }
  bool agrupa_radicais() const override { return w_.CheckBox_radicais->isChecked(); }
  void set_converte_formatos(bool on) override { w_.CheckBox_formatos->setChecked(on); }
  void set_agrupa_radicais(bool on) override { w_.CheckBox_radicais->setChecked(on); }
  QLabel* linha_de_progresso() override { return w_.panel_hint; }
  std::function<void()> esconde_paineis() override {
    const bool comeco = !w_.Panel_comeco->isHidden();
    const bool ontologia = !w_.Panel_ontologia->isHidden();
    w_.Panel_comeco->hide();
    w_.Panel_ontologia->hide();
    return [&w = w_, comeco, ontologia] {
      w.Panel_comeco->setVisible(comeco);
      w.Panel_ontologia->setVisible(ontologia);
    };
  }
  void volta_passo1() override { w_.volta_passo1(); }
  void set_dividido(bool dividido) override { w_.set_dividido(dividido); }

 private:
  TMdi_Frm& w_;
};

void TMdi_Frm::mostra_menu_de_entrada() {
  RadioGroup1->set_item_index(0);
  show();
}

bool TMdi_Frm::executa_textos() {
  TForm_textos* textos = windows().create_Form_textos();
  ImportacaoDoAssistente assistente(*this);
  bool ok = textos->executa(assistente);
  textos->hide();
  return ok;
}

// ---------------------------------------------------------------- button bar

void TMdi_Frm::salva(bool confirma) { salva_projeto(*this, confirma); }

std::function<void()> TMdi_Frm::ao_cancelar(int passo) {
  // The wizard shows the step again at its level, as it was.
  return [this, passo, antes = estado_] { volta_apos_cancelar(passo, antes); };
}

void TMdi_Frm::volta_boas_vindas() {
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
}

void TMdi_Frm::bit_inicioClick() { command([this] { volta_inicio(); }); }

void TMdi_Frm::ListBox_idiomaClick() { command([this] { carrega_stopwords(); }); }

}  // namespace lumeral::gui
