#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

// Three texts in p/, the project file saved with a folder that no longer
// exists, and the standard Portuguese list in the folder the command runs in.
void project(const TempDir& dir, const std::string& texts_folder = "/nao/existe/proj") {
  write_file(dir / "p" / "a.txt", "A bola e o gol do time.");
  write_file(dir / "p" / "b.txt", "A bola subiu com os juros.");
  write_file(dir / "p" / "c.txt", "Os juros do banco.");
  records::write_all<records::StopRecord>(dir / "stw-portugues.stw",
                                          {{"a"}, {"com"}, {"do"}, {"e"}, {"o"}, {"os"}});
  write_project(dir / "p" / "proj.ini", [&](shell::ProjectSettings& s) {
    s.project_folder = to_ansi(texts_folder);
    s.level = Ansi("2");
  });
}

TEST(CliCompare, PreparesThenPrintsSharedAndExclusiveWords) {
  TempDir dir;
  project(dir);
  const std::string expected =
      "[palavras que aparecem em mais de 1 texto]\nbola 0,2222\njuros 0,2778\n\n"
      "[ver palavras exclusivas de a]\ngol 0,3333\ntime 0,3333\n\n"
      "[ver palavras exclusivas de b]\nsubiu 0,3333\n\n"
      "[ver palavras exclusivas de c]\nbanco 0,5000\n";
  auto r = run_cli({"--locale", "pt_BR", "compare", "p/proj.ini"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, expected);
  // The moved project is noted; which files the road writes, and that a
  // second run does not prepare again, the core's tests check.
  EXPECT_NE(r.err.find("/nao/existe/proj"), std::string::npos) << r.err;
}

TEST(CliCompare, ExitCodesAndMessages) {
  TempDir dir;
  project(dir, (dir / "p").string());
  write_file(dir / "same" / "x.txt", "sol mar");
  write_file(dir / "same" / "y.txt", "mar sol");
  write_project(dir / "same" / "s.ini");
  fs::create_directories(dir / "empty");
  write_project(dir / "empty" / "e.ini");
  struct Case {
    std::vector<std::string> args;
    int exit_code;
    std::string out;
    std::string err;  // a part of standard error
  } cases[] = {
      {{"compare", "same/s.ini"}, 0, "", "Não existe resultados para serem mostrados"},
      {{"compare", "empty/e.ini"}, 1, "", "Diretório Escolhido, sem arquivos textos ou html para serem processados"},
      {{"compare", "nada.ini"}, 1, "", "nada.ini"},
      {{"compare"}, 2, "", "PROJECT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    auto r = run_cli(c.args, dir.path());
    EXPECT_EQ(r.exit_code, c.exit_code) << r.err;
    EXPECT_EQ(r.out, c.out);
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace lumeral::testing
