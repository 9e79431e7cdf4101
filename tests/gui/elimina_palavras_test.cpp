// The word-elimination window `form_elimina`: the rewritten word lists equal
// those of lumeral-cli for typed words and for a stopword list.
#include "gui/preparation/elimina_palavras.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

class Elimination : public RoadTest {
 protected:
  Tform_elimina& f() { return *windows->form_elimina; }
  void open_list() {
    platform.answer(q(proj / "noticias.ldc"));
    f().bt_abreClick();
  }
};

TEST_F(Elimination, RewritesTheWordListsAsTheCommandLine) {
  open_tools();
  open_list();
  EXPECT_EQ(ui(f()).ListBox1->count(), 40);
  EXPECT_EQ(to_utf8(ui(f()).ListBox1->line(0)), "arq-000001.txt");

  // Typed words, blanks around them, and a capital that matches nothing.
  ui(f()).Memo1->setPlainText(QStringLiteral(" mercado \ngoverno\nCasa\n"));
  f().bt_eliminaClick();
  cli_run({"eliminate", "--docs", c("noticias.ldc"), "--word", " mercado ", "--word", "governo", "--word", "Casa"});
  const auto after_words = files_with(proj, {".lpl"});
  EXPECT_EQ(after_words, files_with(cli, {".lpl"}));

  // The words of a stopword list appended to the lines; a second run with
  // the same words changes nothing.
  for (const fs::path& folder : {proj, cli}) {
    auto made = run_cli({"stopwords-save", (folder / "cortar.stw").string()}, folder, "economia\nfutebol\n");
    ASSERT_EQ(made.exit_code, 0) << made.err;
  }
  f().bt_limpaClick();
  EXPECT_TRUE(ui(f()).Memo1->lines().empty());
  platform.answer(q(proj / "cortar.stw"));
  f().bt_stopwordsClick();
  EXPECT_EQ(utf8_lines(ui(f()).Memo1->lines()), (std::vector<std::string>{"economia", "futebol"}));
  f().bt_eliminaClick();
  cli_run({"eliminate", "--docs", c("noticias.ldc"), "--stopwords", c("cortar.stw")});
  const auto after_list = files_with(proj, {".lpl"});
  EXPECT_NE(after_list, after_words);
  EXPECT_EQ(after_list, files_with(cli, {".lpl"}));
  f().bt_eliminaClick();
  EXPECT_EQ(files_with(proj, {".lpl"}), after_list);
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();

  // Refusals (what is rewritten on a stop: the elimination's own tests).
  ui(f()).Memo1->setPlainText("  \nmercado\n");
  f().bt_eliminaClick();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Você precisa escrever palavras")});
  fs::remove(proj / "noticia03.lpl");
  ui(f()).Memo1->setPlainText("mercado");
  f().bt_eliminaClick();
  EXPECT_FALSE(f().last_command_ok());
  EXPECT_TRUE(last_message().contains("noticia03")) << last_message().toStdString();

  // A stopword file that does not exist adds nothing.
  platform.answer(q(proj / "nenhuma.stw"));
  f().bt_stopwordsClick();
  EXPECT_EQ(utf8_lines(ui(f()).Memo1->lines()), std::vector<std::string>{"mercado"});
}

}  // namespace
}  // namespace lumeral::gui::testing
