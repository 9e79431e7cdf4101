#include <gtest/gtest.h>

#include "core/preparation/stopword_search.h"
#include "support/fixtures.h"

namespace lumeral::preparation {
namespace {

using lumeral::testing::pt;

TEST(StopwordSearch, FindsEveryEntryOfASortedList) {
  std::vector<Ansi> entries = {"a", "ao", "com", "da", "de", "do", "e", "em", "na", "no", "o", "os", "para", "um"};
  StopwordSearch s(entries, pt());
  for (const auto& e : entries) EXPECT_TRUE(s.contains(e)) << e;
  for (const char* w : {"casa", "zebra", "aa", "", "De"}) EXPECT_FALSE(s.contains(Ansi(w))) << w;
}

TEST(StopwordSearch, OutOfOrderListCanMissEntries) {
  // "zz" sits where the search, guided by collation, never looks for it.
  std::vector<Ansi> entries = {"a", "b", "zz", "c", "d", "e", "f", "g", "h"};
  StopwordSearch s(entries, pt());
  EXPECT_FALSE(s.contains(Ansi("zz")));
  EXPECT_TRUE(s.contains(Ansi("a")));   // an end is always compared
  EXPECT_TRUE(s.contains(Ansi("h")));
}

TEST(StopwordSearch, EmptyListAndTrimmedEntries) {
  EXPECT_FALSE(StopwordSearch({}, pt()).contains(Ansi("de")));
  StopwordSearch s({Ansi(" de "), Ansi("o")}, pt());
  EXPECT_TRUE(s.contains(Ansi("de")));
  EXPECT_TRUE(s.contains(Ansi("o")));  // repeated lookups use the remembered answer
  EXPECT_TRUE(s.contains(Ansi("o")));
}

}  // namespace
}  // namespace lumeral::preparation
