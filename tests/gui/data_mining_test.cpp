// The contextual data-mining window `form_dm` on the sample collection's
// concept pairs, against lumeral-cli.
#include <QAction>

#include "gui/mining/data_mining.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

class DataMining : public RoadTest {
 protected:
  // Both copies classified and their concept pairs counted.
  void SetUp() override {
    RoadTest::SetUp();
    if (IsSkipped()) return;
    classify_both("deterministic");
    for (const fs::path& folder : {proj, cli}) {
      auto run = run_cli({"associate", "--docs", (folder / "noticias.ldc").string(), "--method", "context"}, folder);
      ASSERT_EQ(run.exit_code, 0) << run.err;
    }
  }
  Tform_dm& f() { return *windows->form_dm; }
  std::vector<std::string> shown() const { return utf8_lines(ui(windows->form_dm).ListBox1->lines()); }
  std::vector<std::string> rules(std::vector<std::string> more = {}) {
    std::vector<std::string> args{"rules", "--contexts", c("noticias.lct"), "--docs", c("noticias.ldc"), "--pairs",
                                  c("temp.ass")};
    args.insert(args.end(), more.begin(), more.end());
    return lines_of(cli_run(args).out);
  }
};

TEST_F(DataMining, RulesThresholdsAndOrdersAsTheCommandLine) {
  open_tools();
  platform.answer(q(proj / "noticias.lct"));
  platform.answer(q(proj / "noticias.ldc"));
  platform.answer(q(proj / "temp.ass"));
  f().Selecionalistas1Click();
  ASSERT_EQ(platform.dialogs.size(), 3u);

  f().CalculaConfiancaSuporte1Click();
  const auto all = rules();
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(shown(), all);
  EXPECT_EQ(ui(f()).Edit_total->text(), QString::number(all.size()));

  // The options tune the rules as the command line's do.
  ui(f()).Edit_grau_minimo->setText("2");
  ui(f()).CheckBox_duas_direcoes->setChecked(true);
  f().CalculaConfiancaSuporte1Click();
  EXPECT_EQ(shown(), rules({"--grau-minimo", "2", "--duas-direcoes"}));
  EXPECT_NE(shown(), all);
  ui(f()).Edit_grau_minimo->setText("0");
  ui(f()).CheckBox_duas_direcoes->setChecked(false);
  f().CalculaConfiancaSuporte1Click();

  f().Ordenadecrescenteporconfianca1Click();
  EXPECT_EQ(shown(), rules({"--order", "confidence"}));
  f().Ordenaalfabeticamente1Click();
  EXPECT_EQ(shown(), rules({"--order", "alphabetical"}));

  // The list stays sorted for the later runs.
  f().CalculaConfiancaSuporte1Click();
  EXPECT_EQ(shown(), rules({"--order", "alphabetical"}));
  ui(f()).Edit_limiar->setText("50");
  f().Selecionaporlimiar1Click();
  EXPECT_EQ(shown(), rules({"--threshold", "50", "--by", "confidence", "--order", "alphabetical"}));
  f().CalculaConfiancaSuporte1Click();
  ui(f()).RadioGroup1->set_item_index(1);
  ui(f()).Edit_limiar->setText("3");
  f().Selecionaporlimiar1Click();
  const auto kept = rules({"--threshold", "3", "--by", "support", "--order", "alphabetical"});
  EXPECT_EQ(shown(), kept);
  EXPECT_EQ(ui(f()).Edit_total->text(), QString::number(kept.size()));
  // Exported from the rows in the order shown, as the command line exports them.
  platform.answer(q(proj / "regras.csv"));
  for (QAction* a : f().findChildren<QAction*>())
    if (a->text() == "Exportar...") a->trigger();
  rules({"--threshold", "3", "--by", "support", "--order", "alphabetical", "--export", c("regras.csv")});
  EXPECT_EQ(read_file(proj / "regras.csv"), read_file(cli / "regras.csv"));

  // Saved as text, then appended to what the list holds.
  platform.answer(q(proj / "regras"));
  f().Gravaresultado1Click();
  platform.answer(q(proj / "regras.txt"));
  f().Abreresultado1Click();
  EXPECT_EQ(ui(f()).ListBox1->count(), static_cast<int>(2 * kept.size()));
  EXPECT_EQ(ui(f()).Edit_total->text(), QString::number(2 * kept.size()));
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Tabela exportada para \"regras.csv\".")});
}

TEST_F(DataMining, MessagesOfTheDataMiningWindow) {
  open_tools();
  f().CalculaConfiancaSuporte1Click();
  platform.answer(q(proj / "noticias.lct"));
  platform.cancel_next();
  f().Selecionalistas1Click();  // the sequence stops at the cancel
  EXPECT_EQ(platform.dialogs.size(), 2u);
  EXPECT_TRUE(ui(f()).Edit_docs->text().isEmpty());
  ui(f()).Edit_docs->setText(q(proj / "noticias.ldc"));
  ui(f()).Edit_ass->setText(q(proj / "temp.ass"));
  fs::remove(proj / "noticia20.mtz");
  f().CalculaConfiancaSuporte1Click();
  EXPECT_EQ(messages(), (QStringList{"Selecionar listas antes !", "Fazer classificação antes !"}));
  EXPECT_EQ(ui(f()).ListBox1->count(), 0);
}

}  // namespace
}  // namespace lumeral::gui::testing
