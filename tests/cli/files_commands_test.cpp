#include <gtest/gtest.h>

#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::testing {
namespace {

// The conversion itself is tested in the core (record_text_test); here the
// command's wiring: kind by extension or --as, standard input and output,
// exit codes.
TEST(CliFiles, MakeThenDumpThroughTheCommand) {
  TempDir dir;
  struct {
    std::vector<std::string> make, dump;
    std::string input, dumped;
  } cases[] = {
      {{"make", "a.lpl"}, {"dump", "a.lpl"}, "casa\t0.25\na\xc3\xa7\xc3\xa3o\t0,75\n", "casa\t0.25\na\xc3\xa7\xc3\xa3o\t0.75\n"},
      {{"make", "A.ASS"}, {"dump", "A.ASS"}, "bola\tgol\t2\n", "bola\tgol\t2\n"},
      {{"make", "lista.bin", "--as", "lpl"}, {"dump", "lista.bin", "--as", "lpl"}, "casa\t1\n", "casa\t1\n"},
      {{"make", "m.msm"}, {"dump", "m.msm"}, "0\t0.5\n0.5\t0\n", "0\t0.5\n0.5\t0\n"},
      {{"make", "v.msm"}, {"dump", "v.msm"}, "", ""},  // 0 x 0
  };
  for (const auto& c : cases) {
    auto made = run_cli(c.make, dir.path(), c.input);
    ASSERT_EQ(made.exit_code, 0) << c.make[1] << made.err;
    auto dumped = run_cli(c.dump, dir.path());
    EXPECT_EQ(dumped.exit_code, 0) << c.dump[1] << dumped.err;
    EXPECT_EQ(dumped.out, c.dumped) << c.dump[1];
  }
}

TEST(CliFiles, RefusalsWriteNothing) {
  TempDir dir;
  struct {
    std::vector<std::string> args;
    std::string input;
    int exit_code;
    std::string err_part;
  } cases[] = {
      {{"dump", "nada.lpl"}, "", 1, "nada.lpl"},
      {{"dump"}, "", 2, "Erro de uso"},
      {{"nao-existe"}, "", 2, "Erro de uso"},
      {{"dump", "a.xyz"}, "", 1, "Tipo de arquivo desconhecido: \"xyz\". Use --as com um destes: ldc lpl stw"},
      {{"make", "b.lpl"}, "casa\tabc\n", 1, "Linha 1: \"abc\" não é um número válido."},
      {{"make", "m.msm"}, "1 2 3\n", 1, "não formam uma matriz quadrada"},
  };
  for (const auto& c : cases) {
    auto r = run_cli(c.args, dir.path(), c.input);
    EXPECT_EQ(r.exit_code, c.exit_code) << c.args[0];
    EXPECT_NE(r.err.find(c.err_part), std::string::npos) << r.err;
  }
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

}  // namespace
}  // namespace lumeral::testing
