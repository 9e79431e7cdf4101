#include "gui/summaries/resumo_contextual.h"

#include "core/summaries/contextual_summary.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tres_contextual::Tres_contextual(Windows& windows) : QWidget(nullptr), Form(windows) {
  build_layout();
  connect(Button_docs, &QPushButton::clicked, this, [this] { Button_docsClick(); });
  connect(Button_contextos, &QPushButton::clicked, this, [this] { Button_contextosClick(); });
  connect(ListBox_contextos, &QListWidget::itemClicked, this, [this] { ListBox_contextosClick(); });
  connect(Button_limpa, &QPushButton::clicked, this, [this] { Button_limpaClick(); });
  connect(Button_executa, &QPushButton::clicked, this, [this] { Button_executaClick(); });
}

void Tres_contextual::Button_docsClick() {
  command([this] {
    auto file = platform().open_file(
        this, {QString(), QStringLiteral("lista de documentos (*.ldc)|*.ldc"), QString(), QString()});
    if (file) Edit_docs->setText(*file);
  });
}

void Tres_contextual::Button_contextosClick() {
  command([this] {
    auto file = platform().open_file(
        this, {QString(), QStringLiteral("listas de contextos (*.lct)|*.lct"), QString(), QString()});
    if (!file) return;
    ListBox_contextos->clear();
    Edit_contextos->setText(*file);
    ListBox_contextos->add_all(summaries::context_list_names(path_of(*file)));
  });
}

void Tres_contextual::ListBox_contextosClick() {
  command([this] {
    const int row = ListBox_contextos->currentRow();
    if (row < 0) return;
    ListBox_termos->clear();
    // The contexts lie beside their list.
    const fs::path folder = path_of(Edit_contextos->text()).parent_path();
    ListBox_termos->add_all(summaries::context_terms(folder, ListBox_contextos->line(row)));
  });
}

void Tres_contextual::Button_limpaClick() {
  Memo_contextos->clear();
  Memo_not->clear();
}

void Tres_contextual::Button_executaClick() {
  command([this] {
    summaries::ContextualOptions options;
    options.contexts = Memo_contextos->lines();
    options.not_contexts = Memo_not->lines();
    options.any = RadioGroup_operador->item_index() == 1;
    const fs::path docs = path_of(Edit_docs->text().trimmed());
    const fs::path contexts = path_of(Edit_contextos->text().trimmed());
    // A missing list is reported before an unreadable number.
    if (!docs.empty() && !contexts.empty())
      options.sentences = summaries::sentences_to_present(ansi(Edit_frases->text()));
    resumos_.clear();
    Memo_resumos->clear();
    StatusProgress status(StatusBar1);
    Listing result = summaries::contextual_summary(docs, contexts, options, status);
    resumos_ = result.lines;
    QStringList text;
    text.reserve(static_cast<qsizetype>(resumos_.size()));
    for (const Ansi& line : resumos_) text << qs(line);
    Memo_resumos->setPlainText(text.join(QLatin1Char('\n')));
    result.rethrow();
  });
}

}  // namespace lumeral::gui
