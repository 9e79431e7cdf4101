#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/records/record_text.h"
#include "support/fixtures.h"

namespace lumeral::records {
namespace {

using namespace lumeral::testing;

std::vector<std::string> dumped(const fs::path& p, Kind kind, std::size_t size = 0) {
  std::vector<std::string> lines;
  dump_file(p, kind, size, [&](std::string_view l) { lines.emplace_back(l); });
  return lines;
}

// Lines made into a file and dumped again: the fields as stored, numbers
// with "." whatever was typed, missing weights by kind, texts cut.
TEST(RecordText, MakeThenDumpEveryKind) {
  TempDir dir;
  struct {
    const char* ext;
    std::string input;  // UTF-8
    std::vector<std::string> dumped;
  } cases[] = {
      {"ldc", "noticia1.txt\t0.5\nsem peso.txt\n", {"noticia1.txt\t0.5", "sem peso.txt\t0"}},
      {"lpl", "casa\t0.25\na\xc3\xa7\xc3\xa3o\t0,75\nabcdefghijklmnopqrst\t1\n",
       {"casa\t0.25", "a\xc3\xa7\xc3\xa3o\t0.75", "abcdefghijklmno\t1"}},
      {"cst", "x\t0.1\n", {"x\t0.10000000000000001"}},
      {"lct", "economia\nesporte\t2\n", {"economia\t0", "esporte\t2"}},
      {"ctt", "bola -volei\ngol\t 0.8 \n" + std::string(40, 'x') + "\t1\n",
       {"bola -volei\t1", "gol\t0.80000000000000004", std::string(30, 'x') + "\t1"}},
      {"stw", "de\na\n", {"de", "a"}},
      {"csb", "copa do mundo\n\n", {"copa do mundo", ""}},
      {"ass", "bola\tgol\t2\nsozinho\n", {"bola\tgol\t2", "sozinho\t\t0"}},
      {"msm", "0\t0.5\n0,5 0\n", {"0\t0.5", "0.5\t0"}},
  };
  for (const auto& c : cases) {
    const KindInfo* kind = find_kind(c.ext);
    ASSERT_NE(kind, nullptr) << c.ext;
    fs::path p = dir / (std::string("a.") + c.ext);
    make_file(p, kind->kind, to_ansi(c.input), pt());
    EXPECT_EQ(dumped(p, kind->kind), c.dumped) << c.ext;
  }
  EXPECT_EQ(find_kind("xyz"), nullptr);
  EXPECT_EQ(find_kind("mtz")->kind, Kind::Word);
  EXPECT_EQ(extension_of("pasta.v2/lista.LPL"), "LPL");
}

TEST(RecordText, NumbersThatCannotBeStoredNameTheirLine) {
  struct {
    Kind kind;
    const char* input;
    const char* message;
  } cases[] = {
      {Kind::Word, "casa\t1\nbola\tabc\n", "Linha 2: \"abc\" não é um número válido."},
      {Kind::Word, "casa\tnan\n", "Linha 1: \"nan\" não é um número válido."},
      {Kind::Doc, "a.txt\t1e999\n", "Linha 1: \"1e999\" não é um número válido."},
      {Kind::Pair, "a\tb\t-inf\n", "Linha 1: \"-inf\" não é um número válido."},
      {Kind::Context, "a\t1\n\nb\t0x10\n", "Linha 3: \"0x10\" não é um número válido."},
      {Kind::Matrix, "1 2\n3 x\n", "Linha 2: \"x\" não é um número válido."},
      {Kind::Matrix, "1 2 3\n", "As linhas têm 3 valores, que não formam uma matriz quadrada: nada foi gravado."},
  };
  for (const auto& c : cases) EXPECT_EQ(stop_text([&] { make_bytes(c.kind, Ansi(c.input), pt()); }), c.message);
}

TEST(RecordText, MatrixDumpNeedsASquare) {
  TempDir dir;
  write_doubles(dir / "vazia.msm", {});
  EXPECT_EQ(dumped(dir / "vazia.msm", Kind::Matrix), std::vector<std::string>{});  // a 0 x 0 matrix
  write_doubles(dir / "m.msm", {1, 2, 3, 4});
  EXPECT_EQ(dumped(dir / "m.msm", Kind::Matrix, 2), (std::vector<std::string>{"1\t2", "3\t4"}));
  struct {
    const char* file;
    std::size_t size;
    const char* message_end;
  } refused[] = {{"m.msm", 1, " tem 4 valores, que não formam uma matriz quadrada do tamanho pedido."},
                 {"vazia.msm", 2, " tem 0 valores, que não formam uma matriz quadrada do tamanho pedido."},
                 {"tres.msm", 0, " tem 3 valores, que não formam uma matriz quadrada."}};
  write_doubles(dir / "tres.msm", {1, 2, 3});
  for (const auto& r : refused) {
    EXPECT_EQ(stop_text([&] { dumped(dir / r.file, Kind::Matrix, r.size); }),
              "A matriz \"" + (dir / r.file).string() + "\"" + r.message_end);
  }
}

}  // namespace
}  // namespace lumeral::records
