#include <gtest/gtest.h>

#include <map>

#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

using Lines = std::vector<std::string>;
using Args = std::vector<std::string>;

// An empty stopword list, so every token shows in the word lists.
void no_stopwords(const TempDir& dir) { write_file(dir / "vazia.stw", ""); }

TEST(CliPreparation, WordListsShowTheTokenizerRules) {
  TempDir dir;
  no_stopwords(dir);
  write_file(dir / "a.txt", cp1252("Em 12/05/2004, o PIB cresceu 3,5% (R$ 1.000).\r\n"));
  write_file(dir / "B.TXT", cp1252("AÇÃO ÉPOCA época"));
  write_file(dir / "relatorio.2004.txt", "");
  auto r = run_cli({"wordlists", "--stopwords", "vazia.stw", "a.txt", "B.TXT", "relatorio.2004.txt"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(run_cli({"dump", "a.lpl"}, dir.path()).out,
            "em\t0.125\n12/05/2004\t0.125\no\t0.125\npib\t0.125\ncresceu\t0.125\n3,5\t0.125\nr\t0.125\n1.000\t0.125\n");
  EXPECT_EQ(run_cli({"dump", "B.lpl"}, dir.path()).out, "a\t0.25\no\t0.25\nÉpoca\t0.25\népoca\t0.25\n");
  EXPECT_EQ(fs::file_size(dir / "relatorio.2004.lpl"), 0u);
  EXPECT_EQ(lines_of(run_cli({"--locale", "pt_BR", "wordlist-open", "B.lpl", "--threshold", "0,25"}, dir.path()).out),
            (Lines{"a |  0,25000", "o |  0,25000", "Época |  0,25000", "época |  0,25000"}));
}

TEST(CliPreparation, WordListsStopOnMissingStopwords) {
  TempDir dir;
  write_file(dir / "a.txt", "x");
  auto r = run_cli({"wordlists", "--stopwords", "falta.stw", "a.txt"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "Erro: arquivo de stopwords não existe !!\n");
}

TEST(CliPreparation, StopwordsSaveWritesTheSortedLoweredList) {
  TempDir dir;
  auto r = run_cli({"--locale", "pt_BR", "stopwords-save", "s.stw"}, dir.path(),
                   "Zebra  \nde\nÉ\nabcdefghijklmnopqrstuvwxyz\nA\n");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(run_cli({"dump", "s.stw"}, dir.path()).out, "a\nabcdefghijklmno\nde\nÉ\nzebra\n");
}

TEST(CliPreparation, PrepareImportsHtmlSplitsAndBuildsEveryList) {
  TempDir dir;
  // The start folder holds the standard list, built from the shipped source.
  ASSERT_EQ(run_cli({"--locale", "pt_BR", "stopwords-save", "stw-portugues.stw", "--from",
                     (source_dir() / "data/stopwords/portugues.txt").string()},
                    dir.path())
                .exit_code,
            0);
  write_file(dir / "proj/todos.txt", "XXX um\r\ntexto de teste\r\nXXX dois\r\n");
  write_file(dir / "proj/pagina.htm", "<p>Olá &amp; adeus</p>\r\n");
  auto r = run_cli({"prepare", "proj", "--title", "Teste", "--separator", "XXX", "--leitura", "classica"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(lines_of(r.out), (Lines{"000001.txt", "000002.txt", "arq-000001.txt"}));
  EXPECT_EQ(read_file(dir / "proj/fontes.lmr"),
            "000001.txt\ttodos.txt\r\n000002.txt\ttodos.txt\r\narq-000001.txt\tpagina.htm\r\n");
  EXPECT_EQ(read_file(dir / "proj/arq-000001.txt"), cp1252(" olá & adeus \r\n"));
  EXPECT_EQ(read_file(dir / "proj/000001.txt"), "XXX um\r\ntexto de teste\r\n");
  EXPECT_TRUE(fs::exists(dir / "proj/Teste.bak"));
  EXPECT_EQ(run_cli({"dump", "proj/Teste.ldc"}, dir.path()).out, "000001.txt\t0\n000002.txt\t0\narq-000001.txt\t0\n");
  EXPECT_EQ(run_cli({"dump", "proj/000001.lpl"}, dir.path()).out, "xxx\t0.33333333333333331\ntexto\t0.33333333333333331\nteste\t0.33333333333333331\n");
  EXPECT_EQ(run_cli({"dump", "proj/arq-000001.lpl"}, dir.path()).out, "olá\t0.5\nadeus\t0.5\n");
}

TEST(CliPreparation, PrepareReportsAnEmptyFolderAndAMissingList) {
  TempDir dir;
  no_stopwords(dir);
  fs::create_directories(dir / "proj");
  auto r = run_cli({"prepare", "proj", "--title", "T", "--stopwords", "vazia.stw"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "Diretório Escolhido, sem arquivos textos ou html para serem processados\n");
  write_file(dir / "proj/a.txt", "x");
  write_file(dir / "proj/b.txt", "y");
  r = run_cli({"prepare", "proj", "--title", "T", "--stopwords", "vazia.stw", "--separator", "XXX"}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.err, "Confira a existencia de 0 ou mais de 1 arquivo no diretorio de textos! \n");
  EXPECT_EQ(lines_of(r.out), (Lines{"a.txt", "b.txt"}));
}

// Every file of a folder with its bytes.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::directory_iterator(folder)) files[e.path().filename().string()] = read_file(e.path());
  return files;
}

TEST(CliPreparation, PrepareRefusesWhatTheWizardRefusesAndWritesNothing) {
  struct {
    const char* title;
    bool separator;
    const char* message;
  } cases[] = {
      // Single file asked for, but only HTML pages: the wizard's third step
      // stops before processing anything.
      {"T", true, "Confira a existencia de 0 ou mais de 1 arquivo no diretorio de textos! "},
      {"", false, "O Campo Título está em branco e é um campo Obrigatório!"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    no_stopwords(dir);
    write_file(dir / "proj/pagina.htm", "<p>um</p>");
    write_file(dir / "proj/outra.html", "<p>dois</p>");
    const auto before = snapshot(dir / "proj");
    Args args{"prepare", "proj", "--title", c.title, "--stopwords", "vazia.stw"};
    if (c.separator) args.insert(args.end(), {"--separator", "XXX"});
    auto r = run_cli(args, dir.path());
    EXPECT_EQ(r.exit_code, 1) << c.message;
    EXPECT_EQ(r.err, std::string(c.message) + "\n");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(snapshot(dir / "proj"), before) << c.message;
  }
}

TEST(CliPreparation, PrepareSkipsNamesADocumentListCannotHoldAndItsOwnReport) {
  TempDir dir;
  no_stopwords(dir);
  write_file(dir / "proj/a.txt", "casa");
  write_file(dir / "proj/  b.txt", "bola");
  write_file(dir / "proj/c\nd.txt", "gol");
  write_file(dir / "proj/e\xff.txt", "juros");
  write_file(dir / "proj/relatorio.txt", "Freqüencia");  // written by "mine"
  auto r = run_cli({"prepare", "proj", "--title", "T", "--stopwords", "vazia.stw"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(lines_of(r.out), (Lines{"a.txt"}));
  EXPECT_EQ(run_cli({"dump", "proj/T.ldc"}, dir.path()).out, "a.txt\t0\n");
  // One warning per skipped file, naming it readably; the files stay.
  const auto warnings = lines_of(r.err);
  ASSERT_EQ(warnings.size(), 3u) << r.err;
  for (const char* shown : {"\"  b.txt\"", "\"c\\nd.txt\"", "\"e\\xFF.txt\""})
    EXPECT_NE(r.err.find(shown), std::string::npos) << shown << " in " << r.err;
  EXPECT_EQ(read_file(dir / "proj/  b.txt"), "bola");
  EXPECT_FALSE(fs::exists(dir / "proj/  b.lpl"));
}

TEST(CliPreparation, StandardListIsFoundOutsideTheStartFolder) {
  // Started in a folder without the standard lists, the command takes them
  // from the data folder of the build tree (or the installed one).
  const fs::path built = fs::path(LUMERAL_CLI_PATH).parent_path() / "data" / "stw-ingles.stw";
  if (!fs::exists(built)) GTEST_SKIP() << "the standard lists are not built (target stopword_lists)";
  TempDir dir;
  write_file(dir / "proj/a.txt", "The cat and the dog");
  auto r = run_cli({"prepare", "proj", "--title", "T", "--language", "en"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(run_cli({"dump", "proj/a.lpl"}, dir.path()).out, "cat\t0.5\ndog\t0.5\n");
}

TEST(CliPreparation, SplitAndHtmlTools) {
  TempDir dir;
  write_file(dir / "todos.txt", "XXX a XXX b\r\n");
  auto r = run_cli({"split", "todos.txt", "--prefix", "noticia-"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(read_file(dir / "noticia-000001.txt"), "XXX \r\n a \r\n");
  EXPECT_EQ(read_file(dir / "noticia-000002.txt"), "XXX b\r\n");
  EXPECT_TRUE(fs::exists(dir / "todos.txt"));
  write_file(dir / "sub/relatorio.2004.htm", "a <b>&quot;citação&quot;</b>");
  r = run_cli({"html2txt", "sub/relatorio.2004.htm"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(read_file(dir / "sub/relatorio.txt"), cp1252(" a .citação. \r\n"));
}

TEST(CliPreparation, EliminateFindsListsByTheBuilderNames) {
  TempDir dir;
  no_stopwords(dir);
  write_file(dir / "relatorio.2004.txt", "casa Casa gol");
  write_file(dir / "NOTA.TXT", "gol bola");
  ASSERT_EQ(run_cli({"wordlists", "--stopwords", "vazia.stw", "relatorio.2004.txt", "NOTA.TXT"}, dir.path()).exit_code, 0);
  run_cli({"make", "l.ldc"}, dir.path(), "relatorio.2004.txt\nNOTA.TXT\n");
  auto r = run_cli({"eliminate", "--docs", "l.ldc", "--word", " casa ", "--word", "gol"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(run_cli({"dump", "relatorio.2004.lpl"}, dir.path()).out, "");
  EXPECT_EQ(run_cli({"dump", "NOTA.lpl"}, dir.path()).out, "bola\t0.5\n");
  r = run_cli({"eliminate", "--docs", "l.ldc", "--word", ""}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "Você precisa escrever palavras\n");
}

TEST(CliPreparation, DocListOpenWithThreshold) {
  TempDir dir;
  run_cli({"make", "l.ldc"}, dir.path(), "a.txt\t0.25\nb.txt\t0.75\n");
  auto r = run_cli({"--locale", "pt_BR", "doclist-open", "l.ldc", "--threshold", "0,5"}, dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "b.txt | 0,750000000\n");
  r = run_cli({"--locale", "pt_BR", "doclist-open", "l.ldc", "--threshold", "meio"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
}

}  // namespace
}  // namespace lumeral::testing
