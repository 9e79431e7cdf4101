#include "gui/base/table_export.h"
#include "gui/classification/consulta.h"

#include <QFileInfo>

#include "core/classification/contextual_query.h"
#include "core/classification/results.h"
#include "core/records/weighted.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace fs = std::filesystem;

namespace {
const QString kFiltroDocs = QStringLiteral("listas de documentos (*.ldc)|*.ldc");
const QString kFiltroContextos = QStringLiteral("listas de contextos (*.lct)|*.lct");
const QString kFiltroConsulta = QStringLiteral("consultas (*.cst)|*.cst");
const QString kFiltroAbreConsulta =
    QStringLiteral("consultas (*.cst)|*.cst|todas listas de palavras (*.lpl;*.ctt)|*.lpl;*.ctt");
}  // namespace

Tform_consulta::Tform_consulta(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  add_export_button(*this, bt_grava_texto,
                    [this] { return exporting::weighted_rows_table(linhas, "Documento", "Relevância"); });
  connect(bt_docs, &QPushButton::clicked, this, [this] { bt_docsClick(); });
  connect(bt_contextos, &QPushButton::clicked, this, [this] { bt_contextosClick(); });
  connect(bt_grava_consulta, &QPushButton::clicked, this, [this] { bt_grava_consultaClick(); });
  connect(bt_abre_consulta, &QPushButton::clicked, this, [this] { bt_abre_consultaClick(); });
  connect(bt_consulta, &QPushButton::clicked, this, [this] { bt_consultaClick(); });
  connect(bt_resultados, &QPushButton::clicked, this, [this] { bt_resultadosClick(); });
  connect(bt_grava_resultado, &QPushButton::clicked, this, [this] { bt_grava_resultadoClick(); });
  connect(bt_grava_texto, &QPushButton::clicked, this, [this] { bt_grava_textoClick(); });
  connect(bt_limpa, &QPushButton::clicked, this, [this] { bt_limpaClick(); });
}

fs::path Tform_consulta::arquivo_consulta() const {
  const QString nome = Edit_consulta->text().trimmed();
  if (nome.isEmpty()) return {};
  if (!consulta.isEmpty() && QFileInfo(consulta).fileName() == nome) return path_of(consulta);
  return fs::current_path() / path_of(nome);
}

void Tform_consulta::bt_docsClick() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroDocs, QString(), QString()});
    if (!file) return;
    lista_docs = *file;
    Edit_docs->setText(QFileInfo(*file).fileName());
  });
}

void Tform_consulta::bt_contextosClick() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroContextos, QString(), QString()});
    if (!file) return;
    lista_contextos = *file;
    Edit_contextos->setText(QFileInfo(*file).fileName());
  });
}

void Tform_consulta::bt_grava_consultaClick() {
  command([this] {
    // The weights are checked before the dialog, as the other windows check
    // their fields.
    classification::check_query_weights(Memo_palavras->lines(), Memo_pesos->lines(), regional());
    auto file = platform().save_file(this, {QString(), kFiltroConsulta, QStringLiteral("cst"), QString()});
    if (!file) return;
    classification::save_query(path_of(*file), Memo_palavras->lines(), Memo_pesos->lines(), regional());
    consulta = *file;
    Edit_consulta->setText(QFileInfo(*file).fileName());
  });
}

void Tform_consulta::bt_abre_consultaClick() {
  command([this] {
    Memo_palavras->clear();
    Memo_pesos->clear();
    auto file = platform().open_file(this, {QString(), kFiltroAbreConsulta, QString(), QString()});
    if (!file) return;
    consulta = *file;
    Edit_consulta->setText(QFileInfo(*file).fileName());
    auto campos = classification::open_query(path_of(*file), regional());
    Memo_palavras->set_lines(campos.words);
    Memo_pesos->set_lines(campos.weights);
  });
}

void Tform_consulta::bt_consultaClick() {
  command([this] {
    StatusProgress status(StatusBar1);
    classification::run_query(path_of(lista_docs), path_of(lista_contextos), arquivo_consulta(), status);
  });
}

void Tform_consulta::bt_resultadosClick() {
  command([this] {
    linhas = classification::query_results(path_of(lista_docs), ansi(Edit_limiar->text()), regional());
    ListBox1->set_rows(linhas);
  });
}

void Tform_consulta::bt_grava_resultadoClick() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroDocs, QStringLiteral("ldc"), QString()});
    if (!file) return;
    classification::save_result_as_doc_list(path_of(*file), linhas, regional());
  });
}

void Tform_consulta::bt_grava_textoClick() {
  command([this] {
    auto file = platform().save_file(
        this, {QString(), QStringLiteral("arquivos texto (*.txt)|*.txt"), QStringLiteral("txt"), QString()});
    if (!file) return;
    records::save_as_text(path_of(*file), records::weighted_row_lines(linhas));
  });
}

void Tform_consulta::bt_limpaClick() {
  Memo_palavras->clear();
  Memo_pesos->clear();
  linhas.clear();
  ListBox1->clear();
}

}  // namespace lumeral::gui
