#include "core/association/strongest_pairs.h"

#include <algorithm>
#include <cstdint>
#include <queue>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/base/external_sort.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/records/weighted.h"

namespace lumeral::association {

namespace {

// A line as the co-occurrence network reads it: "a | b = weight".
struct ParsedLine {
  Ansi a, b;
  AnsiView weight_text;
  double weight = 0;
};

// False for a line the network leaves out (not a pair, a word paired with
// itself, under the threshold).
bool parse(AnsiView l, const std::optional<double>& threshold, const Regional& regional, ParsedLine& out) {
  if (threshold && regional.parse(records::key_after_equals(l)) < *threshold) return false;
  const auto bar = l.find('|');
  const auto eq = l.find('=', bar == AnsiView::npos ? 0 : bar);
  if (bar == AnsiView::npos || eq == AnsiView::npos) return false;
  out.a = trim(l.substr(0, bar));
  out.b = trim(l.substr(bar + 1, eq - bar - 1));
  out.weight_text = trim_view(l.substr(eq + 1));
  out.weight = regional.parse(out.weight_text);
  return !out.a.empty() && !out.b.empty() && out.a != out.b;
}

// The unordered pair of a line, and where the line is.
struct KeyedLine {
  std::string key;
  std::uint64_t line;
};
struct ByKeyThenLine {
  bool operator()(const KeyedLine& x, const KeyedLine& y) const {
    if (x.key != y.key) return x.key < y.key;
    return x.line < y.line;
  }
};

}  // namespace
}  // namespace lumeral::association

template <>
struct lumeral::RunCodec<lumeral::association::KeyedLine> {
  using KeyedLine = lumeral::association::KeyedLine;
  static void write(RunWriter& out, const KeyedLine& r) {
    const std::uint32_t size = static_cast<std::uint32_t>(r.key.size());
    out.put(size);
    out.write(r.key.data(), r.key.size());
    out.put(r.line);
  }
  static bool read(RunReader& in, KeyedLine& r) {
    std::uint32_t size;
    if (!in.get(size)) return false;
    r.key.resize(size);
    if (!in.read(r.key.data(), size) || !in.get(r.line))
      throw Stop("Um arquivo temporário da rede de co-ocorrência terminou no meio de um registro.");
    return true;
  }
  static std::size_t bytes(const KeyedLine& r) { return r.key.capacity() + 8; }
};

namespace lumeral::association {

charts::Network strongest_pairs_network(const PairListing& listing, const StrongestPairsOptions& options,
                                        const Regional& regional, Progress& progress) {
  std::optional<double> threshold;
  if (options.threshold) threshold = regional.parse_threshold(*options.threshold);
  // Every mirror (the second half) repeats the pair of an earlier line
  // with the same weight: only the pairs are read.
  const std::size_t lines = listing.size() / 2;
  const std::size_t sort_budget = std::max<std::size_t>(options.memory_budget / 4, 4096);
  ScratchFolder scratch(options.scratch_parent);

  // 1. The lines that repeat an earlier line's pair, in order.
  ExternalSorter<KeyedLine, ByKeyThenLine> by_key(scratch, sort_budget, progress);
  ParsedLine p;
  Ansi line;  // p.weight_text points into it
  for (std::size_t i = 0; i < lines; ++i) {
    line = listing.line(i);
    if (!parse(line, threshold, regional, p)) continue;
    const Ansi key = p.a < p.b ? p.a + Ansi(1, '\0') + p.b : p.b + Ansi(1, '\0') + p.a;
    by_key.add(KeyedLine{std::string(key.data(), key.size()), i});
  }
  ExternalSorter<std::uint64_t, std::less<std::uint64_t>> repeated(scratch, sort_budget, progress);
  std::string previous;
  bool first = true;
  by_key.drain([&](const KeyedLine& r) {
    if (!first && r.key == previous) repeated.add(r.line);
    previous = r.key;
    first = false;
  });
  std::vector<std::uint64_t> repeats;  // few: only pairs stored in both orders
  repeated.drain([&](const std::uint64_t& line) { repeats.push_back(line); });

  // 2. Every word's total, and the strongest pairs (equal weights: the
  //    earlier line), in one more pass.
  struct Drawn {
    double weight;
    std::size_t line;
    Ansi a, b, weight_text;
  };
  auto stronger = [](const Drawn& x, const Drawn& y) {
    if (x.weight != y.weight) return x.weight > y.weight;
    return x.line < y.line;
  };
  std::priority_queue<Drawn, std::vector<Drawn>, decltype(stronger)> weakest_on_top(stronger);
  std::unordered_map<Ansi, double> total;
  std::size_t next_repeat = 0;
  for (std::size_t i = 0; i < lines; ++i) {
    if (i % kCancelCheckEvery == 0) progress.checkpoint();
    if (next_repeat < repeats.size() && repeats[next_repeat] == i) {
      ++next_repeat;
      continue;
    }
    line = listing.line(i);
    if (!parse(line, threshold, regional, p)) continue;
    total[p.a] += p.weight;
    total[p.b] += p.weight;
    if (options.strongest == 0) continue;
    Drawn d{p.weight, i, p.a, p.b, Ansi(p.weight_text)};
    if (weakest_on_top.size() < options.strongest) {
      weakest_on_top.push(std::move(d));
    } else if (stronger(d, weakest_on_top.top())) {
      weakest_on_top.pop();
      weakest_on_top.push(std::move(d));
    }
  }
  std::vector<Drawn> drawn;
  for (; !weakest_on_top.empty(); weakest_on_top.pop()) drawn.push_back(weakest_on_top.top());
  std::sort(drawn.begin(), drawn.end(), stronger);

  charts::Network network;
  std::unordered_map<Ansi, std::size_t> node_of;
  auto node = [&](const Ansi& label) {
    auto [it, added] = node_of.try_emplace(label, network.nodes.size());
    if (added) network.nodes.push_back({label, total[label], 0});
    return it->second;
  };
  for (const Drawn& d : drawn) {
    const std::size_t from = node(d.a);
    const std::size_t to = node(d.b);
    network.edges.push_back({from, to, d.weight, d.weight_text, false});
  }
  charts::assign_communities(network);
  return network;
}

}  // namespace lumeral::association
