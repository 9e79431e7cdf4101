#include "core/association/pair_listing.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <numeric>
#include <unordered_map>

#include "core/base/external_sort.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/records/records.h"

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

PairListing::File::File(std::shared_ptr<ScratchFolder> s, const fs::path& p, std::size_t n)
    : scratch(std::move(s)), path(p), pairs(n) {
  fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw Stop("Não foi possível ler \"" + display_path(p) + "\": " + std::strerror(errno));
}

PairListing::File::~File() {
  if (fd >= 0) ::close(fd);
}

const PairListing::Listed& PairListing::listed(std::size_t k) const {
  if (k < window_start_ || k >= window_start_ + window_.size()) {
    // Lines are read in order (twice: pairs, then mirrors), a window at a
    // time, so only the window is held.
    constexpr std::size_t kWindow = 1 << 16;
    window_start_ = k;
    window_.resize(std::min(kWindow, file_->pairs - k));
    char* out = reinterpret_cast<char*>(window_.data());
    std::size_t want = window_.size() * sizeof(Listed), done = 0;
    while (done < want) {
      ssize_t got = ::pread(file_->fd, out + done, want - done, static_cast<off_t>(k * sizeof(Listed) + done));
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) {
        window_.clear();
        throw Stop("Não foi possível ler \"" + display_path(file_->path) + "\": " +
                   (got == 0 ? std::string("o arquivo terminou antes do esperado") : std::strerror(errno)));
      }
      done += static_cast<std::size_t>(got);
    }
  }
  return window_[k - window_start_];
}

AssociationRow PairListing::row(std::size_t i) const {
  const std::size_t n = pairs();
  const bool mirror = i >= n;
  std::size_t k = mirror ? i - n : i;
  std::uint32_t first, second, weight;
  if (file_) {
    const Listed& l = listed(k);
    first = l.first, second = l.second, weight = l.weight;
  } else {
    first = table_.pairs[k].first, second = table_.pairs[k].second, weight = weight_of_[k];
  }
  return {table_.texts[mirror ? second : first], table_.texts[mirror ? first : second], weight_texts_[weight]};
}

std::vector<AssociationRow> PairListing::rows() const {
  std::vector<AssociationRow> out;
  out.reserve(size());
  for (std::size_t i = 0; i < size(); ++i) out.push_back(row(i));
  return out;
}

namespace {

// The place of a pair in the listing when the features hold no blanks:
// the parts of its line as ranks (see PairListing's constructor), then its
// discovery.
struct RankedPair {
  std::uint32_t primary_first, primary_second, weight_rank, full_first, full_second;
  std::uint32_t first, second, weight;
  std::uint64_t found;
};
struct ByRanks {
  bool operator()(const RankedPair& a, const RankedPair& b) const {
    if (a.primary_first != b.primary_first) return a.primary_first < b.primary_first;
    if (a.primary_second != b.primary_second) return a.primary_second < b.primary_second;
    if (a.weight_rank != b.weight_rank) return a.weight_rank < b.weight_rank;
    if (a.full_first != b.full_first) return a.full_first < b.full_first;
    if (a.full_second != b.full_second) return a.full_second < b.full_second;
    return a.found < b.found;
  }
};

// With blanks in the features: the sort key of the whole line.
struct KeyedPair {
  std::string key;
  std::uint32_t first, second, weight;
  std::uint64_t found;
};
struct ByKey {
  bool operator()(const KeyedPair& a, const KeyedPair& b) const {
    if (a.key != b.key) return a.key < b.key;
    return a.found < b.found;
  }
};

struct BySeq {
  bool operator()(const SpilledPair& a, const SpilledPair& b) const { return a.found < b.found; }
};

}  // namespace
}  // namespace lumeral::association

template <>
struct lumeral::RunCodec<lumeral::association::KeyedPair> {
  using KeyedPair = lumeral::association::KeyedPair;
  static void write(RunWriter& out, const KeyedPair& r) {
    std::uint32_t size = static_cast<std::uint32_t>(r.key.size());
    out.put(size);
    out.write(r.key.data(), r.key.size());
    out.put(r.first);
    out.put(r.second);
    out.put(r.weight);
    out.put(r.found);
  }
  static bool read(RunReader& in, KeyedPair& r) {
    std::uint32_t size;
    if (!in.get(size)) return false;
    r.key.resize(size);
    if (!in.read(r.key.data(), size) || !in.get(r.first) || !in.get(r.second) || !in.get(r.weight) ||
        !in.get(r.found))
      throw Stop("Um arquivo temporário da associação terminou no meio de um registro.");
    return true;
  }
  static std::size_t bytes(const KeyedPair& r) { return r.key.capacity() + 24; }
};

namespace lumeral::association {

PairListing write_and_list(PairStore& store, const fs::path& p, const Regional& regional, Progress& progress) {
  if (!store.spilled()) {
    // Streamed (a large store is never held twice in memory) into a
    // temporary file put in place once the listing is made.
    progress.checkpoint();
    records::Writer<records::PairRecord> out(p);
    for (const PairTable::Pair& pair : store.pairs_)
      out.write({store.stored_[pair.first], store.stored_[pair.second], pair.weight});
    PairListing listing(store.take(), regional);
    progress.checkpoint();
    out.close();
    return listing;
  }
  PairStore::Spill& spill = *store.spill_;
  store.spill();
  // The sorts after the counting share the budget with the vocabulary.
  const std::size_t sort_budget = std::max<std::size_t>(spill.budget / 4, 1024);

  // 1. The runs merged by pair: each pair once, its counts added up (they
  //    are whole numbers, so the sum is exact in any order) and its first
  //    discovery the earliest. Then in the order of discovery, the order of
  //    "temp.ass".
  ExternalSorter<SpilledPair, BySeq> by_discovery(*spill.scratch, sort_budget, progress);
  PairListing listing;
  std::unordered_map<double, std::uint32_t> weight_index;
  auto weight_of = [&](double w) {
    auto [it, added] = weight_index.try_emplace(w, static_cast<std::uint32_t>(listing.weight_texts_.size()));
    if (added) listing.weight_texts_.push_back(regional.format(w, "0.0000"));
    return it->second;
  };
  bool have = false;
  SpilledPair current{};
  auto flush = [&] {
    weight_of(current.weight);
    by_discovery.add(current);
  };
  spill.runs->drain([&](const SpilledPair& r) {
    if (have && r.first == current.first && r.second == current.second) {
      current.weight += r.weight;  // runs come in discovery order: `found` stays the earliest
      return;
    }
    if (have) flush();
    current = r;
    have = true;
  });
  if (have) flush();

  // 2. "temp.ass" in discovery order, and every pair into the sort of the
  //    listing (the same order as PairListing's constructor gives).
  listing.table_.texts = std::move(store.stored_);
  const auto& texts = listing.table_.texts;
  const bool plain = features_without_blanks(texts);
  std::vector<std::uint32_t> primary, full, weight_rank;
  if (plain) {
    primary = collation_ranks(texts, regional, true);
    full = collation_ranks(texts, regional, false);
    weight_rank = collation_ranks(listing.weight_texts_, regional, true);
  }
  ExternalSorter<RankedPair, ByRanks> ranked(*spill.scratch, sort_budget, progress);
  ExternalSorter<KeyedPair, ByKey> keyed(*spill.scratch, sort_budget, progress);
  std::size_t count = 0;
  records::Writer<records::PairRecord> out(p);
  by_discovery.drain([&](const SpilledPair& r) {
    out.write({texts[r.first], texts[r.second], r.weight});
    const std::uint32_t w = weight_index.at(r.weight);
    if (plain) {
      ranked.add({primary[r.first], primary[r.second], weight_rank[w], full[r.first], full[r.second], r.first,
                  r.second, w, r.found});
    } else {
      keyed.add({regional.collation_key(texts[r.first] + Ansi(" | ") + texts[r.second] + Ansi(" = ") +
                                        listing.weight_texts_[w]),
                 r.first, r.second, w, r.found});
    }
    ++count;
  });

  // 3. The sorted listing into its file.
  fs::path file = spill.scratch->new_file(".lst");
  {
    RunWriter lw(file);
    auto put = [&](std::uint32_t first, std::uint32_t second, std::uint32_t w) {
      lw.put(PairListing::Listed{first, second, w});
    };
    if (plain) ranked.drain([&](const RankedPair& r) { put(r.first, r.second, r.weight); });
    else keyed.drain([&](const KeyedPair& r) { put(r.first, r.second, r.weight); });
    lw.close();
  }
  listing.file_ = std::make_shared<const PairListing::File>(spill.scratch, file, count);
  progress.checkpoint();
  out.close();
  store.take();
  store.spill_.reset();
  return listing;
}

std::vector<AssociationRow> list_pairs(const std::vector<PairRecord>& pairs, const Regional& regional) {
  PairTable table;
  std::unordered_map<Ansi, std::uint32_t> ids;
  auto id = [&](const Ansi& raw) {
    Ansi t = trim(raw);
    auto [it, added] = ids.try_emplace(t, static_cast<std::uint32_t>(table.texts.size()));
    if (added) table.texts.push_back(t);
    return it->second;
  };
  for (const auto& p : pairs) table.pairs.push_back({id(p.first), id(p.second), p.weight});
  return PairListing(std::move(table), regional).rows();
}

}  // namespace lumeral::association
