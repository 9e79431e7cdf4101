#include "gui/retrieval/recup_similar.h"

#include <QAction>
#include <QEvent>
#include <QTextBlock>

#include <chrono>

#include "core/base/files.h"
#include "core/records/weighted.h"
#include "core/retrieval/similar.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/base/table_export.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {
const QString kFiltroDocs = QStringLiteral("listas de docs (*.ldc)|*.ldc");
const QString kFiltroTexto = QStringLiteral("arquivos texto (*.txt)|*.txt");
}  // namespace

Tform_recsim::Tform_recsim(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(Abrelistadedocs1, &QAction::triggered, this, [this] { Abrelistadedocs1Click(); });
  connect(Button_lista, &QPushButton::clicked, this, [this] { Abrelistadedocs1Click(); });
  connect(RecuperaTextos1, &QAction::triggered, this, [this] { RecuperaTextos1Click(); });
  connect(Gravalistadedocs1, &QAction::triggered, this, [this] { Gravalistadedocs1Click(); });
  connect(Gravacomtexto1, &QAction::triggered, this, [this] { Gravacomtexto1Click(); });
  connect(Button_limiar, &QPushButton::clicked, this, [this] { Button_limiarClick(); });
  connect(Edit_limiar, &QLineEdit::returnPressed, this, [this] { Button_limiarClick(); });
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
  connect(Concordancia1, &QAction::triggered, this, [this] { Concordancia1Click(); });
  add_export_action(*this, Gravacomtexto1,
                    [this] { return exporting::similar_table(linhas_); });
  Memo_caso->viewport()->installEventFilter(this);
}

bool Tform_recsim::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Memo_caso->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    const bool handled = QMainWindow::eventFilter(watched, event);
    // The press before the double click put the cursor on the clicked line.
    Memo_casoDblClick(Memo_caso->textCursor().blockNumber());
    return handled;
  }
  return QMainWindow::eventFilter(watched, event);
}

void Tform_recsim::Abrelistadedocs1Click() {
  command([this] {
    Edit_total->clear();
    auto file = platform().open_file(this, {QString(), kFiltroDocs, QString(), QString()});
    if (file) Edit_lista->setText(file->trimmed());
  });
}

void Tform_recsim::mostra_linhas(std::vector<retrieval::SimilarRow> rows) {
  linhas_ = std::move(rows);
  ListBox1->set_lines(retrieval::similar_lines(linhas_));
  Edit_total->setText(QString::number(ListBox1->count()));
}

void Tform_recsim::RecuperaTextos1Click() {
  command([this] {
    linhas_.clear();
    ListBox1->clear();
    const fs::path lista = path_of(Edit_lista->text().trimmed());
    if (lista.empty()) throw Stop("Selecionar antes uma lista de docs");
    const bool um_so = RadioGroup_caso->item_index() != 1;
    auto file = platform().open_file(this, {QString(), um_so ? kFiltroTexto : kFiltroDocs, QString(), QString()});
    if (!file) return;
    Edit_caso->setText(file->trimmed());
    const fs::path caso = path_of(Edit_caso->text());

    retrieval::SimilarOptions options;
    options.method =
        RadioGroup_metodo->item_index() == 1 ? retrieval::SimilarMethod::Contextual : retrieval::SimilarMethod::Words;
    options.weighted = RadioGroup_pesos->item_index() != 1;
    StatusProgress status(StatusBar1);
    retrieval::SimilarListing result;
    if (um_so) {
      Edit_total->clear();
      Memo_caso->set_lines(retrieval::case_text(caso));
      result = retrieval::retrieve_one(lista, caso, options, regional(), status);
    } else {
      auto report = platform().save_file(this, {QString(), kFiltroTexto, QStringLiteral("txt"), QString()});
      if (!report) return;
      const auto now = std::chrono::system_clock::time_point(
          std::chrono::milliseconds(platform().now().toMSecsSinceEpoch()));
      result = retrieval::retrieve_cases(lista, caso, path_of(*report), options, regional(), now, status);
      // The report, also when a test document stopped the run, is what the
      // case field shows: a double click on a match opens it.
      Memo_caso->set_lines(read_document_lines(path_of(*report)));
    }
    mostra_linhas(std::move(result.rows));
    result.rethrow();
  });
}

void Tform_recsim::Gravalistadedocs1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroDocs, QStringLiteral("ldc"), QString()});
    if (file) retrieval::save_similar_as_doc_list(path_of(*file), linhas_, regional());
  });
}

void Tform_recsim::Gravacomtexto1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroTexto, QStringLiteral("txt"), QString()});
    if (file) records::save_as_text(path_of(*file), retrieval::similar_lines(linhas_));
  });
}

void Tform_recsim::Button_limiarClick() {
  command([this] {
    auto selection = retrieval::select_by_threshold(linhas_, ansi(Edit_limiar->text()), regional());
    mostra_linhas(std::move(selection.rows));
    Edit_limiar->setText(qs(selection.field));
  });
}

void Tform_recsim::mostra_documento(AnsiView name) {
  // The documents of the comparison list lie in its folder.
  const QString lista = Edit_lista->text().trimmed();
  const fs::path folder = lista.isEmpty() ? fs::current_path() : path_of(lista).parent_path();
  windows().show_text_file(qpath(lookup(folder, name)));
}

void Tform_recsim::ListBox1DblClick() {
  const int row = ListBox1->currentRow();
  if (row >= 0 && static_cast<std::size_t>(row) < linhas_.size())
    mostra_documento(retrieval::document_of(linhas_[static_cast<std::size_t>(row)]));
}

void Tform_recsim::Memo_casoDblClick(int line) {
  const std::vector<Ansi> lines = Memo_caso->lines();
  if (line < 0 || static_cast<std::size_t>(line) >= lines.size()) return;
  if (auto name = retrieval::document_of_report_line(lines[static_cast<std::size_t>(line)])) mostra_documento(*name);
}

void Tform_recsim::Concordancia1Click() {
  windows().open_concordancia(path_of(Edit_lista->text().trimmed()), {});
}

}  // namespace lumeral::gui
