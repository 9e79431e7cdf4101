// The chart windows on the prepared sample collection: each opens from its
// window, draws what that window lists, follows its changes and exports.
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QGraphicsTextItem>
#include <QComboBox>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QSpinBox>

#include "core/charts/bars.h"
#include "core/mining/frequency.h"
#include "gui/charts/grafico_centroide.h"
#include "gui/charts/grafico_frequencias.h"
#include "gui/charts/mapa_similaridade.h"
#include "gui/clustering/clusterizacao.h"
#include "gui/comparison/centroide.h"
#include "gui/shell/minera.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

// The bars a chart draws, top to bottom: category, value and the text at
// the bar's end (the axis holds them bottom to top).
struct Drawn {
  QStringList labels;
  std::vector<double> values;
  QStringList texts;
};
Drawn drawn(const charts::BarChart& chart) {
  Drawn d;
  const QStringList categories = chart.category_axis()->categories();
  for (auto c = categories.rbegin(); c != categories.rend(); ++c) d.labels << *c;
  for (int i = chart.bar_set()->count() - 1; i >= 0; --i) d.values.push_back(chart.bar_set()->at(i));
  d.texts = chart.bar_texts();
  return d;
}

void settle() { QCoreApplication::processEvents(); }

using Charts = ClassifiedRoadTest;

TEST_F(Charts, FrequencyChartFollowsTheTable) {
  TMinera& minera = *w().minera;
  const auto rows = mining::frequency_run(shell::Project{proj, Ansi("noticias")}, windows->regional());
  ASSERT_GE(rows.size(), 3u);
  minera.mostra_frequencias(rows);
  minera.bt_grafico_frequenciasClick();
  ASSERT_TRUE(windows->grafico_frequencias);
  Tgrafico_frequencias& g = *windows->grafico_frequencias;
  EXPECT_TRUE(g.isVisible());
  auto check = [&](const char* when) {
    SCOPED_TRACE(when);
    const auto table = minera.linhas_frequencia();
    const Drawn d = drawn(*g.grafico);
    ASSERT_EQ(d.labels.size(), static_cast<int>(table.size()));
    for (std::size_t i = 0; i < table.size(); ++i) {
      EXPECT_EQ(d.labels[int(i)], qs(table[i].concept_name));
      EXPECT_DOUBLE_EQ(d.values[i], windows->regional().parse(table[i].absolute));
      EXPECT_EQ(d.texts[int(i)], qs(table[i].relative) + "%");
    }
    EXPECT_EQ(g.grafico->series()->count(), 1);
  };
  check("alphabetical");
  // A sort of the table redraws the chart in the new order.
  minera.ListView_contextoColumnClick(1);
  settle();
  check("by absolute frequency");
  const Drawn sorted = drawn(*g.grafico);
  EXPECT_TRUE(std::is_sorted(sorted.values.rbegin(), sorted.values.rend()));
  // Emptying the table ("Voltar ao início") empties the chart.
  minera.limpa();
  settle();
  EXPECT_EQ(g.grafico->bar_set()->count(), 0);
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

// Thirty concepts: every name is drawn whole on screen and in the exported
// picture (which is as tall as the bars need), and a sort after an export
// redraws each concept once.
TEST_F(Charts, FrequencyChartOfThirtyConceptsNamesEveryConcept) {
  TMinera& minera = *w().minera;
  std::vector<shell::FrequencyRow> rows;
  for (int i = 0; i < 30; ++i)
    rows.push_back({from_bytes("conceito_numero_" + std::to_string(i)), from_bytes(std::to_string(100 - 3 * (i % 7))),
                    Ansi("10,00")});
  minera.mostra_frequencias(rows);
  minera.bt_grafico_frequenciasClick();
  Tgrafico_frequencias& g = *windows->grafico_frequencias;
  g.resize(820, 560);
  settle();
  QStringList shown;
  for (QGraphicsItem* item : ui(g).vista->scene()->items())
    if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->toPlainText().startsWith("conceito"))
      shown << text->toPlainText();
  shown.sort();
  QStringList names;
  for (const auto& r : rows) names << qs(r.concept_name);
  names.sort();
  EXPECT_EQ(shown, names);

  platform.answer(q(tmp / "frequencias.png"));
  g.bt_exportarClick();
  ASSERT_TRUE(g.last_command_ok());
  EXPECT_GE(QImage(q(tmp / "frequencias.png")).height(), charts::bar_chart_height(rows.size()));

  minera.ListView_contextoColumnClick(1);
  settle();
  QStringList after = drawn(*g.grafico).labels;
  after.sort();
  EXPECT_EQ(after, names);
}

TEST_F(Charts, CentroidChartDrawsTheCentroidAndTheChosenDocumentsDifferences) {
  open_tools();
  Tform_centro& f = *windows->form_centro;
  platform.answer(q(proj / "noticias.ldc"));
  f.Abrelistadedocumentos1Click();
  ui(f).ListBox_docs->setCurrentRow(0);
  ui(f).RadioGroup_tipo->set_item_index(1);  // "Basta aparecer em 2 docs", by word
  f.Novo1Click();
  ASSERT_GT(ui(f).ListBox_centro->count(), 30);
  platform.answer(q(proj / "centroide-2.lpl"));
  f.Calculadiferencasparatodos1Click();

  f.Graficodebarras1Click();
  ASSERT_TRUE(windows->grafico_centroide);
  Tgrafico_centroide& g = *windows->grafico_centroide;
  EXPECT_TRUE(g.isVisible());
  EXPECT_EQ(ui(g).ComboBox_doc->count(), ui(f).ListBox_docs->count());
  const auto heaviest = charts::heaviest_bars(ui(f).ListBox_centro->lines(), 30, windows->regional());
  Drawn d = drawn(*g.grafico_centro);
  ASSERT_EQ(d.labels.size(), 30);
  for (int i = 0; i < 30; ++i) EXPECT_EQ(d.labels[i], qs(heaviest[std::size_t(i)].label));
  EXPECT_TRUE(std::is_sorted(d.values.rbegin(), d.values.rend()));

  // Choosing a document shows its differences in the window and the chart.
  ui(g).ComboBox_doc->setCurrentIndex(3);
  g.ComboBox_docChange(3);
  settle();
  EXPECT_EQ(ui(f).ListBox_docs->currentRow(), 3);
  ASSERT_GT(ui(f).ListBox_dif->count(), 0);
  const Drawn dif = drawn(*g.grafico_dif);
  EXPECT_EQ(dif.labels.size(), std::min(30, ui(f).ListBox_dif->count()));
  EXPECT_TRUE(g.grafico_dif->title().contains(ui(g).ComboBox_doc->itemText(3)));
  // Fewer bars when asked.
  ui(g).SpinEdit_top->setValue(5);
  EXPECT_EQ(g.grafico_centro->bar_set()->count(), 5);
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

TEST_F(Charts, HeatmapOrdersByClusterAndNamesACellsDocuments) {
  open_tools();
  Tform_cluster& f = *windows->form_cluster;
  // No list yet: the map refuses as the window does.
  f.Mostramapa1Click();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Você deve selecionar antes uma lista de docs")});
  platform.messages.clear();

  platform.answer(q(proj / "noticias.ldc"));
  f.Abrelistadedocs1Click();
  f.Criamatriz1Click();
  f.Mostramapa1Click();
  ASSERT_TRUE(windows->mapa_similaridade);
  charts::HeatmapView& map = *windows->mapa_similaridade->mapa;
  EXPECT_EQ(map.model().size(), 40u);
  EXPECT_TRUE(map.model().blocks.empty());  // nothing grouped yet

  ui(f).Edit_limiar->setText(QStringLiteral("0,05"));
  f.Agrupadocumentos1Click();
  const auto& clusters = f.clusters().members;
  ASSERT_GT(clusters.size(), 1u);
  std::size_t grouped = 0;
  for (const auto& c : clusters) grouped += c.size();
  const auto& model = map.model();
  EXPECT_EQ(model.blocks.size(), clusters.size());
  EXPECT_EQ(model.blocks.back().end, grouped);
  // The first block is the first cluster, leader first.
  for (std::size_t i = 0; i < clusters[0].size(); ++i) EXPECT_EQ(model.names[i], clusters[0][i]);

  // The tooltip of a cell names its row and column documents.
  map.resize(map.picture_size());
  bool found = false;
  for (int y = 0; y < map.height() && !found; y += 3)
    for (int x = 0; x < map.width() && !found; x += 3) {
      auto cell = map.cell_at(QPointF(x, y));
      if (!cell || cell->first == cell->second) continue;
      const QString tip = map.tooltip_at(QPointF(x, y));
      EXPECT_TRUE(tip.startsWith(qs(model.names[cell->first]) + " × " + qs(model.names[cell->second]))) << tip.toStdString();
      EXPECT_TRUE(tip.contains(qs(windows->regional().format(model.at(cell->first, cell->second), "0.0000"))));
      found = true;
    }
  EXPECT_TRUE(found);
  EXPECT_TRUE(map.tooltip_at(QPointF(1, 1)).isEmpty());
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

}  // namespace
}  // namespace lumeral::gui::testing
