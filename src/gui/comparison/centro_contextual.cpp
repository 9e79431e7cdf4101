#include "gui/comparison/centro_contextual.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/base/files.h"
#include "core/comparison/percentages.h"
#include "core/records/weighted.h"
#include "gui/base/platform.h"
#include "gui/base/table_export.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {
const QString kFiltroTexto = QStringLiteral("arquivos texto (*.txt)|*.txt");
}

Tcentro_percentual::Tcentro_percentual(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(Calculaporcentagens1, &QAction::triggered, this, [this] { Calculaporcentagens1Click(); });
  connect(Abreresultado1, &QAction::triggered, this, [this] { Abreresultado1Click(); });
  connect(Gravacomotexto1, &QAction::triggered, this, [this] { Gravacomotexto1Click(); });
  connect(Ordenacaoporpeso1, &QAction::triggered, this, [this] { Ordenacaoporpeso1Click(); });
  connect(Ordenacaoalfabetica1, &QAction::triggered, this, [this] { Ordenacaoalfabetica1Click(); });
  add_export_action(*this, Gravacomotexto1, [this] { return exporting::percentage_table(porcentagens_); });
}

void Tcentro_percentual::mostra_linhas() {
  std::vector<Ansi> lines = comparison::percentage_lines(porcentagens_);
  if (ListBox1->sorted()) {
    const auto order = records::alphabetical_order(lines, regional());
    records::apply_order(porcentagens_, order);
    records::apply_order(lines, order);
  }
  ListBox1->set_lines(lines);
}

void Tcentro_percentual::Calculaporcentagens1Click() {
  command([this] {
    porcentagens_.clear();
    ListBox1->clear();
    if (!windows().wizard_state().open) {
      if (Edit_docs->text().trimmed().isEmpty()) {
        auto docs = platform().open_file(this, {QStringLiteral("Seleciona lista de documentos"),
                                                QStringLiteral("lista de documentos (*.ldc)|*.ldc"), QString(),
                                                QString()});
        if (!docs) return;
        Edit_docs->setText(*docs);
      }
      auto centro = platform().open_file(this, {QStringLiteral("Seleciona centróide (lista de palavras)"),
                                                QStringLiteral("lista de palavras (*.lpl)|*.lpl"), QString(),
                                                QString()});
      if (!centro) return;
      Edit_centro->setText(*centro);
    }
    auto result = comparison::compute_percentages(path_of(Edit_docs->text().trimmed()),
                                                  path_of(Edit_centro->text().trimmed()), regional());
    Edit_total_docs->setText(QString::number(result.document_count));
    Edit_total_contextos->setText(QString::number(result.context_count));
    porcentagens_ = std::move(result.rows);
    mostra_linhas();
  });
}

void Tcentro_percentual::mostra_porcentagens(const fs::path& doc_list, const fs::path& centroid,
                                             const comparison::PercentageResult& result) {
  Edit_docs->setText(qpath(doc_list));
  Edit_centro->setText(qpath(centroid));
  Edit_total_docs->setText(QString::number(result.document_count));
  Edit_total_contextos->setText(QString::number(result.context_count));
  porcentagens_ = result.rows;
  mostra_linhas();
}

void Tcentro_percentual::Abreresultado1Click() {
  command([this] {
    auto file =
        platform().open_file(this, {QStringLiteral("Abre resultados (txt)"), kFiltroTexto, QString(), QString()});
    if (!file) return;
    porcentagens_.clear();
    ListBox1->clear();
    porcentagens_ = comparison::percentages_of_lines(read_document_lines(path_of(*file)));
    mostra_linhas();
  });
}

void Tcentro_percentual::Gravacomotexto1Click() {
  command([this] {
    auto file = platform().save_file(
        this, {QStringLiteral("Grava resultados como texto"), kFiltroTexto, QStringLiteral("txt"), QString()});
    if (!file) return;
    records::save_as_text(path_of(*file), comparison::percentage_lines(porcentagens_));
  });
}

void Tcentro_percentual::Ordenacaoporpeso1Click() {
  command([this] {
    ListBox1->set_sorted(false);
    comparison::sort_percentages(porcentagens_, regional());
    mostra_linhas();
  });
}

void Tcentro_percentual::Ordenacaoalfabetica1Click() {
  ListBox1->set_sorted(true);
  mostra_linhas();
}

}  // namespace lumeral::gui
