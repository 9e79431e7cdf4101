#include <gtest/gtest.h>

#include "core/base/encoding.h"
#include "core/charts/bars.h"
#include "support/fixtures.h"

namespace lumeral::charts {
namespace {

using namespace lumeral::testing;

TEST(FrequencyBars, KeepTheTablesOrderWithTheShareAsText) {
  std::vector<shell::FrequencyRow> rows = {
      {to_ansi("esporte"), Ansi("3"), Ansi("37,5")},
      {to_ansi("meio-ambiente"), Ansi("8"), Ansi("100,0")},
      {to_ansi("economia"), Ansi(" 1 "), Ansi("")},  // share not filled yet
      {to_ansi("política"), Ansi(""), Ansi("")},      // a row not filled yet counts as 0
  };
  auto bars = frequency_bars(rows, pt());
  ASSERT_EQ(bars.size(), 4u);
  EXPECT_EQ(bars[0], (Bar{to_ansi("esporte"), 3, Ansi("37,5%")}));
  EXPECT_EQ(bars[1], (Bar{to_ansi("meio-ambiente"), 8, Ansi("100,0%")}));
  EXPECT_EQ(bars[2], (Bar{to_ansi("economia"), 1, Ansi("")}));
  EXPECT_EQ(bars[3], (Bar{to_ansi("política"), 0, Ansi("")}));
  EXPECT_TRUE(frequency_bars({}, pt()).empty());
}

TEST(FrequencyBars, AnUnreadableCountStops) {
  EXPECT_FALSE(stop_text([] { frequency_bars({{Ansi("a"), Ansi("x3"), Ansi("1")}}, pt()); }).empty());
}

TEST(HeaviestBars, TopKHeaviestFirstTiesInListOrder) {
  const auto list = ansi_lines({"casa | 0,5000", "rio | 0,9000", "mar | 0,5000", "sol|0,1", "céu | 0,9000"});
  struct Case {
    std::size_t top;
    std::vector<const char*> labels;
  };
  for (const Case& c : std::vector<Case>{
           {0, {"rio", "céu", "casa", "mar", "sol"}},  // 0: every line
           {2, {"rio", "céu"}},
           {3, {"rio", "céu", "casa"}},
           {30, {"rio", "céu", "casa", "mar", "sol"}},  // more than there are
       }) {
    auto bars = heaviest_bars(list, c.top, pt());
    ASSERT_EQ(bars.size(), c.labels.size()) << c.top;
    for (std::size_t i = 0; i < bars.size(); ++i) EXPECT_EQ(bars[i].label, to_ansi(c.labels[i])) << c.top << " " << i;
  }
  auto bars = heaviest_bars(list, 1, pt());
  EXPECT_DOUBLE_EQ(bars[0].value, 0.9);
  EXPECT_EQ(bars[0].text, Ansi("0,9000"));  // the weight as the list shows it
}

TEST(HeaviestBars, EqualsAStableSortOfTheWholeList) {
  // Many ties: partial selection must pick the same bars a full stable sort would.
  std::vector<Ansi> list;
  for (int i = 0; i < 200; ++i)
    list.push_back(Ansi("w") + Ansi(std::to_string(i).c_str()) + Ansi(" | ") +
                   Ansi(std::to_string((i * 37) % 11).c_str()));
  auto all = heaviest_bars(list, 0, pt());
  std::vector<Bar> expected = all;
  std::stable_sort(expected.begin(), expected.end(), [](const Bar& a, const Bar& b) { return a.value > b.value; });
  EXPECT_EQ(all, expected);
  for (std::size_t k : {1u, 7u, 30u, 199u}) {
    auto top = heaviest_bars(list, k, pt());
    EXPECT_EQ(top, std::vector<Bar>(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(k))) << k;
  }
}

TEST(HeaviestBars, ALineWithoutAWeightStops) {
  EXPECT_FALSE(stop_text([] { heaviest_bars(ansi_lines({"casa | 1", "sem peso"}), 30, pt()); }).empty());
}

}  // namespace
}  // namespace lumeral::charts
