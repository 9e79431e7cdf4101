#include <gtest/gtest.h>

#include "core/preparation/stopword_search.h"
#include "support/fixtures.h"

namespace lumeral::preparation {
namespace {

using lumeral::testing::pt;

TEST(StopwordSearch, FindsEveryEntryOfASortedTrimmedListAndMayMissOneOutOfOrder) {
  std::vector<Ansi> entries = {"a", "ao", "com", "da", "de", "do", "e", "em", "na", "no", "o", "os", "para", "um"};
  StopwordSearch s(entries, pt());
  for (const auto& e : entries) EXPECT_TRUE(s.contains(e)) << e;
  for (const char* w : {"casa", "zebra", "aa", "", "De"}) EXPECT_FALSE(s.contains(Ansi(w))) << w;
  // "zz" sits where the search, guided by collation, never looks for it.
  StopwordSearch unsorted({"a", "b", "zz", "c", "d", "e", "f", "g", "h"}, pt());
  EXPECT_FALSE(unsorted.contains(Ansi("zz")));
  EXPECT_TRUE(unsorted.contains(Ansi("a")));  // an end is always compared
  EXPECT_TRUE(unsorted.contains(Ansi("h")));
  EXPECT_FALSE(StopwordSearch({}, pt()).contains(Ansi("de")));
  StopwordSearch trimmed({Ansi(" de "), Ansi("o")}, pt());
  EXPECT_TRUE(trimmed.contains(Ansi("de")));
  EXPECT_TRUE(trimmed.contains(Ansi("o")));  // repeated lookups use the remembered answer
  EXPECT_TRUE(trimmed.contains(Ansi("o")));
}

}  // namespace
}  // namespace lumeral::preparation
