// The similarity retrieval window `form_recsim` on the prepared sample
// collection, against lumeral-cli: one case, a list of cases with its
// report, the threshold, the saves and the text viewer.
#include "gui/retrieval/recup_similar.h"
#include "tools_fixture.h"

namespace lumeral::gui::testing {
namespace {

class SimilarRetrieval : public RoadTest {
 protected:
  Tform_recsim& f() { return *windows->form_recsim; }
  std::vector<std::string> shown() { return utf8_lines(ui(f()).ListBox1->lines()); }
  void choose_list() {
    platform.answer(q(proj / "noticias.ldc"));
    f().Abrelistadedocs1Click();
  }
  void retrieve(const fs::path& case_file, int method, int weights) {
    ui(f()).RadioGroup_caso->set_item_index(0);
    ui(f()).RadioGroup_metodo->set_item_index(method);
    ui(f()).RadioGroup_pesos->set_item_index(weights);
    platform.answer(q(case_file));
    f().RecuperaTextos1Click();
  }
};

TEST_F(SimilarRetrieval, OneCaseRankedAsTheCommandLine) {
  open_tools();
  choose_list();
  classify_both("deterministic");  // for the contextual method

  struct Case {
    int method, weights;
    std::vector<std::string> options;
  } cases[] = {
      {0, 0, {"--method", "word"}},
      {0, 1, {"--method", "word", "--no-weights"}},
      {1, 0, {"--method", "context"}},
      {1, 1, {"--method", "context", "--no-weights"}},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.options.back());
    retrieve(proj / "noticia05.txt", k.method, k.weights);
    std::vector<std::string> args{"similar", "--docs", c("noticias.ldc"), "--case", c("noticia05.txt")};
    args.insert(args.end(), k.options.begin(), k.options.end());
    const auto expected = lines_of(cli_run(args).out);
    EXPECT_EQ(shown(), expected);
    EXPECT_EQ(expected.size(), 40u);
    EXPECT_EQ(ui(f()).Edit_total->text(), "40");
    EXPECT_EQ(ui(f()).Edit_caso->text(), q(proj / "noticia05.txt"));
    EXPECT_EQ(ui(f()).Memo_caso->lines(), text_lines(proj / "noticia05.txt"));
  }

  // By words with weights again, then the threshold as the command line
  // applies it; an empty field keeps every line and becomes "0".
  retrieve(proj / "noticia05.txt", 0, 0);
  const auto all = shown();
  ui(f()).Edit_limiar->clear();
  f().Button_limiarClick();
  EXPECT_EQ(ui(f()).Edit_limiar->text(), "0");
  EXPECT_EQ(shown(), all);
  ui(f()).Edit_limiar->setText("0,05");
  f().Button_limiarClick();
  const auto kept = lines_of(cli_run({"similar", "--docs", c("noticias.ldc"), "--case", c("noticia05.txt"), "--method",
                                      "word", "--threshold", "0,05"})
                                 .out);
  EXPECT_EQ(shown(), kept);
  EXPECT_LT(kept.size(), all.size());
  EXPECT_EQ(ui(f()).Edit_total->text(), QString::number(kept.size()));

  // Saved as a document list (text-file names, the similarity as weight)
  // and as text.
  platform.answer(q(proj / "parecidos"));
  f().Gravalistadedocs1Click();
  // (the rows as records: the core's tests)
  const auto saved = dumped_names(cli_run({"dump", (proj / "parecidos.ldc").string()}).out);
  ASSERT_EQ(saved.size(), kept.size());
  EXPECT_EQ(saved[0], kept[0].substr(0, kept[0].find(" |")) + "txt");
  platform.answer(q(proj / "parecidos"));
  f().Gravacomtexto1Click();
  EXPECT_EQ(utf8_lines(text_lines(proj / "parecidos.txt")), kept);

  // The best match (the case itself) shown in the text viewer.
  ui(f()).ListBox1->setCurrentRow(0);
  f().ListBox1DblClick();
  EXPECT_TRUE(windows->result_recsim->isVisible());
  EXPECT_EQ(viewer_lines(*windows), text_lines(proj / "noticia05.txt"));
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

TEST_F(SimilarRetrieval, ListOfCasesWritesTheReportOfTheCommandLine) {
  open_tools();
  choose_list();
  const std::string cases = "noticia01.txt\nnoticia12.txt\nnoticia30.txt\n";
  make_both("casos.ldc", cases);

  ui(f()).RadioGroup_caso->set_item_index(1);
  platform.answer(q(proj / "casos.ldc"));
  platform.answer(q(proj / "relatorio"));
  f().RecuperaTextos1Click();
  ASSERT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  auto cli_out = cli_run({"similar", "--docs", c("noticias.ldc"), "--cases", c("casos.ldc"), "--report",
                          c("relatorio.txt"), "--method", "word"});
  EXPECT_EQ(shown(), lines_of(cli_out.out));  // the results of the last test document

  auto mine = utf8_lines(text_lines(proj / "relatorio.txt"));
  auto theirs = utf8_lines(text_lines(cli / "relatorio.txt"));
  ASSERT_EQ(mine.size(), theirs.size());
  ASSERT_GE(mine.size(), 11u);
  EXPECT_EQ(mine[0], "lista de docs= " + (proj / "casos.ldc").string());
  // The run's date and time come from the clock of the platform.
  for (std::size_t i : {std::size_t(4), mine.size() - 1}) {
    EXPECT_NE(mine[i].find("14:30:15"), std::string::npos) << mine[i];
    mine[i] = theirs[i];
  }
  mine[0] = theirs[0];
  EXPECT_EQ(mine, theirs);

  // The report is shown in the case field; a double click on a test
  // document's line shows its best match.
  EXPECT_EQ(ui(f()).Memo_caso->lines(), text_lines(proj / "relatorio.txt"));
  const std::string best = mine[6].substr(mine[6].find("=> ") + 3);
  f().Memo_casoDblClick(6);
  EXPECT_EQ(viewer_lines(*windows), text_lines(proj / (best.substr(0, best.find(" |")) + "txt")));
  windows->result_recsim->hide();
  f().Memo_casoDblClick(1);  // "método por palavra": nothing to show
  EXPECT_FALSE(windows->result_recsim->isVisible());
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();

  // (The refusals of a missing list, case list or classification are the
  // core's tests.) A listed document without its word list stops the run; the lines made
  // before it stay, as the command line prints them.
  const auto names = lines_of(cli_run({"dump", c("noticias.ldc")}).out);
  const std::string victim = names[5].substr(0, names[5].find('.')) + ".lpl";
  fs::remove(proj / victim);
  fs::remove(cli / victim);
  platform.messages.clear();
  retrieve(proj / "noticia05.txt", 0, 0);
  auto run = cli_run({"similar", "--docs", c("noticias.ldc"), "--case", c("noticia05.txt"), "--method", "word"}, false);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(messages(), QStringList{"Criar lista de palavras para docs da lista"});
  EXPECT_EQ(shown(), lines_of(run.out));
  EXPECT_EQ(shown().size(), 5u);

  // An unreadable threshold leaves the list as it was.
  platform.messages.clear();
  const auto before = shown();
  ui(f()).Edit_limiar->setText("abc");
  f().Button_limiarClick();
  EXPECT_EQ(messages().size(), 1);
  EXPECT_EQ(shown(), before);
}

}  // namespace
}  // namespace lumeral::gui::testing
