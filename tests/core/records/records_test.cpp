#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>
#include <limits>
#include <random>
#include <vector>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/records/document_list.h"
#include "core/records/mapped_doubles.h"
#include "core/records/record_text.h"
#include "core/records/records.h"
#include "core/records/weighted.h"
#include "support/fixtures.h"

namespace lumeral::records {
namespace {

using namespace lumeral::testing;

std::string dbl(double v) {
  std::string s(8, '\0');
  put_double(s.data(), v);
  return s;
}

std::string field(std::string_view text, std::size_t size) {
  std::string s(1, static_cast<char>(text.size()));
  s += text;
  s.resize(1 + size, '\0');
  return s;
}

TEST(Records, LayoutsByteForByteTextsCutAndLengthsClampedOnRead) {
  EXPECT_EQ(encode_all<DocRecord>({{"noticia1.txt", 0.5}}), field("noticia1.txt", 255) + dbl(0.5));
  EXPECT_EQ(encode_all<WordRecord>({{"casa", 0.25}}), field("casa", 15) + dbl(0.25));
  EXPECT_EQ(encode_all<ContextListRecord>({{"economia", 1}}), field("economia", 15) + dbl(1));
  EXPECT_EQ(encode_all<ContextRecord>({{"bola -volei", 0.8}}),
            field("bola -volei", 30) + std::string(1, '\0') + dbl(0.8));
  EXPECT_EQ(encode_all<StopRecord>({{"de"}}), field("de", 15));
  EXPECT_EQ(encode_all<QueryRecord>({{"copa do mundo"}}), field("copa do mundo", 40));
  EXPECT_EQ(encode_all<PairRecord>({{"bola", "gol", 2}}), field("bola", 15) + field("gol", 15) + dbl(2));
  // Texts are cut to the field and lengths clamped on read.
  auto bytes = encode_all<WordRecord>({{"abcdefghijklmnopqrstuvwxyz", 1}});
  EXPECT_EQ(decode_all<WordRecord>(bytes)[0].word, Ansi("abcdefghijklmno"));
  bytes[0] = static_cast<char>(200);  // a damaged length byte
  EXPECT_EQ(decode_all<WordRecord>(bytes)[0].word, Ansi("abcdefghijklmno"));
  EXPECT_EQ(decode_all<DocRecord>(encode_all<DocRecord>({{Ansi(300, 'x'), 0}}))[0].name.size(), 255u);
}

TEST(Records, FilesReadWholeRecordsOnlyWriteAtAndStreamingWriter) {
  TempDir dir;
  auto p = dir / "a.lpl";
  write_all<WordRecord>(p, {{"casa", 0.5}});
  std::string bytes = read_file(p) + std::string(1, 'x');  // 25 bytes
  write_file(p, bytes);
  EXPECT_EQ(read_all<WordRecord>(p), (std::vector<WordRecord>{{"casa", 0.5}}));
  EXPECT_EQ(count<WordRecord>(p), 1u);
  EXPECT_THROW(read_all<WordRecord>(dir / "nada.lpl"), Stop);
  fs::remove(p);
  p = dir / "l.lct";
  {
    Writer<ContextListRecord> w(p);
    w.write({"a", 0});
    w.write({"b", 0});
    w.close();
  }
  write_at<ContextListRecord>(p, 1, {"b", 1});
  EXPECT_EQ(read_all<ContextListRecord>(p), (std::vector<ContextListRecord>{{"a", 0}, {"b", 1}}));
  {
    Writer<ContextListRecord> abandoned(p);  // a save that stopped half-way
    abandoned.write({"c", 2});
  }
  EXPECT_EQ(read_all<ContextListRecord>(p), (std::vector<ContextListRecord>{{"a", 0}, {"b", 1}}));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
  write_doubles(dir / "m.msm", {0, 1, 1, 0});
  EXPECT_EQ(read_doubles(dir / "m.msm"), (std::vector<double>{0, 1, 1, 0}));
}

// Weights that no analysis produces are refused on read, naming the file
// and the record (1-based), in every kind that has a weight and in the
// similarity matrix.
TEST(Records, UnusableWeightsAreRefusedOnRead) {
  TempDir dir;
  const double inf = std::numeric_limits<double>::infinity();
  struct {
    double weight;
    bool accepted;
  } cases[] = {{0, true},     {-3.5, true},  {1e300, true},    {-1e300, true},
               {1e301, false}, {-1e301, false}, {inf, false}, {-inf, false},
               {std::numeric_limits<double>::quiet_NaN(), false}};
  for (const auto& c : cases) {
    const std::string bad_at_2 = "registro 2 do arquivo";
    auto check = [&](const fs::path& p, const std::function<void()>& read) {
      std::string stop = stop_text(read);
      if (c.accepted) {
        EXPECT_EQ(stop, "") << c.weight;
      } else {
        EXPECT_NE(stop.find(bad_at_2), std::string::npos) << c.weight << ": " << stop;
        EXPECT_NE(stop.find(p.string()), std::string::npos) << stop;
      }
    };
    write_all<WordRecord>(dir / "a.lpl", {{"casa", 0.5}, {"bola", c.weight}});
    check(dir / "a.lpl", [&] { read_all<WordRecord>(dir / "a.lpl"); });
    write_all<DocRecord>(dir / "a.ldc", {{"a.txt", 0}, {"b.txt", c.weight}});
    check(dir / "a.ldc", [&] { read_all<DocRecord>(dir / "a.ldc"); });
    write_all<ContextRecord>(dir / "a.ctt", {{"gol", 1}, {"bola", c.weight}});
    check(dir / "a.ctt", [&] { read_all<ContextRecord>(dir / "a.ctt"); });
    write_all<ContextListRecord>(dir / "a.lct", {{"esporte", 1}, {"x", c.weight}});
    check(dir / "a.lct", [&] { read_all<ContextListRecord>(dir / "a.lct"); });
    write_all<PairRecord>(dir / "a.ass", {{"a", "b", 1}, {"a", "c", c.weight}});
    check(dir / "a.ass", [&] { read_all<PairRecord>(dir / "a.ass"); });
    write_doubles(dir / "a.msm", {0, c.weight, 1, 0});
    check(dir / "a.msm", [&] { read_doubles(dir / "a.msm"); });
  }
}

TEST(DocumentList, NamesTrimmedInOrderAndFilesFoundWhateverTheirCase) {
  TempDir dir;
  write_file(dir / "Nota.TXT", "x");
  write_file(dir / "b.txt", "y");
  write_all<DocRecord>(dir / "l.ldc", {{Ansi("  nota.txt "), 0.5}, {Ansi("b.txt"), 0}, {Ansi("falta.txt"), 1}});
  EXPECT_EQ(read_document_names(dir / "l.ldc"), (std::vector<Ansi>{Ansi("nota.txt"), Ansi("b.txt"), Ansi("falta.txt")}));
  EXPECT_EQ(read_document_paths(dir / "l.ldc"),
            (std::vector<fs::path>{dir / "Nota.TXT", dir / "b.txt", dir / "falta.txt"}));
  // A name that leaves the list's folder is refused, not followed.
  write_all<DocRecord>(dir / "fora.ldc", {{Ansi("../segredo.txt"), 0}});
  EXPECT_THROW(read_document_paths(dir / "fora.ldc"), Stop);
  EXPECT_THROW(read_document_names(dir / "nada.ldc"), Stop);
}

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

class Recorder : public Progress {
 public:
  void status(std::string_view s) override { texts.emplace_back(s); }
  std::vector<std::string> texts;
};

TEST(Weighted, TakingALineApartAndTheKeysOfEachWindow) {
  auto p = split_weighted(Ansi("  casa azul |  0,01234 "));
  EXPECT_EQ(p.term, Ansi("casa azul"));
  EXPECT_EQ(p.weight_text, Ansi("0,01234"));
  EXPECT_TRUE(p.has_bar);
  EXPECT_EQ(split_weighted(Ansi("a | b | 3")).weight_text, Ansi("b | 3"));
  EXPECT_FALSE(split_weighted(Ansi("sem barra")).has_bar);
  EXPECT_EQ(key_after_bar(Ansi("casa |  0,5")), AnsiView("0,5"));
  EXPECT_EQ(key_after_equals(Ansi("bola | gol = 2,0000")), AnsiView("2,0000"));
  EXPECT_EQ(key_confidence(Ansi("a => b /conf= 66,67% /sup= 20,00% (0004)")), AnsiView("66,67"));
}

// The fast sort must give exactly what the plain selection sort gives.
TEST(Weighted, SortByWeightMatchesSelectionSortWithExchanges) {
  std::mt19937 rng(7);
  for (int round = 0; round < 50; ++round) {
    std::size_t n = rng() % 40;
    std::vector<Ansi> lines;
    for (std::size_t i = 0; i < n; ++i)
      lines.push_back(Ansi("w") + Ansi(std::to_string(i).c_str()) + " | " + Ansi(std::to_string(rng() % 4).c_str()));
    std::vector<Ansi> expect = lines;
    for (std::size_t i = 0; i + 1 < expect.size(); ++i) {
      std::size_t best = i;
      for (std::size_t j = i + 1; j < expect.size(); ++j)
        if (pt().parse(key_after_bar(expect[j])) > pt().parse(key_after_bar(expect[best]))) best = j;
      std::swap(expect[i], expect[best]);
    }
    sort_by_weight(lines, key_after_bar, pt());
    ASSERT_EQ(lines, expect) << "round " << round;
  }
}

// The sort reports its progress; an unreadable key stops it and leaves the
// list as it was.
TEST(Weighted, SortByWeightReportsAndStopsOnAnUnreadableKey) {
  std::vector<Ansi> lines = {"a | 0,5", "b | 0,7", "c | 0,5", "d | 0,7"};
  Recorder rec;
  sort_by_weight(lines, key_after_bar, pt(), rec);
  EXPECT_EQ(rec.texts.front(), "Ordenando linha 1 de 4");
  EXPECT_EQ(rec.texts.back(), "Terminou de ordenar as linhas");
  lines = {"a | 0,5", "sem barra", "c | 0,9"};
  auto before = lines;
  EXPECT_EQ(stop_text([&] { sort_by_weight(lines, key_after_bar, pt()); }),
            "'sem barra' não é um valor numérico válido");
  EXPECT_EQ(lines, before);
  std::vector<Ansi> one = {"sem barra"};
  EXPECT_NO_THROW(sort_by_weight(one, key_after_bar, pt()));
}

TEST(Weighted, AlphabeticalOrdersAndSavingAsRecords) {
  std::vector<Ansi> lines = {"zebra", "Abelha", "casa", "Casa", "\xE9gua"};
  auto bytewise = lines;
  sort_bytewise(bytewise);
  EXPECT_EQ(bytewise, (std::vector<Ansi>{"Abelha", "Casa", "casa", "zebra", "\xE9gua"}));
  auto kept = lines;
  sort_alphabetical(kept, pt());
  EXPECT_EQ(kept, (std::vector<Ansi>{"Abelha", "casa", "Casa", "\xE9gua", "zebra"}));
  EXPECT_EQ(alphabetical_position(kept, Ansi("bola"), pt()), 1u);
  // Saving rows as records stops at the first bad weight.
  TempDir dir;
  auto p = dir / "a.lpl";
  std::vector<WeightedRow> rows = {{"casa", "0,50000"}, {" um nome muito comprido demais ", "1"}, {"ruim", "x"},
                                   {"depois", "1"}};
  save_as_word_records(p, std::vector<WeightedRow>{rows[0], rows[1]}, pt());
  EXPECT_THROW(save_as_word_records(p, rows, pt()), Stop);  // the saved list stays whole
  EXPECT_EQ(read_all<WordRecord>(p), (std::vector<WordRecord>{{"casa", 0.5}, {"um nome muito c", 1}}));
  save_as_context_records(dir / "c.ctt", std::vector<WeightedRow>{{"bola", ""}, {"gol", "0,8"}}, pt());
  EXPECT_EQ(read_all<ContextRecord>(dir / "c.ctt"), (std::vector<ContextRecord>{{"bola", 1}, {"gol", 0.8}}));
}

// A mapped matrix file shortened by another program while it is read: the
// reader stops with a message naming the file instead of dying of SIGBUS,
// wherever the cut falls. Run in a child process, so a crash is reported
// rather than ending the test program.

TEST(MappedDoubles, AFileShortenedWhileMappedStopsTheReaderWithAMessage) {
  const std::size_t page_values = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)) / 8;
  const std::size_t rows = 8, row = page_values;  // a row per page
  struct Case {
    const char* name;
    std::size_t keep_values;  // what is left of the file
  };
  const Case cases[] = {
      {"emptied", 0},
      {"cut at a page's end", 3 * page_values},
      {"cut inside a page", 3 * page_values + 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const fs::path file = dir / "m.msm";
    write_doubles(file, std::vector<double>(rows * row, 0.5));
    const std::string text = stop_text_confined(
        [&] {
          const MappedDoubles values(file);
          fs::resize_file(file, c.keep_values * 8);
          double sum = 0;
          for (std::size_t r = 0; r < rows; ++r) {  // as the readers walk a matrix
            for (std::size_t i = r * row; i < (r + 1) * row; ++i) sum += values[i];
            values.release(r * row, (r + 1) * row);
          }
          if (sum > 0) throw Stop("leu tudo: " + std::to_string(sum));
        },
        Confinement{});
    EXPECT_NE(text.find("foi encurtado por outro programa"), std::string::npos) << text;
    EXPECT_NE(text.find("m.msm"), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace lumeral::records
