// The comparison tools against lumeral-cli: rule comparison (`form_regras`:
// common and exclusive rules, saves, messages) and the percentage window
// (`centro_percentual`) on the sample's contextual centroid.
#include <QAction>

#include "gui/comparison/centro_contextual.h"
#include "gui/comparison/compara_regras.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::cp1252;

class RuleComparison : public RoadTest {
 protected:
  Tform_regras& f() { return *windows->form_regras; }
  // Every line of a text area as shown, a last empty one included.
  static std::vector<std::string> shown(const Memo* memo) {
    std::vector<std::string> out;
    for (const QString& l : memo->toPlainText().split('\n')) out.push_back(l.toStdString());
    return out;
  }
};

TEST_F(RuleComparison, ShowsAndSavesWhatTheCommandLinePrints) {
  const std::string a = cp1252("economia -> política /conf= 80% /sup= 10%\r\nesporte -> saude /conf= 50%\r\n\r\n");
  const std::string b = cp1252("esporte -> saude /conf= 20% /sup= 5%\r\nEconomia -> política\r\n\r\nambiente\r\n");
  for (const fs::path& folder : {proj, cli}) {
    write_file(folder / "regras-a.txt", a);
    write_file(folder / "regras-b.txt", b);
  }
  open_tools();
  platform.answer(QStringList{q(proj / "regras-a.txt"), q(proj / "regras-b.txt")});
  f().Compararegras1Click();
  EXPECT_EQ(platform.dialogs.back().kind, "open-multi");
  EXPECT_EQ(utf8_lines(ui(f()).ListBox_arquivos->lines()), (std::vector<std::string>{"regras-a.txt", "regras-b.txt"}));
  std::vector<std::string> both = shown(ui(f()).Memo_comuns);
  const auto exclusive = shown(ui(f()).Memo_exclusivas);
  EXPECT_EQ(both, (std::vector<std::string>{"esporte -> saude", ""}));
  both.insert(both.end(), exclusive.begin(), exclusive.end());
  EXPECT_EQ(both, lines_of(cli_run({"compare-rules", c("regras-a.txt"), c("regras-b.txt")}).out));

  // Saved as shown, the empty rule included.
  platform.answer(q(proj / "comuns"));
  f().Salvarcomotexto1Click();
  EXPECT_EQ(read_file(proj / "comuns.txt"), "esporte -> saude\r\n\r\n");
  platform.answer(q(proj / "exclusivas.txt"));
  f().Salvarcomotexto2Click();
  std::string expected;
  for (const auto& l : exclusive) expected += std::string(bytes_of(ansi(QString::fromStdString(l)))) + "\r\n";
  EXPECT_EQ(read_file(proj / "exclusivas.txt"), expected);
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();

  // One file, or an unreadable one, stops with a message after clearing.
  platform.answer(QStringList{q(proj / "regras-a.txt")});
  f().Compararegras1Click();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Selecionar mais de um arquivo com regras !")});
  EXPECT_TRUE(ui(f()).Memo_comuns->toPlainText().isEmpty());
  EXPECT_EQ(ui(f()).ListBox_arquivos->count(), 0);
  platform.answer(QStringList{q(proj / "regras-a.txt"), q(proj / "sumiu.txt")});
  f().Compararegras1Click();
  EXPECT_EQ(messages().size(), 2);
  EXPECT_TRUE(last_message().contains("sumiu.txt")) << last_message().toStdString();
}

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
