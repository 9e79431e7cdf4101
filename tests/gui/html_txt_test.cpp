// The HTML conversion tool `Form2`: the folder's pages listed, the list
// edited, saved and opened again, and the documents written equal to those
// of lumeral-cli.
#include "gui/preparation/html_txt.h"
#include "gui/preparation/lista_docs.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::cp1252;

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
