#include "gui/preparation/html_txt.h"

#include <QAction>
#include <QFileInfo>

#include "core/preparation/html_text.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace fs = std::filesystem;

namespace {
const QString kFiltroTexto = QStringLiteral("arquivos texto (*.txt)|*.txt");
}  // namespace

TForm2::TForm2(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(DirectoryListBox1, &FolderTree::folder_changed, this, [this] { DirectoryListBox1Change(); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Abrelistadedocs1, &QAction::triggered, this, [this] { Abrelistadedocs1Click(); });
  connect(Gravalistadedocs1, &QAction::triggered, this, [this] { Gravalistadedocs1Click(); });
  connect(Eliminadocsselecionados1, &QAction::triggered, this, [this] { Eliminadocsselecionados1Click(); });
  connect(FileListBox1, &QListWidget::itemSelectionChanged, this, [this] { mostra_contagens(); });
}

void TForm2::mostra_contagens() {
  Edit_total->setText(QString::number(FileListBox1->count()));
  Edit_selecionados->setText(QString::number(FileListBox1->selectedItems().size()));
}

void TForm2::DirectoryListBox1Change() {
  command([this] {
    const QString folder = DirectoryListBox1->folder();
    if (folder.isEmpty()) return;
    pasta = folder;
    fs::current_path(path_of(folder));
    FileListBox1->set_lines(preparation::list_html_files(path_of(folder), regional()));
    mostra_contagens();
  });
}

void TForm2::Button1Click() {
  command([this] {
    StatusProgress status(StatusBar1);
    const fs::path folder = pasta.isEmpty() ? fs::current_path() : path_of(pasta);
    preparation::convert_html_entries(folder, FileListBox1->lines(), status);
  });
}

void TForm2::Abrelistadedocs1Click() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroTexto, QString(), QString()});
    if (!file) return;
    FileListBox1->set_lines(preparation::read_entry_list(path_of(*file)));
    // The entries are names in the folder of the list (now the current one).
    pasta = QFileInfo(*file).absolutePath();
    mostra_contagens();
  });
}

void TForm2::Gravalistadedocs1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroTexto, QString(), QString()});
    if (!file) return;
    preparation::save_entry_list(path_of(*file), FileListBox1->lines());
  });
}

void TForm2::Eliminadocsselecionados1Click() {
  FileListBox1->remove_selected();
  mostra_contagens();
}

}  // namespace lumeral::gui
