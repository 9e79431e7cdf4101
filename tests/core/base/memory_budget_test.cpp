#include <gtest/gtest.h>

#include "core/base/memory_budget.h"
#include "core/base/message.h"
#include "support/fixtures.h"

namespace lumeral {
namespace {

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
