#include "gui/retrieval/recuperacao_booleana.h"

#include <QAction>

#include "core/base/files.h"
#include "core/base/text.h"
#include "core/records/weighted.h"
#include "core/retrieval/boolean.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/base/table_export.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {
const QString kFiltroDocs = QStringLiteral("listas de documentos (*.ldc)|*.ldc");
const QString kFiltroConsultas = QStringLiteral("consultas booleanas (*.csb)|*.csb");
const QString kFiltroContextos = QStringLiteral("contextos (*.ctt)|*.ctt");
const QString kFiltroTexto = QStringLiteral("arquivos texto (*.txt)|*.txt");
}  // namespace

Tform_recbool::Tform_recbool(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(ListadeDocumentos1, &QAction::triggered, this, [this] { ListadeDocumentos1Click(); });
  connect(Consulta1, &QAction::triggered, this, [this] { Consulta1Click(); });
  connect(Contexto1, &QAction::triggered, this, [this] { Contexto1Click(); });
  connect(ExecutaBusca1, &QAction::triggered, this, [this] { ExecutaBusca1Click(); });
  connect(GravaListadeDocumentos1, &QAction::triggered, this, [this] { GravaListadeDocumentos1Click(); });
  connect(GravacomoTexto1, &QAction::triggered, this, [this] { GravacomoTexto1Click(); });
  connect(GravaConsulta1, &QAction::triggered, this, [this] { GravaConsulta1Click(); });
  connect(LimpaEntrada1, &QAction::triggered, this, [this] { LimpaEntrada1Click(); });
  connect(Concordancia1, &QAction::triggered, this,
          [this] { this->windows().open_concordancia(path_of(Edit_doc->text().trimmed()), Memo1->lines()); });
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
  add_export_action(*this, GravacomoTexto1, [this] { return exporting::lines_table(documentos, "Documento"); });
}

void Tform_recbool::ListadeDocumentos1Click() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroDocs, QString(), QString()});
    if (file) Edit_doc->setText(*file);
  });
}

void Tform_recbool::Consulta1Click() {
  command([this] {
    Memo1->clear();
    auto file = platform().open_file(this, {QString(), kFiltroConsultas, QString(), QString()});
    if (file) Memo1->set_lines(retrieval::load_query(path_of(*file)));
  });
}

void Tform_recbool::Contexto1Click() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroContextos, QString(), QString()});
    if (file) Memo1->add_lines(retrieval::context_query_lines(path_of(*file)));
  });
}

void Tform_recbool::ExecutaBusca1Click() {
  command([this] {
    ListBox1->clear();
    documentos.clear();
    const std::vector<Ansi> typed = Memo1->lines();
    Memo1->set_lines(retrieval::boolean_query(typed));
    StatusProgress status(StatusBar1);
    Listing found = retrieval::boolean_search(path_of(Edit_doc->text().trimmed()), typed,
                                              RadioGroup1->item_index() == 1, status);
    const fs::path list = path_of(Edit_doc->text().trimmed());
    ListBox1->show_sources(list.empty() ? fs::path() : list.parent_path());
    documentos = std::move(found.lines);
    ListBox1->set_lines(documentos);
    Edit_total->setText(QString::number(ListBox1->count()));
    found.rethrow();
  });
}

void Tform_recbool::GravaListadeDocumentos1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroDocs, QStringLiteral("ldc"), QString()});
    if (file) retrieval::save_result_as_doc_list(path_of(*file), documentos);
  });
}

void Tform_recbool::GravacomoTexto1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroTexto, QStringLiteral("txt"), QString()});
    if (file) records::save_as_text(path_of(*file), documentos);
  });
}

void Tform_recbool::GravaConsulta1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroConsultas, QStringLiteral("csb"), QString()});
    if (file) retrieval::save_query(path_of(*file), Memo1->lines());
  });
}

void Tform_recbool::LimpaEntrada1Click() { Memo1->clear(); }

void Tform_recbool::ListBox1DblClick() {
  const int row = ListBox1->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= documentos.size()) return;
  // The search found the documents in the folder of the list; the one shown
  // is looked for there too.
  const QString list = Edit_doc->text().trimmed();
  const fs::path folder = list.isEmpty() ? fs::current_path() : path_of(list).parent_path();
  windows().show_text_file(qpath(lookup(folder, trim(documentos[static_cast<std::size_t>(row)]))));
}

}  // namespace lumeral::gui
