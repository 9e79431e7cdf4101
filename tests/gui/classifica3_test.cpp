// Classification by concepts (`form_classifica3`) on the classified sample:
// both methods against lumeral-cli, the saves, the orders and the messages.
#include "gui/classification/classifica3.h"
#include "gui/retrieval/result_recuperasim.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

class Concepts : public ClassifiedRoadTest {
 protected:
  Tform_classifica3& f() { return *windows->form_classifica3; }
  std::vector<std::string> shown() const { return utf8_lines(ui(windows->form_classifica3).ListBox1->lines()); }
  void choose_list() {
    platform.answer(q(proj / "noticias.ldc"));
    f().Abrelistadedocumentos1Click();
  }
};

TEST_F(Concepts, BothMethodsListWhatTheCommandLinePrints) {
  struct Case {
    int method;  // "Tipo do Método"
    std::vector<const char*> positive;
    std::vector<const char*> negative;
    std::vector<std::string> args;
  };
  const Case cases[] = {
      {0, {"economia | 1", "politica | 0,5"}, {}, {"--weight", "economia | 1", "--weight", "politica | 0,5"}},
      {0,
       {"economia | 1", "politica | 0,5", "saude|2"},
       {" politica "},
       {"--weight", "economia | 1", "--weight", "politica | 0,5", "--weight", "saude|2", "--not", " politica "}},
      {1, {"economia | politica", "esporte|saude"}, {"economia"}, {"--pair", "economia | politica", "--pair", "esporte|saude"}},
  };
  open_tools();
  choose_list();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[1]);
    f().Limpacaixas1Click();
    QStringList pos, neg;
    for (const char* l : c.positive) pos << QString::fromUtf8(l);
    for (const char* l : c.negative) neg << QString::fromUtf8(l);
    ui(f()).Memo_positivos->setPlainText(pos.join('\n'));
    ui(f()).Memo_negativos->setPlainText(neg.join('\n'));
    ui(f()).RadioGroup1->set_item_index(c.method);
    f().Analisacategorias1Click();
    std::vector<std::string> args{"classify-concepts", "--docs", this->c("noticias.ldc")};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto expected = lines_of(cli_run(args).out);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(shown(), expected);
    EXPECT_EQ(ui(f()).Edit_total->text(), QString::number(expected.size()));
    EXPECT_EQ(ui(f()).Edit_total_docs->text(), "40");
  }

  // Written into the matrices as a new context, twice: the record is
  // replaced, and the matrices equal those the command line writes.
  ui(f()).Edit_nome->setText("conceito-esporte-2004");
  f().Salvalistacomomatriz1Click();
  f().Salvalistacomomatriz1Click();
  cli_run({"classify-concepts", "--docs", c("noticias.ldc"), "--pair", "economia | politica", "--pair",
           "esporte|saude", "--save-matrix", "conceito-esporte-2004"});
  EXPECT_EQ(files_with(proj, {".mtz"}), files_with(cli, {".mtz"}));

  // The alphabetical order stays on until the order by score is asked for;
  // saved as a document list in that order: lowered names + ".txt".
  f().Ordenaalfabeticamente1Click();
  const auto lines = shown();
  EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));
  platform.answer(q(proj / "conceito"));
  f().Salvalistadedocs1Click();
  const auto saved = lines_of(cli_run({"dump", (proj / "conceito.ldc").string()}).out);
  ASSERT_EQ(saved.size(), lines.size());
  for (std::size_t i = 0; i < saved.size(); ++i)
    EXPECT_EQ(saved[i].substr(0, saved[i].find('\t')), lines[i].substr(0, lines[i].find(" |")) + ".txt");
  f().Ordenaporpeso1Click();
  auto score = [](std::string line) {
    line = line.substr(line.find("| ") + 2);
    line[line.find(',')] = '.';
    return std::stod(line);
  };
  const auto ordered = shown();
  ASSERT_EQ(ordered.size(), lines.size());
  for (std::size_t i = 1; i < ordered.size(); ++i) EXPECT_GE(score(ordered[i - 1]), score(ordered[i])) << i;
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();

  // A double click shows the document of the line.
  ui(f()).ListBox1->setCurrentRow(0);
  f().ListBox1DblClick();
  EXPECT_TRUE(windows->result_recsim->isVisible());
  EXPECT_FALSE(ui(windows->result_recsim).Memo1->toPlainText().isEmpty());
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

TEST_F(Concepts, AMissingMatrixStopsAfterTheLinesFoundBeforeIt) {
  // The refusals of the fields are the core's tests; here the window shows
  // the stop and keeps the lines found before it.
  choose_list();
  ui(f()).Memo_positivos->setPlainText("economia | 1");
  fs::remove(proj / "noticia10.mtz");
  f().Analisacategorias1Click();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Fazer classificação antes !")});
  EXPECT_EQ(ui(f()).Edit_total->text(), QString::number(ui(f()).ListBox1->count()));
}

}  // namespace
}  // namespace lumeral::gui::testing
