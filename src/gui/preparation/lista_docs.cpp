#include "gui/base/table_export.h"
#include "gui/preparation/lista_docs.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

#include "core/base/message.h"
#include "core/preparation/doc_lists.h"
#include "core/preparation/import.h"
#include "core/records/weighted.h"
#include "gui/base/platform.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace fs = std::filesystem;

namespace {
const QString kFiltroLdc = QStringLiteral("listas de documentos (*.ldc)|*.ldc");
}  // namespace

Tform_ldoc::Tform_ldoc(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  for (Lista* l : {&lista1, &lista2}) {
    connect(l->Novalista, &QAction::triggered, this, [this, l] { NovalistaClick(*l); });
    connect(l->Abrelista, &QAction::triggered, this, [this, l] { AbrelistaClick(*l); });
    connect(l->Incluilista, &QAction::triggered, this, [this, l] { IncluilistaClick(*l); });
    connect(l->Incluidocs, &QAction::triggered, this, [this, l] { IncluidocsClick(*l); });
    connect(l->Salvalista, &QAction::triggered, this, [this, l] { SalvalistaClick(*l); });
    connect(l->Salvatexto, &QAction::triggered, this, [this, l] { SalvatextoClick(*l); });
    connect(l->Excluidoc, &QAction::triggered, this, [this, l] { ExcluidocClick(*l); });
    connect(l->Concordancia, &QAction::triggered, this, [this, l] { ConcordanciaClick(*l); });
    add_export_action(*this, l->Salvatexto,
                      [l] { return exporting::lines_table(records::weighted_row_lines(l->linhas), "Documento"); });
    connect(l->ListBox_docs, &QListWidget::itemSelectionChanged, this, [this, l] { ListBoxClick(*l); });
    connect(l->ListBox_docs, &QListWidget::itemDoubleClicked, this, [this, l] { ListBoxDblClick(*l); });
  }
  // The Delete key in list 1 removes its selected lines (eventFilter).
  lista1.ListBox_docs->installEventFilter(this);
  connect(Ordenaalfabeticamente1, &QAction::triggered, this, [this] { Ordenaalfabeticamente1Click(); });
  connect(DirectoryListBox1, &FolderTree::folder_changed, this, [this] { DirectoryListBox1Change(); });
}

bool Tform_ldoc::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lista1.ListBox_docs && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    ExcluidocClick(lista1);
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void Tform_ldoc::mostra_total(Lista& l) {
  l.Edit_total->setText(QString::number(l.ListBox_docs->count()));
  l.Edit_selecionados->setText(QString::number(l.ListBox_docs->selectedItems().size()));
}

void Tform_ldoc::mostra_linhas(Lista& l) {
  l.ListBox_docs->set_rows(l.linhas);
  l.arquivo.clear();
}

void Tform_ldoc::NovalistaClick(Lista& l) {
  l.linhas.clear();
  l.ListBox_docs->clear();
  l.arquivo.clear();
  mostra_total(l);
}

void Tform_ldoc::AbrelistaClick(Lista& l) {
  command([this, &l] {
    // The threshold is checked before the dialog.
    (void)regional().parse_threshold(ansi(Edit_limiar->text()));
    auto file = platform().open_file(this, {QString(), kFiltroLdc, QString(), QString()});
    if (!file) return;
    std::vector<preparation::DocRow> rows;
    preparation::include_doc_list(rows, path_of(*file), ansi(Edit_limiar->text()), l.decimais, regional());
    l.linhas = std::move(rows);
    mostra_linhas(l);
    l.Edit_nome->setText(qs(preparation::doc_list_title(ansi(QFileInfo(*file).fileName()))));
    l.pasta = QFileInfo(*file).absolutePath();
    l.arquivo = *file;
    mostra_total(l);
  });
}

void Tform_ldoc::IncluilistaClick(Lista& l) {
  command([this, &l] {
    // The threshold is checked before the dialog.
    (void)regional().parse_threshold(ansi(Edit_limiar->text()));
    auto file = platform().open_file(this, {QString(), kFiltroLdc, QString(), QString()});
    if (!file) return;
    preparation::include_doc_list(l.linhas, path_of(*file), ansi(Edit_limiar->text()), l.decimais, regional());
    mostra_linhas(l);
    l.Edit_nome->setText(qs(preparation::doc_list_title(ansi(QFileInfo(*file).fileName()))));
    if (l.pasta.isEmpty()) l.pasta = QFileInfo(*file).absolutePath();
    mostra_total(l);
  });
}

void Tform_ldoc::IncluidocsClick(Lista& l) {
  command([this, &l] {
    const QStringList files = platform().open_files(
        this, {QString(),
               QStringLiteral("arquivos textos (*.txt)|*.txt|listas de palavras (*.lpl)|*.lpl|contextos (*.ctt)|*.ctt|"
                              "todos arquivos (*.*)|*.*"),
               QString(), QString()});
    if (files.isEmpty()) return;
    for (const QString& f : files) l.linhas.push_back({ansi(QFileInfo(f).fileName()), Ansi()});
    mostra_linhas(l);
    if (l.pasta.isEmpty()) l.pasta = QFileInfo(files.front()).absolutePath();
    mostra_total(l);
  });
}

void Tform_ldoc::SalvalistaClick(Lista& l) {
  command([this, &l] {
    auto file = platform().save_file(this, {QString(), kFiltroLdc, QStringLiteral("ldc"), QString()});
    if (!file) return;
    l.Edit_nome->setText(QFileInfo(*file).fileName());
    preparation::save_doc_list(path_of(*file), l.linhas, regional());
    l.arquivo = *file;
  });
}

void Tform_ldoc::SalvatextoClick(Lista& l) {
  command([this, &l] {
    auto file = platform().save_file(
        this, {QString(), QStringLiteral("arquivos texto (*.txt)|*.txt"), QStringLiteral("txt"), QString()});
    if (!file) return;
    records::save_as_text(path_of(*file), records::weighted_row_lines(l.linhas));
  });
}

void Tform_ldoc::ExcluidocClick(Lista& l) {
  const std::vector<int> selected = l.ListBox_docs->selected_rows();
  if (!selected.empty()) {
    std::vector<preparation::DocRow> kept;
    kept.reserve(l.linhas.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < l.linhas.size(); ++i) {
      if (next < selected.size() && static_cast<std::size_t>(selected[next]) == i) {
        ++next;
        continue;
      }
      kept.push_back(std::move(l.linhas[i]));
    }
    l.linhas = std::move(kept);
    mostra_linhas(l);
  }
  l.ListBox_docs->clearSelection();
  mostra_total(l);
}

void Tform_ldoc::Ordenaalfabeticamente1Click() {
  lista1.ListBox_docs->set_sorted(true);
  mostra_linhas(lista1);
}

void Tform_ldoc::ListBoxClick(Lista& l) {
  l.Edit_selecionados->setText(QString::number(l.ListBox_docs->selectedItems().size()));
}

void Tform_ldoc::ListBoxDblClick(Lista& l) {
  const int row = l.ListBox_docs->currentRow();
  if (row < 0) return;
  if (static_cast<std::size_t>(row) >= l.linhas.size()) return;
  const Ansi nome = preparation::document_of(l.linhas[static_cast<std::size_t>(row)]);
  // A row without a name names no document: the viewer says the file is missing.
  const QDir pasta(l.pasta.isEmpty() ? QDir::currentPath() : l.pasta);
  windows().show_text_file(nome.empty() ? QString() : pasta.filePath(qs(nome)));
}

void Tform_ldoc::DirectoryListBox1Change() {
  command([this] {
    const QString folder = DirectoryListBox1->folder();
    if (folder.isEmpty()) return;
    fs::current_path(path_of(folder));
    lista2.linhas = records::bare_rows(preparation::list_folder(path_of(folder), regional()).texts);
    mostra_linhas(lista2);
    lista2.pasta = folder;
    mostra_total(lista2);
  });
}

void Tform_ldoc::ConcordanciaClick(Lista& l) {
  command([this, &l] {
    if (l.arquivo.isEmpty()) throw Stop("Salve antes a lista: a concordância lê a lista gravada");
    windows().open_concordancia(path_of(l.arquivo), {});
  });
}

}  // namespace lumeral::gui
