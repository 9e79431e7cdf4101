// The contextual summary window `res_contextual` on the prepared sample
// collection and its ontology, against lumeral-cli.
#include "gui/summaries/resumo_contextual.h"
#include "tools_fixture.h"

namespace lumeral::gui::testing {
namespace {

class ContextualSummaries : public RoadTest {
 protected:
  Tres_contextual& f() { return *windows->res_contextual; }
  void choose_lists() {
    platform.answer(q(proj / "noticias.ldc"));
    f().Button_docsClick();
    platform.answer(q(proj / "noticias.lct"));
    f().Button_contextosClick();
  }
};

TEST_F(ContextualSummaries, SummariesOfTheCommandLine) {
  open_tools();
  choose_lists();
  EXPECT_EQ(utf8_lines(ui(f()).ListBox_contextos->lines()), dumped_names(cli_run({"dump", c("noticias.lct")}).out));

  // Browsing a context shows its entries.
  ui(f()).ListBox_contextos->setCurrentRow(1);
  f().ListBox_contextosClick();
  const auto entries = dumped_names(cli_run({"dump", c(to_utf8(ui(f()).ListBox_contextos->line(1)) + ".ctt")}).out);
  const auto terms = utf8_lines(ui(f()).ListBox_termos->lines());
  ASSERT_EQ(terms.size(), entries.size());
  for (std::size_t i = 0; i < terms.size(); ++i) EXPECT_EQ(terms[i], entries[i].substr(0, terms[i].size()));

  struct Case {
    QString contexts, excluded, count;
    int op;
    std::vector<std::string> args;
  } cases[] = {
      {"economia", "", "", 0, {"economia"}},
      {"economia\npolitica", "", "1", 0, {"economia", "politica", "--sentences", "1"}},
      {"esporte\nsaude", "economia", "2", 1, {"esporte", "saude", "--not", "economia", "--or", "--sentences", "2"}},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.contexts.toStdString());
    f().Button_limpaClick();
    ui(f()).Memo_contextos->setPlainText(k.contexts);
    ui(f()).Memo_not->setPlainText(k.excluded);
    ui(f()).Edit_frases->setText(k.count);
    ui(f()).RadioGroup_operador->set_item_index(k.op);
    f().Button_executaClick();
    std::vector<std::string> args{"contextual-summary", "--docs", c("noticias.ldc"), "--contexts", c("noticias.lct")};
    args.insert(args.end(), k.args.begin(), k.args.end());
    const auto expected = lines_of(cli_run(args).out);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(utf8_lines(f().resumos()), expected);
    EXPECT_EQ(ui(f()).Memo_resumos->toPlainText().count('\n') + 1, static_cast<qsizetype>(expected.size()));
  }
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

TEST_F(ContextualSummaries, TheLinesMadeBeforeAMissingDocumentStay) {
  // The refusals of missing lists are the core's tests.
  open_tools();
  choose_lists();
  ui(f()).Memo_contextos->setPlainText("economia");
  // A missing document stops the run after the lines made before it.
  const auto names = dumped_names(cli_run({"dump", c("noticias.ldc")}).out);
  fs::remove(proj / names[20]);
  fs::remove(cli / names[20]);
  ui(f()).Edit_frases->clear();
  platform.messages.clear();
  f().Button_executaClick();
  auto run = cli_run({"contextual-summary", "--docs", c("noticias.ldc"), "--contexts", c("noticias.lct"), "economia"},
                     false);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(messages().size(), 1);
  EXPECT_EQ(utf8_lines(f().resumos()), lines_of(run.out));
  EXPECT_FALSE(f().resumos().empty());

  // A cancelled context-list dialog keeps the list.
  const int before = ui(f()).ListBox_contextos->count();
  platform.cancel_next();
  f().Button_contextosClick();
  EXPECT_EQ(ui(f()).ListBox_contextos->count(), before);
}

}  // namespace
}  // namespace lumeral::gui::testing
