// The word cloud window on the prepared sample: opened from the word-list,
// centroid and clustering windows, the mining panel (a concept) and the
// specificities window (a category), it places the same words at the same
// places as `lumeral-cli chart wordcloud` for the same source, and exports
// every picture format.
#include <QSpinBox>

#include "core/charts/wordcloud.h"
#include "gui/charts/nuvem_palavras.h"
#include "core/mining/frequency.h"
#include "gui/classification/especificidades.h"
#include "gui/clustering/clusterizacao.h"
#include "gui/comparison/centroide.h"
#include "gui/preparation/textos.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/minera.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

using WordCloud = RoadTest;
using ClassifiedWordCloud = ClassifiedRoadTest;

// The cloud window's layout redrawn at `top` words, in the lines
// `chart wordcloud --positions` prints.
std::vector<std::string> shown_cloud(Windows& windows, int top) {
  EXPECT_TRUE(windows.nuvem_palavras && windows.nuvem_palavras->isVisible());
  if (!windows.nuvem_palavras) return {};
  Tnuvem_palavras& nuvem = *windows.nuvem_palavras;
  ui(nuvem).SpinEdit_palavras->setValue(top);
  nuvem.bt_atualizarClick();
  std::vector<std::string> lines;
  for (const auto& word : nuvem.nuvem_atual().placed) lines.push_back(charts::placed_line(word));
  lines.push_back(std::to_string(lines.size()) + " palavras na nuvem");
  return lines;
}

TEST_F(WordCloud, WindowPlacesTheWordsWhereTheCommandLinePlacesThem) {
  open_tools();  // the tools on their own: no wizard project
  struct Case {
    const char* name;
    int top;
    std::function<void()> open;  // opens the cloud from its window
    std::vector<std::vector<std::string>> cli;  // commands in the CLI copy, the last draws the cloud
  } cases[] = {
      {"word list", 100,
       [&] {
         platform.answer(q(proj / "noticia01.lpl"));
         windows->Form1->Abrelista1Click();
         windows->Form1->Nuvemdepalavras1Click();
       },
       {{"chart", "wordcloud", "--list", c("noticia01.lpl")}}},
      {"centroid", 40,
       [&] {
         Tform_centro& f = *windows->form_centro;
         platform.answer(q(proj / "noticias.ldc"));
         f.Abrelistadedocumentos1Click();
         ui(f).ListBox_docs->setCurrentRow(0);
         f.Novo1Click();
         f.Nuvemdepalavras1Click();
       },
       {{"chart", "wordcloud", "--centroid", "--docs", c("noticias.ldc")}}},
      {"cluster", 60,
       [&] {
         Tform_cluster& f = *windows->form_cluster;
         platform.answer(q(proj / "noticias.ldc"));
         f.Abrelistadedocs1Click();
         f.Criamatriz1Click();
         ui(f).Edit_limiar->setText(QStringLiteral("0,1"));
         f.Agrupadocumentos1Click();
         ui(f).ListBox_clusters->setCurrentRow(1);
         f.Nuvemdepalavras1Click();
       },
       {{"cluster", "--docs", c("noticias.ldc"), "--method", "word", "--threshold", "0,1", "--export", c("cl.csv")},
        {"chart", "wordcloud", "--cluster", "2", "--clusters", c("cl.csv")}}},
  };
  for (auto& k : cases) {
    SCOPED_TRACE(k.name);
    k.open();
    ASSERT_TRUE(messages().isEmpty()) << messages().join("\n").toStdString();
    const auto window_lines = shown_cloud(*windows, k.top);
    ASSERT_GE(window_lines.size(), 10u);

    RunResult run;
    for (std::size_t i = 0; i < k.cli.size(); ++i) {
      auto args = k.cli[i];
      if (i + 1 == k.cli.size())
        args.insert(args.end(), {"--top", std::to_string(k.top), "--positions", "--out", c("nuvem.svg")});
      run = cli_run(args);
    }
    EXPECT_EQ(lines_of(run.out), window_lines);
  }
}

// The clouds of a concept's documents (the mining panel's chosen concept)
// and of a category's (the specificities window's chosen row) are the
// command line's; with no row chosen each says what to choose.
TEST_F(ClassifiedWordCloud, ConceptAndCategoryCloudsAreTheCommandLines) {
  TMinera& minera = *w().minera;
  ui<WizardProjectPanel>(w()).Edit_titulo->setText(QStringLiteral("noticias"));
  w().set_pasta(proj);
  minera.mostra_frequencias(mining::frequency_run(shell::Project{proj, Ansi("noticias")}, windows->regional()));
  Tform_especificidades& esp = *windows->create_form_especificidades();
  platform.answer(q(proj / "noticias.ldc"));
  esp.bt_docsClick();
  ui(esp).ComboBox_variavel->setCurrentText(QStringLiteral("fonte"));
  esp.bt_calculaClick();
  ASSERT_TRUE(messages().isEmpty()) << messages().join("\n").toStdString();
  const struct Case {
    const char* name;
    std::function<void()> open;
    std::vector<std::string> cli;
  } cases[] = {
      {"concept",
       [&] {
         minera.bt_nuvemClick();  // nothing chosen yet
         EXPECT_EQ(messages().size(), 1);
         platform.messages.clear();
         QTreeWidget* table = ui(minera).ListView_contexto;
         table->setCurrentItem(table->findItems(QStringLiteral("economia"), Qt::MatchExactly).value(0));
         minera.bt_nuvemClick();
       },
       {"--concept", "economia", "--contexts", c("noticias.lct")}},
      {"category",
       [&] {
         esp.bt_nuvemClick();
         EXPECT_EQ(messages().size(), 1);
         platform.messages.clear();
         ui(esp).Tabela->setCurrentCell(0, 0);
         esp.bt_nuvemClick();
       },
       {"--variable", "fonte", "--category", ui(esp).Tabela->item(0, 0)->text().toStdString()}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    k.open();
    ASSERT_TRUE(messages().isEmpty()) << messages().join("\n").toStdString();
    std::vector<std::string> args{"chart", "wordcloud", "--docs", c("noticias.ldc"), "--top", "50", "--positions",
                                  "--out", c("nuvem.svg")};
    args.insert(args.end(), k.cli.begin(), k.cli.end());
    const auto expected = lines_of(cli_run(args).out);
    ASSERT_GE(expected.size(), 10u);
    EXPECT_EQ(shown_cloud(*windows, 50), expected);
  }
}

TEST_F(WordCloud, ExportsEachFormatAndRefusesAnEmptySource) {
  platform.answer(q(proj / "noticia02.lpl"));
  windows->Form1->Abrelista1Click();
  windows->Form1->Nuvemdepalavras1Click();
  ASSERT_TRUE(windows->nuvem_palavras);
  Tnuvem_palavras& nuvem = *windows->nuvem_palavras;
  const std::pair<const char*, std::string> formats[] = {
      {"n.png", "\x89PNG"}, {"n.svg", "<?xml"}, {"n.pdf", "%PDF"}};
  for (const auto& [name, magic] : formats) {
    platform.answer(q(tmp / name));
    nuvem.bt_exportarClick();
    EXPECT_EQ(read_file(tmp / name).substr(0, magic.size()), magic) << name;
  }
  EXPECT_TRUE(messages().isEmpty());
  // The centroid window before any centroid: a notice, the cloud kept.
  const auto shown = nuvem.nuvem_atual().placed;
  windows->form_centro->Nuvemdepalavras1Click();
  ASSERT_EQ(messages().size(), 1);
  EXPECT_EQ(nuvem.nuvem_atual().placed, shown);
}

}  // namespace
}  // namespace lumeral::gui::testing
