#include <gtest/gtest.h>

#include "core/base/message.h"
#include "core/preparation/elimination.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::preparation {
namespace {

using records::WordRecord;
using namespace lumeral::testing;

// Three documents with word lists; `missing` (an index) has none.
fs::path collection(const TempDir& dir, int missing = -1) {
  std::vector<records::DocRecord> docs;
  for (int i = 0; i < 3; ++i) {
    std::string base = "d" + std::to_string(i) + ".";
    if (i != missing) records::write_all<WordRecord>(dir / (base + "lpl"), {{"casa", 0.5}, {"gol", 0.25}, {"x", 0.25}});
    docs.push_back({Ansi((base + "txt").c_str()), 0});
  }
  records::write_all(dir / "l.ldc", docs);
  return dir / "l.ldc";
}

TEST(Elimination, EveryListOrNone) {
  struct {
    int missing;            // document without a word list
    long long size_limit;   // file-size limit of the run (negative: none)
    bool eliminated;
  } cases[] = {{-1, -1, true}, {2, -1, false}, {1, -1, false}, {-1, 10, false}};
  for (const auto& c : cases) {
    TempDir dir;
    fs::path list = collection(dir, c.missing);
    auto before = folder_snapshot(dir.path());
    std::string stop = stop_text_confined([&] { eliminate_words(list, {Ansi(" gol "), Ansi("x")}); },
                                          Confinement{c.size_limit, false});
    if (c.eliminated) {
      EXPECT_EQ(stop, "");
      for (int i = 0; i < 3; ++i)
        EXPECT_EQ(records::read_all<WordRecord>(dir / ("d" + std::to_string(i) + ".lpl")),
                  (std::vector<WordRecord>{{"casa", 0.5}}));
      continue;
    }
    EXPECT_NE(stop.find(c.missing >= 0 ? "d" + std::to_string(c.missing) + ".lpl" : "d0.lpl"), std::string::npos)
        << stop;
    EXPECT_EQ(folder_snapshot(dir.path()), before) << stop;  // nothing changed, nothing left behind
  }
}

TEST(Elimination, WordsAreTrimmedCaseCountsAndAnEmptyFirstLineIsRefused) {
  TempDir dir;
  records::write_all<records::DocRecord>(dir / "l.ldc", {{Ansi("relatorio.2004.txt"), 0}, {Ansi(" NOTA.TXT "), 0}});
  records::write_all<WordRecord>(dir / "relatorio.2004.lpl", {{"casa", 0.5}, {"gol", 0.25}, {"Casa", 0.25}});
  records::write_all<WordRecord>(dir / "NOTA.lpl", {{"gol", 1}});
  EXPECT_EQ(eliminate_words(dir / "l.ldc", {Ansi(" casa "), Ansi("gol")}), 3u);
  EXPECT_EQ(records::read_all<WordRecord>(dir / "relatorio.2004.lpl"), (std::vector<WordRecord>{{"Casa", 0.25}}));
  EXPECT_EQ(fs::file_size(dir / "NOTA.lpl"), 0u);
  EXPECT_EQ(eliminate_words(dir / "l.ldc", {Ansi("casa"), Ansi("gol")}), 0u);  // a second run changes nothing
  for (const auto& lines : {std::vector<Ansi>{}, std::vector<Ansi>{Ansi("  "), Ansi("x")}})
    EXPECT_EQ(stop_text([&] { eliminate_words(dir / "l.ldc", lines); }), "Você precisa escrever palavras");
  EXPECT_TRUE(elimination_lines_from(dir / "falta.stw").empty());
}

}  // namespace
}  // namespace lumeral::preparation
