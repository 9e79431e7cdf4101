// "Exportar..." of the windows' tables on the prepared sample: the file
// written, read back, holds the rows the window shows, in their order.
#include <QAction>
#include <QPushButton>

#include "gui/association/associacao.h"
#include "gui/clustering/apresenta_matriz.h"
#include "gui/clustering/clusterizacao.h"
#include "support/spreadsheets.h"
#include "tools_fixture.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::parse_csv;
using lumeral::testing::read_xlsx;

// The window's "Exportar..." commands, in the order they were added.
std::vector<QAction*> export_actions(QWidget& window) {
  std::vector<QAction*> out;
  for (QAction* a : window.findChildren<QAction*>())
    if (a->text() == "Exportar...") out.push_back(a);
  return out;
}

std::vector<std::string> split(const std::string& line, const std::string& sep) {
  std::vector<std::string> out;
  std::size_t from = 0;
  for (std::size_t at; (at = line.find(sep, from)) != std::string::npos; from = at + sep.size())
    out.push_back(line.substr(from, at - from));
  out.push_back(line.substr(from));
  return out;
}

std::string trimmed(const std::string& s) {
  auto b = s.find_first_not_of(' ');
  return b == std::string::npos ? "" : s.substr(b, s.find_last_not_of(' ') - b + 1);
}

class TableExport : public ClassifiedRoadTest {
 protected:
  void export_to(QAction* action, const fs::path& file) {
    platform.answer(q(file));
    action->trigger();
  }
  // "Calcular associações" by presence in the same document: the window
  // asks for a stopword list, then the document list.
  Tform_rel& associate() {
    open_tools();
    Tform_rel& f = *windows->form_rel;
    auto made = run_cli({"stopwords-save", (proj / "stop.stw").string()}, proj, "a\no\nde\n");
    EXPECT_EQ(made.exit_code, 0) << made.err;
    ui(f).RadioGroup1->set_item_index(0);
    platform.answer(q(proj / "stop.stw"));
    platform.answer(q(proj / "noticias.ldc"));
    f.Calcularassociacoes1Click();
    return f;
  }
};

TEST_F(TableExport, TermAssociationPairsInTheOrderShown) {
  Tform_rel& f = associate();
  f.Ordenarporpeso1Click();  // exported in the order shown
  ASSERT_GT(ui(f).ListBox1->count(), 0);
  auto actions = export_actions(f);
  ASSERT_EQ(actions.size(), 1u);
  export_to(actions[0], proj / "pares.csv");
  const auto csv = parse_csv(read_file(proj / "pares.csv"), ';');
  EXPECT_TRUE(csv.bom && csv.crlf && csv.well_formed);
  cli_run({"associate", "--docs", c("noticias.ldc"), "--method", "document", "--order", "weight", "--export",
           c("pares.csv")});
  EXPECT_EQ(read_file(proj / "pares.csv"), read_file(cli / "pares.csv"));
}

TEST_F(TableExport, ClustersAndTheSimilarityMatrix) {
  open_tools();
  Tform_cluster& f = *windows->form_cluster;
  platform.answer(q(proj / "noticias.ldc"));
  f.Abrelistadedocs1Click();
  f.Criamatriz1Click();
  ui(f).Edit_limiar->setText("0,05");
  f.Agrupadocumentos1Click();
  ASSERT_GT(ui(f).ListBox_clusters->count(), 1);

  // The clusters: one row per member, under its cluster's line.
  std::vector<std::vector<std::string>> expected;
  for (int k = 0; k < ui(f).ListBox_clusters->count(); ++k) {
    ui(f).ListBox_clusters->setCurrentRow(k);
    f.Mostradocsdeumcluster1Click();
    for (const auto& m : utf8_lines(ui(f).ListBox_membros->lines()))
      expected.push_back({to_utf8(ui(f).ListBox_clusters->line(k)), m});
  }
  auto actions = export_actions(f);
  ASSERT_EQ(actions.size(), 1u);
  export_to(actions[0], proj / "clusters.xlsx");
  auto sheet = read_xlsx(proj / "clusters.xlsx");
  ASSERT_TRUE(sheet);
  ASSERT_EQ(sheet->rows.size(), expected.size() + 1);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    ASSERT_EQ(sheet->rows[i + 1].size(), 2u);
    EXPECT_EQ(sheet->rows[i + 1][0]->text, expected[i][0]);
    EXPECT_EQ(sheet->rows[i + 1][1]->text, expected[i][1]);
  }

  // "Mostra matriz", then its "Exportar...": every value as the window shows it.
  f.Mostramatriz1Click();
  Tform_show_matriz& m = *windows->form_show_matriz;
  const auto lines = utf8_lines(m.linhas());
  QPushButton* button = nullptr;
  for (QPushButton* b : m.findChildren<QPushButton*>())
    if (b->text() == "Exportar...") button = b;
  ASSERT_TRUE(button);
  platform.answer(q(proj / "matriz.csv"));
  button->click();
  const auto csv = parse_csv(read_file(proj / "matriz.csv"), ';');
  ASSERT_EQ(csv.rows.size(), lines.size());
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const auto cells = split(lines[i], "  |  ");
    ASSERT_EQ(csv.rows[i].size(), cells.size());
    EXPECT_EQ(csv.rows[i][0].substr(0, 15), trimmed(cells[0]));
    for (std::size_t j = 1; j < cells.size(); ++j) EXPECT_EQ(csv.rows[i][j], cells[j]);
  }
}

}  // namespace
}  // namespace lumeral::gui::testing
