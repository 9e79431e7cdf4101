#include "core/association/sentence_pairs.h"

#include <algorithm>

namespace lumeral::association {

namespace detail {
bool sentence_letter(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  switch (c) {
    case 0xC0: case 0xC9: case 0xE0: case 0xE1: case 0xE2: case 0xE3: case 0xE7: case 0xE9:
    case 0xEA: case 0xED: case 0xF3: case 0xF4: case 0xF5: case 0xFA: case 0xFC:
      return true;
    default:
      return false;
  }
}
}  // namespace detail

std::vector<Ansi> sentence_tokens(AnsiView sentence) {
  std::vector<Ansi> tokens;
  Ansi buffer;
  for_each_sentence_token(sentence, buffer, [&](AnsiView t) { tokens.emplace_back(t); });
  return tokens;
}

namespace {
constexpr std::uint32_t kNone = 0xffffffffu;
}

double SentencePairCounter::ordered(std::uint32_t x, std::uint32_t y) const {
  const auto& px = positions_[x];
  const auto& py = positions_[y];
  double n = 0;
  std::size_t before = 0;
  for (std::uint32_t p : py) {
    while (before < px.size() && px[before] < p) ++before;
    n += static_cast<double>(before);
  }
  return n;
}

void SentencePairCounter::count(PairStore& store, const std::vector<PairStore::Feature>& words) {
  const std::size_t m = words.size();
  if (m < 2) return;

  // The distinct words, in the order of their first positions. A feature's
  // sort key is stored once per text, so its address names the text.
  kinds_.clear();
  kind_of_.clear();
  kind_at_.resize(m);
  for (std::uint32_t i = 0; i < m; ++i) {
    auto [it, added] = kind_of_.try_emplace(words[i].sort_key, static_cast<std::uint32_t>(kinds_.size()));
    if (added) kinds_.push_back({words[i], i, kNone, 0, 0});
    Kind& k = kinds_[it->second];
    if (k.found == 1) k.second = i;
    ++k.found;
    kind_at_[i] = it->second;
  }
  const std::uint32_t d = static_cast<std::uint32_t>(kinds_.size());

  // Groups of equal collation keys; only a group of two or more needs the
  // positions of its words.
  group_of_.clear();
  group_size_.clear();
  for (Kind& k : kinds_) {
    auto [it, added] =
        group_of_.try_emplace(std::string_view(*k.feature.sort_key), static_cast<std::uint32_t>(group_size_.size()));
    if (added) group_size_.push_back(0);
    k.group = it->second;
    ++group_size_[k.group];
  }
  const bool shared = group_size_.size() < d;
  if (shared) {
    positions_.assign(d, {});
    mates_.assign(d, {});
    for (std::uint32_t i = 0; i < m; ++i) {
      std::uint32_t k = kind_at_[i];
      if (group_size_[kinds_[k].group] > 1) positions_[k].push_back(i);
    }
    std::vector<std::vector<std::uint32_t>> met(group_size_.size());
    for (std::uint32_t a = 0; a < d; ++a) {
      std::uint32_t g = kinds_[a].group;
      if (group_size_[g] < 2) continue;
      mates_[a] = met[g];
      met[g].push_back(a);
    }
  }

  // Row by row: the pairs first met at the position of kind a's first
  // occurrence. Its pairs with later kinds b are met at b's first position,
  // in the order of the kinds; its pair with itself at its second position,
  // and (for a word of a shared group) its pair with an earlier mate x, in
  // the order "a then x", at the first x after a's first position.
  for (std::uint32_t a = 0; a < d; ++a) {
    const Kind& ka = kinds_[a];
    extras_.clear();
    if (ka.found > 1) extras_.push_back({ka.second, a, double(ka.found) * double(ka.found - 1) / 2});
    if (shared) {
      for (std::uint32_t x : mates_[a]) {
        double times = ordered(a, x);
        if (times == 0) continue;
        const auto& px = positions_[x];
        std::uint32_t at = *std::upper_bound(px.begin(), px.end(), ka.first);
        extras_.push_back({at, x, times});
      }
      std::sort(extras_.begin(), extras_.end(), [](const Extra& l, const Extra& r) { return l.at < r.at; });
    }
    std::size_t e = 0;
    for (std::uint32_t b = a + 1; b < d; ++b) {
      const Kind& kb = kinds_[b];
      for (; e < extras_.size() && extras_[e].at < kb.first; ++e)
        store.count(ka.feature, kinds_[extras_[e].other].feature, extras_[e].times);
      const double times = ka.group == kb.group ? ordered(a, b) : double(ka.found) * double(kb.found);
      store.count(ka.feature, kb.feature, times);
    }
    for (; e < extras_.size(); ++e) store.count(ka.feature, kinds_[extras_[e].other].feature, extras_[e].times);
  }
}

}  // namespace lumeral::association
