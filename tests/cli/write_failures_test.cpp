// Every command that writes, run once more after a successful run with its
// writes made to fail: a file-size limit of one byte, and a folder that the
// run (as an unprivileged user) may read but not write. The command must
// stop with a Portuguese message naming the file, and leave every file of
// the folder as it was, with no temporary file behind. Derived files that
// a run leaves alone when they already hold what it would write (word
// lists, matrices) are changed before the second run, so it must rewrite
// them, and must keep the changed ones.
#include <gtest/gtest.h>

#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

using records::ContextListRecord;
using records::ContextRecord;
using records::StopRecord;
using records::WordRecord;

// A small project with everything the commands read, built once.
const fs::path& project_template() {
  static TempDir dir;
  static bool built = false;
  if (built) return dir.path();
  const fs::path& p = dir.path();
  write_file(p / "a.txt", "A bola e o gol do time. O time subiu.");
  write_file(p / "b.txt", "A bola subiu com os juros.");
  write_file(p / "c.txt", "Os juros do banco e a bola.");
  records::write_all<StopRecord>(p / "s.stw", {{"a"}, {"com"}, {"do"}, {"e"}, {"o"}, {"os"}});
  EXPECT_EQ(run_cli({"prepare", ".", "--title", "proj", "--stopwords", "s.stw"}, p).exit_code, 0);
  records::write_all<ContextListRecord>(p / "proj.lct", {{"esporte", 0}, {"economia", 0}});
  records::write_all<ContextRecord>(p / "esporte.ctt", {{"bola", 0}, {"gol", 1}});
  records::write_all<ContextRecord>(p / "economia.ctt", {{"juros", 1}, {"banco", 1}});
  EXPECT_EQ(run_cli({"classify", "--docs", "proj.ldc", "--contexts", "proj.lct", "--method", "probabilistic"}, p)
                .exit_code,
            0);
  records::write_all<WordRecord>(p / "q.cst", {{"bola", 1}});
  records::write_all<records::DocRecord>(p / "casos.ldc", {{"a.txt", 0}});
  write_file(p / "junto.dat", "XXX um\r\ntexto\r\nXXX dois\r\n");
  write_file(p / "web" / "pagina.htm", "<p>Uma p&aacute;gina</p>");  // not part of the project
  write_file(p / "palavras.dat", "de\r\nque\r\n");
  // The project folder named in the file does not exist, so every copy of
  // the template is mined in its own folder.
  write_project(p / "proj.ini", [](shell::ProjectSettings& s) {
    s.project_folder = Ansi("/nao/existe/proj");
    s.ontology_kind = shell::kind_probabilistic();
    s.context_list = Ansi("/nao/existe/proj/proj.lct");
    s.level = Ansi("4");
  });
  built = true;
  return p;
}

struct Row {
  std::vector<std::string> args;
  std::string input;      // standard input
  std::string names;      // part of the name of the file the message names
  std::string derived;    // extension of the derived files changed before the second run ("" none)
};

const Row kRows[] = {
    {{"prepare", ".", "--title", "proj", "--stopwords", "s.stw"}, "", "proj.ldc", ""},
    {{"wordlists", "--stopwords", "s.stw", "a.txt", "b.txt", "c.txt"}, "", ".lpl", ".lpl"},
    {{"stopwords-save", "nova.stw", "--from", "palavras.dat"}, "", "nova.stw", ""},
    {{"split", "junto.dat", "--prefix", "parte-"}, "", "parte-000001.txt", ""},
    {{"html2txt", "web/pagina.htm"}, "", "pagina.txt", ""},
    {{"eliminate", "--docs", "proj.ldc", "--word", "bola"}, "", ".lpl", ""},
    {{"make", "feita.lpl"}, "casa\t1\n", "feita.lpl", ""},
    {{"context-report", "proj.lct", "definicoes.txt"}, "", "definicoes.txt", ""},
    {{"context-weights", "proj.lct", "--all-to-one"}, "", ".ctt", ""},
    {{"classify", "--docs", "proj.ldc", "--contexts", "proj.lct", "--method", "probabilistic"}, "", ".mtz", ".mtz"},
    {{"classify-concepts", "--docs", "proj.ldc", "--weight", "esporte|1", "--save-matrix", "novo"}, "", ".mtz", ""},
    {{"contextual-query", "--docs", "proj.ldc", "--contexts", "proj.lct", "--query", "q.cst"}, "", "proj.lct", ""},
    {{"centroid", "--docs", "proj.ldc", "--type", "two"}, "", "centroide-2.lpl", ""},
    {{"differences", "--docs", "proj.ldc", "--centroid", "q.cst"}, "", ".dif", ""},
    {{"associate", "--docs", "proj.ldc", "--method", "document"}, "", "temp.ass", ""},
    {{"mine", "proj.ini"}, "", ".mtz", ".mtz"},
    {{"similar", "--docs", "proj.ldc", "--cases", "casos.ldc", "--report", "relatorio.txt", "--method", "word"},
     "",
     "relatorio.txt",
     ""},
    {{"similarity-matrix", "--docs", "proj.ldc", "--method", "word", "--out", "m.msm"}, "", "m.msm", ""},
};

// Runs each row twice in a copy of the project (the second run rewrites
// what the first wrote), the second time under `confinement`.
void check_rows(const Confinement& confinement) {
  const fs::path& source = project_template();
  for (const Row& row : kRows) {
    const std::string& command = row.args[0];
    TempDir dir;
    fs::copy(source, dir.path(), fs::copy_options::recursive);
    auto first = run_cli(row.args, dir.path(), row.input);
    EXPECT_EQ(first.exit_code, 0) << command << ": " << first.err;
    if (first.exit_code != 0) continue;
    if (!row.derived.empty())
      for (const auto& e : fs::directory_iterator(dir.path()))
        if (e.path().extension() == row.derived) write_file(e.path(), "antigo");
    const auto before = folder_snapshot(dir.path());

    auto r = run_cli(row.args, dir.path(), row.input, confinement);
    EXPECT_EQ(r.exit_code, 1) << command << ": " << r.err;
    EXPECT_NE(r.err.find("Erro ao gravar o arquivo \""), std::string::npos) << command << ": " << r.err;
    EXPECT_NE(r.err.find(row.names), std::string::npos) << command << ": " << r.err;

    const auto after = folder_snapshot(dir.path());
    for (const auto& [name, sum] : before) {
      auto it = after.find(name);
      EXPECT_TRUE(it != after.end() && it->second == sum) << command << " changed or removed " << name;
    }
    for (const auto& [name, sum] : after) EXPECT_TRUE(before.count(name)) << command << " left " << name;
  }
}

// The limit as a shell's `ulimit -f` sets it: the program must survive it
// to clean up and say what happened.
TEST(CliWriteFailures, FileSizeLimitChangesNothing) { check_rows(Confinement{1, false, false}); }

TEST(CliWriteFailures, ReadOnlyFolderChangesNothing) {
  if (!unprivileged_user()) GTEST_SKIP() << "precisa rodar como root com o usuário \"nobody\"";
  check_rows(Confinement{-1, true});
}

}  // namespace
}  // namespace lumeral::testing
