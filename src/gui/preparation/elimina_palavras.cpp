#include "gui/preparation/elimina_palavras.h"

#include <QFileInfo>

#include "core/preparation/elimination.h"
#include "core/records/document_list.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

Tform_elimina::Tform_elimina(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(bt_abre, &QPushButton::clicked, this, [this] { bt_abreClick(); });
  connect(bt_stopwords, &QPushButton::clicked, this, [this] { bt_stopwordsClick(); });
  connect(bt_limpa, &QPushButton::clicked, this, [this] { bt_limpaClick(); });
  connect(bt_elimina, &QPushButton::clicked, this, [this] { bt_eliminaClick(); });
}

void Tform_elimina::bt_abreClick() {
  command([this] {
    ListBox1->clear();
    auto file = platform().open_file(
        this, {QString(), QStringLiteral("listas de documentos (*.ldc)|*.ldc"), QString(), QString()});
    if (!file) return;
    Edit_lista->setText(QFileInfo(*file).fileName().trimmed());
    lista_docs = *file;
    ListBox1->add_all(records::read_document_names(path_of(*file)));
  });
}

void Tform_elimina::bt_stopwordsClick() {
  command([this] {
    auto file = platform().open_file(
        this, {QString(), QStringLiteral("listas de stopwords (*.stw)|*.stw"), QString(), QString()});
    if (!file) return;
    Memo1->add_lines(preparation::elimination_lines_from(path_of(*file)));
  });
}

void Tform_elimina::bt_limpaClick() { Memo1->clear(); }

void Tform_elimina::bt_eliminaClick() {
  command([this] {
    StatusProgress status(StatusBar1);
    preparation::eliminate_words(path_of(lista_docs), Memo1->lines(), status);
  });
}

}  // namespace lumeral::gui
