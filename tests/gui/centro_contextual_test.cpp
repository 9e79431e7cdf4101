// The percentage window `centro_percentual` on the sample collection's
// contextual centroid, against lumeral-cli.
#include <QAction>

#include "gui/comparison/centro_contextual.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

class Percentages : public RoadTest {
 protected:
  void SetUp() override {
    RoadTest::SetUp();
    if (IsSkipped()) return;
    classify_both("deterministic");
    for (const fs::path& folder : {proj, cli}) {
      auto run = run_cli({"centroid", "--docs", (folder / "noticias.ldc").string(), "--method", "context"}, folder);
      ASSERT_EQ(run.exit_code, 0) << run.err;
    }
  }
  Tcentro_percentual& f() { return *windows->centro_percentual; }
  std::vector<std::string> shown() const { return utf8_lines(ui(windows->centro_percentual).ListBox1->lines()); }
};

TEST_F(Percentages, ComputesSortsAndSavesThePercentages) {
  open_tools();
  platform.answer(q(proj / "noticias.ldc"));
  platform.answer(q(proj / "centro-temp.lpl"));
  f().Calculaporcentagens1Click();
  ASSERT_EQ(platform.dialogs.size(), 2u);
  const auto expected =
      lines_of(cli_run({"percentages", "--docs", c("noticias.ldc"), "--centroid", c("centro-temp.lpl")}).out);
  EXPECT_EQ(shown(), expected);
  EXPECT_EQ(expected.size(), 5u);
  EXPECT_EQ(ui(f()).Edit_total_docs->text(), "40");
  EXPECT_EQ(ui(f()).Edit_total_contextos->text(), "5");

  // A second run keeps the document list and asks only for the centroid.
  platform.answer(q(proj / "centro-temp.lpl"));
  f().Calculaporcentagens1Click();
  EXPECT_EQ(platform.dialogs.size(), 3u);
  EXPECT_EQ(shown(), expected);

  f().Ordenacaoporpeso1Click();
  const auto by_weight = lines_of(cli_run({"percentages", "--docs", c("noticias.ldc"), "--centroid",
                                           c("centro-temp.lpl"), "--order", "weight"})
                                      .out);
  EXPECT_EQ(shown(), by_weight);
  platform.answer(q(proj / "porcentagens.csv"));
  for (QAction* a : f().findChildren<QAction*>())
    if (a->text() == "Exportar...") a->trigger();
  cli_run({"percentages", "--docs", c("noticias.ldc"), "--centroid", c("centro-temp.lpl"), "--order", "weight",
           "--export", c("porcentagens.csv")});
  EXPECT_EQ(read_file(proj / "porcentagens.csv"), read_file(cli / "porcentagens.csv"));
  platform.answer(q(proj / "porcentagens"));
  f().Gravacomotexto1Click();
  EXPECT_EQ(lines_of(to_utf8(from_bytes(read_file(proj / "porcentagens.txt")))), by_weight);
  f().Ordenacaoalfabetica1Click();
  EXPECT_NE(shown(), by_weight);
  platform.answer(q(proj / "porcentagens.txt"));
  f().Abreresultado1Click();
  EXPECT_EQ(shown().size(), by_weight.size());
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Tabela exportada para \"porcentagens.csv\".")});

  // Cancelling a dialog stops without a message; an empty document list
  // stops with a message instead of dividing by zero.
  platform.cancel_next();
  f().Calculaporcentagens1Click();
  EXPECT_TRUE(shown().empty());
  write_file(proj / "vazia.ldc", "");
  ui(f()).Edit_docs->setText(q(proj / "vazia.ldc"));
  platform.answer(q(proj / "centro-temp.lpl"));
  f().Calculaporcentagens1Click();
  EXPECT_EQ(messages().size(), 2);  // after the export's
  EXPECT_FALSE(f().last_command_ok());
}

}  // namespace
}  // namespace lumeral::gui::testing
