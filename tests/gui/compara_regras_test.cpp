// Rule comparison (`form_regras`): the common and exclusive rules equal what
// lumeral-cli prints for the same files, the saves and the messages.
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

}  // namespace
}  // namespace lumeral::gui::testing
