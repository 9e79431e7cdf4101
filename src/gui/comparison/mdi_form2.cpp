#include "gui/comparison/mdi_form2.h"

#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QMouseEvent>

#include <filesystem>

#include "core/preparation/import.h"
#include "core/preparation/stopword_lists.h"
#include "core/preparation/word_lists.h"
#include "gui/base/memory_setting.h"
#include "gui/base/platform.h"
#include "gui/base/table_export.h"
#include "gui/comparison/unit_globalwic.h"
#include "gui/preparation/stop_words.h"
#include "gui/shell/barra_progresso.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/unit_splashscreen.h"
#include "gui/shell/windows.h"
#include "gui/summaries/resumo.h"

namespace lumeral::gui {

namespace fs = std::filesystem;

namespace {

bool is_folder(const QString& folder) {
  std::error_code ec;
  return !folder.isEmpty() && fs::is_directory(path_of(folder), ec);
}

}  // namespace

TMdi_Frm2::TMdi_Frm2(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  setAttribute(Qt::WA_DeleteOnClose);
  build_layout();
  setWindowTitle(main_caption());

  set_pasta(shell::default_project_folder());
  // The title typed is the project's title.
  connect(Edit_titulo, &QLineEdit::textChanged, this, [this](const QString& t) { estado_.project.title = ansi(t); });
  // The welcome group first: only "Voltar ao início" in the button bar.
  indicadores(0);
  Panel_comeco->hide();
  pn_preparacao->hide();
  Panel_analise->hide();
  bit_voltar->hide();
  bit_avancar->hide();
  bit_sair_salvar->hide();
  bit_sair_cancelar->hide();
  bt_grava->setEnabled(false);

  Edit_separador->installEventFilter(this);
  for (StepLabel* l : {botao_1_on, botao_1_off, lb_passo1})
    connect(l, &StepLabel::clicked, this, [this] { command([this] { passo1(); }); });
  for (StepLabel* l : {botao_2_on, botao_2_off, lb_passo2})
    connect(l, &StepLabel::clicked, this, [this] { command([this] { passo2(); }); });
  connect(bt_ok_bemvindo, &QPushButton::clicked, this, [this] { bt_ok_bemvindoClick(); });
  connect(bt_alterar, &QPushButton::clicked, this, [this] { bt_alterarClick(); });
  connect(bt_stopwords, &QPushButton::clicked, this, [this] { bt_stopwordsClick(); });
  connect(ListBox_idioma, &QListWidget::itemClicked, this, [this] { ListBox_idiomaClick(); });
  connect(RadioGroup_textos, &RadioGroup::clicked, this, [this] { RadioGroup_textosClick(); });
  connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
  connect(ListView1->header(), &QHeaderView::sectionClicked, this, [this](int c) { ListView1ColumnClick(c); });
  connect(bt_resumos, &QPushButton::clicked, this, [this] { bt_resumosClick(); });
  connect(bt_grava, &QPushButton::clicked, this, [this] { bt_gravaClick(); });
  add_export_button(*this, bt_grava, [this] { return exporting::comparison_rows_table(linhas()); });
  connect(bit_voltar, &QPushButton::clicked, this, [this] { bit_voltarClick(); });
  connect(bit_avancar, &QPushButton::clicked, this, [this] { bit_avancarClick(); });
  connect(bit_sair_salvar, &QPushButton::clicked, this, [this] { bit_sair_salvarClick(); });
  connect(bit_sair_cancelar, &QPushButton::clicked, this, [this] { bit_sair_cancelarClick(); });
  connect(bit_inicio, &QPushButton::clicked, this, [this] { bit_inicioClick(); });
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  Timer1->start();
  Timer1Timer();
}

void TMdi_Frm2::set_pasta(const fs::path& pasta) {
  estado_.project.folder = pasta;
  Label3->setText(qpath(pasta));
}

// ---------------------------------------------------------------- events

bool TMdi_Frm2::event(QEvent* event) {
  // Every hint change shows in the first panel of the status bar.
  if (show_status_tip(*this, event)) return true;
  return QMainWindow::event(event);
}

bool TMdi_Frm2::eventFilter(QObject* watched, QEvent* event) {
  if (is_separator_press(*this, watched, event)) Edit_separadorClick();
  return QMainWindow::eventFilter(watched, event);
}

void TMdi_Frm2::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (!event->isAccepted()) return;
  // The working folder "temp" of the texts folder goes with the wizard.
  if (is_folder(pasta_projeto())) {
    std::error_code ec;
    const fs::path temp = path_of(pasta_projeto()) / "temp";
    if (fs::is_directory(temp, ec)) fs::remove_all(temp, ec);
  }
  // With the main window hidden, closing the wizard ends the program, as
  // closing the tools window does.
  if (windows().Mdi_Frm) windows().Mdi_Frm->close();
}

void TMdi_Frm2::Timer1Timer() {
  show_clock(*this, *this);
}

// ---------------------------------------------------------------- indicators

void TMdi_Frm2::indicadores(int current) {
  estado_.step = current;
  if (current == 0) {
    for (StepLabel* l : {botao_1_on, botao_1_off, botao_2_on, botao_2_off, botao_3_on, botao_3_off}) l->hide();
    pn_passos->hide();
    return;
  }
  StepLabel* const on[] = {botao_1_on, botao_2_on, botao_3_on};
  StepLabel* const off[] = {botao_1_off, botao_2_off, botao_3_off};
  StepLabel* const caption[] = {lb_passo1, lb_passo2, lb_passo3};
  show_indicators(on, off, caption, current);
  pn_passos->show();
}

// ---------------------------------------------------------------- step routines

void TMdi_Frm2::bt_ok_bemvindoClick() {
  command([this] {
    show_step_buttons(*this);
    passo1();
  });
}

void TMdi_Frm2::passo1() {
  if (RadioGroup2->item_index() == 1) {
    // "Continuar um Projeto já existente"
    if (estado_.step == 1) return;
    auto file = platform().open_file(
        this, {QString(), QStringLiteral("Arquivo de configuração de projetos(*.ini)|*.ini"), QString(), QString()});
    if (!file) return;
    volta_passo1();
    restaura_projeto2(*this, *file);
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

void TMdi_Frm2::volta_passo1() {
  set_nivel(1);
  bit_voltar->setEnabled(true);
  bit_avancar->setEnabled(true);
  indicadores(1);
  GroupBox1->hide();
  Panel_Botoes->show();
  Panel_comeco->show();
  pn_projeto->show();
  pn_preparacao->hide();
  Panel_analise->hide();
  for (StepLabel* l : {botao_1_on, botao_1_off, lb_passo1, botao_2_on, botao_2_off, lb_passo2, botao_3_on,
                       botao_3_off, lb_passo3})
    l->set_clickable(false);
  if (is_folder(pasta_projeto())) QDir::setCurrent(pasta_projeto());
}

void TMdi_Frm2::passo2() {
  if (!is_folder(pasta_projeto())) throw Stop("Diretório Inexistente!");
  if (titulo().isEmpty()) throw Stop("O Campo Título está em branco e é um campo Obrigatório!");
  set_nivel(2);
  stopwords_faltando = false;
  carrega_stopwords();
  indicadores(2);
  Panel_comeco->show();
  pn_projeto->hide();
  pn_preparacao->show();
  Panel_analise->hide();
  for (StepLabel* l : {botao_1_on, botao_1_off, lb_passo1}) l->set_clickable(true);
  for (StepLabel* l : {botao_2_on, botao_2_off, lb_passo2, botao_3_on, botao_3_off, lb_passo3})
    l->set_clickable(false);
  bit_avancar->setEnabled(!stopwords_faltando);
  // What the folder holds: a folder without texts or pages sends the
  // wizard back to the project step.
  preparation::ImportInput listing;
  listing.folder = path_of(pasta_projeto());
  listing.title = ansi(titulo());
  listing.process = false;
  listing.formats = wizard_formats(*this);
  const auto result = preparation::run_import(listing, regional());
  if (result.empty_folder) {
    show_messages(result.messages);
    volta_passo1();
  }
}

void TMdi_Frm2::passo3(bool prepara) {
  limpa_resultado();
  bit_avancar->setEnabled(false);
  indicadores(3);
  Panel_comeco->hide();
  Panel_analise->show();
  for (StepLabel* l : {botao_1_on, botao_1_off, lb_passo1, botao_2_on, botao_2_off, lb_passo2})
    l->set_clickable(true);
  if (is_folder(pasta_projeto())) QDir::setCurrent(pasta_projeto());
  if (ListBox_idioma->currentRow() < 0) throw Stop("Você deve escolher antes uma lista de stopwords! ");
  set_nivel(3);
  stopwords_faltando = false;
  if (!carrega_stopwords()) return;
  if (!estado_.processed) {
    if (prepara && !processa_textos()) return;
    analisa();
  }
  if (estado_.processed) set_nivel(4);
}

bool TMdi_Frm2::carrega_stopwords() {
  if (windows().form_stop->carrega_idioma(language_of_row(ListBox_idioma->currentRow()),
                                           windows().wizard_state().start_folder)) return true;
  if (estado_.level.number < 2) return false;
  stopwords_faltando = true;
  // The step the wizard goes back to loads the list again: it reports
  // nothing more and does not go back a second time.
  if (voltando_) return false;
  error(qs(preparation::kNoStopwordList));
  bit_avancar->setEnabled(false);
  voltando_ = true;
  if (estado_.step >= 2) bit_voltarClick();
  voltando_ = false;
  bit_avancar->setEnabled(false);
  return false;
}

bool TMdi_Frm2::processa_textos() {
  preparation::ImportInput input;
  input.folder = path_of(pasta_projeto());
  input.title = ansi(titulo());
  input.single_file = RadioGroup_textos->item_index() == shell::kSingleFile;
  input.separator = ansi(Edit_separador->text());
  input.split_done = estado_.split_done;
  input.stopwords = path_of(windows().form_stop->Edit_nome->text());
  input.process = true;
  input.build_word_lists = true;
  input.formats = wizard_formats(*this);
  input.stem = wizard_stem(*this);
  input.reading = wizard_reading(*this);
  input.memory_budget = memory_budget(platform());
  preparation::ImportResult result;
  Panel_analise->hide();
  {
    ProgressScope progress(windows(), qs(preparation::kWizardProgressTitle), ProgressScope::Lines::StatusSecond);
    progress.mirror_status_to(panel_hint);
    struct Show {
      QWidget* panel;
      ~Show() { panel->show(); }
    } show_again{Panel_analise};
    result = preparation::run_import(input, regional(), progress);
  }
  show_messages(result.messages);
  show_left_out(*this, result);
  if (result.empty_folder) {
    volta_passo1();
    return false;
  }
  estado_.split_done = result.split_done;
  return true;
}

void TMdi_Frm2::analisa() {
  const shell::Project p = projeto();
  std::vector<Ansi> documentos;
  fs::path centroide;
  std::vector<comparison::Exclusive> exclusivos;
  try {
    {
      ProgressScope progress(windows(), QStringLiteral("Processando/Selecionando documentos"));
      documentos = comparison::comparison_documents(p, progress);
    }
    {
      ProgressScope progress(windows(), QStringLiteral("Processando/Cálculo Centróide"));
      centroide = comparison::comparison_centroid(p, documentos, regional(), progress);
    }
    {
      ProgressScope progress(windows(), QStringLiteral("Processando/Cálculo de diferenças"));
      exclusivos = comparison::comparison_differences(p, documentos, centroide, progress);
    }
  } catch (const comparison::RedoPreparation&) {
    // The collection has no document list: the project is back at its
    // preparation.
    set_nivel(2);
    throw;
  }
  conjuntos_ = comparison::result_sets(centroide, exclusivos);
  ComboBox1->clear();
  for (const auto& set : conjuntos_) ComboBox1->addItem(qs(set.caption));
  ComboBox1->setCurrentIndex(-1);
  if (conjuntos_.empty()) information(qs(comparison::kNoResults));
  estado_.processed = true;
  panel_hint->setText(QStringLiteral("Mostrar Resultados"));
}

// ---------------------------------------------------------------- results

void TMdi_Frm2::limpa_resultado() {
  linhas_.clear();
  ListView1->clear();
  Edit_total->setText(QStringLiteral("0"));
  ComboBox1->setCurrentIndex(-1);
  estado_.selected = false;
  bt_grava->setEnabled(false);
}

void TMdi_Frm2::mostra_linhas() {
  ListView1->clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(linhas_.size()));
  for (const auto& row : linhas_) {
    auto* item = new QTreeWidgetItem(QStringList{qs(row.word), qs(row.weight)});
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    items.append(item);
  }
  ListView1->addTopLevelItems(items);
  Edit_total->setText(QString::number(linhas_.size()));
}

void TMdi_Frm2::ComboBox1Change() {
  command([this] {
    estado_.selected = false;
    bt_grava->setEnabled(false);
    const int i = ComboBox1->currentIndex();
    if (i < 0 || i >= static_cast<int>(conjuntos_.size())) return;
    auto rows = comparison::result_rows(conjuntos_[static_cast<std::size_t>(i)].file, regional());
    if (!rows) return;
    linhas_ = std::move(*rows);
    mostra_linhas();
    estado_.selected = true;
    bt_grava->setEnabled(true);
  });
}

void TMdi_Frm2::ListView1ColumnClick(int column) {
  if (!estado_.selected) return;
  command([this, column] {
    if (column == 0) comparison::sort_rows_by_word(linhas_, regional());
    else comparison::sort_rows_by_weight(linhas_, regional());
    mostra_linhas();
  });
}

void TMdi_Frm2::bt_resumosClick() {
  command([this] {
    // The sentences of this project's documents: form_resumo2 opens the
    // project's list while this wizard is shown, and searches only for
    // sentences holding the words.
    Tform_resumo& resumo = *windows().form_resumo2;
    resumo.Abrelistadedocs1Click();
    if (!resumo.last_command_ok()) return;
    resumo.RadioGroup_condicoes->set_item_index(1);
    for (int i = 0; i < resumo.RadioGroup_condicoes->count(); ++i)
      resumo.RadioGroup_condicoes->button(i)->setEnabled(false);
    resumo.show();
    resumo.raise();
  });
}

void TMdi_Frm2::bt_gravaClick() {
  command([this] {
    auto file = platform().save_file(this, {QStringLiteral("Salvar resultado"),
                                            QStringLiteral("Arquivos textos (*.txt)|*.txt"), QStringLiteral("txt"),
                                            pasta_projeto()});
    if (!file) return;
    {
      ProgressScope progress(windows());
      comparison::save_result_text(path_of(*file), linhas_, progress);
    }
    information(QStringLiteral("Arquivo salvo com Sucesso!!!"));
  });
}

// ---------------------------------------------------------------- button bar

void TMdi_Frm2::bit_avancarClick() {
  command([this] {
    const bool faltando = stopwords_faltando;
    switch (estado_.step) {
      case 1: command([this] { passo2(); }); break;
      case 2: command([this, faltando] { faltando ? passo2() : passo3(true); }); break;
      default: break;
    }
    // Every "Avançar" saves the project; without a title it has no file name.
    if (!titulo().isEmpty()) salva_projeto2(*this, false);
  });
}

void TMdi_Frm2::bit_voltarClick() {
  command([this] {
    switch (estado_.step) {
      case 1:
        indicadores(0);
        Panel_comeco->hide();
        Panel_analise->hide();
        GroupBox1->show();
        bit_voltar->setEnabled(false);
        bit_voltar->hide();
        bit_avancar->hide();
        bit_avancar->setEnabled(true);
        break;
      case 2: passo1(); break;
      case 3: passo2(); break;
      default: break;
    }
  });
}

void TMdi_Frm2::bit_sair_salvarClick() {
  command([this] {
    if (!has_title_to_save(*this, *this)) return;
    salva_projeto2(*this, true);
    close();
  });
}

void TMdi_Frm2::bit_sair_cancelarClick() { close(); }

void TMdi_Frm2::bit_inicioClick() {
  hide();
  TMdi_Frm* main = windows().Mdi_Frm;
  main->RadioGroup1->set_item_index(0);
  main->show();
}

// ---------------------------------------------------------------- project controls

void TMdi_Frm2::bt_alterarClick() {
  command([this] {
    if (auto pasta = pick_project_folder(*this, this, pasta_escolhida, pasta_projeto())) set_pasta(path_of(*pasta));
  });
}

void TMdi_Frm2::bt_stopwordsClick() {
  command([this] { show_stopword_manager(*this); });
}

void TMdi_Frm2::ListBox_idiomaClick() {
  command([this] {
    // A list found for the chosen language lets the preparation step go on.
    if (carrega_stopwords() && estado_.step == 2) {
      stopwords_faltando = false;
      bit_avancar->setEnabled(true);
    }
  });
}

void TMdi_Frm2::RadioGroup_textosClick() { focus_separator_for_single_file(*this); }

void TMdi_Frm2::Edit_separadorClick() { choose_single_file(*this); }

}  // namespace lumeral::gui
