#include "gui/comparison/centroide.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/base/files.h"
#include "core/base/text.h"
#include "core/comparison/centroid.h"
#include "core/records/weighted.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/base/table_export.h"
#include "gui/shell/windows.h"
#include "core/records/document_list.h"

namespace lumeral::gui {

namespace {
const QString kFiltroTexto = QStringLiteral("arquivos texto (*.txt)|*.txt");
const char* const kSelecione = "Selecione arquivo antes de calcular.";
}  // namespace

Tform_centro::Tform_centro(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(Abrelistadedocumentos1, &QAction::triggered, this, [this] { Abrelistadedocumentos1Click(); });
  connect(Ordenacaoalfabetica1, &QAction::triggered, this, [this] { Ordenacaoalfabetica1Click(); });
  connect(Novo1, &QAction::triggered, this, [this] { Novo1Click(); });
  connect(Abrecentroide1, &QAction::triggered, this, [this] { Abrecentroide1Click(); });
  connect(Salvacomolista1, &QAction::triggered, this, [this] { Salvacomolista1Click(); });
  connect(Salvacomotexto1, &QAction::triggered, this, [this] { Salvacomotexto1Click(); });
  connect(Ordenacaoporpeso1, &QAction::triggered, this, [this] { Ordenacaoporpeso1Click(); });
  connect(Ordenacaoalfabetica2, &QAction::triggered, this, [this] { Ordenacaoalfabetica2Click(); });
  connect(Graficodebarras1, &QAction::triggered, this, [this] { Graficodebarras1Click(); });
  connect(Nuvemdepalavras1, &QAction::triggered, this, [this] { Nuvemdepalavras1Click(); });
  connect(Nuvemdepalavras2, &QAction::triggered, this, [this] { Nuvemdepalavras2Click(); });
  connect(Calculadiferencasparatodos1, &QAction::triggered, this, [this] { Calculadiferencasparatodos1Click(); });
  connect(Mostradiferencasdodocselecionado1, &QAction::triggered, this,
          [this] { Mostradiferencasdodocselecionado1Click(); });
  connect(Salvacomolista2, &QAction::triggered, this, [this] { Salvacomolista2Click(); });
  connect(Salvacomotexto2, &QAction::triggered, this, [this] { Salvacomotexto2Click(); });
  connect(Somatodasasdiferencas1, &QAction::triggered, this, [this] { Somatodasasdiferencas1Click(); });
  connect(Ordenacaoporpeso2, &QAction::triggered, this, [this] { Ordenacaoporpeso2Click(); });
  connect(Ordenacaoalfabetica3, &QAction::triggered, this, [this] { Ordenacaoalfabetica3Click(); });
  connect(Button_abre, &QPushButton::clicked, this, [this] { Button_abreClick(); });
  connect(Button_novo, &QPushButton::clicked, this, [this] { Button_novoClick(); });
  connect(ListBox_docs, &QListWidget::itemDoubleClicked, this, [this] { ListBox_docsDblClick(); });
  add_row_action(ListBox_centro, Concordancia1, [this](int row) { ConcordanciaClick(centro_, row); });
  add_row_action(ListBox_dif, Concordancia2, [this](int row) { ConcordanciaClick(dif_, row); });
  add_export_action(*this, Salvacomotexto1,
                    [this] { return exporting::comparison_rows_table(centro_, "Termo", "Peso"); });
  add_export_action(*this, Salvacomotexto2,
                    [this] { return exporting::comparison_rows_table(dif_, "Termo", "Peso"); });
}

void Tform_centro::habilita_opcoes(bool enabled) {
  for (RadioGroup* g : {RadioGroup_metodo, RadioGroup_tipo, RadioGroup_modo})
    for (int i = 0; i < g->count(); ++i) g->button(i)->setEnabled(enabled);
}

void Tform_centro::Graficodebarras1Click() {
  command([this] { windows().open_grafico_centroide(); });
}

void Tform_centro::Nuvemdepalavras1Click() {
  command([this] {
    windows().open_nuvem_palavras(
        {QStringLiteral("Centróide"), [this] { return charts::cloud_of_rows(centro_, regional()); }});
  });
}

void Tform_centro::Nuvemdepalavras2Click() {
  command([this] {
    const int row = ListBox_docs->currentRow();
    const QString titulo = row < 0 ? QStringLiteral("Diferenças")
                                   : QStringLiteral("Diferenças de %1").arg(qs(ListBox_docs->line(row)).trimmed());
    windows().open_nuvem_palavras({titulo, [this] { return charts::cloud_of_rows(dif_, regional()); }});
  });
}

void Tform_centro::mostra_linhas(ListBox* list, std::vector<comparison::ResultRow>& rows) {
  std::vector<Ansi> lines = comparison::row_lines(rows);
  if (list->sorted()) {
    const auto order = records::alphabetical_order(lines, regional());
    records::apply_order(rows, order);
    records::apply_order(lines, order);
  }
  list->set_lines(lines);
}

void Tform_centro::limpa(ListBox* list, std::vector<comparison::ResultRow>& rows) {
  rows.clear();
  list->clear();
}

void Tform_centro::ordena_alfabetica(ListBox* list, std::vector<comparison::ResultRow>& rows) {
  list->set_sorted(true);
  mostra_linhas(list, rows);
}

void Tform_centro::mostra_totais() {
  Edit_total_docs->setText(QString::number(ListBox_docs->count()));
  Edit_total_centro->setText(QString::number(ListBox_centro->count()));
  Edit_total_dif->setText(QString::number(ListBox_dif->count()));
}

std::filesystem::path Tform_centro::pasta_trabalho() const {
  if (auto project = windows().wizard_project()) return project->folder;
  return pasta.isEmpty() ? fs::current_path() : path_of(pasta);
}

void Tform_centro::Abrelistadedocumentos1Click() {
  command([this] {
    ListBox_docs->clear();
    lista_.clear();
    limpa(ListBox_centro, centro_);
    limpa(ListBox_dif, dif_);
    mostra_totais();
    fs::path list;
    if (auto project = windows().wizard_open_project()) {
      // A wizard project is open: its own list, without asking.
      pasta = qpath(project->folder);
      list = project->doc_list();
    } else {
      auto file = platform().open_file(
          this, {QString(), QStringLiteral("listas de documentos (*.ldc)|*.ldc"), QString(), QString()});
      if (!file) return;
      pasta = QFileInfo(*file).absolutePath();
      list = path_of(*file);
    }
    ListBox_docs->add_all(records::read_document_names(list));
    lista_ = list;
    mostra_totais();
  });
}

void Tform_centro::mostra_centroide(const fs::path& folder, const std::vector<Ansi>& documents,
                                    const std::vector<comparison::ResultRow>& centroid) {
  pasta = qpath(folder);
  RadioGroup_metodo->set_item_index(1);  // "Contextual"
  RadioGroup_tipo->set_item_index(0);    // "Todas as palavras + freq"
  RadioGroup_modo->set_item_index(0);    // "Por freqüência"
  ListBox_docs->set_lines(documents);
  centro_ = centroid;
  mostra_linhas(ListBox_centro, centro_);
  limpa(ListBox_dif, dif_);
  mostra_totais();
}

void Tform_centro::Ordenacaoalfabetica1Click() {
  if (ListBox_docs->currentRow() < 0) {
    information(qs(kSelecione));
    return;
  }
  ListBox_docs->set_sorted(true);
}

void Tform_centro::Novo1Click() {
  command([this] {
    comparison::CentroidOptions options;
    options.method = RadioGroup_metodo->item_index() == 1 ? comparison::Method::Context : comparison::Method::Word;
    const int tipo = RadioGroup_tipo->item_index();
    options.type = tipo == 1   ? comparison::CentroidType::Two
                   : tipo == 2 ? comparison::CentroidType::Every
                               : comparison::CentroidType::All;
    options.mode = RadioGroup_modo->item_index() == 1 ? comparison::Mode::Weight : comparison::Mode::Frequency;
    options.document_selected = ListBox_docs->currentRow() >= 0;
    options.wizard_project = windows().wizard_project();
    limpa(ListBox_centro, centro_);
    mostra_totais();
    StatusProgress progress(StatusBar1);
    auto result =
        comparison::compute_centroid(ListBox_docs->lines(), pasta_trabalho(), options, regional(), progress);
    centro_ = std::move(result.rows);
    mostra_linhas(ListBox_centro, centro_);
    mostra_totais();
  });
}

void Tform_centro::Abrecentroide1Click() {
  command([this] {
    regional().parse_threshold(ansi(Edit_limiar->text()));  // an unreadable threshold stops before the dialog
    limpa(ListBox_centro, centro_);
    mostra_totais();
    auto file = platform().open_file(
        this, {QString(), QStringLiteral("listas de palavras (*.lpl)|*.lpl"), QString(), QString()});
    if (!file) return;
    centro_ = comparison::open_centroid(path_of(*file), ansi(Edit_limiar->text()), regional());
    mostra_linhas(ListBox_centro, centro_);
    mostra_totais();
  });
}

void Tform_centro::Salvacomolista1Click() {
  command([this] {
    auto file = platform().save_file(
        this, {QString(), QStringLiteral("lista de palavras (*.lpl)|*.lpl"), QStringLiteral("lpl"), QString()});
    if (!file) throw Stop("Não gravou centróide", MessageKind::Information);
    comparison::save_rows_as_word_list(path_of(*file), centro_, regional());
  });
}

void Tform_centro::salva_texto(const std::vector<comparison::ResultRow>& rows) {
  command([this, &rows] {
    auto file = platform().save_file(this, {QString(), kFiltroTexto, QStringLiteral("txt"), QString()});
    if (!file) return;
    records::save_as_text(path_of(*file), comparison::row_lines(rows));
  });
}

void Tform_centro::Salvacomotexto1Click() { salva_texto(centro_); }

void Tform_centro::ordena_por_peso(ListBox* list, std::vector<comparison::ResultRow>& rows) {
  command([this, list, &rows] {
    list->set_sorted(false);
    StatusProgress progress(StatusBar1);
    records::apply_order(rows, records::weight_order(
                                   rows.size(), [&](std::size_t i) { return regional().parse(rows[i].weight); },
                                   progress));
    mostra_linhas(list, rows);
    mostra_totais();
  });
}

void Tform_centro::Ordenacaoporpeso1Click() { ordena_por_peso(ListBox_centro, centro_); }
void Tform_centro::Ordenacaoalfabetica2Click() { ordena_alfabetica(ListBox_centro, centro_); }

void Tform_centro::Calculadiferencasparatodos1Click() {
  command([this] {
    if (ListBox_docs->count() == 0) throw Stop("Selecionar lista de documentos");
    auto file = platform().open_file(this, {QStringLiteral("Selecione o arquivo centróide (dif = doc - centróide)"),
                                            QStringLiteral("listas de palavras (*.lpl)|*.lpl"), QString(), QString()});
    if (!file) return;
    const auto method =
        RadioGroup_metodo->item_index() == 1 ? comparison::Method::Context : comparison::Method::Word;
    StatusProgress progress(StatusBar1);
    comparison::compute_differences(ListBox_docs->lines(), pasta_trabalho(), path_of(*file), method, progress);
  });
}

void Tform_centro::Mostradiferencasdodocselecionado1Click() {
  command([this] {
    limpa(ListBox_dif, dif_);
    mostra_totais();
    std::optional<std::size_t> selected;
    if (ListBox_docs->currentRow() >= 0) selected = static_cast<std::size_t>(ListBox_docs->currentRow());
    const auto method =
        RadioGroup_metodo->item_index() == 1 ? comparison::Method::Context : comparison::Method::Word;
    dif_ = comparison::show_differences(ListBox_docs->lines(), selected, pasta_trabalho(), method, regional());
    mostra_linhas(ListBox_dif, dif_);
    mostra_totais();
  });
}

void Tform_centro::Salvacomolista2Click() {
  command([this] {
    auto file = platform().save_file(
        this, {QString(), QStringLiteral("listas de palavras (*.lpl)|*.lpl"), QStringLiteral("lpl"), QString()});
    if (!file) return;
    comparison::save_rows_as_word_list(path_of(*file), dif_, regional());
  });
}

void Tform_centro::Salvacomotexto2Click() { salva_texto(dif_); }

void Tform_centro::Somatodasasdiferencas1Click() {
  command([this] {
    limpa(ListBox_dif, dif_);
    mostra_totais();
    const QStringList files = platform().open_files(
        this, {QString(),
               QStringLiteral("diferenças palavras (*.dif)|*.dif|diferenças conceitos (*.dfc)|*.dfc"), QString(),
               QString()});
    if (files.isEmpty()) return;
    std::vector<fs::path> paths;
    for (const QString& f : files) paths.push_back(path_of(f));
    dif_ = comparison::sum_differences(paths, regional());
    mostra_linhas(ListBox_dif, dif_);
    mostra_totais();
  });
}

void Tform_centro::Ordenacaoporpeso2Click() {
  if (ListBox_docs->currentRow() < 0) {
    information(qs(kSelecione));
    return;
  }
  ordena_por_peso(ListBox_dif, dif_);
}

void Tform_centro::Ordenacaoalfabetica3Click() {
  if (ListBox_docs->currentRow() < 0) {
    information(qs(kSelecione));
    return;
  }
  ordena_alfabetica(ListBox_dif, dif_);
}

void Tform_centro::ListBox_docsDblClick() {
  const int row = ListBox_docs->currentRow();
  if (row < 0) return;
  windows().show_text_file(qpath(pasta_trabalho() / to_path(ListBox_docs->line(row))));
}

void Tform_centro::abre_da_colecao() {
  RadioGroup_metodo->set_item_index(0);  // "Por palavra"
  show();
  raise();
  Abrelistadedocumentos1Click();
  if (last_command_ok()) Novo1Click();
  for (QWidget* choice : std::initializer_list<QWidget*>{RadioGroup_metodo, RadioGroup_tipo, RadioGroup_modo})
    choice->setEnabled(false);
}

void Tform_centro::ConcordanciaClick(const std::vector<comparison::ResultRow>& rows, int row) {
  command([this, &rows, row] {
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return;
    fs::path lista = lista_;
    if (auto project = windows().wizard_open_project(); lista.empty() && project && fs::exists(project->doc_list()))
      lista = project->doc_list();
    windows().open_concordancia(lista, {trim(rows[static_cast<std::size_t>(row)].word)});
  });
}

}  // namespace lumeral::gui
