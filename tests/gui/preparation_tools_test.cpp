// The preparation tools against lumeral-cli: the word elimination
// (`form_elimina`: word lists rewritten for typed words and for a stopword
// list), the separation (`form_separador`: the pieces of a split) and the HTML
// conversion (`Form2`: pages listed, the list edited, saved and opened again,
// the documents written).
#include "gui/preparation/elimina_palavras.h"
#include "gui/preparation/html_txt.h"
#include "gui/preparation/lista_docs.h"
#include "gui/preparation/separador.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::cp1252;

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

class Separation : public RoadTest {
 protected:
  Tform_separador& f() { return *windows->form_separador; }
};

TEST_F(Separation, PiecesEqualTheCommandLinesForEveryFieldPair) {
  const std::string input = cp1252(
      "abertura sem separador\r\nXXX primeira notícia\r\ntexto da primeira\r\n"
      "XXX segunda XXX resto da linha\r\nfim XXX depois\r\nFIM-SEP última\r\n");
  struct Case {
    const char* prefix;    // typed, blanks included
    const char* separator;
    const char* first;     // the first piece expected
  };
  const Case cases[] = {{"arq-", "XXX", "arq-000001.txt"},
                        {" noticia- ", "  XXX ", "noticia-000001.txt"},
                        {"p", "FIM-SEP", "p000001.txt"}};
  open_tools();
  for (const Case& k : cases) {
    SCOPED_TRACE(k.prefix);
    for (const fs::path& folder : {proj, cli}) write_file(folder / "junto.txt", input);
    ui(f()).Edit_inicial->setText(QString::fromUtf8(k.prefix));
    ui(f()).Edit_separador->setText(QString::fromUtf8(k.separator));
    platform.answer(q(proj / "junto.txt"));
    f().Button1Click();
    cli_run({"split", c("junto.txt"), "--prefix", k.prefix, "--separator", k.separator});
    const auto mine = files_with(proj, {".txt"});
    EXPECT_TRUE(mine.count(k.first));
    EXPECT_EQ(mine, files_with(cli, {".txt"}));
    EXPECT_EQ(read_file(proj / "junto.txt"), input);  // the input stays as it was
  }
  // Splitting again replaces the same pieces.
  write_file(proj / "junto.txt", cp1252("um\r\nXXX dois\r\n"));
  ui(f()).Edit_inicial->setText("arq-");
  ui(f()).Edit_separador->setText("XXX");
  platform.answer(q(proj / "junto.txt"));
  f().Button1Click();
  EXPECT_EQ(read_file(proj / "arq-000002.txt"), cp1252("XXX dois\r\n"));

  // A cancelled dialog writes nothing; a missing file is reported.
  const auto before = files_with(proj, {".txt"});
  platform.cancel_next();
  f().Button1Click();
  EXPECT_EQ(files_with(proj, {".txt"}), before);
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();
  platform.answer(q(proj / "nao-existe.txt"));
  f().Button1Click();
  EXPECT_FALSE(f().last_command_ok());
  EXPECT_EQ(messages().size(), 1);
}

class HtmlTool : public RoadTest {
 protected:
  TForm2& f() { return *windows->Form2; }
  std::vector<std::string> shown() const { return utf8_lines(ui(windows->Form2).FileListBox1->lines()); }
  void select_rows(std::initializer_list<int> rows) {
    ui(f()).FileListBox1->clearSelection();
    for (int r : rows) ui(f()).FileListBox1->item(r)->setSelected(true);
  }
};

// Both folder browsers open at the current folder, never at the top of the
// disk, and list what it holds.
TEST_F(HtmlTool, FolderBrowsersOpenAtTheCurrentFolder) {
  fs::current_path(proj);
  f().show();
  EXPECT_EQ(ui(f()).DirectoryListBox1->folder(), q(proj));
  EXPECT_EQ(ui(f()).Edit_total->text(), "4");
  Tform_ldoc& lists = *windows->form_ldoc;
  lists.show();
  EXPECT_EQ(ui(lists).DirectoryListBox1->folder(), q(proj));
}

TEST_F(HtmlTool, ConvertsTheListedPagesAsTheCommandLine) {
  for (const fs::path& folder : {proj, cli}) write_file(folder / "Extra.HTML", cp1252("<b>Olá</b> &amp; mais\r\n"));
  open_tools();

  // Choosing the folder lists its pages and makes it the current folder.
  ui(f()).DirectoryListBox1->set_folder(q(proj));
  EXPECT_EQ(fs::current_path(), proj);
  const std::vector<std::string> pages{"Extra.HTML", "pagina1.htm", "pagina2.htm", "pagina3.htm", "pagina4.htm"};
  EXPECT_EQ(shown(), pages);
  EXPECT_EQ(ui(f()).Edit_total->text(), "5");
  select_rows({1, 3});
  EXPECT_EQ(ui(f()).Edit_selecionados->text(), "2");

  // Every entry is converted, selected or not.
  f().Button1Click();
  std::vector<std::string> args{"html2txt"};
  for (const auto& p : pages) args.push_back(c(p));
  cli_run(args);
  const auto mine = files_with(proj, {".txt"});
  EXPECT_TRUE(mine.count("Extra.txt"));
  EXPECT_EQ(mine, files_with(cli, {".txt"}));

  // The selected entries leave the list (not the disk); the list is saved
  // under the chosen name + ".txt" and read back.
  f().Eliminadocsselecionados1Click();
  EXPECT_EQ(shown(), (std::vector<std::string>{"Extra.HTML", "pagina2.htm", "pagina4.htm"}));
  EXPECT_EQ(ui(f()).Edit_total->text(), "3");
  EXPECT_EQ(ui(f()).Edit_selecionados->text(), "0");
  fs::create_directories(tmp / "listas");
  platform.answer(q(tmp / "listas" / "lista.txt"));
  f().Gravalistadedocs1Click();
  EXPECT_EQ(read_file(tmp / "listas" / "lista.txt.txt"), "Extra.HTML\r\npagina2.htm\r\npagina4.htm\r\n");

  ui(f()).FileListBox1->clear();
  platform.answer(q(proj / "paginas.txt"));
  write_file(proj / "paginas.txt", "pagina4.htm\r\n");
  fs::remove(proj / "pagina4.txt");
  f().Abrelistadedocs1Click();
  EXPECT_EQ(shown(), (std::vector<std::string>{"pagina4.htm"}));
  EXPECT_EQ(ui(f()).Edit_total->text(), "1");
  f().Button1Click();
  EXPECT_EQ(read_file(proj / "pagina4.txt"), read_file(cli / "pagina4.txt"));
  EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();

  // A list naming a page outside its folder, or a missing page, stops the
  // conversion with a message; the documents written before stay.
  for (const char* written : {"pagina1.txt", "pagina2.txt"}) fs::remove(proj / written);
  write_file(tmp / "fora.htm", "<p>fora</p>\r\n");
  struct Case {
    const char* list;
    const char* written;  // written before the stop
  };
  const Case cases[] = {{"pagina1.htm\r\n../fora.htm\r\n", "pagina1.txt"},
                        {"pagina2.htm\r\nsumiu.htm\r\n", "pagina2.txt"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.list);
    platform.messages.clear();
    write_file(proj / "lista.txt", c.list);
    platform.answer(q(proj / "lista.txt"));
    f().Abrelistadedocs1Click();
    f().Button1Click();
    EXPECT_FALSE(f().last_command_ok());
    EXPECT_EQ(messages().size(), 1);
    EXPECT_TRUE(fs::exists(proj / c.written));
  }
  EXPECT_FALSE(fs::exists(tmp / "fora.txt"));
  EXPECT_FALSE(fs::exists(proj / "sumiu.txt"));
}

}  // namespace
}  // namespace lumeral::gui::testing
