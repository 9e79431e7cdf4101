// The term-association window `form_rel` on the prepared sample collection,
// against lumeral-cli.
#include "gui/association/associacao.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

class TermAssociation : public RoadTest {
 protected:
  Tform_rel& f() { return *windows->form_rel; }
  std::vector<std::string> shown() const { return utf8_lines(ui(windows->form_rel).ListBox1->lines()); }
  // A stopword list of our own, the same for both sides.
  void SetUp() override {
    RoadTest::SetUp();
    if (IsSkipped()) return;
    auto made = run_cli({"stopwords-save", (proj / "stop.stw").string()}, proj, "a\no\nde\nda\ndo\ne\nem\nque\n");
    ASSERT_EQ(made.exit_code, 0) << made.err;
    fs::copy_file(proj / "stop.stw", cli / "stop.stw");
  }
  fs::path stopwords() const { return proj / "stop.stw"; }
  // "Calcular associações" from the tools window: the stopword list, then
  // the document list.
  void calcula(int metodo, const fs::path& stw) {
    ui(f()).RadioGroup1->set_item_index(metodo);
    platform.answer(q(stw));
    platform.answer(q(proj / "noticias.ldc"));
    f().Calcularassociacoes1Click();
  }
};

TEST_F(TermAssociation, DocumentAndSentenceMethodsListWhatTheCommandLinePrints) {
  open_tools();
  windows->Form3->bt_associacaoClick();  // a window shown runs with its dialogs
  EXPECT_TRUE(f().mostrada);
  calcula(0, proj / "stop.stw");
  ASSERT_EQ(platform.dialogs.size(), 2u);
  EXPECT_EQ(ui(f()).Edit_docs->text(), q(proj / "noticias.ldc"));
  EXPECT_EQ(f().pasta_docs, q(proj) + "/");
  auto expected = lines_of(cli_run({"associate", "--docs", c("noticias.ldc"), "--method", "document"}).out);
  EXPECT_FALSE(expected.empty());
  EXPECT_EQ(shown(), expected);
  EXPECT_EQ(read_file(proj / "temp.ass"), read_file(cli / "temp.ass"));

  calcula(2, proj / "stop.stw");
  expected = lines_of(cli_run({"associate", "--docs", c("noticias.ldc"), "--method", "sentence", "--stopwords",
                               c("stop.stw")})
                          .out);
  EXPECT_EQ(shown(), expected);
  EXPECT_EQ(read_file(proj / "temp.ass"), read_file(cli / "temp.ass"));

  // Threshold, order by weight, saves and the saved file opened again.
  ui(f()).Edit_limiar->setText("4");
  f().Selecionarporlimiar1Click();
  f().Ordenarporpeso1Click();
  const auto kept = shown();
  EXPECT_EQ(kept, lines_of(cli_run({"associate", "--docs", c("noticias.ldc"), "--method", "sentence",
                                    "--stopwords", c("stop.stw"), "--threshold", "4", "--order", "weight"})
                               .out));
  ASSERT_FALSE(kept.empty());
  platform.answer(q(proj / "fortes"));
  f().Salvarassociacoes1Click();
  platform.answer(q(proj / "fortes.ass"));
  f().Abrirresultadogravado1Click();
  ASSERT_EQ(shown().size(), kept.size());
  EXPECT_EQ(shown()[0], kept[0].substr(0, kept[0].size() - 1));  // three decimals
  // Sorted alphabetically, the text saved follows the list.
  f().Ordenaralfabeticamente1Click();
  platform.answer(q(proj / "alfa"));
  f().Salvarcomotexto1Click();
  EXPECT_EQ(lines_of(to_utf8(from_bytes(read_file(proj / "alfa.txt")))), shown());

  // Closing empties the list and the two file fields.
  f().close();
  EXPECT_EQ(ui(f()).ListBox1->count(), 0);
  EXPECT_FALSE(ui(f()).ListBox1->sorted());
  EXPECT_TRUE(ui(f()).Edit_docs->text().isEmpty());
  EXPECT_TRUE(ui(f()).Edit_stop->text().isEmpty());
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

TEST_F(TermAssociation, AMethodNotYetAvailableAsksForNoFile) {
  // The other refusals, and the store a stopped run keeps, are the core's tests.
  open_tools();
  ui(f()).RadioGroup1->set_item_index(1);
  f().Calcularassociacoes1Click();
  EXPECT_TRUE(platform.dialogs.empty());
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Método ainda não disponível")});
}

TEST_F(TermAssociation, TheWizardRunsOnlyOnceTheWindowWasShown) {
  // The run itself is compared with the command line by the road test.
  w().set_pasta(proj);
  ui(f()).RadioGroup1->set_item_index(3);
  ui(f()).Edit_docs->setText(q(proj / "noticias.ldc"));
  ui(f()).Edit_stop->setText(q(stopwords()));
  f().Calcularassociacoes1Click();
  EXPECT_FALSE(fs::exists(proj / "temp.ass"));
  EXPECT_TRUE(platform.dialogs.empty());
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
}

}  // namespace
}  // namespace lumeral::gui::testing
