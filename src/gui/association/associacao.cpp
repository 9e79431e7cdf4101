#include "gui/association/associacao.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include <optional>

#include "core/association/association_files.h"
#include "core/association/association_lines.h"
#include "core/association/term_association.h"
#include "core/base/text.h"
#include "core/records/weighted.h"
#include "gui/association/rede_termos.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/base/table_export.h"
#include "gui/shell/barra_progresso.h"
#include "gui/shell/windows.h"
#include "gui/base/memory_setting.h"

namespace lumeral::gui {

namespace {

// The wizard's progress window during a counting run: the number of
// documents on its first line, the documents done on its second.
class DocumentosProgress : public Progress {
 public:
  DocumentosProgress(Progress& status_bar, ProgressScope& window) : status_bar_(status_bar), window_(window) {}
  void status(std::string_view text) override { status_bar_.status(text); }
  void bar(long long position, long long maximum) override {
    window_.status("Processando " + std::to_string(maximum + 1) + " Associações");
    window_.detail("Processados " + std::to_string(position) + " arquivos até o momento");
    window_.bar(position, maximum);
  }
  bool cancelled() override { return window_.cancelled() || status_bar_.cancelled(); }

 private:
  Progress& status_bar_;
  ProgressScope& window_;
};

}  // namespace

Tform_rel::Tform_rel(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(Calcularassociacoes1, &QAction::triggered, this, [this] { Calcularassociacoes1Click(); });
  connect(Abrirresultadogravado1, &QAction::triggered, this, [this] { Abrirresultadogravado1Click(); });
  connect(Selecionarporlimiar1, &QAction::triggered, this, [this] { Selecionarporlimiar1Click(); });
  connect(Salvarassociacoes1, &QAction::triggered, this, [this] { Salvarassociacoes1Click(); });
  connect(Salvarcomotexto1, &QAction::triggered, this, [this] { Salvarcomotexto1Click(); });
  connect(Ordenarporpeso1, &QAction::triggered, this, [this] { Ordenarporpeso1Click(); });
  connect(Ordenaralfabeticamente1, &QAction::triggered, this, [this] { Ordenaralfabeticamente1Click(); });
  add_export_action(*this, Salvarcomotexto1, [this] { return exporting::association_table(linhas_); });
  connect(Rededecoocorrencia1, &QAction::triggered, this, [this] { Rededecoocorrencia1Click(); });
  add_row_action(ListBox1, Concordancia1, [this](int row) { Concordancia1Click(row); });
}

void Tform_rel::showEvent(QShowEvent* event) {
  mostrada = true;
  QMainWindow::showEvent(event);
}

void Tform_rel::closeEvent(QCloseEvent* event) {
  linhas_.clear();
  ListBox1->clear();
  ListBox1->set_sorted(false);
  Edit_docs->clear();
  Edit_stop->clear();
  QMainWindow::closeEvent(event);
}

void Tform_rel::mostra_linhas() {
  std::vector<Ansi> lines = association::association_lines(linhas_);
  if (ListBox1->sorted()) {
    const auto order = records::alphabetical_order(lines, regional());
    records::apply_order(linhas_, order);
    records::apply_order(lines, order);
  }
  ListBox1->set_lines(lines);
}

void Tform_rel::mostra_associacoes(const fs::path& doc_list, const fs::path& stopwords,
                                   const std::vector<association::AssociationRow>& rows) {
  RadioGroup1->set_item_index(3);  // "Por contextos"
  Edit_docs->setText(qpath(doc_list));
  Edit_stop->setText(qpath(stopwords));
  mostrada = true;
  ListBox1->set_sorted(false);
  linhas_ = rows;
  mostra_linhas();
}

void Tform_rel::Calcularassociacoes1Click() {
  command([this] {
    if (!Edit_docs->text().isEmpty() && !Edit_stop->text().isEmpty() && !mostrada) return;
    linhas_.clear();
    ListBox1->clear();
    ListBox1->set_sorted(false);
    association::AssociationInput input;
    const int metodo = RadioGroup1->item_index();
    input.method = metodo == 1   ? association::AssociationMethod::DocumentFrequency
                   : metodo == 2 ? association::AssociationMethod::Sentence
                   : metodo == 3 ? association::AssociationMethod::Contexts
                                 : association::AssociationMethod::DocumentPresence;
    // A method that is not available says so before any dialog.
    association::check_method_available(input.method);
    input.project = windows().wizard_project();
    if (!input.project) {
      auto stop = platform().open_file(this, {QStringLiteral("Selecione lista de stopwords"),
                                              QStringLiteral("stopwords (*.stw)|*.stw"), QString(), QString()});
      if (!stop) return;
      Edit_stop->setText(*stop);
      auto docs = platform().open_file(this, {QStringLiteral("Selecione lista de documentos"),
                                              QStringLiteral("listas de documentos (*.ldc)|*.ldc"), QString(),
                                              QString()});
      if (!docs) return;
      Edit_docs->setText(*docs);
      pasta_docs = QFileInfo(*docs).absolutePath() + QLatin1Char('/');
    }
    input.document_list = path_of(Edit_docs->text().trimmed());
    input.stopwords = path_of(Edit_stop->text().trimmed());
    input.memory_budget = memory_budget(platform());
    StatusProgress status(StatusBar1);
    association::AssociationResult result;
    if (input.project) {
      ProgressScope window(windows());
      DocumentosProgress progress(status, window);
      result = association::calculate_associations(input, regional(), progress);
    } else {
      result = association::calculate_associations(input, regional(), status);
    }
    linhas_ = result.rows();
    mostra_linhas();
  });
}

void Tform_rel::Abrirresultadogravado1Click() {
  command([this] {
    linhas_.clear();
    ListBox1->clear();
    ListBox1->set_sorted(false);
    auto file = platform().open_file(
        this, {QString(), QStringLiteral("associações de termos (*.ass)|*.ass"), QString(), QString()});
    if (!file) return;
    linhas_ = association::open_associations(path_of(*file), regional());
    mostra_linhas();
  });
}

void Tform_rel::Selecionarporlimiar1Click() {
  command([this] {
    linhas_ = association::filter_by_threshold(linhas_, ansi(Edit_limiar->text()), regional());
    mostra_linhas();
  });
}

void Tform_rel::Salvarassociacoes1Click() {
  command([this] {
    auto file = platform().save_file(
        this, {QString(), QStringLiteral("associações (*.ass)|*.ass"), QStringLiteral("ass"), QString()});
    if (!file) return;
    association::save_associations(path_of(*file), linhas_, regional());
  });
}

void Tform_rel::Salvarcomotexto1Click() {
  command([this] {
    auto file = platform().save_file(
        this, {QString(), QStringLiteral("arquivos texto (*.txt)|*.txt"), QStringLiteral("txt"), QString()});
    if (!file) return;
    records::save_as_text(path_of(*file), association::association_lines(linhas_));
  });
}

void Tform_rel::Ordenarporpeso1Click() {
  command([this] {
    ListBox1->set_sorted(false);
    StatusProgress progress(StatusBar1);
    association::sort_associations(linhas_, regional(), progress);
    mostra_linhas();
  });
}

void Tform_rel::Ordenaralfabeticamente1Click() {
  ListBox1->set_sorted(true);
  mostra_linhas();
}

void Tform_rel::Rededecoocorrencia1Click() { windows().create_form_rede_termos()->abre(); }

void Tform_rel::Concordancia1Click(int row) {
  command([this, row] {
    if (row < 0 || static_cast<std::size_t>(row) >= linhas_.size()) return;
    const association::AssociationRow& par = linhas_[static_cast<std::size_t>(row)];
    windows().open_concordancia(path_of(Edit_docs->text().trimmed()), {trim(par.first), trim(par.second)});
  });
}

}  // namespace lumeral::gui
