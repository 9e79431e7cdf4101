#include "gui/shell/minera.h"

#include <QDir>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/charts/wordcloud.h"
#include "core/mining/association_table.h"
#include "core/mining/frequency.h"
#include "core/mining/rules.h"
#include "core/mining/results.h"
#include "core/preparation/stopword_lists.h"
#include "core/mining/rule_sentences.h"
#include "gui/base/memory_setting.h"
#include "gui/base/platform.h"
#include "gui/base/table_export.h"
#include "gui/mining/data_mining.h"
#include "gui/mining/rede_conceitos.h"
#include "gui/mining/unit_print.h"
#include "gui/shell/barra_progresso.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace fs = std::filesystem;

namespace {

std::string number(long long n) { return std::to_string(n); }

}  // namespace

TMinera::TMinera(TMdi_Frm& wizard) : QWidget(wizard.P_Minera), w_(wizard) {
  build_layout();
  Edit_limiar->installEventFilter(this);
  connect(ListView_contexto->header(), &QHeaderView::sectionClicked, this,
          [this](int column) { ListView_contextoColumnClick(column); });
  connect(bt_filtro_confianca, &QPushButton::clicked, this, [this] { bt_filtro_confiancaClick(); });
  connect(bt_filtro_suporte, &QPushButton::clicked, this, [this] { bt_filtro_suporteClick(); });
  connect(bt_calcular, &QPushButton::clicked, this, [this] { bt_calcularClick(); });
  connect(bt_fechar_limiar, &QPushButton::clicked, this, [this] { bt_fechar_limiarClick(); });
  connect(bt_ordena_confianca, &QPushButton::clicked, this, [this] { bt_ordena_confiancaClick(); });
  connect(bt_ordena_alfa, &QPushButton::clicked, this, [this] { bt_ordena_alfaClick(); });
  connect(bt_grava_resultados, &QPushButton::clicked, this, [this] { bt_grava_resultadosClick(); });
  connect(bt_impressao, &QPushButton::clicked, this, [this] { bt_impressaoClick(); });
  add_export_button(w_, bt_impressao, [this] { return exporting::frequency_table(linhas_frequencia()); });
  add_export_button(w_, Edit_total_regras, [this] { return exporting::rule_table(tabela_associacoes); });
  connect(bt_grafico_frequencias, &QPushButton::clicked, this, [this] { bt_grafico_frequenciasClick(); });
  connect(bt_nuvem, &QPushButton::clicked, this, [this] { bt_nuvemClick(); });
  connect(bt_rede, &QPushButton::clicked, this, [this] { bt_redeClick(); });
  connect(bt_recalcular, &QPushButton::clicked, this, [this] { bt_recalcularClick(); });
}

// ---------------------------------------------------------------- contents

std::vector<shell::FrequencyRow> TMinera::linhas_frequencia() const {
  std::vector<shell::FrequencyRow> rows;
  for (int i = 0; i < ListView_contexto->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = ListView_contexto->topLevelItem(i);
    rows.push_back({ansi(item->text(0)), ansi(item->text(1)), ansi(item->text(2))});
  }
  return rows;
}

void TMinera::mostra_frequencias(const std::vector<shell::FrequencyRow>& rows) {
  // The table keeps itself sorted by the remembered column.
  std::vector<shell::FrequencyRow> sorted = rows;
  mining::sort_frequency_rows(sorted, coluna_ordenada, w_.regional());
  ListView_contexto->clear();
  colunas_frequencia();
  QList<QTreeWidgetItem*> items;
  for (const auto& row : sorted)
    items << new QTreeWidgetItem(QStringList{qs(row.concept_name), qs(row.absolute), qs(row.relative)});
  ListView_contexto->addTopLevelItems(items);
}

std::vector<Ansi> TMinera::texto_associacoes() const {
  std::vector<Ansi> lines;
  const QString text = Rich->toPlainText();
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(ansi(line));
  return lines;
}

void TMinera::mostra_texto(const std::vector<Ansi>& lines) {
  QStringList text;
  for (const Ansi& l : lines) text << qs(l);
  Rich->setPlainText(text.join(QLatin1Char('\n')));
}

std::vector<Ansi> TMinera::sentencas() const {
  std::vector<Ansi> out;
  for (Ansi& l : texto_associacoes())
    if (!l.empty() && l.front() == '-') out.push_back(std::move(l));
  return out;
}

void TMinera::limpa() {
  ListView_contexto->clear();
  colunas_frequencia();
  ListView_associa->clear();
  Rich->clear();
  Edit_total_regras->clear();
  tabela_associacoes.clear();
  pn_limiar->hide();
}

void TMinera::mostra_tabela_associacoes() {
  ListView_associa->clear();
  QList<QTreeWidgetItem*> items;
  for (const auto& r : tabela_associacoes)
    items << new QTreeWidgetItem(QStringList{qs(r.rule), qs(r.confidence), qs(r.support)});
  ListView_associa->addTopLevelItems(items);
}

// ---------------------------------------------------------------- the runs

// The runs gather what the core function needs before it starts and run it
// on a thread of its own (ProgressScope::run), which reads no widget: the
// progress window's pacing overlaps the work instead of adding to it.

void TMinera::corrida_classificacao(const mining::MiningLists& lists) {
  const shell::OntologyKind kind = w_.estado().ontology;
  const shell::Project project = w_.projeto();
  const std::optional<Language> stem = w_.windows().wizard_state().stem;
  {
    // The document count on the progress window's first line, the status
    // text on its second and in the wizard's first panel.
    ProgressScope progress(w_.windows(), QString(), ProgressScope::Lines::StatusSecond);
    progress.mirror_status_to_wizard();
    progress.run([&](Progress& p) { mining::classification_run(project, lists.context_list, kind, p, stem); });
  }
  listas_ = lists;
  w_.windows().mostra_classificacao(lists.doc_list, lists.context_list);
}

double TMinera::grau_minimo() const { return mining::parse_min_degree(ansi(Edit_grau_minimo->text()), w_.regional()); }

void TMinera::corrida_frequencia(const mining::MiningLists& lists) {
  const double grau = grau_minimo();
  ListView_contexto->clear();
  colunas_frequencia();
  mining::FrequencyRun run;
  {
    const shell::Project project = w_.projeto();
    const Regional& regional = w_.regional();
    ProgressScope progress(w_.windows());
    progress.run([&](Progress& p) { run = mining::frequency_road(project, regional, p, grau); });
  }
  // At a minimum degree the rows are counted from the matrices: no
  // centroid, and the windows keep what they showed.
  if (grau <= 0) {
    w_.windows().mostra_centroide(w_.projeto().folder, run.documents, run.centroid.rows);
    w_.windows().mostra_porcentagens(lists.doc_list, run.centroid.file, run.percentages);
  }
  mostra_frequencias(run.rows);
}

void TMinera::corrida_associacao(const mining::MiningLists& lists) {
  ListView_associa->clear();
  tabela_associacoes.clear();
  mining::MiningOptions options;
  options.min_degree = grau_minimo();
  options.both_directions = CheckBox_duas_direcoes->isChecked();
  options.memory_budget = memory_budget(w_.platform());
  mining::AssociationRun run;
  {
    const shell::Project project = w_.projeto();
    const Regional& regional = w_.regional();
    ProgressScope progress(w_.windows());
    progress.run(
        [&](Progress& p) { run = mining::association_run(project, lists.context_list, regional, p, options); });
  }
  // The term association reads no stopwords "Por contextos"; its window
  // shows the language's standard list, as when it is opened by hand.
  const Language language = language_of_row(w_.ListBox_idioma->currentRow());
  w_.windows().mostra_associacoes(
      lists.doc_list, preparation::find_standard_list(language, w_.estado().start_folder), run.pair_rows);
  listas_ = lists;
  regras_ = std::move(run.rules);
  std::vector<Ansi> sentences = std::move(run.association_text);
  tabela_associacoes = std::move(run.table);
  if (ordem_alfabetica_) {
    // The panel keeps the rules in the order its last sort chose.
    mining::sort_rules_alphabetically(regras_, w_.regional());
    tabela_associacoes = mining::association_table(regras_, w_.regional());
    sentences = mining::rule_sentences(regras_);
  }
  mostra_regras_dm();
  mostra_tabela_associacoes();
  mostra_sentencas(sentences);
}

mining::MiningLists TMinera::listas() {
  // A project reopened at the mining step ran nothing in this session: the
  // wizard's lists.
  if (!listas_)
    listas_ = mining::MiningLists{path_of(!w_.estado().context_list.isEmpty()
                                              ? w_.estado().context_list
                                              : w_.conceito_da_ontologia() + QStringLiteral(".lct")),
                                  w_.projeto().doc_list()};
  return *listas_;
}

void TMinera::mostra_regras_dm() {
  Tform_dm& dm = *w_.windows().form_dm;
  const mining::MiningLists lists = listas();
  dm.mostra_entradas(lists.context_list, lists.doc_list, w_.projeto().file(Ansi("temp.ass")), Edit_grau_minimo->text(),
                     CheckBox_duas_direcoes->isChecked());
  dm.mostra_regras(regras_, ordem_alfabetica_);
}

void TMinera::mostra_sentencas(const std::vector<Ansi>& sentences) {
  mostra_texto(sentences);
  Edit_total_regras->setText(QString::number(sentences.size()));
  // An open concept network follows the rules shown.
  if (auto* rede = w_.windows().form_rede_conceitos) rede->atualiza_se_visivel();
}

void TMinera::reescreve_texto(const char* verb) {
  // The text is replaced at the end, so a cancel keeps the one shown.
  std::vector<Ansi> text;
  {
    ProgressScope progress(w_.windows());
    const long long n = static_cast<long long>(regras_.size());
    for (long long i = 0; i < n; ++i) {
      progress.status(verb + number(n - 1) + " Associações entre Conceitos");
      progress.detail("Processados " + number(i) + " arquivos até o momento");
      progress.bar(i, n - 1);
      progress.checkpoint();
      text.push_back(mining::rule_sentence(mining::rule_parts(regras_[static_cast<std::size_t>(i)])));
    }
  }
  mostra_sentencas(text);
}

// ---------------------------------------------------------------- frequency table

void TMinera::ListView_contextoColumnClick(int column) {
  w_.command([this, column] {
    auto rows = linhas_frequencia();
    mining::sort_frequency_rows(rows, column, w_.regional());  // stops before anything moves
    coluna_ordenada = column;
    mostra_frequencias(rows);
  });
}

// ---------------------------------------------------------------- filters and sorts

void TMinera::abre_limiar(mining::ThresholdKind kind) {
  modo_limiar = kind;
  pn_limiar->show();
  Edit_limiar->setFocus();
}

void TMinera::bt_filtro_confiancaClick() {
  w_.command([this] { abre_limiar(mining::ThresholdKind::Confidence); });
}

void TMinera::bt_filtro_suporteClick() {
  w_.command([this] { abre_limiar(mining::ThresholdKind::Support); });
}

bool TMinera::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit_limiar && event->type() == QEvent::KeyPress) {
    // Every character typed is checked on its own: digits, "," and "."
    // only; anything else (Backspace too) is refused and leaves "0".
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    if (!typed.isEmpty()) {
      const QChar c = typed.front();
      if (!(c.isDigit() && c.unicode() < 128) && c != QLatin1Char(',') && c != QLatin1Char('.')) {
        Edit_limiar->clear();
        w_.error(QStringLiteral("Número inválido"));
        Edit_limiar->setText(QStringLiteral("0"));
        Edit_limiar->setFocus();
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TMinera::bt_calcularClick() {
  w_.command([this] {
    const QString threshold = Edit_limiar->text();
    mining::check_filter_threshold(ansi(threshold), w_.regional());
    const mining::MiningLists lists = listas();
    Edit_limiar->setText(QStringLiteral("0"));
    pn_limiar->hide();
    // The rules computed again from the pair store, then those at the
    // threshold, in the order they are kept.
    mining::RulesInput input;
    input.context_list = lists.context_list;
    input.document_list = lists.doc_list;
    input.pair_store = w_.projeto().file(Ansi("temp.ass"));
    input.project = w_.projeto();
    input.min_degree = grau_minimo();
    input.both_directions = CheckBox_duas_direcoes->isChecked();
    std::vector<mining::Rule> rules;
    {
      const Regional& regional = w_.regional();
      ProgressScope progress(w_.windows());
      progress.run([&](Progress& p) { rules = mining::calculate_rule_rows(input, regional, p); });
    }
    rules = mining::select_rules(rules, ansi(threshold), modo_limiar, w_.regional());
    if (ordem_alfabetica_) mining::sort_rules_alphabetically(rules, w_.regional());
    regras_ = std::move(rules);
    w_.windows().form_dm->mostra_limiar(threshold, modo_limiar);
    mostra_regras_dm();
    reescreve_texto("Processando ");
  });
}

void TMinera::bt_fechar_limiarClick() {
  Edit_limiar->setText(QStringLiteral("0"));
  pn_limiar->hide();
}

void TMinera::bt_ordena_confiancaClick() {
  w_.command([this] {
    std::vector<mining::Rule> rules = regras_;
    mining::sort_rules_by_confidence(rules, w_.regional());  // stops before anything moves
    ordem_alfabetica_ = false;
    regras_ = std::move(rules);
    w_.windows().form_dm->mostra_regras(regras_, ordem_alfabetica_);
    reescreve_texto("Ordenando ");
  });
}

void TMinera::bt_ordena_alfaClick() {
  w_.command([this] {
    ordem_alfabetica_ = true;
    mining::sort_rules_alphabetically(regras_, w_.regional());
    w_.windows().form_dm->mostra_regras(regras_, ordem_alfabetica_);
    reescreve_texto("Ordenando ");
  });
}

// ---------------------------------------------------------------- outputs

void TMinera::bt_grava_resultadosClick() {
  w_.command([this] {
    {
      ProgressScope progress(w_.windows());
      // Into the project folder, wherever a dialog last chose a file.
      mining::write_results_file(w_.projeto().folder, linhas_frequencia(), tabela_associacoes, progress);
    }
    w_.information(QStringLiteral("Arquivo salvo com Sucesso!!!"));
  });
}

void TMinera::bt_impressaoClick() {
  w_.command([this] {
    TFrm_print* report = w_.windows().create_Frm_print();
    report->show();
    report->raise();
    report->preenche(mining::build_report(linhas_frequencia(), texto_associacoes()));
  });
}

void TMinera::bt_grafico_frequenciasClick() {
  w_.command([this] { w_.windows().open_grafico_frequencias(*this); });
}
void TMinera::bt_redeClick() {
  w_.windows().create_form_rede_conceitos()->abre([this] { return entrada_de_sentencas(sentencas(), listas().doc_list); });
}

void TMinera::bt_recalcularClick() {
  w_.command([this] {
    grau_minimo();  // a wrong value stops before the tables are emptied
    const mining::MiningLists lists = mining::check_mining_lists(w_.projeto(), w_.lista_contextos(), "\n\r");
    // Nothing of the last run stays on screen while this one runs, nor
    // after it stops half-way.
    limpa();
    corrida_frequencia(lists);
    corrida_associacao(lists);
  });
}

QAbstractItemModel* TMinera::modelo_frequencias() const { return ListView_contexto->model(); }

void TMinera::mostra_total_regras(std::size_t total) { Edit_total_regras->setText(QString::number(total)); }

void TMinera::bt_nuvemClick() {
  w_.command([this] {
    const QTreeWidgetItem* item = ListView_contexto->currentItem();
    if (!item)
      throw Stop("Escolha um conceito na tabela de freqüência: a nuvem mostra as palavras dos documentos que o têm.",
                 MessageKind::Information);
    const QString conceito = item->text(0).trimmed();
    w_.windows().open_nuvem_palavras(
        {QStringLiteral("Conceito ") + conceito, [projeto = w_.projeto(), c = ansi(conceito)] {
           return charts::cloud_of_concept(projeto.doc_list(), projeto, c);
         }});
  });
}

}  // namespace lumeral::gui
