// The memory budget of the analyses that grow with the collection (term
// association, the similarity matrix): what they may hold in memory before
// they spill sorted runs to a scratch folder or work in row blocks. The
// command line takes it as --memory, the desktop program as a setting.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumeral {

inline constexpr std::size_t kMegabyte = std::size_t{1} << 20;
inline constexpr std::size_t kDefaultMemoryBudget = std::size_t{1} << 30;  // 1 GB

// "512M", "2G", "64K", "1.5G" (a suffix K, M or G, either case, an optional
// "B" after it), or a plain number of megabytes ("800"). Stops with a
// Portuguese sentence naming the text for anything else, zero included.
std::size_t parse_memory_budget(std::string_view text);

// The budget as a person writes it: "1G", "512M", "64K", or bytes.
std::string memory_budget_text(std::size_t bytes);

}  // namespace lumeral
