#include "core/association/pair_listing.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "core/base/parallel.h"
#include "core/base/text.h"

namespace lumeral::association {

using records::PairRecord;

namespace {

// Ranks of texts under the collation: equal texts share a rank. With
// `primary_only`, only the primary part of the sort key counts (the bytes
// before its first level separator), so accents are ignored too.
std::vector<std::uint32_t> collation_ranks(const std::vector<Ansi>& texts, const Regional& regional,
                                           bool primary_only) {
  std::vector<std::string> keys(texts.size());
  const std::size_t parts = std::max<std::size_t>(1, std::min<std::size_t>(worker_count(), texts.size() / 4096));
  std::vector<Regional> collators(parts, regional);
  parallel_for(parts, [&](std::size_t t) {
    for (std::size_t i = t; i < texts.size(); i += parts) {
      keys[i] = collators[t].collation_key(texts[i]);
      if (primary_only) keys[i].resize(std::min(keys[i].size(), keys[i].find('\x01')));
    }
  });
  std::vector<std::uint32_t> order(texts.size());
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
  std::vector<std::uint32_t> rank(texts.size());
  std::uint32_t r = 0;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (i > 0 && keys[order[i]] != keys[order[i - 1]]) ++r;
    rank[order[i]] = r;
  }
  return rank;
}

// True when no text holds a blank, a control character or a no-break
// space: the separators of a line (" | ", " = ") then sort below every
// character of the features.
bool features_without_blanks(const std::vector<Ansi>& texts) {
  for (const Ansi& t : texts)
    for (char c : t)
      if (static_cast<unsigned char>(c) <= 0x20 || static_cast<unsigned char>(c) == 0xA0) return false;
  return true;
}

}  // namespace

PairListing::PairListing(PairTable table, const Regional& regional) : table_(std::move(table)) {
  const auto& pairs = table_.pairs;
  // Distinct weights, formatted once.
  std::unordered_map<double, std::uint32_t> weight_index;
  weight_of_.resize(pairs.size());
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    auto [it, added] = weight_index.try_emplace(pairs[i].weight, static_cast<std::uint32_t>(weight_texts_.size()));
    if (added) weight_texts_.push_back(regional.format(pairs[i].weight, "0.0000"));
    weight_of_[i] = it->second;
  }
  order_.resize(pairs.size());
  std::iota(order_.begin(), order_.end(), 0u);
  if (features_without_blanks(table_.texts)) {
    // A line compares, under the collation, as its parts do: the first
    // feature, the second and the weight at the primary level (letters),
    // then the two features with their accents. Ranks of the distinct texts
    // stand for their sort keys.
    auto primary = collation_ranks(table_.texts, regional, true);
    auto full = collation_ranks(table_.texts, regional, false);
    auto weight_rank = collation_ranks(weight_texts_, regional, true);
    std::stable_sort(order_.begin(), order_.end(), [&](std::uint32_t x, std::uint32_t y) {
      const auto& a = pairs[x];
      const auto& b = pairs[y];
      if (primary[a.first] != primary[b.first]) return primary[a.first] < primary[b.first];
      if (primary[a.second] != primary[b.second]) return primary[a.second] < primary[b.second];
      std::uint32_t wa = weight_rank[weight_of_[x]], wb = weight_rank[weight_of_[y]];
      if (wa != wb) return wa < wb;
      if (full[a.first] != full[b.first]) return full[a.first] < full[b.first];
      return full[a.second] < full[b.second];
    });
    arrange();
    return;
  }
  // Features with blanks: the sort keys of the whole lines.
  std::vector<std::string> keys(pairs.size());
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const auto& p = pairs[i];
    keys[i] = regional.collation_key(table_.texts[p.first] + Ansi(" | ") + table_.texts[p.second] + Ansi(" = ") +
                                     weight_texts_[weight_of_[i]]);
  }
  std::stable_sort(order_.begin(), order_.end(), [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
  arrange();
}

void PairListing::arrange() {
  // The pairs put in listing order once, so lines are built walking them.
  std::vector<PairTable::Pair> sorted(order_.size());
  std::vector<std::uint32_t> weights(order_.size());
  for (std::size_t i = 0; i < order_.size(); ++i) {
    sorted[i] = table_.pairs[order_[i]];
    weights[i] = weight_of_[order_[i]];
  }
  table_.pairs = std::move(sorted);
  weight_of_ = std::move(weights);
  order_.clear();
  order_.shrink_to_fit();
}

Ansi PairListing::line(std::size_t i) const {
  const std::size_t n = table_.pairs.size();
  const bool mirror = i >= n;
  std::size_t k = mirror ? i - n : i;
  const auto& p = table_.pairs[k];
  const Ansi& a = table_.texts[mirror ? p.second : p.first];
  const Ansi& b = table_.texts[mirror ? p.first : p.second];
  const Ansi& w = weight_texts_[weight_of_[k]];
  Ansi out;
  out.reserve(a.size() + b.size() + w.size() + 6);
  out += a;
  out += Ansi(" | ");
  out += b;
  out += Ansi(" = ");
  out += w;
  return out;
}

std::vector<Ansi> PairListing::lines() const {
  std::vector<Ansi> out;
  out.reserve(size());
  for (std::size_t i = 0; i < size(); ++i) out.push_back(line(i));
  return out;
}

std::vector<Ansi> list_pairs(const std::vector<PairRecord>& pairs, const Regional& regional) {
  PairTable table;
  std::unordered_map<Ansi, std::uint32_t> ids;
  auto id = [&](const Ansi& raw) {
    Ansi t = trim(raw);
    auto [it, added] = ids.try_emplace(t, static_cast<std::uint32_t>(table.texts.size()));
    if (added) table.texts.push_back(t);
    return it->second;
  };
  for (const auto& p : pairs) table.pairs.push_back({id(p.first), id(p.second), p.weight});
  return PairListing(std::move(table), regional).lines();
}

}  // namespace lumeral::association
