#include "core/mining/association_table.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace lumeral::mining {

std::vector<ParsedRule> association_table(const std::vector<Ansi>& lines, const Regional& regional) {
  std::vector<ParsedRule> rows;
  std::vector<std::string> keys;
  for (const Ansi& l : lines) {
    rows.push_back(parse_rule_line(l));
    keys.push_back(regional.collation_key(rows.back().rule));
  }
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<ParsedRule> sorted;
  sorted.reserve(rows.size());
  for (std::size_t i : order) sorted.push_back(std::move(rows[i]));
  return sorted;
}

}  // namespace lumeral::mining
