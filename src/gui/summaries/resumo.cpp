#include "gui/summaries/resumo.h"

#include <QAction>
#include <QColor>
#include <QTextCharFormat>
#include <QTextCursor>

#include "core/base/files.h"
#include "core/base/text.h"
#include "core/records/weighted.h"
#include "core/summaries/sentence_summary.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {

const QString kFiltroDocs = QStringLiteral("listas de documentos (*.ldc)|*.ldc");

// The result in the rich-text view: one paragraph per line, the highlighted
// stretches in bold green. Highlights come in line order; stretches of one
// line may overlap, so each line is marked character by character.
void mostra_resumos(QTextEdit* view, const summaries::SummaryResult& result) {
  view->clear();
  QTextCursor cursor(view->document());
  cursor.beginEditBlock();
  QTextCharFormat plain;
  QTextCharFormat marked;
  marked.setFontWeight(QFont::Bold);
  marked.setForeground(QColor(0, 128, 0));
  const auto& lines = result.listing.lines;
  std::size_t h = 0;
  std::vector<char> mark;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) cursor.insertBlock();
    const QString text = qs(lines[i]);
    mark.assign(static_cast<std::size_t>(text.size()), 0);
    for (; h < result.highlights.size() && result.highlights[h].line == i; ++h) {
      const auto& hl = result.highlights[h];
      for (std::size_t k = hl.start; k < hl.start + hl.length && k < mark.size(); ++k) mark[k] = 1;
    }
    qsizetype run = 0;
    for (qsizetype k = 1; k <= text.size(); ++k) {
      if (k < text.size() && mark[static_cast<std::size_t>(k)] == mark[static_cast<std::size_t>(run)]) continue;
      cursor.insertText(text.mid(run, k - run), mark[static_cast<std::size_t>(run)] ? marked : plain);
      run = k;
    }
  }
  cursor.endEditBlock();
  // The view returns to the start of the result.
  view->moveCursor(QTextCursor::Start);
  view->ensureCursorVisible();
}

}  // namespace

Tform_resumo::Tform_resumo(Windows& windows, ResumoModo modo)
    : QMainWindow(nullptr), Form(windows), modo_(modo) {
  build_layout();
  connect(Abrelistadedocs1, &QAction::triggered, this, [this] { Abrelistadedocs1Click(); });
  connect(Limpaentrada1, &QAction::triggered, this, [this] { Limpaentrada1Click(); });
  connect(Extrairresumos1, &QAction::triggered, this, [this] { Extrairresumos1Click(); });
  connect(Salvarresumoscomotexto1, &QAction::triggered, this, [this] { Salvarresumoscomotexto1Click(); });
  connect(Concordancia1, &QAction::triggered, this, [this] { Concordancia1Click(); });
  connect(ListBox_docs, &QListWidget::itemDoubleClicked, this, [this] { ListBox_docsDblClick(); });
}

fs::path Tform_resumo::pasta_lista() const {
  return lista_.empty() ? fs::current_path() : lista_.parent_path();
}

void Tform_resumo::habilita_lista(bool enable) {
  Abrelistadedocs1->setEnabled(enable);
  Edit_entrada->setEnabled(enable);
}

void Tform_resumo::Abrelistadedocs1Click() {
  command([this] {
    ListBox_docs->clear();
    // While the wizard this window serves is shown, its project's list is
    // opened without a dialog.
    const auto project =
        modo_ == ResumoModo::Comparacao ? windows().comparison_project() : windows().wizard_project();
    fs::path chosen;
    if (!project) {
      auto file = platform().open_file(this, {QString(), kFiltroDocs, QString(), QString()});
      if (!file) return;
      chosen = path_of(*file);
    }
    mostra_lista(summaries::open_summary_list(chosen, project));
  });
}

void Tform_resumo::carrega_lista(const fs::path& list) {
  command([this, &list] {
    ListBox_docs->clear();
    mostra_lista(summaries::open_summary_list(list, std::nullopt));
  });
}

void Tform_resumo::mostra_lista(const summaries::OpenedList& list) {
  lista_ = list.path;
  Edit_entrada->setText(qs(list.shown));
  ListBox_docs->add_all(list.entries);
}

void Tform_resumo::Limpaentrada1Click() { Memo_palavras->clear(); }

void Tform_resumo::Extrairresumos1Click() {
  command([this] {
    summaries::SummaryOptions options;
    options.search_lines = Memo_palavras->lines();
    options.any = RadioGroup_boolean->item_index() == 1;
    options.unrestricted = RadioGroup_condicoes->item_index() == 0;
    options.around = SpinEdit_frases->value();
    if (RadioGroup_apresentacao->item_index() == 1) {
      // The highlighted document, not the current row: a list that has
      // the focus has a current row though nobody chose a document.
      const std::vector<int> rows = ListBox_docs->selected_rows();
      options.selected = rows.empty() ? Ansi() : ListBox_docs->line(rows.front());
    }
    resumos_.clear();
    mostra({});
    StatusProgress status(StatusBar1);
    auto result = summaries::extract_summaries(pasta_lista(), ListBox_docs->lines(), options, status);
    resumos_ = result.listing.lines;
    mostra(result);
    result.listing.rethrow();
  });
}

void Tform_resumo::mostra(const summaries::SummaryResult& result) {
  if (RichEdit_resumos) {
    mostra_resumos(RichEdit_resumos, result);
    return;
  }
  // The plain area: the lines as they are, nothing highlighted.
  QString text;
  for (std::size_t i = 0; i < result.listing.lines.size(); ++i) {
    if (i > 0) text += QLatin1Char('\n');
    text += qs(result.listing.lines[i]);
  }
  Memo_resumos->setPlainText(text);
  Memo_resumos->moveCursor(QTextCursor::Start);
}

void Tform_resumo::Salvarresumoscomotexto1Click() {
  command([this] {
    auto file = platform().save_file(
        this, {QString(), QStringLiteral("arquivos texto (*.txt)|*.txt"), QStringLiteral("txt"), QString()});
    if (file) records::save_as_text(path_of(*file), resumos_);
  });
}

void Tform_resumo::ListBox_docsDblClick() {
  // The comparison wizard's window shows no document on a double click.
  if (modo_ == ResumoModo::Comparacao) return;
  const int row = ListBox_docs->currentRow();
  if (row < 0) return;
  windows().show_text_file(qpath(lookup(pasta_lista(), trim(ListBox_docs->line(row)))));
}

void Tform_resumo::resume_palavra(const Ansi& word, const QString& list) {
  habilita_lista(true);
  show();
  raise();
  activateWindow();
  if (ListBox_docs->count() == 0) {
    if (!list.isEmpty()) carrega_lista(path_of(list));
    if (ListBox_docs->count() == 0) return;  // the user picks a list here
  }
  Memo_palavras->set_lines({word});
  RadioGroup_apresentacao->set_item_index(0);  // "Todos os documentos"
  RadioGroup_condicoes->set_item_index(1);     // "Contendo palavras"
  Extrairresumos1Click();
}

void Tform_resumo::so_frases_com_as_palavras() {
  RadioGroup_condicoes->set_item_index(1);
  for (int i = 0; i < RadioGroup_condicoes->count(); ++i) RadioGroup_condicoes->button(i)->setEnabled(false);
}

void Tform_resumo::Concordancia1Click() { windows().open_concordancia(lista_, Memo_palavras->lines()); }

}  // namespace lumeral::gui
