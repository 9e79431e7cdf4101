// The windows of the statistics by variable on the classified sample with
// its variables file: each table shows what lumeral-cli prints for the same
// inputs, the crosstab colours exactly the cells the command line marks,
// the map's names never overlap and its points list the documents the
// command line counts, every picture exports in every format, and a bad
// input shows the command line's message.
#include <QComboBox>
#include <QGraphicsSimpleTextItem>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

#include "gui/charts/grafico_conceitos_variavel.h"
#include "gui/charts/grafico_especificidades.h"
#include "gui/classification/analise_correspondencia.h"
#include "gui/classification/conceitos_variavel.h"
#include "gui/classification/especificidades.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

// A table widget as lumeral-cli prints a table: the headers, then each row,
// cells joined by tabs.
std::vector<std::string> shown(const QTableWidget* t) {
  std::vector<std::string> lines;
  QStringList header;
  for (int c = 0; c < t->columnCount(); ++c) header << t->horizontalHeaderItem(c)->text();
  lines.push_back(header.join('\t').toStdString());
  for (int r = 0; r < t->rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < t->columnCount(); ++c) cells << (t->item(r, c) ? t->item(r, c)->text() : QString());
    // The command line ends a row at its last cell.
    while (!cells.isEmpty() && cells.back().isEmpty() && !t->item(r, cells.size() - 1)) cells.removeLast();
    lines.push_back(cells.join('\t').toStdString());
  }
  return lines;
}

class StatisticsWindows : public ClassifiedRoadTest {
 protected:
  // The list chosen in a window through its dialog (which reads the
  // variables), then the variable.
  template <class W>
  void choose(W& window, const char* variable) {
    platform.answer(q(proj / "noticias.ldc"));
    window.bt_docsClick();
    const int i = ui(window).ComboBox_variavel->findText(QString::fromUtf8(variable));
    ASSERT_GE(i, 0) << variable;
    ui(window).ComboBox_variavel->setCurrentIndex(i);
  }
  Tform_crosstab& crosstab() { return *windows->create_form_crosstab(); }
  Tform_especificidades& especificidades() { return *windows->create_form_especificidades(); }
  Tform_ac& ac() { return *windows->create_form_ac(); }
  void calcula_ac(const char* variable, bool words) {
    choose(ac(), variable);
    ui(ac()).RadioGroup_linhas->set_item_index(words ? 1 : 0);
    ui(ac()).Edit_contextos->setText(q(proj / "noticias.lct"));
    ui(ac()).SpinEdit_palavras->setValue(30);
    ac().bt_calculaClick();
  }
};

TEST_F(StatisticsWindows, TheVariablesButtonsOpenTheirWindows) {
  open_tools();
  TForm3& tools = *windows->Form3;
  ui(tools).bt_conceitos_variavel->click();
  ui(tools).bt_especificidades->click();
  ui(tools).bt_ac->click();
  for (QWidget* window : std::initializer_list<QWidget*>{windows->form_crosstab, windows->form_especificidades,
                                                         windows->form_ac})
    EXPECT_TRUE(window && window->isVisible());
}

TEST_F(StatisticsWindows, TablesEqualTheCommandLine) {
  struct Case {
    const char* name;
    std::function<const QTableWidget*()> run;
    std::vector<std::string> cli;
    std::size_t lines;  // of the command line's output compared (0: all)
  };
  const auto run_crosstab = [this](const char* variable, const char* grau) {
    return [this, variable, grau] {
      choose(crosstab(), variable);
      ui(crosstab()).Edit_contextos->setText(q(proj / "noticias.lct"));
      ui(crosstab()).Edit_grau->setText(grau);
      crosstab().bt_calculaClick();
      return ui(crosstab()).Tabela;
    };
  };
  const std::string docs = c("noticias.ldc"), contexts = c("noticias.lct");
  const Case cases[] = {
      {"crosstab", run_crosstab("fonte", ""), {"crosstab", "--docs", docs, "--contexts", contexts, "--variable", "fonte"}, 0},
      {"crosstab at a degree", run_crosstab("mês", "0,3"),
       {"crosstab", "--docs", docs, "--contexts", contexts, "--variable", "mês", "--grau-minimo", "0,3"}, 0},
      {"specificities",
       [this] {
         choose(especificidades(), "mês");
         ui(especificidades()).SpinEdit_top->setValue(5);
         especificidades().bt_calculaClick();
         return ui(especificidades()).Tabela;
       },
       {"specificities", "--docs", docs, "--variable", "mês", "--top", "5"}, 0},
      // The inertias: the lines before the blank one.
      {"ca of concepts", [this] { calcula_ac("fonte", false); return ui(ac()).Tabela_inercia; },
       {"ca", "--docs", docs, "--variable", "fonte", "--contexts", contexts}, 5},
      {"ca of words", [this] { calcula_ac("mês", true); return ui(ac()).Tabela_inercia; },
       {"ca", "--docs", docs, "--variable", "mês", "--words", "30"}, 5},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    const QTableWidget* table = k.run();
    ASSERT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
    auto expected = lines_of(cli_run(k.cli).out);
    if (k.lines) expected.resize(k.lines);
    EXPECT_EQ(shown(table), expected);
  }
  // The crosstab colours a category's cells exactly where the residual the
  // command line prints passes 1.96 either way.
  run_crosstab("fonte", "")();
  const QTableWidget* t = ui(crosstab()).Tabela;
  int coloured = 0;
  for (int r = 1; r < t->rowCount(); ++r)
    for (int c = 3; c < t->columnCount() && t->horizontalHeaderItem(c)->text().endsWith(": resíduo"); c += 3) {
      const QString residual = t->item(r, c)->text();
      const bool marked = !residual.isEmpty() && std::abs(windows->regional().parse(ansi(residual))) > 1.96;
      coloured += marked;
      for (int k = c - 2; k <= c; ++k)
        EXPECT_EQ(t->item(r, k)->background().style() != Qt::NoBrush, marked) << r << "," << k;
    }
  EXPECT_GT(coloured, 0);
}

TEST_F(StatisticsWindows, MapNamesDoNotOverlapAndPointsListTheirDocuments) {
  calcula_ac("fonte", true);
  ASSERT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  const charts::BiplotScene& cena = *ui(ac()).Cena;
  const auto& points = cena.model().points;
  ASSERT_EQ(points.size(), 34u);  // 30 words, 4 categories
  std::vector<QRectF> labels, markers;
  for (std::size_t i = 0; i < points.size(); ++i) {
    markers.push_back(cena.marker(i)->sceneBoundingRect());
    if (cena.label(i)) labels.push_back(cena.label(i)->sceneBoundingRect());
  }
  EXPECT_GE(labels.size(), points.size() * 3 / 4);
  for (std::size_t a = 0; a < labels.size(); ++a) {
    for (std::size_t b = a + 1; b < labels.size(); ++b) EXPECT_FALSE(labels[a].intersects(labels[b])) << a << "," << b;
    for (const QRectF& m : markers) EXPECT_FALSE(labels[a].intersects(m.adjusted(1, 1, -1, -1))) << a;
  }

  // A category lists its documents as `variables` assigns them; a concept
  // the documents holding it, as many as the crosstab counts.
  std::vector<std::string> gazeta;
  for (const auto& line : lines_of(cli_run({"variables", "--docs", c("noticias.ldc")}).out))
    if (line.find("\tGazeta do Sul\t") != std::string::npos) gazeta.push_back(line.substr(0, line.find('\t')));
  const auto index_of = [&](const QString& name) {
    for (std::size_t i = 0; i < cena.model().points.size(); ++i)
      if (cena.model().points[i].name == name) return static_cast<int>(i);
    return -1;
  };
  ac().PontoClick(index_of("Gazeta do Sul"));
  EXPECT_EQ(utf8_lines(ui(ac()).ListBox_docs->lines()), gazeta);

  calcula_ac("fonte", false);
  ac().PontoClick(index_of("economia"));
  std::size_t holding = 0;
  for (const auto& line : lines_of(cli_run({"crosstab", "--docs", c("noticias.ldc"), "--contexts", c("noticias.lct"),
                                            "--variable", "fonte"}).out))
    if (line.rfind("economia\t", 0) == 0) {
      // The name, 3 cells per category, then the 6 of the test.
      const auto cells = QString::fromStdString(line).split('\t');
      for (int k = 1; k < cells.size() - 6; k += 3) holding += cells[k].toUInt();
    }
  EXPECT_GT(holding, 0u);
  EXPECT_EQ(static_cast<std::size_t>(ui(ac()).ListBox_docs->count()), holding);
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

TEST_F(StatisticsWindows, EveryPictureExportsInEveryFormat) {
  choose(crosstab(), "fonte");
  ui(crosstab()).Edit_contextos->setText(q(proj / "noticias.lct"));
  crosstab().bt_calculaClick();
  crosstab().bt_graficoClick();
  choose(especificidades(), "fonte");
  especificidades().bt_calculaClick();
  especificidades().bt_graficoClick();
  calcula_ac("fonte", false);
  ASSERT_TRUE(windows->grafico_crosstab && windows->grafico_especificidades);
  const std::pair<const char*, PictureWindow*> pictures[] = {
      {"crosstab", windows->grafico_crosstab}, {"specificities", windows->grafico_especificidades}, {"ca", &ac()}};
  for (const auto& [name, window] : pictures)
    for (const char* ext : {"png", "svg", "pdf"}) {
      const fs::path out = tmp / (std::string(name) + "." + ext);
      platform.answer(q(out));
      window->bt_exportarClick();
      EXPECT_GT(fs::exists(out) ? fs::file_size(out) : 0, 1000u) << out;
    }
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

TEST_F(StatisticsWindows, BadInputShowsTheCommandLineMessage) {
  // A variable of one category; then no variables file at all.
  for (const fs::path& folder : {proj, cli}) {
    std::string var = read_file(folder / "noticias.var");
    std::string out;
    for (std::size_t at = 0, end; at < var.size(); at = end + 2) {
      end = std::min(var.find("\r\n", at), var.size());
      out += var.substr(at, end - at) + (at == 0 ? ";país" : ";Brasil") + "\r\n";
    }
    write_file(folder / "noticias.var", out);
  }
  struct Case {
    const char* name;
    std::function<void()> prepare;
  } cases[] = {
      {"one category", [] {}},
      {"no variables file", [this] { fs::remove(proj / "noticias.var"), fs::remove(cli / "noticias.var"); }},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    k.prepare();
    platform.messages.clear();
    ui(crosstab()).Edit_docs->setText(q(proj / "noticias.ldc"));
    ui(crosstab()).Edit_contextos->setText(q(proj / "noticias.lct"));
    ui(crosstab()).ComboBox_variavel->clear();
    ui(crosstab()).ComboBox_variavel->addItem(QStringLiteral("país"));
    crosstab().bt_calculaClick();
    const auto run = cli_run({"crosstab", "--docs", c("noticias.ldc"), "--contexts", c("noticias.lct"), "--variable",
                              "país"}, false);
    EXPECT_EQ(run.exit_code, 1);
    ASSERT_EQ(messages().size(), 1);
    // (The window's message names the window's copy.)
    const std::string shown_message = messages().front().replace(q(proj), q(cli)).toStdString();
    EXPECT_NE(run.err.find(shown_message), std::string::npos) << run.err << "\n" << shown_message;
    EXPECT_EQ(ui(crosstab()).Tabela->rowCount(), 0);
    EXPECT_FALSE(crosstab().resultado());
  }
}

}  // namespace
}  // namespace lumeral::gui::testing
