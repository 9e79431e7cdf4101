#include "gui/mining/data_mining.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/base/files.h"
#include "core/mining/rule_filters.h"
#include "core/mining/rules.h"
#include "core/records/weighted.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/base/table_export.h"
#include "gui/mining/rede_conceitos.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {
const QString kFiltroTexto = QStringLiteral("arquivos texto (*.txt)|*.txt");
}

Tform_dm::Tform_dm(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  connect(Selecionalistas1, &QAction::triggered, this, [this] { Selecionalistas1Click(); });
  connect(CalculaConfiancaSuporte1, &QAction::triggered, this, [this] { CalculaConfiancaSuporte1Click(); });
  connect(Abreresultado1, &QAction::triggered, this, [this] { Abreresultado1Click(); });
  connect(Gravaresultado1, &QAction::triggered, this, [this] { Gravaresultado1Click(); });
  connect(Selecionaporlimiar1, &QAction::triggered, this, [this] { Selecionaporlimiar1Click(); });
  connect(Ordenadecrescenteporconfianca1, &QAction::triggered, this,
          [this] { Ordenadecrescenteporconfianca1Click(); });
  connect(Ordenaalfabeticamente1, &QAction::triggered, this, [this] { Ordenaalfabeticamente1Click(); });
  add_export_action(*this, Gravaresultado1, [this] { return exporting::rule_table(regras_); });
  connect(Rededeassociacoes1, &QAction::triggered, this, [this] { Rededeassociacoes1Click(); });
}

void Tform_dm::mostra_linhas() {
  std::vector<Ansi> lines = mining::rule_lines(regras_);
  if (ListBox1->sorted()) {
    const auto order = records::alphabetical_order(lines, regional());
    records::apply_order(regras_, order);
    records::apply_order(lines, order);
  }
  ListBox1->set_lines(lines);
  Edit_total->setText(QString::number(ListBox1->count()));
}

void Tform_dm::Selecionalistas1Click() {
  command([this] {
    auto ctx = platform().open_file(this, {QStringLiteral("Selecione uma lista de contextos"),
                                           QStringLiteral("lista de contextos (*.lct)|*.lct"), QString(), QString()});
    if (!ctx) return;
    Edit_contextos->setText(*ctx);
    auto docs = platform().open_file(this, {QStringLiteral("Selecione uma lista de documentos"),
                                            QStringLiteral("lista de documentos (*.ldc)|*.ldc"), QString(), QString()});
    if (!docs) return;
    Edit_docs->setText(*docs);
    auto ass = platform().open_file(this, {QStringLiteral("Selecione um arquivo de associações"),
                                           QStringLiteral("Associações (*.ass)|*.ass"), QString(), QString()});
    if (!ass) return;
    Edit_ass->setText(*ass);
  });
}

void Tform_dm::CalculaConfiancaSuporte1Click() {
  command([this] {
    regras_.clear();
    mostra_linhas();
    mining::RulesInput input;
    input.context_list = path_of(Edit_contextos->text().trimmed());
    input.document_list = path_of(Edit_docs->text().trimmed());
    input.pair_store = path_of(Edit_ass->text().trimmed());
    input.project = windows().wizard_open_project();
    input.min_degree = mining::parse_min_degree(ansi(Edit_grau_minimo->text()), regional());
    input.both_directions = CheckBox_duas_direcoes->isChecked();
    StatusProgress progress(StatusBar1);
    regras_ = mining::calculate_rule_rows(input, regional(), progress);
    mostra_linhas();
  });
}

void Tform_dm::mostra_entradas(const fs::path& context_list, const fs::path& doc_list, const fs::path& pair_store,
                               const QString& grau_minimo, bool duas_direcoes) {
  Edit_contextos->setText(qpath(context_list));
  Edit_docs->setText(qpath(doc_list));
  Edit_ass->setText(qpath(pair_store));
  Edit_grau_minimo->setText(grau_minimo);
  CheckBox_duas_direcoes->setChecked(duas_direcoes);
}

void Tform_dm::mostra_limiar(const QString& limiar, mining::ThresholdKind kind) {
  Edit_limiar->setText(limiar);
  RadioGroup1->set_item_index(kind == mining::ThresholdKind::Support ? 1 : 0);
}

void Tform_dm::mostra_regras(std::vector<mining::Rule> regras, bool alfabetica) {
  ListBox1->clear();
  ListBox1->set_sorted(alfabetica);
  regras_ = std::move(regras);
  mostra_linhas();
}

void Tform_dm::Abreresultado1Click() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroTexto, QString(), QString()});
    if (!file) return;
    for (mining::Rule& r : mining::rules_of_lines(read_document_lines(path_of(*file))))
      regras_.push_back(std::move(r));
    mostra_linhas();
  });
}

void Tform_dm::Gravaresultado1Click() {
  command([this] {
    auto file = platform().save_file(this, {QString(), kFiltroTexto, QStringLiteral("txt"), QString()});
    if (!file) return;
    records::save_as_text(path_of(*file), mining::rule_lines(regras_));
  });
}

void Tform_dm::Selecionaporlimiar1Click() {
  command([this] {
    const auto kind =
        RadioGroup1->item_index() == 1 ? mining::ThresholdKind::Support : mining::ThresholdKind::Confidence;
    regras_ = mining::select_rules(regras_, ansi(Edit_limiar->text()), kind, regional());
    mostra_linhas();
  });
}

void Tform_dm::Ordenadecrescenteporconfianca1Click() {
  command([this] {
    ListBox1->set_sorted(false);
    StatusProgress progress(StatusBar1);
    mining::sort_rules_by_confidence(regras_, regional(), progress);
    mostra_linhas();
  });
}

void Tform_dm::Ordenaalfabeticamente1Click() {
  ListBox1->set_sorted(true);
  mostra_linhas();
}

void Tform_dm::Rededeassociacoes1Click() {
  windows().create_form_rede_conceitos()->abre(
      [this] { return EntradaRede{mining::rule_parts(regras_), path_of(Edit_docs->text().trimmed())}; });
}

}  // namespace lumeral::gui
