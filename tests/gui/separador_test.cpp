// The separation tool `form_separador` against lumeral-cli: the pieces of a
// split are the files the command line writes for the same fields.
#include "gui/preparation/separador.h"
#include "road_fixture.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::cp1252;

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

}  // namespace
}  // namespace lumeral::gui::testing
