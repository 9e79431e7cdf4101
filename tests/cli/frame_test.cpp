// The command-line frame: help and usage errors in Portuguese, messages
// that name files with their reason and never echo invalid bytes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <regex>

#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

using Args = std::vector<std::string>;

// English that CLI11 puts in help and errors when left to itself.
const std::regex kEnglish(
    "\\b(Options|TEXT|INT|UINT|FLOAT|REQUIRED|Positionals|Subcommands|Usage|Excludes|Needs|is required|"
    "not expected|not in|Could not convert|excludes|requires|required|missing|At least|At Most)\\b");

bool is_valid_utf8(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += n;
  }
  return true;
}

// Whether the picture program that answers `chart` was built beside the
// command line (only with the desktop program).
bool chart_program_built() { return fs::exists(fs::path(LUMERAL_CLI_PATH).parent_path() / "lumeral-chart"); }

// The commands as the program's own help lists them (or, under `heading`,
// the subcommands a command's help lists).
std::vector<std::string> commands(const Args& help_args = {"--help"}, const std::string& heading = "Comandos:") {
  auto help = run_cli(help_args);
  std::vector<std::string> names;
  bool in_list = false;
  for (const auto& line : lines_of(help.out)) {
    if (line == heading) in_list = true;
    else if (in_list && line.size() > 2 && line[0] == ' ' && line[2] != ' ')
      names.push_back(line.substr(2, line.find(' ', 2) - 2));
    else if (in_list && line.empty()) in_list = false;
  }
  return names;
}

TEST(CliFrame, ChartWithoutThePictureProgramNamesItsPackage) {
  // A command line installed alone: nothing beside it, nothing on the PATH.
  TempDir dir;
  const fs::path alone = dir / "lumeral-cli";
  fs::copy_file(LUMERAL_CLI_PATH, alone);
  const std::string command = "PATH=/nonexistent '" + alone.string() + "' chart frequencies --out x.png 2>'" +
                              (dir / "err").string() + "'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  const std::string err = read_file(dir / "err");
  EXPECT_NE(err.find("apt install lumeral"), std::string::npos) << err;
}

TEST(CliFrame, EveryHelpIsPortuguese) {
  auto top = run_cli({"--help"});
  ASSERT_EQ(top.exit_code, 0);
  EXPECT_FALSE(std::regex_search(top.out, kEnglish)) << top.out;
  const auto names = commands();
  ASSERT_GT(names.size(), 20u) << top.out;
  for (const auto& name : names) {
    // `chart` is answered by the picture program, built only with the
    // desktop program.
    if (name == "chart" && !chart_program_built()) continue;
    auto r = run_cli({name, "--help"});
    EXPECT_EQ(r.exit_code, 0) << name;
    EXPECT_NE(r.out.find("Uso: lumeral-cli " + name), std::string::npos) << r.out;
    std::smatch m;
    EXPECT_FALSE(std::regex_search(r.out, m, kEnglish)) << name << ": \"" << m.str() << "\" in\n" << r.out;
  }
}

// A heading's anchor as the guide's links name it: lower case, spaces as
// hyphens, punctuation dropped (letters with accents kept).
std::string anchor_of(const std::string& heading) {
  std::string out;
  for (unsigned char c : heading) {
    if (c == ' ') out += '-';
    else if (c >= 0x80 || std::isalnum(c) || c == '-' || c == '_') out += static_cast<char>(std::tolower(c));
  }
  return out;
}

// Every command's help ends with its page of the guide: a page that exists,
// at one of its headings.
TEST(CliFrame, EveryHelpEndsWithItsGuidePage) {
  std::vector<Args> paths;
  for (const auto& name : commands()) {
    if (name == "chart" && !chart_program_built()) continue;
    paths.push_back({name});
    if (name == "chart")
      for (const auto& sub : commands({"chart", "--help"}, "Tipos de gráfico:")) paths.push_back({name, sub});
  }
  const std::regex footer("\nGuia: .*/guia/([^#\n]+)(#([^\n]*))?\n*$");
  for (Args args : paths) {
    args.push_back("--help");
    const std::string help = run_cli(args).out;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(help, m, footer)) << help;
    const fs::path page = source_dir() / "docs" / "guia" / m[1].str();
    ASSERT_TRUE(fs::is_regular_file(page)) << page;
    std::string anchors = "#";
    for (const auto& line : lines_of(read_file(page)))
      if (line.starts_with('#')) anchors += anchor_of(line.substr(line.find(' ') + 1)) + "#";
    if (m[3].matched) {
      EXPECT_NE(anchors.find("#" + m[3].str() + "#"), std::string::npos) << page << ": " << m[3];
    }
  }
}

// Usage errors exit 2, refusals of the files named exit 1; every message is
// Portuguese, names its file with the reason and is valid UTF-8.
TEST(CliFrame, UsageErrorsAndFileMessages) {
  TempDir dir;
  fs::create_directories(dir / "pasta.ldc");
  fs::create_directories(dir / "pasta.stw");
  records::write_all<records::DocRecord>(dir / "d.ldc", {{Ansi("a.txt"), 0}});
  write_file(dir / "a.txt", "casa");
  write_file(dir / "vazia.stw", "");
  write_file(dir / "p.ini", "[IDIOMA_TEXTOS]\r\nidioma_textos=um\r\n[LUGAR_TEXTOS]\r\nlugar_textos=1\r\n");
  struct {
    Args args;
    int exit_code;
    std::vector<std::string> expected;  // every fragment must be in the message
  } cases[] = {
      {{}, 2, {"É preciso um comando"}},
      {{"dump", "a.ldc", "--zzz"}, 2, {"Argumento inesperado: --zzz"}},
      {{"dump", "a.ldc", "b.ldc"}, 2, {"Argumento inesperado: b.ldc"}},
      {{"classify", "--docs", "d.ldc", "--method", "deterministic"}, 2, {"--contexts é obrigatório"}},
      {{"prepare", "p", "--title", "T", "--language", "xx"}, 2, {"xx não está em {pt,en,es}"}},
      {{"dump", "a.ldc", "--as"}, 2, {"Falta o valor de --as"}},
      {{"eliminate", "--docs", "d.ldc", "--word", "a", "--stopwords", "s.stw"}, 2, {"não pode ser usado junto com"}},
      {{"similar", "--docs", "d.ldc", "--cases", "c.ldc", "--method", "word"}, 2, {"--cases requer --report"}},
      {{"similar", "--docs", "d.ldc", "--method", "word"}, 2, {"--case ou --cases é obrigatório"}},
      {{"--locale", "xx_YY", "dump", "a.ldc"}, 2, {"xx_YY não é conhecida"}},
      // A value of the wrong kind names the option and what it takes.
      {{"dump", "a.msm", "--size", "1e999"}, 2, {"Valor inválido para --size: 1e999 (espera um número inteiro)"}},
      {{"chart", "cooccurrence", "--pairs", "p.ass", "--out", "r.svg", "--top", "0"}, 2,
       {"--top: 0 não está entre 1 e 100000 (espera um número inteiro)"}},
      {{"chart", "cooccurrence", "--pairs", "p.ass", "--out", "r.svg", "--top", "muitos"}, 2,
       {"--top: muitos não está entre 1 e 100000"}},
      {{"chart", "cooccurrence", "--docs", "d.ldc", "--graph", "t.xml"}, 2, {"não termina em .graphml nem em .gexf"}},
      {{"chart", "cooccurrence", "--docs", "d.ldc"}, 2, {"--out ou --graph"}},
      {{"dump", "pasta.ldc"}, 1, {"pasta.ldc", "é um diretório"}},
      {{"wordlists", "--stopwords", "pasta.stw", "a.txt"}, 1, {"pasta.stw", "é um diretório"}},
      {{"dump", "falta.ldc"}, 1, {"falta.ldc", "não existe"}},
      {{"eliminate", "--docs", "d.ldc", "--stopwords", "falta.stw"}, 1, {"falta.stw", "não existe"}},
      {{"similar", "--docs", "d.ldc", "--case", "falta.txt", "--method", "word"}, 1, {"falta.txt", "não existe"}},
      {{"wordlists", "--stopwords", "  ", "a.txt"}, 1, {"Você deve escolher antes uma lista de stopwords"}},
      {{"make", "sem/pasta/x.ldc"}, 1, {"sem/pasta/x.ldc", "Arquivo ou diretório inexistente"}},
      {{"wordlists", "--stopwords", "vazia.stw", "falta.txt"}, 1, {"falta.txt", "Arquivo ou diretório inexistente"}},
      {{"mine", "p.ini"}, 1, {"p.ini", "[IDIOMA_TEXTOS]", "idioma_textos", "'um' não é um valor numérico válido"}},
      {{"dump", "nome\xff\nquebrado.ldc"}, 1, {"nome\\xFF\\nquebrado.ldc", "não existe"}},
  };
  for (const auto& c : cases) {
    if (!c.args.empty() && c.args[0] == "chart" && !chart_program_built()) continue;
    auto r = run_cli(c.args, dir.path(), "a.txt\n");
    EXPECT_EQ(r.exit_code, c.exit_code) << c.expected[0] << "\n" << r.err;
    for (const auto& e : c.expected) EXPECT_NE(r.err.find(e), std::string::npos) << e << " in " << r.err;
    EXPECT_FALSE(std::regex_search(r.err, kEnglish)) << r.err;
    EXPECT_TRUE(is_valid_utf8(r.err)) << r.err;
    EXPECT_EQ(r.err.find("No such file"), std::string::npos) << r.err;
  }
  // Known locales, in the forms an environment gives them, are taken.
  for (const char* locale : {"pt_BR", "en_US.UTF-8", "es", "C"}) {
    auto r = run_cli({"--locale", locale, "dump", "falta.ldc"}, dir.path());
    EXPECT_EQ(r.exit_code, 1) << locale << ": " << r.err;  // the missing file, not the locale
  }
}

}  // namespace
}  // namespace lumeral::testing
