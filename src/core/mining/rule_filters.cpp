#include "core/mining/rule_filters.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "core/base/message.h"
#include "core/records/weighted.h"

namespace lumeral::mining {

namespace {
double rule_count(AnsiView line, const Regional& regional) {
  std::size_t open = line.find('(');
  return regional.parse(open == AnsiView::npos ? AnsiView() : line.substr(open + 1, 4));
}
}  // namespace

std::vector<Ansi> select_rules(const std::vector<Ansi>& lines, AnsiView threshold_text, ThresholdKind kind,
                               const Regional& regional) {
  double t = regional.parse_threshold(threshold_text);
  std::vector<Ansi> kept;
  for (const Ansi& l : lines) {
    double v = kind == ThresholdKind::Confidence ? regional.parse(records::key_confidence(l)) : rule_count(l, regional);
    if (v >= t) kept.push_back(l);
  }
  return kept;
}

void sort_rules_by_confidence(std::vector<Ansi>& lines, const Regional& regional, Progress& progress) {
  std::vector<double> keys;
  keys.reserve(lines.size());
  for (const Ansi& l : lines) keys.push_back(regional.parse(records::key_confidence(l)));
  std::vector<std::size_t> order(lines.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] > keys[b]; });
  std::vector<Ansi> sorted;
  sorted.reserve(lines.size());
  const std::string n = std::to_string(lines.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (i + 1 < order.size()) progress.status("Ordenando linha " + std::to_string(i + 1) + " de " + n);
    sorted.push_back(std::move(lines[order[i]]));
  }
  lines = std::move(sorted);
  progress.status("Terminou de ordenar as linhas");
}

void sort_rules_alphabetically(std::vector<Ansi>& lines, const Regional& regional) {
  records::sort_alphabetical(lines, regional);
}

void check_filter_threshold(AnsiView threshold_text, const Regional& regional) {
  if (!(regional.parse(threshold_text) > 0)) throw Stop("Informe limiar para filtrar");
}

std::vector<Ansi> filter_rules(const RulesInput& input, AnsiView threshold_text, ThresholdKind kind,
                               const Regional& regional, Progress& progress) {
  check_filter_threshold(threshold_text, regional);
  return select_rules(calculate_rules(input, regional, progress), threshold_text, kind, regional);
}

}  // namespace lumeral::mining
