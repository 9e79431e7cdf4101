#include "gui/classification/classifica2.h"

#include <QAction>

#include "core/classification/highest.h"
#include "core/records/weighted.h"
#include "gui/base/platform.h"
#include "gui/base/table_export.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {
const QString kFiltroDocs = QStringLiteral("listas de documentos (*.ldc)|*.ldc");
const QString kFiltroTexto = QStringLiteral("arquivos texto (*.txt)|*.txt");
}  // namespace

Tform_classifica2::Tform_classifica2(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Abreresultado1, &QAction::triggered, this, [this] { Abreresultado1Click(); });
  connect(Gravalistadedocumentos1, &QAction::triggered, this, [this] { Gravalistadedocumentos1Click(); });
  connect(Gravacomotexto1, &QAction::triggered, this, [this] { Gravacomotexto1Click(); });
  add_export_action(*this, Gravacomotexto1, [this] { return exporting::highest_table(linhas_); });
}

void Tform_classifica2::mostra_linhas() {
  ListBox1->set_lines(classification::highest_lines(linhas_));
  Edit_total->setText(QString::number(ListBox1->count()));
}

void Tform_classifica2::Button1Click() {
  command([this] {
    linhas_.clear();
    ListBox1->clear();
    auto file = platform().open_file(this, {QString(), kFiltroDocs, QString(), QString()});
    if (!file) return;
    auto result = classification::classify_highest(path_of(*file), regional());
    // A missing matrix stops the run after the rows listed before it.
    ListBox1->show_sources(path_of(*file).parent_path());
    linhas_ = std::move(result.rows);
    mostra_linhas();
    result.rethrow();
  });
}

void Tform_classifica2::Button2Click() {
  command([this] {
    linhas_ = classification::select_category(linhas_, ansi(Edit_categoria->text()));
    mostra_linhas();
  });
}

void Tform_classifica2::Abreresultado1Click() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroTexto, QString(), QString()});
    if (!file) return;
    linhas_ = classification::open_result_text(path_of(*file));
    mostra_linhas();
  });
}

void Tform_classifica2::Gravalistadedocumentos1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroDocs, QStringLiteral("ldc"), QString()});
    if (!file) return;
    classification::save_highest_as_doc_list(path_of(*file), linhas_);
  });
}

void Tform_classifica2::Gravacomotexto1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroTexto, QStringLiteral("txt"), QString()});
    if (!file) return;
    records::save_as_text(path_of(*file), classification::highest_lines(linhas_));
  });
}

}  // namespace lumeral::gui
