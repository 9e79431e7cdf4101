// The pair store; "temp.ass" format in docs/formats.md, "Pairs".
#include "core/association/pair_store.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/base/text.h"

namespace lumeral::association {

namespace {
constexpr std::uint32_t kEmpty = 0xffffffffu;
constexpr std::size_t kFeatureSize = 15;

// Bytes a value needs (at least one), and the value in that many bytes.
unsigned width(std::uint64_t v) {
  unsigned n = 1;
  while (n < 8 && (v >> (8 * n)) != 0) ++n;
  return n;
}
unsigned char* put(unsigned char* at, std::uint64_t v, unsigned n) {
  for (unsigned i = 0; i < n; ++i) *at++ = static_cast<unsigned char>(v >> (8 * i));
  return at;
}
std::uint64_t take(const unsigned char*& at, unsigned n) {
  std::uint64_t v = 0;
  for (unsigned i = 0; i < n; ++i) v |= static_cast<std::uint64_t>(*at++) << (8 * i);
  return v;
}
constexpr double kWholeLimit = 9007199254740992.0;  // 2^53: every whole number below is exact

std::uint64_t mix(std::uint32_t a, std::uint32_t b) {
  std::uint64_t x = (static_cast<std::uint64_t>(a) << 32) | b;
  x ^= x >> 33;
  x *= 0xff51afd7ed558ccdULL;
  x ^= x >> 33;
  x *= 0xc4ceb9fe1a85ec53ULL;
  x ^= x >> 33;
  return x;
}
}  // namespace

PairStore::PairStore(const Regional& regional) : regional_(regional), slots_(1024, kEmpty) {}

std::uint32_t PairStore::intern(AnsiView stored) {
  auto [it, added] = stored_ids_.try_emplace(Ansi(stored), static_cast<std::uint32_t>(stored_.size()));
  if (added) stored_.push_back(it->first);
  return it->second;
}

PairStore::Feature PairStore::feature(AnsiView text) {
  Ansi key(text);
  auto it = features_.find(key);
  if (it != features_.end()) return it->second;
  keys_.push_back(regional_.collation_key(text));
  Feature f{&keys_.back(), intern(trim_view(text.substr(0, kFeatureSize)))};
  features_.emplace(std::move(key), f);
  return f;
}

std::size_t PairStore::slot_of(std::uint32_t a, std::uint32_t b) const {
  std::size_t mask = slots_.size() - 1;
  std::size_t s = mix(a, b) & mask;
  while (slots_[s] != kEmpty) {
    const Pair& p = pairs_[slots_[s]];
    if (p.first == a && p.second == b) return s;
    s = (s + 1) & mask;
  }
  return s;
}

void PairStore::grow() {
  std::vector<std::uint32_t> old;
  old.swap(slots_);
  slots_.assign(old.size() * 2, kEmpty);
  std::size_t mask = slots_.size() - 1;
  for (std::uint32_t i = 0; i < pairs_.size(); ++i) {
    std::size_t s = mix(pairs_[i].first, pairs_[i].second) & mask;
    while (slots_[s] != kEmpty) s = (s + 1) & mask;
    slots_[s] = i;
  }
}

void PairStore::add(std::uint32_t a, std::uint32_t b, double weight) {
  std::size_t s = slot_of(a, b);
  if (slots_[s] != kEmpty) {
    pairs_[slots_[s]].weight += weight;
    return;
  }
  if (spill_ && pairs_.size() >= spill_->max_pairs) {
    spill();
    s = slot_of(a, b);
  } else if (pairs_.size() >= pair_cap_) {
    throw Full{};
  }
  slots_[s] = static_cast<std::uint32_t>(pairs_.size());
  pairs_.push_back({a, b, weight});
  if (pairs_.size() * 2 > slots_.size()) grow();
}

void PairStore::count(const Feature& a, const Feature& b, double times) {
  if (*a.sort_key > *b.sort_key) add(b.stored, a.stored, times);
  else add(a.stored, b.stored, times);
}

void PairStore::merge(const PairStore& other) {
  std::vector<std::uint32_t> remap(other.stored_.size(), kEmpty);
  auto id = [&](std::uint32_t o) {
    if (remap[o] == kEmpty) remap[o] = intern(other.stored_[o]);
    return remap[o];
  };
  for (const Pair& p : other.pairs_) add(id(p.first), id(p.second), p.weight);
}

std::vector<records::PairRecord> PairStore::records() const {
  std::vector<records::PairRecord> out;
  out.reserve(pairs_.size());
  for (const Pair& p : pairs_) out.push_back({stored_[p.first], stored_[p.second], p.weight});
  return out;
}

void PairStore::limit_memory(std::size_t budget, const std::filesystem::path& scratch_parent, Progress& progress) {
  // A pair costs 16 bytes in the table (up to 32 with the vector's spare
  // room), 8 to 16 in the slots, and 24 while it is spilled; half the
  // budget goes to the table, the rest to the vocabulary and the threads'
  // own stores.
  spill_ = std::make_unique<Spill>();
  spill_->budget = budget;
  spill_->max_pairs = std::max<std::size_t>(16, budget / 128);
  spill_->parent = scratch_parent;
  spill_->progress = &progress;
}

void PairStore::spill() {
  if (!spill_->runs) {
    spill_->scratch = std::make_shared<ScratchFolder>(spill_->parent);
    spill_->runs = std::make_unique<ExternalSorter<SpilledPair, ByTexts>>(*spill_->scratch, spill_->budget,
                                                                           *spill_->progress);
  }
  std::vector<std::uint32_t>(1024, kEmpty).swap(slots_);
  std::vector<SpilledPair> run(pairs_.size());
  for (std::size_t i = 0; i < pairs_.size(); ++i)
    run[i] = {pairs_[i].first, pairs_[i].second, pairs_[i].weight, spill_->found_before + i};
  spill_->found_before += pairs_.size();
  std::vector<Pair>().swap(pairs_);
  spill_->runs->add_run(run);
}

PairTable PairStore::take() {
  PairTable t{std::move(stored_), std::move(pairs_)};
  stored_.clear();
  pairs_.clear();
  stored_ids_.clear();
  features_.clear();
  keys_.clear();
  std::vector<std::uint32_t>(1024, kEmpty).swap(slots_);  // gives the memory back
  return t;
}

}  // namespace lumeral::association

namespace lumeral {

using association::SpilledPair;
using association::put;
using association::take;
using association::width;
using association::kWholeLimit;

void RunCodec<SpilledPair>::write(RunWriter& out, const SpilledPair& r) {
  unsigned char record[2 + sizeof r.first + sizeof r.second + sizeof r.found + sizeof r.weight];
  const unsigned first = width(r.first), second = width(r.second), found = width(r.found);
  unsigned weight = 0;  // 0: the double's own 8 bytes
  std::uint64_t weight_bits;
  if (r.weight >= 0 && r.weight < kWholeLimit && r.weight == std::floor(r.weight) && !std::signbit(r.weight)) {
    weight_bits = static_cast<std::uint64_t>(r.weight);
    weight = width(weight_bits);  // at most 7 below 2^53
  } else {
    std::memcpy(&weight_bits, &r.weight, sizeof weight_bits);
  }
  const unsigned tag = (first - 1) | (second - 1) << 2 | (found - 1) << 4 | weight << 7;
  unsigned char* at = put(record, tag, 2);
  at = put(at, r.first, first);
  at = put(at, r.second, second);
  at = put(at, r.found, found);
  at = put(at, weight_bits, weight ? weight : 8);
  out.write(record, static_cast<std::size_t>(at - record));
}

bool RunCodec<SpilledPair>::read(RunReader& in, SpilledPair& r) {
  unsigned char tag_bytes[2];
  if (!in.read(tag_bytes, 2)) return false;
  const unsigned tag = tag_bytes[0] | tag_bytes[1] << 8;
  const unsigned first = (tag & 3) + 1, second = (tag >> 2 & 3) + 1, found = (tag >> 4 & 7) + 1,
                 weight = tag >> 7 & 7;
  unsigned char body[sizeof r.first + sizeof r.second + sizeof r.found + sizeof r.weight];
  if (!in.read(body, first + second + found + (weight ? weight : 8)))
    throw Stop("Um arquivo temporário da associação terminou no meio de um registro.");
  const unsigned char* at = body;
  r.first = static_cast<std::uint32_t>(take(at, first));
  r.second = static_cast<std::uint32_t>(take(at, second));
  r.found = take(at, found);
  const std::uint64_t weight_bits = take(at, weight ? weight : 8);
  if (weight) r.weight = static_cast<double>(weight_bits);
  else std::memcpy(&r.weight, &weight_bits, sizeof r.weight);
  return true;
}

}  // namespace lumeral
