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
    if (!ui(f()).Edit_grau->text().isEmpty()) out.push_back("Grau ou valor = " + ui(f()).Edit_grau->text().toStdString());
    out.push_back("Elementos comuns= " + ui(f()).Edit_comuns->text().toStdString());
    return out;
  }
};

TEST_F(Evaluation, WordListsAndDocumentListsAsTheCommandLine) {
  open_tools();
  classify_both("deterministic");
  make_both("a.ldc", "noticia01.txt\t0.5\nnoticia02.txt\nx.txt\n");
  make_both("b.ldc", "noticia02.txt\t0.25\nnoticia01.txt\t0.5\n");
  for (const fs::path& folder : {proj, cli}) {
    write_file(folder / "vazia1.lpl", "");
    write_file(folder / "vazia2.lpl", "");
  }
  struct Case {
    int mode;
    std::string first, second;
    int exit;
  } cases[] = {
      {0, "noticia01.lpl", "noticia02.lpl", 0},
      {0, "noticia03.lpl", "noticia03.lpl", 0},
      {0, "noticia01.mtz", "noticia07.mtz", 0},
      {1, "a.ldc", "b.ldc", 0},
      {1, "noticias.ldc", "a.ldc", 0},
      // Nothing to divide by: the count, no value, and the command line's
      // message (the checks of the fields: the core's tests).
      {0, "vazia1.lpl", "vazia2.lpl", 1},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.first + " " + k.second);
    ui(f()).RadioGroup1->set_item_index(k.mode);
    choose(proj / k.first, proj / k.second);
    platform.messages.clear();
    f().Button3Click();
    std::vector<std::string> args{"evaluate", c(k.first), c(k.second)};
    if (k.mode == 1) args.push_back("--documents");
    auto run = cli_run(args, k.exit == 0);
    EXPECT_EQ(run.exit_code, k.exit);
    EXPECT_EQ(shown(), lines_of(run.out));
    EXPECT_EQ(messages(), k.exit == 0 ? QStringList() : QStringList{QString::fromStdString(lines_of(run.err).back())});
  }
}

}  // namespace
}  // namespace lumeral::gui::testing
