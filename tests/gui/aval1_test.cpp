// The evaluation window `form_aval1` on the prepared sample collection,
// against lumeral-cli.
#include "gui/clustering/aval1.h"
#include "tools_fixture.h"

namespace lumeral::gui::testing {
namespace {

class Evaluation : public RoadTest {
 protected:
  Tform_aval1& f() { return *windows->form_aval1; }
  void choose(const fs::path& first, const fs::path& second) {
    platform.answer(q(first));
    f().Button1Click();
    platform.answer(q(second));
    f().Button2Click();
  }
  // The two result fields as the command line prints them.
  std::vector<std::string> shown() {
    std::vector<std::string> out;
    if (!f().Edit_grau->text().isEmpty()) out.push_back("Grau ou valor = " + f().Edit_grau->text().toStdString());
    out.push_back("Elementos comuns= " + f().Edit_comuns->text().toStdString());
    return out;
  }
};

TEST_F(Evaluation, WordListsAndDocumentListsAsTheCommandLine) {
  open_tools();
  classify_both("deterministic");
  make_both("a.ldc", "noticia01.txt\t0.5\nnoticia02.txt\nx.txt\n");
  make_both("b.ldc", "noticia02.txt\t0.25\nnoticia01.txt\t0.5\n");
  struct Case {
    int mode;
    std::string first, second;
  } cases[] = {
      {0, "noticia01.lpl", "noticia02.lpl"},
      {0, "noticia03.lpl", "noticia03.lpl"},
      {0, "noticia01.mtz", "noticia07.mtz"},
      {1, "a.ldc", "b.ldc"},
      {1, "noticias.ldc", "a.ldc"},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.first + " " + k.second);
    f().RadioGroup1->set_item_index(k.mode);
    choose(proj / k.first, proj / k.second);
    f().Button3Click();
    std::vector<std::string> args{"evaluate", c(k.first), c(k.second)};
    if (k.mode == 1) args.push_back("--documents");
    EXPECT_EQ(shown(), lines_of(cli_run(args).out));
  }
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

TEST_F(Evaluation, TwoEmptyListsShowTheCountAndTheMessage) {
  // The checks of the fields, in their order, are the core's tests.
  open_tools();
  write_file(proj / "vazia1.lpl", "");
  write_file(proj / "vazia2.lpl", "");
  // Two empty lists leave nothing to divide by: the count, no value, and
  // the command line's message.
  f().Edit1->setText(q(proj / "vazia1.lpl"));
  f().Edit2->setText(q(proj / "vazia2.lpl"));
  platform.messages.clear();
  f().Button3Click();
  write_file(cli / "vazia1.lpl", "");
  write_file(cli / "vazia2.lpl", "");
  auto run = cli_run({"evaluate", c("vazia1.lpl"), c("vazia2.lpl")}, false);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(shown(), lines_of(run.out));
  EXPECT_EQ(messages(), QStringList{QString::fromStdString(lines_of(run.err).back())});
}

}  // namespace
}  // namespace lumeral::gui::testing
