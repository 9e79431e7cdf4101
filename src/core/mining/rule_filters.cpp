#include "core/mining/rule_filters.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "core/base/message.h"
#include "core/records/weighted.h"

namespace lumeral::mining {

std::vector<Rule> select_rules(const std::vector<Rule>& rules, AnsiView threshold_text, ThresholdKind kind,
                               const Regional& regional) {
  double t = regional.parse_threshold(threshold_text);
  std::vector<Rule> kept;
  for (const Rule& r : rules) {
    double v = regional.parse(kind == ThresholdKind::Confidence ? confidence_key(r) : count_key(r));
    if (v >= t) kept.push_back(r);
  }
  return kept;
}

void sort_rules_by_confidence(std::vector<Rule>& rules, const Regional& regional, Progress& progress) {
  std::vector<double> keys;
  keys.reserve(rules.size());
  for (const Rule& r : rules) keys.push_back(regional.parse(confidence_key(r)));
  std::vector<std::size_t> order(rules.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] > keys[b]; });
  const std::string n = std::to_string(rules.size());
  for (std::size_t i = 0; i + 1 < order.size(); ++i)
    progress.status("Ordenando linha " + std::to_string(i + 1) + " de " + n);
  records::apply_order(rules, order);
  progress.status("Terminou de ordenar as linhas");
}

void sort_rules_alphabetically(std::vector<Rule>& rules, const Regional& regional) {
  records::apply_order(rules, records::alphabetical_order(rule_lines(rules), regional));
}

void check_filter_threshold(AnsiView threshold_text, const Regional& regional) {
  if (!(regional.parse(threshold_text) > 0)) throw Stop("Informe limiar para filtrar");
}

}  // namespace lumeral::mining
