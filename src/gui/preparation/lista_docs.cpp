#include "gui/base/table_export.h"
#include "gui/preparation/lista_docs.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

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
    add_export_action(*this, l->Salvatexto,
                      [l] { return exporting::lines_table(l->ListBox_docs->lines(), "Documento"); });
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

void Tform_ldoc::NovalistaClick(Lista& l) {
  l.ListBox_docs->clear();
  mostra_total(l);
}

void Tform_ldoc::AbrelistaClick(Lista& l) {
  command([this, &l] {
    // The threshold is checked before the dialog.
    (void)regional().parse_threshold(ansi(Edit_limiar->text()));
    auto file = platform().open_file(this, {QString(), kFiltroLdc, QString(), QString()});
    if (!file) return;
    std::vector<Ansi> lines;
    preparation::include_doc_list(lines, path_of(*file), ansi(Edit_limiar->text()), l.decimais, regional());
    l.ListBox_docs->set_lines(lines);
    l.Edit_nome->setText(qs(preparation::doc_list_title(ansi(QFileInfo(*file).fileName()))));
    l.pasta = QFileInfo(*file).absolutePath();
    mostra_total(l);
  });
}

void Tform_ldoc::IncluilistaClick(Lista& l) {
  command([this, &l] {
    // The threshold is checked before the dialog.
    (void)regional().parse_threshold(ansi(Edit_limiar->text()));
    auto file = platform().open_file(this, {QString(), kFiltroLdc, QString(), QString()});
    if (!file) return;
    std::vector<Ansi> lines;
    preparation::include_doc_list(lines, path_of(*file), ansi(Edit_limiar->text()), l.decimais, regional());
    l.ListBox_docs->add_all(lines);
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
    std::vector<Ansi> names;
    for (const QString& f : files) names.push_back(ansi(QFileInfo(f).fileName()));
    l.ListBox_docs->add_all(names);
    if (l.pasta.isEmpty()) l.pasta = QFileInfo(files.front()).absolutePath();
    mostra_total(l);
  });
}

void Tform_ldoc::SalvalistaClick(Lista& l) {
  command([this, &l] {
    auto file = platform().save_file(this, {QString(), kFiltroLdc, QStringLiteral("ldc"), QString()});
    if (!file) return;
    l.Edit_nome->setText(QFileInfo(*file).fileName());
    preparation::save_doc_list(path_of(*file), l.ListBox_docs->lines(), regional());
  });
}

void Tform_ldoc::SalvatextoClick(Lista& l) {
  command([this, &l] {
    auto file = platform().save_file(
        this, {QString(), QStringLiteral("arquivos texto (*.txt)|*.txt"), QStringLiteral("txt"), QString()});
    if (!file) return;
    records::save_as_text(path_of(*file), l.ListBox_docs->lines());
  });
}

void Tform_ldoc::ExcluidocClick(Lista& l) {
  l.ListBox_docs->remove_selected();
  l.ListBox_docs->clearSelection();
  mostra_total(l);
}

void Tform_ldoc::Ordenaalfabeticamente1Click() { lista1.ListBox_docs->set_sorted(true); }

void Tform_ldoc::ListBoxClick(Lista& l) {
  l.Edit_selecionados->setText(QString::number(l.ListBox_docs->selectedItems().size()));
}

void Tform_ldoc::ListBoxDblClick(Lista& l) {
  const int row = l.ListBox_docs->currentRow();
  if (row < 0) return;
  const Ansi nome = preparation::document_of_line(l.ListBox_docs->line(row));
  // A line without a bar names no document: the viewer says the file is missing.
  const QDir pasta(l.pasta.isEmpty() ? QDir::currentPath() : l.pasta);
  windows().show_text_file(nome.empty() ? QString() : pasta.filePath(qs(nome)));
}

void Tform_ldoc::DirectoryListBox1Change() {
  command([this] {
    const QString folder = DirectoryListBox1->folder();
    if (folder.isEmpty()) return;
    fs::current_path(path_of(folder));
    lista2.ListBox_docs->set_lines(preparation::list_folder(path_of(folder), regional()).texts);
    lista2.pasta = folder;
    mostra_total(lista2);
  });
}

}  // namespace lumeral::gui
