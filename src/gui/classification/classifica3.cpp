#include "gui/base/table_export.h"
#include "gui/classification/classifica3.h"

#include <QAction>

#include "core/base/files.h"
#include "core/classification/concepts.h"
#include "core/records/weighted.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace fs = std::filesystem;

namespace {
const QString kFiltroDocs = QStringLiteral("listas de documentos (*.ldc)|*.ldc");
}  // namespace

Tform_classifica3::Tform_classifica3(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  add_export_action(*this, Salvalistacomomatriz1,
                    [this] { return exporting::concept_table(linhas_, "Grau"); });
  connect(Abrelistadedocumentos1, &QAction::triggered, this, [this] { Abrelistadedocumentos1Click(); });
  connect(Analisacategorias1, &QAction::triggered, this, [this] { Analisacategorias1Click(); });
  connect(Salvalistadedocs1, &QAction::triggered, this, [this] { Salvalistadedocs1Click(); });
  connect(Salvalistacomomatriz1, &QAction::triggered, this, [this] { Salvalistacomomatriz1Click(); });
  connect(Ordenaporpeso1, &QAction::triggered, this, [this] { Ordenaporpeso1Click(); });
  connect(Ordenaalfabeticamente1, &QAction::triggered, this, [this] { Ordenaalfabeticamente1Click(); });
  connect(Limpacaixas1, &QAction::triggered, this, [this] { Limpacaixas1Click(); });
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
}

void Tform_classifica3::mostra_linhas() {
  std::vector<Ansi> lines = classification::concept_lines(linhas_);
  if (ListBox1->sorted()) {
    const auto order = records::alphabetical_order(lines, regional());
    records::apply_order(linhas_, order);
    records::apply_order(lines, order);
  }
  ListBox1->set_lines(lines);
  Edit_total->setText(QString::number(ListBox1->count()));
}

fs::path Tform_classifica3::pasta_docs() const {
  const QString lista = Edit_lista->text().trimmed();
  return lista.isEmpty() ? fs::current_path() : path_of(lista).parent_path();
}

void Tform_classifica3::Abrelistadedocumentos1Click() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroDocs, QString(), QString()});
    if (file) Edit_lista->setText(*file);
  });
}

void Tform_classifica3::Analisacategorias1Click() {
  command([this] {
    classification::ConceptQuery query;
    query.doc_list = path_of(Edit_lista->text().trimmed());
    query.positive = Memo_positivos->lines();
    query.negative = Memo_negativos->lines();
    query.method = RadioGroup1->item_index() == 1 ? classification::ConceptMethod::Pairs
                                                  : classification::ConceptMethod::Simple;
    StatusProgress status(StatusBar1);
    auto result = classification::classify_concepts(query, regional(), status);
    // The result follows the list's own order only once the user asks for it.
    ListBox1->set_sorted(false);
    linhas_ = std::move(result.rows);
    mostra_linhas();
    Edit_total_docs->setText(QString::number(result.documents));
    result.rethrow();
  });
}

void Tform_classifica3::Salvalistadedocs1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroDocs, QStringLiteral("ldc"), QString()});
    if (!file) return;
    classification::save_concepts_as_doc_list(path_of(*file), linhas_, regional());
  });
}

void Tform_classifica3::Salvalistacomomatriz1Click() {
  command([this] {
    StatusProgress status(StatusBar1);
    classification::save_concept_matrix(pasta_docs(), path_of(Edit_lista->text().trimmed()), linhas_,
                                        ansi(Edit_nome->text()), regional(), status);
  });
}

void Tform_classifica3::Ordenaporpeso1Click() {
  command([this] {
    std::vector<classification::ConceptRow> rows = linhas_;
    StatusProgress status(StatusBar1);
    classification::order_by_score(rows, regional(), status);
    ListBox1->set_sorted(false);
    linhas_ = std::move(rows);
    mostra_linhas();
  });
}

void Tform_classifica3::Ordenaalfabeticamente1Click() {
  ListBox1->set_sorted(true);
  mostra_linhas();
}

void Tform_classifica3::Limpacaixas1Click() {
  Memo_positivos->clear();
  Memo_negativos->clear();
  linhas_.clear();
  mostra_linhas();
}

void Tform_classifica3::ListBox1DblClick() {
  const int row = ListBox1->currentRow();
  if (row < 0) return;
  if (static_cast<std::size_t>(row) >= linhas_.size()) return;
  const Ansi documento = classification::concept_document_file(linhas_[static_cast<std::size_t>(row)]);
  windows().show_text_file(documento.empty() ? QString() : qpath(pasta_docs() / to_path(documento)));
}

}  // namespace lumeral::gui
