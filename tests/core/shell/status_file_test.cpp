#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/shell/status_file.h"
#include "support/fixtures.h"

namespace lumeral::shell {
namespace {

using namespace lumeral::testing;

TEST(StatusFile, RowsAreReadBackAsTheTableShowedThem) {
  struct {
    const char* line;
    FrequencyRow row;
  } cases[] = {
      {"Economia;12;37,5/", {Ansi("Economia"), Ansi("12"), Ansi("37,5")}},
      {" meio-ambiente ; 3 ; 100,0 /", {Ansi("meio-ambiente"), Ansi("3"), Ansi("100,0")}},
      {"sem barra;1;2,5", {Ansi("sem barra"), Ansi("1"), Ansi("2,5")}},
      {"so conceito", {Ansi("so conceito"), Ansi(""), Ansi("")}},
      {"a;7", {Ansi("a"), Ansi("7"), Ansi("")}},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_frequency_row(Ansi(c.line)), c.row) << c.line;
  EXPECT_EQ(frequency_row_line({Ansi("Economia"), Ansi("12"), Ansi("37,5")}), Ansi("Economia;12;37,5/"));
}

TEST(StatusFile, WrittenAndReadBackAndEmptyGivesOneEmptyLine) {
  TempDir dir;
  StatusFile status;
  status.rows = {{to_ansi("Educação"), Ansi("3"), Ansi("37,5")}, {Ansi("Economia"), Ansi("8"), Ansi("100,0")}};
  status.association_text = {
      to_ansi("--66,67%  dos textos que falam em Economia também falam em Educação. Isto aconteceu em 0002 "
              "texto(s) (25,00% do total)"),
      to_ansi("--100,00% dos textos que falam em Educação também falam em Economia. Isto aconteceu em 0003 "
              "texto(s) (37,50% do total)")};
  std::filesystem::path p = dir / status_file_name();
  write_status_file(p, status);
  EXPECT_EQ(read_file(p), cp1252("Educação;3;37,5/\r\nEconomia;8;100,0/\r\n") + std::string(bytes_of(status.association_text[0])) +
                              "\r\n" + std::string(bytes_of(status.association_text[1])) + "\r\n");
  StatusFile back = read_status_file(p);
  EXPECT_EQ(back, status);
  EXPECT_EQ(back.rule_count(), 2u);
  // An empty table and text give one empty line.
  write_status_file(dir / "s.wiz", StatusFile{});
  EXPECT_EQ(read_file(dir / "s.wiz"), "\r\n");
  EXPECT_EQ(read_status_file(dir / "s.wiz"), StatusFile{});
  EXPECT_THROW(read_status_file(dir / "nada.wiz"), Stop);
}

}  // namespace
}  // namespace lumeral::shell
