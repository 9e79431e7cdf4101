#include "gui/classification/especificidades.h"

#include "charts/specificities_chart.h"
#include "core/charts/wordcloud.h"
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
  connect(bt_nuvem, &QPushButton::clicked, this, [this] { bt_nuvemClick(); });
  connect(Tabela, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { TabelaDblClick(row); });
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

void Tform_especificidades::bt_nuvemClick() {
  command([this] {
    const int row = Tabela->currentRow();
    if (row < 0)
      throw Stop("Escolha uma linha da tabela: a nuvem mostra as palavras dos documentos da categoria dela.",
                 MessageKind::Information);
    const QString categoria = Tabela->item(row, 0)->text();
    const std::filesystem::path lista = path_of(Edit_docs->text().trimmed());
    const Ansi variavel = ansi(ComboBox_variavel->currentText());
    windows().open_nuvem_palavras(
        {ComboBox_variavel->currentText() + QStringLiteral(" = ") + categoria, [lista, variavel, c = ansi(categoria)] {
           return charts::cloud_of_list_variable(lista, variavel, c, [](const std::string&) {});
         }});
  });
}

void Tform_especificidades::TabelaDblClick(int row) {
  command([this, row] {
    if (row < 0 || !Tabela->item(row, 1)) return;
    windows().open_concordancia(path_of(Edit_docs->text().trimmed()), {ansi(Tabela->item(row, 1)->text())});
  });
}

}  // namespace lumeral::gui
