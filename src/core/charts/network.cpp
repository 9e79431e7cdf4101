#include "core/charts/network.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <unordered_map>
#include <unordered_set>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/mining/rule_lines.h"

namespace lumeral::charts {

using namespace lumeral::literals;

std::size_t Network::find(AnsiView label) const {
  for (std::size_t i = 0; i < nodes.size(); ++i)
    if (nodes[i].label == label) return i;
  return nodes.size();
}

int Network::community_count() const {
  int most = -1;
  for (const auto& n : nodes) most = std::max(most, n.community);
  return most + 1;
}

namespace {

// Node indexes by label, added in order of first appearance.
class NodeIndex {
 public:
  explicit NodeIndex(Network& network) : network_(network) {}
  std::size_t of(const Ansi& label, double weight) {
    auto [it, added] = index_.try_emplace(label, network_.nodes.size());
    if (added) network_.nodes.push_back({label, weight, 0});
    return it->second;
  }

 private:
  Network& network_;
  std::unordered_map<Ansi, std::size_t> index_;
};

// The number in a percentage text ("66,67% ", "100,00%").
double percentage(AnsiView text, const Regional& regional) {
  AnsiView t = trim_view(text);
  if (!t.empty() && t.back() == '%') t.remove_suffix(1);
  return regional.parse(t);
}

// The same, or nothing when the text is not a number.
std::optional<double> percentage_if_read(AnsiView text, const Regional& regional) {
  try {
    return percentage(text, regional);
  } catch (const Stop&) {
    return std::nullopt;
  }
}

}  // namespace

Network concept_network(const std::vector<mining::ParsedRule>& rules, const ConceptFrequency& frequency,
                        const Regional& regional, std::size_t strongest) {
  // The rules drawn, each once, with their confidence.
  std::vector<std::pair<const mining::ParsedRule*, double>> kept;
  std::unordered_set<Ansi> drawn;  // "A\0B" of the rules already kept
  for (const mining::ParsedRule& rule : rules) {
    if (rule.a.empty() || rule.b.empty() || rule.confidence.empty()) continue;
    Ansi key = rule.a + Ansi(1, '\0') + rule.b;
    if (!drawn.insert(std::move(key)).second) continue;
    kept.push_back({&rule, percentage(rule.confidence, regional)});
  }
  if (strongest < kept.size()) {
    // The strongest rules, put back in the order of the rows.
    std::vector<std::size_t> order(kept.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t x, std::size_t y) { return kept[x].second > kept[y].second; });
    order.resize(strongest);
    std::sort(order.begin(), order.end());
    std::vector<std::pair<const mining::ParsedRule*, double>> strongest_kept;
    strongest_kept.reserve(order.size());
    for (std::size_t i : order) strongest_kept.push_back(kept[i]);
    kept = std::move(strongest_kept);
  }
  Network network;
  network.edge_labels = true;
  NodeIndex nodes(network);
  for (const auto& [rule, confidence] : kept) {
    const std::size_t from = nodes.of(rule->a, frequency.frequency(rule->a));
    const std::size_t to = nodes.of(rule->b, frequency.frequency(rule->b));
    NetworkEdge edge{from, to, confidence, trim(rule->confidence) + Ansi(" / "_a) + trim(rule->support_percentage),
                     true};
    edge.confidence = confidence;
    edge.support = percentage_if_read(rule->support_percentage, regional);
    network.edges.push_back(std::move(edge));
  }
  assign_communities(network);
  return network;
}

std::optional<mining::ParsedRule> rule_of_sentence(AnsiView s) {
  // The parts rule_sentence() joins, found in their order; the counts at the
  // end are looked for from the end, so a concept may hold any text.
  static const Ansi kFalam = to_ansi(" dos textos que falam em ");
  static const Ansi kTambem = to_ansi(" também falam em ");
  static const Ansi kAconteceu = to_ansi(". Isto aconteceu em ");
  static const Ansi kTextos = to_ansi(" texto(s) (");
  static const Ansi kTotal = to_ansi(" do total)");
  if (s.substr(0, 2) != AnsiView("--"_a) || s.size() < kTotal.size() ||
      s.substr(s.size() - kTotal.size()) != AnsiView(kTotal))
    return std::nullopt;
  const auto falam = s.find(kFalam, 2);
  const auto aconteceu = s.rfind(kAconteceu);
  if (falam == AnsiView::npos || aconteceu == AnsiView::npos || aconteceu < falam + kFalam.size()) return std::nullopt;
  const auto a_at = falam + kFalam.size();
  const auto tambem = s.substr(0, aconteceu).find(kTambem, a_at);
  const auto textos = s.find(kTextos, aconteceu + kAconteceu.size());
  if (tambem == AnsiView::npos || textos == AnsiView::npos) return std::nullopt;
  mining::ParsedRule r;
  r.confidence = Ansi(s.substr(2, falam - 2));
  r.a = Ansi(s.substr(a_at, tambem - a_at));
  r.b = Ansi(s.substr(tambem + kTambem.size(), aconteceu - tambem - kTambem.size()));
  r.count = Ansi(s.substr(aconteceu + kAconteceu.size(), textos - aconteceu - kAconteceu.size()));
  const auto percent_at = textos + kTextos.size();
  r.support_percentage = Ansi(s.substr(percent_at, s.size() - kTotal.size() - percent_at));
  r.support = r.support_percentage + Ansi("("_a) + r.count + Ansi(")"_a);
  r.rule = r.a + Ansi(" => "_a) + r.b;
  return r;
}

std::vector<mining::ParsedRule> rules_of_sentences(const std::vector<Ansi>& lines) {
  std::vector<mining::ParsedRule> rules;
  for (const Ansi& line : lines)
    if (auto rule = rule_of_sentence(line)) rules.push_back(std::move(*rule));
  return rules;
}

Network cooccurrence_network(const std::vector<association::AssociationRow>& rows, std::size_t strongest,
                             const Regional& regional) {
  struct Pair {
    Ansi a, b;
    double weight;
    Ansi weight_text;
  };
  std::vector<Pair> pairs;
  std::unordered_set<Ansi> seen;  // "min\0max" of the pairs taken
  std::unordered_map<Ansi, double> total;
  for (const auto& row : rows) {
    Ansi a = trim(row.first);
    Ansi b = trim(row.second);
    const AnsiView weight_text = trim_view(row.weight);
    const double weight = regional.parse(weight_text);
    if (a.empty() || b.empty() || a == b) continue;
    Ansi key = a < b ? a + Ansi(1, '\0') + b : b + Ansi(1, '\0') + a;
    if (!seen.insert(std::move(key)).second) continue;
    total[a] += weight;
    total[b] += weight;
    pairs.push_back({std::move(a), std::move(b), weight, Ansi(weight_text)});
  }
  // The heaviest pairs; equal weights in the order of the lines.
  std::vector<std::size_t> order(pairs.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  const std::size_t n = std::min(strongest, order.size());
  std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(n), order.end(),
                    [&](std::size_t x, std::size_t y) {
                      if (pairs[x].weight != pairs[y].weight) return pairs[x].weight > pairs[y].weight;
                      return x < y;
                    });
  Network network;
  NodeIndex nodes(network);
  for (std::size_t k = 0; k < n; ++k) {
    const Pair& p = pairs[order[k]];
    const std::size_t from = nodes.of(p.a, total[p.a]);
    const std::size_t to = nodes.of(p.b, total[p.b]);
    network.edges.push_back({from, to, p.weight, p.weight_text, false});
  }
  assign_communities(network);
  return network;
}

void assign_communities(Network& network) {
  const std::size_t n = network.nodes.size();
  // Undirected adjacency with the weights of parallel edges added up.
  std::vector<std::vector<std::pair<std::size_t, double>>> adjacent(n);
  for (const auto& e : network.edges) {
    if (e.from == e.to || e.from >= n || e.to >= n) continue;
    adjacent[e.from].push_back({e.to, e.weight});
    adjacent[e.to].push_back({e.from, e.weight});
  }
  std::vector<std::size_t> label(n);
  std::iota(label.begin(), label.end(), std::size_t{0});
  std::map<std::size_t, double> votes;  // small: one entry per distinct neighbour label
  for (int round = 0; round < 30; ++round) {
    bool changed = false;
    for (std::size_t v = 0; v < n; ++v) {
      if (adjacent[v].empty()) continue;
      votes.clear();
      for (auto [u, w] : adjacent[v]) votes[label[u]] += w > 0 ? w : 0;
      std::size_t best = label[v];
      double best_votes = -1;
      for (auto [l, w] : votes)  // ascending labels: the first of equal votes is the smallest
        if (w > best_votes) best = l, best_votes = w;
      // Keep the present label when it ties with the best, so the rounds settle.
      auto own = votes.find(label[v]);
      if (own != votes.end() && own->second == best_votes) best = label[v];
      if (best != label[v]) label[v] = best, changed = true;
    }
    if (!changed) break;
  }
  std::unordered_map<std::size_t, int> number;
  for (std::size_t v = 0; v < n; ++v) {
    auto [it, added] = number.try_emplace(label[v], static_cast<int>(number.size()));
    network.nodes[v].community = it->second;
  }
}

}  // namespace lumeral::charts
