// The evaluation windows on the prepared sample collection against lumeral-cli:
// `form_aval1` (lists compared) and `form_medidas` (precision and recall).
#include "gui/clustering/aval1.h"
#include "gui/clustering/medidas.h"
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

class PrecisionRecall : public RoadTest {
 protected:
  Tform_medidas& f() { return *windows->form_medidas; }
  void choose(const std::string& ideal, const std::string& result) {
    platform.answer(q(proj / ideal));
    f().Button_idealClick();
    platform.answer(q(proj / result));
    f().Button_resultadosClick();
  }
  // The six outputs as the command line prints them.
  std::vector<std::string> shown() {
    std::vector<std::string> out;
    const std::pair<const char*, QLineEdit*> fields[] = {
        {"Total  de docs na categoria: ", ui(f()).Edit_categoria},
        {"Total  de docs recuperados/classificados: ", ui(f()).Edit_recuperados},
        {"Certos: ", ui(f()).Edit_certos},
        {"Errados: ", ui(f()).Edit_errados},
        {"Precision: ", ui(f()).Edit_precision},
        {"Recall: ", ui(f()).Edit_recall},
    };
    for (const auto& [label, field] : fields)
      if (!field->text().isEmpty()) out.push_back(label + field->text().toStdString());
    return out;
  }
};

TEST_F(PrecisionRecall, CountsAndMeasuresOfTheCommandLine) {
  open_tools();
  // No lists chosen: a message, nothing shown.
  f().Button_calculaClick();
  ASSERT_EQ(messages().size(), 1);
  EXPECT_TRUE(shown().empty());
  make_both("ideal.ldc", "a.txt\nb.txt\nc.txt\nd.txt\n");
  make_both("res.ldc", " B.TXT \nc.txt\ne.txt\n");
  make_both("lpl.ldc", "a.lpl\nb.txt\n");
  make_both("vazia.ldc", "");
  struct Case {
    std::string ideal, result;
    int exit;
  } cases[] = {
      {"ideal.ldc", "res.ldc", 0},
      {"ideal.ldc", "ideal.ldc", 0},
      {"ideal.ldc", "lpl.ldc", 0},
      {"noticias.ldc", "res.ldc", 0},
      {"ideal.ldc", "vazia.ldc", 1},  // nothing retrieved: the counts, then the message
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.ideal + " " + k.result);
    choose(k.ideal, k.result);
    platform.messages.clear();
    f().Button_calculaClick();
    auto run = cli_run({"precision-recall", c(k.ideal), c(k.result)}, false);
    EXPECT_EQ(run.exit_code, k.exit) << run.err;
    EXPECT_EQ(shown(), lines_of(run.out));
    EXPECT_EQ(messages().size(), k.exit == 0 ? 0 : 1);
  }
}

}  // namespace
}  // namespace lumeral::gui::testing
