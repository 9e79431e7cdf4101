#include "gui/shell/mdi_form2.h"

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
#include "gui/shell/unit_globalwic.h"
#include "gui/preparation/stop_words.h"
#include "gui/preparation/unit_textos.h"
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

TMdi_Frm2::TMdi_Frm2(Windows& windows) : WizardFrame(windows) {
  setAttribute(Qt::WA_DeleteOnClose);
  build_layout();
  setWindowTitle(main_caption());

  set_pasta(shell::default_project_folder());
  // The welcome group first: only "Voltar ao início" in the button bar.
  indicadores(0);
  Panel_comeco->hide();
  pn_preparacao->hide();
  Panel_analise->hide();
  bit_voltar->hide();
  bit_avancar->hide();
  bit_sair_salvar->hide();
  bit_sair_cancelar->hide();
  habilita_gravacao(false);

  connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
  connect(ListView1->header(), &QHeaderView::sectionClicked, this, [this](int c) { ListView1ColumnClick(c); });
  connect(bt_resumos, &QPushButton::clicked, this, [this] { bt_resumosClick(); });
  connect(bt_grava, &QPushButton::clicked, this, [this] { bt_gravaClick(); });
  // "Exportar..." writes the listed set: like "Grava Resultados em texto",
  // it waits for one to be chosen.
  bt_exportar_ = add_export_button(*this, bt_grava, [this] { return exporting::comparison_rows_table(linhas()); });
  bt_exportar_->setEnabled(false);
  define_passos({
      {[this] { passo1(); }, [this](bool) { passo2(); }, true},
      {[this] { passo2(); }, [this](bool faltando) { faltando ? passo2() : passo3(true); }, true},
      {},  // the analysis is the last step
  });
  connect_frame();
  Timer1Timer();
}

// ---------------------------------------------------------------- events

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

// ---------------------------------------------------------------- step routines

void TMdi_Frm2::continua_projeto(const QString& file) {
  volta_passo1();
  restaura_projeto2(*this, file);
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
  input.stopwords = path_of(windows().form_stop->arquivo());
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
  habilita_gravacao(false);
}

void TMdi_Frm2::habilita_gravacao(bool habilita) {
  bt_grava->setEnabled(habilita);
  if (bt_exportar_) bt_exportar_->setEnabled(habilita);
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
    habilita_gravacao(false);
    const int i = ComboBox1->currentIndex();
    if (i < 0 || i >= static_cast<int>(conjuntos_.size())) return;
    auto rows = comparison::result_rows(conjuntos_[static_cast<std::size_t>(i)].file, regional());
    if (!rows) return;
    linhas_ = std::move(*rows);
    mostra_linhas();
    estado_.selected = true;
    habilita_gravacao(true);
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
    resumo.so_frases_com_as_palavras();
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

void TMdi_Frm2::salva(bool confirma) { salva_projeto2(*this, confirma); }

void TMdi_Frm2::volta_boas_vindas() {
  indicadores(0);
  Panel_comeco->hide();
  Panel_analise->hide();
  GroupBox1->show();
  bit_voltar->setEnabled(false);
  bit_voltar->hide();
  bit_avancar->hide();
  bit_avancar->setEnabled(true);
}

void TMdi_Frm2::bit_inicioClick() {
  hide();
  windows().Mdi_Frm->mostra_menu_de_entrada();
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

}  // namespace lumeral::gui
