#include "gui/classification/conceitos_variavel.h"

#include <cmath>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/mining/rules.h"
#include "gui/base/platform.h"
#include "gui/base/status_progress.h"
#include "gui/base/table_export.h"
#include "gui/classification/variaveis_lista.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace {
const QString kFiltroDocs = QStringLiteral("listas de documentos (*.ldc)|*.ldc");
const QString kFiltroContextos = QStringLiteral("listas de contextos (*.lct)|*.lct");
}  // namespace

Tform_crosstab::Tform_crosstab(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  add_export_button(*this, bt_grafico, [this] {
    if (!resultado_) throw Stop("Calcule a tabela antes de exportá-la.", MessageKind::Information);
    return statistics::crosstab_table(*resultado_, regional());
  });
  connect(bt_docs, &QPushButton::clicked, this, [this] { bt_docsClick(); });
  connect(bt_contextos, &QPushButton::clicked, this, [this] { bt_contextosClick(); });
  connect(bt_calcula, &QPushButton::clicked, this, [this] { bt_calculaClick(); });
  connect(bt_grafico, &QPushButton::clicked, this, [this] { bt_graficoClick(); });
}

void Tform_crosstab::bt_docsClick() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroDocs, QString(), QString()});
    if (!file) return;
    Edit_docs->setText(*file);
    preenche_variaveis(ComboBox_variavel, *file);
  });
}

void Tform_crosstab::bt_contextosClick() {
  command([this] {
    auto file = platform().open_file(this, {QString(), kFiltroContextos, QString(), QString()});
    if (file) Edit_contextos->setText(*file);
  });
}

void Tform_crosstab::limpa() {
  resultado_.reset();
  Tabela->clear();
  Tabela->setRowCount(0);
  Tabela->setColumnCount(0);
  Memo_avisos->clear();
}

void Tform_crosstab::bt_calculaClick() {
  command([this] {
    limpa();
    const double grau = mining::parse_min_degree(ansi(Edit_grau->text()), regional());
    StatusProgress status(StatusBar1);
    statistics::Crosstab c = statistics::crosstab(path_of(Edit_docs->text().trimmed()),
                                                  path_of(Edit_contextos->text().trimmed()),
                                                  ansi(ComboBox_variavel->currentText()), grau, status);
    mostra_tabela(Tabela, statistics::crosstab_table(c, regional()), regional());
    // The cells of a category whose residual passes the mark: coloured, the
    // residual in the tooltip (row 0 is the categories' sizes).
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
      const auto& test = c.rows[i].test;
      if (!test) continue;
      for (std::size_t j = 0; j < c.grouping.categories.size(); ++j) {
        const double r = test->residuals[j];
        const QString dica = QStringLiteral("Resíduo padronizado ajustado: %1").arg(qs(regional().format(r, "0.00")));
        for (int k = 1; k <= 3; ++k) {
          QTableWidgetItem* item = Tabela->item(static_cast<int>(i) + 1, static_cast<int>(3 * j) + k);
          if (!item) continue;
          item->setToolTip(dica);
          if (std::abs(r) > statistics::kResidualMark) {
            const QColor fundo = charts::residual_colour(r);
            item->setBackground(fundo);
            item->setForeground(fundo.lightnessF() < 0.5 ? QColor(Qt::white) : QColor(Qt::black));
          }
        }
      }
    }
    QStringList avisos;
    for (const std::string& w : c.grouping.warnings) avisos << qs(w);
    const auto baixas = statistics::low_expected_categories(c);
    if (!baixas.empty()) {
      QStringList nomes;
      for (std::size_t j : baixas) nomes << qs(c.grouping.categories[j]);
      avisos << QStringLiteral("Contagem esperada abaixo de 5 (teste pouco confiável) nas categorias: %1")
                    .arg(nomes.join(QStringLiteral(", ")));
    }
    Memo_avisos->setPlainText(avisos.join('\n'));
    variavel_ = ComboBox_variavel->currentText();
    resultado_ = std::move(c);
    StatusBar1->showMessage(QStringLiteral("%1 conceitos em %2 categorias")
                                .arg(resultado_->rows.size())
                                .arg(resultado_->grouping.categories.size()));
  });
}

charts::CrosstabPicture Tform_crosstab::figura() const {
  if (!resultado_) throw Stop("Calcule a tabela antes de ver o gráfico.", MessageKind::Information);
  return charts::crosstab_picture(*resultado_, regional(), QStringLiteral("Conceitos por variável: %1").arg(variavel_));
}

void Tform_crosstab::bt_graficoClick() {
  command([this] {
    figura();  // says so when there is nothing to draw
    windows().open_grafico_crosstab();
  });
}

}  // namespace lumeral::gui
