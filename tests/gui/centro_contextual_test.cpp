// The percentage window `centro_percentual` on the sample collection's
// contextual centroid, against lumeral-cli.
#include "gui/comparison/centro_contextual.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

class Percentages : public RoadTest {
 protected:
  void SetUp() override {
    RoadTest::SetUp();
    if (IsSkipped()) return;
    for (const fs::path& folder : {proj, cli}) {
      const std::string docs = (folder / "noticias.ldc").string();
      auto run = run_cli({"classify", "--docs", docs, "--contexts", (folder / "noticias.lct").string(), "--method",
                          "deterministic"},
                         folder);
      ASSERT_EQ(run.exit_code, 0) << run.err;
      run = run_cli({"centroid", "--docs", docs, "--method", "context"}, folder);
      ASSERT_EQ(run.exit_code, 0) << run.err;
    }
  }
  Tcentro_percentual& f() { return *windows->centro_percentual; }
  std::vector<std::string> shown() const { return utf8_lines(windows->centro_percentual->ListBox1->lines()); }
};

TEST_F(Percentages, ComputesSortsAndSavesThePercentages) {
  open_tools();
  windows->Form3->bt_percentualClick();
  EXPECT_TRUE(f().isVisible());
  platform.answer(q(proj / "noticias.ldc"));
  platform.answer(q(proj / "centro-temp.lpl"));
  f().Calculaporcentagens1Click();
  ASSERT_EQ(platform.dialogs.size(), 2u);
  EXPECT_EQ(platform.dialogs[0].title, "Seleciona lista de documentos");
  EXPECT_EQ(platform.dialogs[0].windows_filter, "lista de documentos (*.ldc)|*.ldc");
  EXPECT_EQ(platform.dialogs[1].title, "Seleciona centróide (lista de palavras)");
  EXPECT_EQ(platform.dialogs[1].windows_filter, "lista de palavras (*.lpl)|*.lpl");
  const auto expected =
      lines_of(cli_run({"percentages", "--docs", c("noticias.ldc"), "--centroid", c("centro-temp.lpl")}).out);
  EXPECT_EQ(shown(), expected);
  EXPECT_EQ(expected.size(), 5u);
  EXPECT_EQ(f().Edit_total_docs->text(), "40");
  EXPECT_EQ(f().Edit_total_contextos->text(), "5");

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
  platform.answer(q(proj / "porcentagens"));
  f().Gravacomotexto1Click();
  EXPECT_EQ(platform.dialogs.back().title, "Grava resultados como texto");
  EXPECT_EQ(platform.dialogs.back().default_ext, "txt");
  EXPECT_EQ(lines_of(to_utf8(from_bytes(read_file(proj / "porcentagens.txt")))), by_weight);
  f().Ordenacaoalfabetica1Click();
  EXPECT_NE(shown(), by_weight);
  platform.answer(q(proj / "porcentagens.txt"));
  f().Abreresultado1Click();
  EXPECT_EQ(platform.dialogs.back().title, "Abre resultados (txt)");
  auto sorted = by_weight;
  EXPECT_EQ(shown().size(), sorted.size());
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();

  // Cancelling a dialog stops without a message; an empty document list
  // stops with a message instead of dividing by zero.
  platform.cancel_next();
  f().Calculaporcentagens1Click();
  EXPECT_TRUE(shown().empty());
  write_file(proj / "vazia.ldc", "");
  f().Edit_docs->setText(q(proj / "vazia.ldc"));
  platform.answer(q(proj / "centro-temp.lpl"));
  f().Calculaporcentagens1Click();
  EXPECT_EQ(messages().size(), 1);
  EXPECT_FALSE(f().last_command_ok());
}

TEST_F(Percentages, TheWizardSetsTheNamesAndReadsTheLines) {
  w().set_pasta(proj);
  w().set_tipo(shell::OntologyKind::Deterministic);
  f().Edit_docs->setText(q(proj / "noticias.ldc"));
  f().Edit_centro->setText(q(proj / "centro-temp.lpl"));
  f().Calculaporcentagens1Click();
  f().Calculaporcentagens1Click();  // run once per concept: the same lines again
  EXPECT_TRUE(platform.dialogs.empty());
  EXPECT_EQ(shown(),
            lines_of(cli_run({"percentages", "--docs", c("noticias.ldc"), "--centroid", c("centro-temp.lpl")}).out));
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

}  // namespace
}  // namespace lumeral::gui::testing
