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

}  // namespace
}  // namespace lumeral::preparation
