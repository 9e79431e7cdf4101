// The pair store of the term association: every unordered pair of features
// (words or contexts) found together, with the number of times it was
// found. A pair is stored once, its first feature not greater than the
// second under the locale's case-insensitive collation; pairs keep the
// order in which they were first found; features are stored cut to 15
// characters and compared as stored, so two long words that share their
// first 15 characters count in one record (as the file can only hold them).
// Written as "temp.ass" (pair records, docs/formats.md "Pairs").
//
// Counting is in memory. Independent parts of a collection may be counted
// in separate stores (one per thread) and merged in collection order, which
// gives the same records in the same order as one store counting all.
//
// A store given a memory budget (limit_memory) holds at most the pairs the
// budget allows: when full, it sorts its pairs by their texts' ids and
// spills them, each with the number of its first discovery, as a run to a
// scratch folder, and counts on from an empty table. write_and_list()
// (pair_listing.h) merges the runs, adding up the counts of a pair found in
// several runs and keeping its earliest discovery, and writes "temp.ass"
// and the listing with the same bytes as a store that never spilled.
#pragma once

#include <cstdint>
#include <list>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/external_sort.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/records/records.h"

namespace lumeral::association {

// The pairs of a store: the stored feature texts, each once, and the pairs
// as indexes into them with their weights, in first-discovery order.
struct PairTable {
  struct Pair {
    std::uint32_t first;
    std::uint32_t second;
    double weight;
  };
  std::vector<Ansi> texts;
  std::vector<Pair> pairs;
};

// A pair as a spilled run holds it: the ids of its stored texts, its count
// so far and the number of its first discovery in the whole counting.
struct SpilledPair {
  std::uint32_t first;
  std::uint32_t second;
  double weight;
  std::uint64_t found;
};
struct ByTexts {
  bool operator()(const SpilledPair& a, const SpilledPair& b) const {
    if (a.first != b.first) return a.first < b.first;
    if (a.second != b.second) return a.second < b.second;
    return a.found < b.found;
  }
};

}  // namespace lumeral::association

// A spilled pair in a run takes 6 to 26 bytes instead of its 24 in memory:
// a tag of two bytes gives how many bytes each field takes, then the
// fields, low byte first. A weight that is a whole number (the counts are)
// takes the bytes it needs, any other weight its 8 bytes as they are. The
// runs of a large collection are gigabytes: half the bytes is half the
// writing and reading back.
template <>
struct lumeral::RunCodec<lumeral::association::SpilledPair> {
  static void write(RunWriter& out, const association::SpilledPair& r);
  static bool read(RunReader& in, association::SpilledPair& r);
  static std::size_t bytes(const association::SpilledPair&) { return sizeof(association::SpilledPair); }
};

namespace lumeral::association {

class PairListing;

class PairStore {
 public:
  // `regional` is copied, so each store has a collator of its own.
  explicit PairStore(const Regional& regional);

  // A feature resolved once, for counting many pairs with it.
  struct Feature {
    const std::string* sort_key;  // collation key of the whole feature
    std::uint32_t stored;         // id of the stored (cut, trimmed) text
  };
  Feature feature(AnsiView text);

  // Counts the pair `times` times (weight + times), swapping it into
  // collation order; equal keys keep the order given.
  void count(const Feature& a, const Feature& b, double times = 1.0);
  void count(AnsiView a, AnsiView b) { count(feature(a), feature(b)); }

  // Adds every pair of `other`, in its order, as if counted here after the
  // pairs counted so far.
  void merge(const PairStore& other);

  std::size_t size() const { return pairs_.size(); }
  bool empty() const { return pairs_.empty(); }
  std::vector<records::PairRecord> records() const;
  // Hands the pairs over; the store is empty afterwards.
  PairTable take();

  // From now on at most `budget` bytes of pairs are held: a full table is
  // spilled as a sorted run into a scratch folder made in `scratch_parent`
  // (removed with the store, also on a failure). Call before counting.
  // Spilling and the merge in write_and_list() check `progress` for a
  // cancel request.
  void limit_memory(std::size_t budget, const std::filesystem::path& scratch_parent,
                    Progress& progress = Progress::none());
  // For a store that counts a part of a collection beside others: a new
  // pair beyond `pairs` throws Full (the store is then of no further use,
  // and that part is counted again elsewhere).
  struct Full {};
  void limit_pairs(std::size_t pairs) { pair_cap_ = pairs; }
  // True once a run was spilled: records() and take() then see only
  // the pairs counted since; write_and_list() sees all.
  bool spilled() const { return spill_ && spill_->runs && spill_->runs->spilled(); }
  std::size_t budget() const { return spill_ ? spill_->budget : 0; }

 private:
  friend PairListing write_and_list(PairStore& store, const std::filesystem::path& p, const Regional& regional,
                                    Progress& progress);
  struct Spill {
    std::size_t budget = 0;
    std::size_t max_pairs = 0;
    std::filesystem::path parent;
    Progress* progress = nullptr;
    std::uint64_t found_before = 0;  // pairs discovered before the table's first
    // Made at the first spill.
    std::shared_ptr<ScratchFolder> scratch;
    std::unique_ptr<ExternalSorter<SpilledPair, ByTexts>> runs;
  };
  void spill();

  using Pair = PairTable::Pair;
  std::uint32_t intern(AnsiView stored);
  std::size_t slot_of(std::uint32_t a, std::uint32_t b) const;
  void add(std::uint32_t a, std::uint32_t b, double weight);
  void grow();

  Regional regional_;
  std::unordered_map<Ansi, Feature> features_;
  std::list<std::string> keys_;  // stable storage of sort keys
  std::unordered_map<Ansi, std::uint32_t> stored_ids_;
  std::vector<Ansi> stored_;
  std::vector<Pair> pairs_;
  std::vector<std::uint32_t> slots_;  // open addressing into pairs_
  std::unique_ptr<Spill> spill_;
  std::size_t pair_cap_ = static_cast<std::size_t>(-1);
};

}  // namespace lumeral::association
