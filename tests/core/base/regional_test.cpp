#include <gtest/gtest.h>

#include <ctime>

#include "core/base/encoding.h"
#include "core/base/memory_budget.h"
#include "core/base/message.h"
#include "core/base/regional.h"
#include "support/fixtures.h"

namespace lumeral {
namespace {

using lumeral::testing::stop_text;

TEST(Regional, NumberTextsByPattern) {
  auto pt = Regional::for_locale("pt_BR");
  auto en = Regional::for_locale("en_US.UTF-8");
  struct {
    double v;
    const char* pattern;
    const char* pt;
    const char* en;
  } cases[] = {
      {0.125, "0.00", "0,13", "0.13"},      // halves away from zero
      {0.285, "0.00", "0,29", "0.29"},      // on the 15-digit decimal form
      {-0.125, "0.00", "-0,13", "-0.13"},
      {-0.0001, "0.00", "0,00", "0.00"},    // no minus on a written zero
      {66.666666, "00.00", "66,67", "66.67"},
      {5, "00.00", "05,00", "05.00"},
      {4, "0000", "0004", "0004"},
      {12345, "0000", "12345", "12345"},
      {0.01234, "0.00000", "0,01234", "0.01234"},
      {9.99996, "0.0000", "10,0000", "10.0000"},
      {12.5, "0.0", "12,5", "12.5"},
      {0, "0.0000000", "0,0000000", "0.0000000"},
      {1e-20, "0.00", "0,00", "0.00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(pt.format(c.v, c.pattern), Ansi(c.pt)) << c.v << " " << c.pattern;
    EXPECT_EQ(en.format(c.v, c.pattern), Ansi(c.en)) << c.v << " " << c.pattern;
  }
  EXPECT_EQ(pt.format_general(0.5), Ansi("0,5"));
  EXPECT_EQ(pt.format_general(2), Ansi("2"));
  EXPECT_EQ(en.format_general(1.0 / 3), Ansi("0.333333333333333"));
  EXPECT_EQ(en.format_general(0.00001), Ansi("1E-5"));
}

TEST(Regional, ReadingNumbersAndTheDefaultLocale) {
  auto pt = Regional::for_locale("pt_BR");
  EXPECT_DOUBLE_EQ(pt.parse(Ansi("0,25")), 0.25);
  EXPECT_DOUBLE_EQ(pt.parse(Ansi("0.25")), 0.25);  // the other separator too
  EXPECT_DOUBLE_EQ(pt.parse(Ansi(" -3 ")), -3);
  EXPECT_DOUBLE_EQ(pt.parse(Ansi("1E-5")), 1e-5);
  EXPECT_DOUBLE_EQ(pt.parse_threshold(Ansi("  ")), 0);
  for (const char* bad : {"", "abc", "1.000,5", "1,2,3", "nan", "inf", "0x10", "12a", ","}) {
    EXPECT_EQ(stop_text([&] { pt.parse(Ansi(bad)); }), "'" + std::string(bad) + "' não é um valor numérico válido");
  }
  // Beyond what a record file may hold: refused, naming the text.
  EXPECT_DOUBLE_EQ(pt.parse(Ansi("-1e300")), -1e300);
  for (const char* huge : {"1e999", "-1e301", "2e300", "1e400000"}) {
    std::string text = testing::stop_text([&] { pt.parse_threshold(Ansi(huge)); });
    EXPECT_EQ(text, "'" + std::string(huge) + "' não é um valor numérico válido: o valor absoluto passa de 1e300");
  }
  // Unknown or plain locales are Brazilian Portuguese.
  for (const char* name : {"C", "POSIX", ""}) {
    auto r = Regional::for_locale(name);
    EXPECT_EQ(r.locale_name(), "pt_BR");
    EXPECT_EQ(r.decimal_separator(), ',');
  }
  EXPECT_EQ(Regional::for_locale("en_US").decimal_separator(), '.');
}

TEST(Regional, CollationIgnoresCase) {
  auto pt = Regional::for_locale("pt_BR");
  EXPECT_LT(pt.collate(Ansi("abelha"), Ansi("Zebra")), 0);
  EXPECT_EQ(pt.collate(Ansi("Casa"), Ansi("casa")), 0);
  EXPECT_LT(pt.collate(to_ansi("é"), Ansi("f")), 0);
  EXPECT_NE(pt.collate(to_ansi("é"), Ansi("e")), 0);  // secondary strength keeps accents apart
  EXPECT_LT(pt.collation_key(Ansi("abelha")), pt.collation_key(Ansi("Zebra")));
  EXPECT_EQ(pt.collation_key(Ansi("CASA")), pt.collation_key(Ansi("casa")));
  // Keys longer than the short-key buffer order as the texts compare.
  const Ansi long_a(400, 'a'), long_b = Ansi(399, 'a') + Ansi("b"), long_upper(400, 'A');
  EXPECT_GT(pt.collation_key(long_a).size(), 256u);
  EXPECT_LT(pt.collation_key(long_a), pt.collation_key(long_b));
  EXPECT_EQ(pt.collation_key(long_a), pt.collation_key(long_upper));
  // Many keys at once (spread over the cores, each with its own collator)
  // are the keys one by one, in the texts' order.
  std::vector<Ansi> many;
  for (int i = 0; i < 3000; ++i) {
    if (i % 3 == 0) many.push_back(to_ansi("ação-" + std::to_string(i)));
    else if (i % 3 == 1) many.push_back(Ansi(300 + i % 7, 'Z'));
    else many.push_back(to_ansi("d" + std::to_string(i)));
  }
  const std::vector<std::string> keys = pt.collation_keys(many);
  ASSERT_EQ(keys.size(), many.size());
  for (std::size_t i = 0; i < many.size(); ++i) ASSERT_EQ(keys[i], pt.collation_key(many[i])) << i;
}

TEST(Regional, ClockTexts) {
  auto pt = Regional::for_locale("pt_BR");
  std::tm tm{.tm_sec = 9, .tm_min = 5, .tm_hour = 14, .tm_mday = 6, .tm_mon = 11, .tm_year = 2026 - 1900,
             .tm_isdst = -1};
  auto t = std::chrono::system_clock::from_time_t(std::mktime(&tm));
  EXPECT_EQ(pt.short_date(t), "06/12/2026");
  EXPECT_EQ(pt.time_text(t), "14:05:09");
  EXPECT_EQ(pt.weekday_and_date(t), "Domingo 06/12/2026");
}

TEST(MemoryBudget, SizesWithAndWithoutUnitsAndRefusals) {
  struct Case {
    const char* text;
    std::size_t bytes;
  };
  const Case cases[] = {
      {"512M", 512 * kMegabyte}, {"2G", 2048 * kMegabyte}, {"2gb", 2048 * kMegabyte},
      {"800", 800 * kMegabyte},  {"64K", 64 * 1024},       {" 1,5G ", 1536 * kMegabyte},
      {"1.5g", 1536 * kMegabyte}, {"4kB", 4096},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_memory_budget(c.text), c.bytes) << c.text;
  EXPECT_EQ(memory_budget_text(kDefaultMemoryBudget), "1G");
  EXPECT_EQ(memory_budget_text(512 * kMegabyte), "512M");
  // What is not a size is refused.
  const std::string beyond_a_double = "1" + std::string(400, '0');
  for (const char* bad : {"", "abc", "0", "-1", "1.2.3", "5T", "M", "0.5K", "12 M B", ".", "1e999",
                          beyond_a_double.c_str()}) {
    std::string text = testing::stop_text([&] { parse_memory_budget(bad); });
    EXPECT_EQ(text.rfind("Limite de memória inválido: \"", 0), 0u) << bad << ": " << text;
  }
}

}  // namespace
}  // namespace lumeral
