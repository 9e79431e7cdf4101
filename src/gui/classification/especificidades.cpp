#include "gui/classification/especificidades.h"

#include "charts/specificities_chart.h"
#include "core/base/message.h"
#include "gui/base/memory_setting.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/base/table_export.h"
#include "gui/classification/variaveis_lista.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {
const QString kFiltroDocs = QStringLiteral("listas de documentos (*.ldc)|*.ldc");
}  // namespace

Tform_especificidades::Tform_especificidades(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  add_export_button(*this, bt_grafico, [this] { return statistics::specificities_table(resultado_, regional()); });
  connect(bt_docs, &QPushButton::clicked, this, [this] { bt_docsClick(); });
  connect(bt_calcula, &QPushButton::clicked, this, [this] { bt_calculaClick(); });
  connect(bt_grafico, &QPushButton::clicked, this, [this] { bt_graficoClick(); });
}

void Tform_especificidades::bt_docsClick() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroDocs, QString(), QString()});
    if (!file) return;
    Edit_docs->setText(*file);
    preenche_variaveis(ComboBox_variavel, *file);
  });
}

void Tform_especificidades::bt_calculaClick() {
  command([this] {
    resultado_.clear();
    Tabela->setRowCount(0);
    Memo_avisos->clear();
    StatusProgress status(StatusBar1);
    const auto words = statistics::words_by_category(path_of(Edit_docs->text().trimmed()),
                                                     ansi(ComboBox_variavel->currentText()), status,
                                                     memory_budget(platform()));
    resultado_ = statistics::specificities(words, static_cast<std::size_t>(SpinEdit_top->value()));
    mostra_tabela(Tabela, statistics::specificities_table(resultado_, regional()), regional());
    QStringList avisos;
    for (const std::string& w : words.grouping.warnings) avisos << qs(w);
    Memo_avisos->setPlainText(avisos.join('\n'));
  });
}

std::vector<charts::BarChartData> Tform_especificidades::figura() const {
  if (resultado_.empty()) throw Stop("Calcule as especificidades antes de ver o gráfico.", MessageKind::Information);
  return charts::specificities_chart_data(resultado_, regional());
}

void Tform_especificidades::bt_graficoClick() {
  command([this] {
    figura();  // says so when there is nothing to draw
    windows().open_grafico_especificidades();
  });
}

}  // namespace lumeral::gui
