#include "gui/base/table_export.h"
#include "gui/classification/matriz.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include <optional>

#include "core/classification/matrix.h"
#include "core/classification/results.h"
#include "core/records/weighted.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/base/tee_progress.h"
#include "gui/shell/barra_progresso.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {
const QString kFiltroDocs = QStringLiteral("listas de documentos (*.ldc)|*.ldc");
const QString kFiltroContextos = QStringLiteral("listas de contextos (*.lct)|*.lct");
}  // namespace

Tform_matriz::Tform_matriz(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  add_export_action(*this, Salvaresultadocomotexto1,
                    [this] { return exporting::weighted_rows_table(linhas, "Item", "Grau"); });
  connect(Abrelistadedocs1, &QAction::triggered, this, [this] { Abrelistadedocs1Click(); });
  connect(Abrelistadecontextos1, &QAction::triggered, this, [this] { Abrelistadecontextos1Click(); });
  connect(MetodoDeterministico1, &QAction::triggered, this, [this] { MetodoDeterministico1Click(); });
  connect(MetodoProbabilistico1, &QAction::triggered, this, [this] { MetodoProbabilistico1Click(); });
  connect(Mostracontextosdeumdoc1, &QAction::triggered, this, [this] { Mostracontextosdeumdoc1Click(); });
  connect(Mostradocumentosdeumcontexto1, &QAction::triggered, this, [this] { Mostradocumentosdeumcontexto1Click(); });
  connect(Salvaresultadocomoldoc1, &QAction::triggered, this, [this] { Salvaresultadocomoldoc1Click(); });
  connect(Salvaresultadocomotexto1, &QAction::triggered, this, [this] { Salvaresultadocomotexto1Click(); });
  connect(Ordenaalfabeticamente1, &QAction::triggered, this, [this] { Ordenaalfabeticamente1Click(); });
  connect(Button_docs, &QPushButton::clicked, this, [this] { Button_docsClick(); });
  connect(Button_conts, &QPushButton::clicked, this, [this] { Button_contsClick(); });
  connect(Button_copia, &QPushButton::clicked, this, [this] { Button_copiaClick(); });
}

void Tform_matriz::mostra_linhas(std::vector<records::WeightedRow> rows) {
  linhas = std::move(rows);
  ListBox1->set_rows(linhas);
  Edit_total->setText(QString::number(ListBox1->count()));
}

void Tform_matriz::Abrelistadedocs1Click() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroDocs, QString(), QString()});
    if (!file) return;
    Edit_docs->setText(*file);
    pasta_docs = QFileInfo(*file).absolutePath() + QLatin1Char('/');
  });
}

void Tform_matriz::Abrelistadecontextos1Click() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroContextos, QString(), QString()});
    if (file) Edit_contextos->setText(*file);
  });
}

void Tform_matriz::classifica(bool deterministico) {
  command([this, deterministico] {
    classification::ClassifyRun run;
    run.doc_list = path_of(Edit_docs->text().trimmed());
    run.context_list = path_of(Edit_contextos->text().trimmed());
    run.method = deterministico ? classification::Method::Deterministic : classification::Method::Probabilistic;
    run.wizard_project = windows().wizard_project();
    // A wizard project with grouped word variants has word lists of stems.
    if (run.wizard_project) run.stem = windows().wizard_state().stem;
    StatusProgress status(StatusBar1);
    if (!run.wizard_project) {
      classification::classify(run, status);
      return;
    }
    // The wizard's progress window: the document count on its first line,
    // the status text on the second and in the wizard's first panel.
    std::optional<ProgressScope> window;
    std::error_code ec;
    if (fs::is_regular_file(run.doc_list, ec) && fs::is_regular_file(run.context_list, ec)) {
      window.emplace(windows(), QString(), ProgressScope::Lines::StatusSecond);
      window->mirror_status_to_wizard();
    }
    TeeProgress both(status, window ? static_cast<Progress&>(*window) : Progress::none());
    classification::classify(run, both);
  });
}

void Tform_matriz::MetodoDeterministico1Click() { classifica(true); }
void Tform_matriz::MetodoProbabilistico1Click() { classifica(false); }

void Tform_matriz::Mostracontextosdeumdoc1Click() {
  command([this] {
    mostra_linhas(classification::doc_contexts(fs::current_path(), ansi(Edit_nome->text()),
                                               ansi(Edit_limiar->text()), regional()));
  });
}

void Tform_matriz::Mostradocumentosdeumcontexto1Click() {
  command([this] {
    auto listing = classification::context_docs(path_of(Edit_docs->text().trimmed()), ansi(Edit_nome->text()),
                                                ansi(Edit_limiar->text()), regional());
    // A missing matrix stops the listing after the rows found before it.
    mostra_linhas(std::move(listing.rows));
    if (listing.stop) throw Stop(listing.stop->text, listing.stop->kind);
  });
}

void Tform_matriz::Salvaresultadocomoldoc1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroDocs, QStringLiteral("ldc"), QString()});
    if (!file) return;
    classification::save_result_as_doc_list(path_of(*file), linhas, regional());
  });
}

void Tform_matriz::Salvaresultadocomotexto1Click() {
  command([this] {
    auto file = platform().save_file(
        this, {QString(), QStringLiteral("arquivos texto (*.txt)|*.txt"), QStringLiteral("txt"), QString()});
    if (!file) return;
    records::save_as_text(path_of(*file), records::weighted_row_lines(linhas));
  });
}

void Tform_matriz::Ordenaalfabeticamente1Click() {
  ListBox1->set_sorted(true);
  ListBox1->set_rows(linhas);
}

void Tform_matriz::Button_docsClick() {
  command([this] {
    mostra_linhas(records::bare_rows(classification::doc_list_names(path_of(Edit_docs->text().trimmed()))));
  });
}

void Tform_matriz::mostra_classificacao(const fs::path& doc_list, const fs::path& context_list) {
  Edit_contextos->setText(qpath(context_list));
  Edit_docs->setText(qpath(doc_list));
  mostra_linhas(records::bare_rows(classification::doc_list_names(doc_list)));
}

void Tform_matriz::Button_contsClick() {
  command([this] {
    mostra_linhas(
        records::bare_rows(classification::context_list_names(path_of(Edit_contextos->text().trimmed()))));
  });
}

void Tform_matriz::Button_copiaClick() {
  const int row = ListBox1->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= linhas.size()) return;
  Edit_nome->setText(qs(classification::copy_selected(records::weighted_row_line(linhas[static_cast<std::size_t>(row)]))));
}

}  // namespace lumeral::gui
