#include "gui/mining/minera.h"

#include <QDir>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/text.h"
#include "core/mining/association_table.h"
#include "core/mining/frequency.h"
#include "core/mining/rules.h"
#include "core/mining/results.h"
#include "core/preparation/stopword_lists.h"
#include "core/mining/rule_sentences.h"
#include "gui/association/associacao.h"
#include "gui/base/platform.h"
#include "gui/base/table_export.h"
#include "gui/classification/matriz.h"
#include "gui/comparison/centro_contextual.h"
#include "gui/comparison/centroide.h"
#include "gui/contexts/ontologia.h"
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

bool TMinera::corrida_classificacao(const mining::MiningLists& lists) {
  Tform_matriz& matriz = *w_.windows().form_matriz;
  matriz.Edit_contextos->setText(qpath(lists.context_list));
  matriz.Edit_docs->setText(qpath(lists.doc_list));
  matriz.Button_docsClick();
  if (!matriz.last_command_ok()) return false;
  if (shell::ontology_kind_of(ansi(w_.label_prob->text())) == shell::OntologyKind::Probabilistic)
    matriz.MetodoProbabilistico1Click();
  else
    matriz.MetodoDeterministico1Click();
  if (!matriz.last_command_ok()) return false;
  // The progress of the documents classified, one item per result line.
  ProgressScope progress(w_.windows());
  const long long lines = matriz.ListBox1->count();
  for (long long i = 0; i < lines; ++i) {
    progress.status("Processando " + number(lines - 1) + " arquivos");
    progress.detail("Processados " + number(i) + " arquivos até o momento");
    progress.bar(i, lines - 1);
    progress.checkpoint();
  }
  return true;
}

double TMinera::grau_minimo() const { return mining::parse_min_degree(ansi(Edit_grau_minimo->text()), w_.regional()); }

void TMinera::ajusta_dm() {
  Tform_dm& dm = *w_.windows().form_dm;
  dm.Edit_grau_minimo->setText(Edit_grau_minimo->text());
  dm.CheckBox_duas_direcoes->setChecked(CheckBox_duas_direcoes->isChecked());
}

bool TMinera::corrida_frequencia(const mining::MiningLists& lists) {
  const double grau = grau_minimo();
  ListView_contexto->clear();
  if (grau > 0) {
    // Counted from the matrices: the centroid has no minimum degree.
    colunas_frequencia();
    std::vector<shell::FrequencyRow> rows;
    {
      ProgressScope progress(w_.windows());
      rows = mining::frequency_at_degree(lists.doc_list, w_.projeto().folder, grau, w_.regional(), progress);
    }
    mostra_frequencias(rows);
    return true;
  }
  // The contextual centroid of type "Todas as palavras + freq" (the
  // window's default type): one line per concept, "concept | count".
  Tform_centro& centro = *w_.windows().form_centro;
  centro.Abrelistadedocumentos1Click();
  if (!centro.last_command_ok()) return false;
  centro.RadioGroup_metodo->set_item_index(1);  // "Contextual"
  centro.Novo1Click();
  if (!centro.last_command_ok()) return false;
  const std::vector<Ansi> centroid = centro.ListBox_centro->lines();
  colunas_frequencia();
  // The percentages of that centroid, computed once: line i gives the
  // share of concept i.
  Tcentro_percentual& perc = *w_.windows().centro_percentual;
  std::vector<Ansi> shares;
  bool ok = true;
  {
    ProgressScope progress(w_.windows());
    const long long n = static_cast<long long>(centroid.size());
    const std::string method = centro.RadioGroup_metodo->button(1)->text().remove(QLatin1Char('&')).toStdString();
    if (n > 0) {
      perc.Edit_docs->setText(qpath(lists.doc_list));
      perc.Edit_centro->setText(qpath(w_.projeto().file(Ansi("centro-temp.lpl"))));
      perc.Calculaporcentagens1Click();
      ok = perc.last_command_ok();
    }
    const long long got = ok ? std::min<long long>(n, perc.ListBox1->count()) : 0;
    for (long long i = 0; i < got; ++i) {
      progress.status("Processando " + number(n - 1) + " Frequencias " + method);
      progress.detail("Processados " + number(i) + " arquivos até o momento");
      progress.bar(i, n - 1);
      progress.checkpoint();
      shares.push_back(perc.ListBox1->line(static_cast<int>(i)));
    }
  }
  // The rows that got their share stay, as a run that stops keeps them.
  std::vector<Ansi> done(centroid.begin(), centroid.begin() + static_cast<std::ptrdiff_t>(shares.size()));
  mostra_frequencias(mining::frequency_rows(done, shares));
  return ok;
}

bool TMinera::corrida_associacao(const mining::MiningLists& lists) {
  ListView_associa->clear();
  tabela_associacoes.clear();
  const QString ldc = qpath(lists.doc_list);
  // Term association "Por contextos": the pair store temp.ass.
  Tform_rel& rel = *w_.windows().form_rel;
  rel.RadioGroup1->set_item_index(3);  // "Por contextos"
  rel.Edit_docs->setText(ldc);
  const Language language = language_of_row(w_.ListBox_idioma->currentRow());
  rel.Edit_stop->setText(qpath(preparation::find_standard_list(language, path_of(w_.Label17->text()))));
  rel.mostrada = true;
  rel.Calcularassociacoes1Click();
  if (!rel.last_command_ok()) return false;
  // "Calcula Confiança/Suporte" in the data-mining window.
  Tform_dm& dm = *w_.windows().form_dm;
  dm.Edit_contextos->setText(w_.windows().form_matriz->Edit_contextos->text());
  dm.Edit_docs->setText(ldc);
  dm.Edit_ass->setText(qpath(w_.projeto().file(Ansi("temp.ass"))));
  ajusta_dm();
  dm.CalculaConfiancaSuporte1Click();
  tabela_associacoes = mining::association_table(dm.ListBox1->lines(), w_.regional());
  mostra_tabela_associacoes();
  reescreve_texto("Processando ");
  return dm.last_command_ok();
}

void TMinera::reescreve_texto(const char* verb) {
  // The text is replaced at the end, so a cancel keeps the one shown.
  Tform_dm& dm = *w_.windows().form_dm;
  const std::vector<Ansi> lines = dm.ListBox1->lines();
  std::vector<Ansi> text;
  {
    ProgressScope progress(w_.windows());
    const long long n = static_cast<long long>(lines.size());
    for (long long i = 0; i < n; ++i) {
      progress.status(verb + number(n - 1) + " Associações entre Conceitos");
      progress.detail("Processados " + number(i) + " arquivos até o momento");
      progress.bar(i, n - 1);
      progress.checkpoint();
      text.push_back(mining::rule_sentence(mining::parse_rule_line(lines[static_cast<std::size_t>(i)])));
    }
  }
  mostra_texto(text);
  Edit_total_regras->setText(dm.Edit_total->text());
  // An open concept network follows the rules shown.
  if (auto* rede = w_.windows().form_rede_conceitos) rede->atualiza_se_visivel();
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
    Tform_dm& dm = *w_.windows().form_dm;
    dm.Edit_limiar->setText(threshold);
    // The lists: those of the last run, or the wizard's when none ran in
    // this session (a project reopened at the mining step).
    Tform_matriz& matriz = *w_.windows().form_matriz;
    if (matriz.Edit_contextos->text().isEmpty())
      matriz.Edit_contextos->setText(!w_.Label23->text().isEmpty()
                                         ? w_.Label23->text()
                                         : w_.ontologia->Edit_conceito->text() + QStringLiteral(".lct"));
    dm.Edit_contextos->setText(matriz.Edit_contextos->text());
    Tform_rel& rel = *w_.windows().form_rel;
    if (rel.Edit_docs->text().isEmpty()) rel.Edit_docs->setText(qpath(w_.projeto().doc_list()));
    dm.Edit_docs->setText(rel.Edit_docs->text());
    dm.Edit_ass->setText(qpath(w_.projeto().file(Ansi("temp.ass"))));
    dm.RadioGroup1->set_item_index(modo_limiar == mining::ThresholdKind::Confidence ? 0 : 1);
    Edit_limiar->setText(QStringLiteral("0"));
    pn_limiar->hide();
    ajusta_dm();
    dm.CalculaConfiancaSuporte1Click();
    if (!dm.last_command_ok()) return;
    dm.Selecionaporlimiar1Click();
    if (!dm.last_command_ok()) return;
    reescreve_texto("Processando ");
  });
}

void TMinera::bt_fechar_limiarClick() {
  Edit_limiar->setText(QStringLiteral("0"));
  pn_limiar->hide();
}

void TMinera::bt_ordena_confiancaClick() {
  w_.command([this] {
    Tform_dm& dm = *w_.windows().form_dm;
    dm.Ordenadecrescenteporconfianca1Click();
    if (dm.last_command_ok()) reescreve_texto("Ordenando ");
  });
}

void TMinera::bt_ordena_alfaClick() {
  w_.command([this] {
    Tform_dm& dm = *w_.windows().form_dm;
    dm.Ordenaalfabeticamente1Click();
    if (dm.last_command_ok()) reescreve_texto("Ordenando ");
  });
}

// ---------------------------------------------------------------- outputs

void TMinera::bt_grava_resultadosClick() {
  w_.command([this] {
    {
      ProgressScope progress(w_.windows());
      mining::write_results_file(fs::current_path(), linhas_frequencia(), tabela_associacoes, progress);
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
  w_.command([this] {
    if (!grafico_frequencias) grafico_frequencias = std::make_unique<Tgrafico_frequencias>(w_.windows(), *this);
    grafico_frequencias->atualiza();
    grafico_frequencias->show();
    grafico_frequencias->raise();
  });
}
void TMinera::bt_redeClick() { w_.windows().create_form_rede_conceitos()->abre(); }

void TMinera::bt_recalcularClick() {
  w_.command([this] {
    grau_minimo();  // a wrong value stops before the tables are emptied
    const mining::MiningLists lists = mining::check_mining_lists(w_.projeto(), w_.lista_contextos(), "\n\r");
    // A project reopened at the mining step classified in an earlier session.
    Tform_matriz& matriz = *w_.windows().form_matriz;
    if (matriz.Edit_contextos->text().isEmpty()) matriz.Edit_contextos->setText(qpath(lists.context_list));
    if (!corrida_frequencia(lists)) return;
    corrida_associacao(lists);
  });
}

}  // namespace lumeral::gui
