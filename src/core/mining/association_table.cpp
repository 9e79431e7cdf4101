#include "core/mining/association_table.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace lumeral::mining {

namespace {

std::vector<ParsedRule> by_rule_text(std::vector<ParsedRule> rows, const Regional& regional) {
  std::vector<std::string> keys;
  keys.reserve(rows.size());
  for (const ParsedRule& r : rows) keys.push_back(regional.collation_key(r.rule));
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<ParsedRule> sorted;
  sorted.reserve(rows.size());
  for (std::size_t i : order) sorted.push_back(std::move(rows[i]));
  return sorted;
}

}  // namespace

std::vector<ParsedRule> association_table(const std::vector<Rule>& rules, const Regional& regional) {
  return by_rule_text(rule_parts(rules), regional);
}

}  // namespace lumeral::mining
