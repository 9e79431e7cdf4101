#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "core/base/message.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::records {
namespace {

using lumeral::testing::TempDir;

std::string hex(std::string_view b) {
  static const char* d = "0123456789abcdef";
  std::string s;
  for (unsigned char c : b) {
    s += d[c >> 4];
    s += d[c & 15];
  }
  return s;
}

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
  EXPECT_EQ(hex(encode_all<DocRecord>({{"noticia1.txt", 0.5}})), hex(field("noticia1.txt", 255) + dbl(0.5)));
  EXPECT_EQ(hex(encode_all<WordRecord>({{"casa", 0.25}})), hex(field("casa", 15) + dbl(0.25)));
  EXPECT_EQ(hex(encode_all<ContextListRecord>({{"economia", 1}})), hex(field("economia", 15) + dbl(1)));
  EXPECT_EQ(hex(encode_all<ContextRecord>({{"bola -volei", 0.8}})),
            hex(field("bola -volei", 30) + std::string(1, '\0') + dbl(0.8)));
  EXPECT_EQ(hex(encode_all<StopRecord>({{"de"}})), hex(field("de", 15)));
  EXPECT_EQ(hex(encode_all<QueryRecord>({{"copa do mundo"}})), hex(field("copa do mundo", 40)));
  EXPECT_EQ(hex(encode_all<PairRecord>({{"bola", "gol", 2}})), hex(field("bola", 15) + field("gol", 15) + dbl(2)));
  // Texts are cut to the field and lengths clamped on read.
  auto bytes = encode_all<WordRecord>({{"abcdefghijklmnopqrstuvwxyz", 1}});
  ASSERT_EQ(bytes.size(), 24u);
  EXPECT_EQ(decode_all<WordRecord>(bytes)[0].word, Ansi("abcdefghijklmno"));
  bytes[0] = static_cast<char>(200);  // a damaged length byte
  EXPECT_EQ(decode_all<WordRecord>(bytes)[0].word, Ansi("abcdefghijklmno"));
  EXPECT_EQ(decode_all<DocRecord>(encode_all<DocRecord>({{Ansi(300, 'x'), 0}}))[0].name.size(), 255u);
}

TEST(Records, FilesReadWholeRecordsOnlyWriteAtAndStreamingWriter) {
  TempDir dir;
  auto p = dir / "a.lpl";
  write_all<WordRecord>(p, {{"casa", 0.5}});
  std::string bytes = lumeral::testing::read_file(p) + std::string(1, 'x');  // 25 bytes
  lumeral::testing::write_file(p, bytes);
  auto recs = read_all<WordRecord>(p);
  ASSERT_EQ(recs.size(), 1u);
  EXPECT_EQ(recs[0], (WordRecord{"casa", 0.5}));
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
      std::string stop = lumeral::testing::stop_text(read);
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

}  // namespace
}  // namespace lumeral::records
