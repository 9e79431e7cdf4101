// The precision and recall window `form_medidas`, against lumeral-cli.
#include "gui/clustering/medidas.h"
#include "tools_fixture.h"

namespace lumeral::gui::testing {
namespace {

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
