#include "gui/retrieval/concordancia.h"

#include <QAction>
#include <QRegularExpression>

#include <algorithm>

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/export/concordance_table.h"
#include "gui/base/memory_setting.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/base/table_export.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {

const QString kFiltroDocs = QStringLiteral("listas de documentos (*.ldc)|*.ldc");

// The sorts in the order of the "Ordem:" combo.
constexpr retrieval::ConcordanceSort kOrdens[] = {
    retrieval::ConcordanceSort::Document, retrieval::ConcordanceSort::Keyword, retrieval::ConcordanceSort::Left1,
    retrieval::ConcordanceSort::Left2,    retrieval::ConcordanceSort::Right1,  retrieval::ConcordanceSort::Right2};

}  // namespace

Tform_concordancia::Tform_concordancia(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(Abrelistadedocs1, &QAction::triggered, this, [this] { Abrelistadedocs1Click(); });
  connect(Procura1, &QAction::triggered, this, [this] { Procura1Click(); });
  connect(bt_procura, &QPushButton::clicked, this, [this] { Procura1Click(); });
  connect(Edit_palavras, &QLineEdit::returnPressed, this, [this] { Procura1Click(); });
  connect(ListBox_linhas, &QListWidget::itemDoubleClicked, this, [this] { ListBox_linhasDblClick(); });
  add_export_button(*this, bt_procura, [this] { return exporting::concordance_table(linhas_); });
}

void Tform_concordancia::carrega_lista(const std::filesystem::path& list) {
  lista_ = list;
  Edit_lista->setText(qs(path_name(list)));
  linhas_.clear();
  ListBox_linhas->clear();
  Label_total->clear();
}

void Tform_concordancia::Abrelistadedocs1Click() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroDocs, QString(), QString()});
    if (file) carrega_lista(path_of(*file));
  });
}

void Tform_concordancia::abre(const std::filesystem::path& list, const std::vector<Ansi>& words) {
  if (!list.empty()) carrega_lista(list);
  if (!words.empty()) {
    QStringList text;
    for (const Ansi& w : words) text << qs(w).simplified();
    Edit_palavras->setText(text.join(QLatin1Char(' ')));
  }
  show();
  raise();
  activateWindow();
}

retrieval::ConcordanceOptions Tform_concordancia::opcoes() const {
  retrieval::ConcordanceOptions options;
  for (const QString& w : Edit_palavras->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
    options.words.push_back(ansi(w));
  options.width = static_cast<std::size_t>(SpinEdit_largura->value());
  options.sort = kOrdens[std::max(0, Combo_ordem->currentIndex())];
  if (SpinEdit_limite->value() > 0) options.limit = static_cast<std::size_t>(SpinEdit_limite->value());
  if (Combo_radicais->currentIndex() > 0) options.stem = language_of_row(Combo_radicais->currentIndex() - 1);
  options.memory_budget = memory_budget(platform());
  return options;
}

void Tform_concordancia::Procura1Click() {
  command([this] {
    linhas_.clear();
    ListBox_linhas->clear();
    Label_total->clear();
    if (lista_.empty()) throw Stop("Você deve selecionar antes uma lista de docs");
    const retrieval::ConcordanceOptions options = opcoes();
    StatusProgress status(StatusBar1);
    const auto keep = [this](const retrieval::ConcordanceRow& r) { linhas_.push_back(r); };
    retrieval::ConcordanceTotal total;
    if (options.sort == retrieval::ConcordanceSort::Document) {
      total = retrieval::scan_concordance(lista_, options, status, keep);
    } else {
      retrieval::ConcordanceView view(lista_, options, regional(), status);
      view.rows(keep);
      total = view.total();
    }
    // The columns as the command line aligns them.
    const std::size_t name_width = retrieval::concordance_name_width(lista_);
    std::vector<Ansi> lines;
    lines.reserve(linhas_.size());
    for (const auto& r : linhas_) lines.push_back(retrieval::concordance_line(r, name_width, options.width));
    ListBox_linhas->set_lines(lines);
    Label_total->setText(qs(retrieval::concordance_total_line(total)));
    if (total.stop) throw Stop(total.stop->text, total.stop->kind);
  });
}

void Tform_concordancia::ListBox_linhasDblClick() {
  const int row = ListBox_linhas->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= linhas_.size()) return;
  const retrieval::ConcordanceRow& r = linhas_[static_cast<std::size_t>(row)];
  windows().show_text_file_at(qpath(lookup(lista_.parent_path(), r.name)), r.line, r.offset, r.keyword.size());
}

}  // namespace lumeral::gui
