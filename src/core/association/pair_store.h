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
#pragma once

#include <cstdint>
#include <list>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/base/ansi.h"
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
  // Writes the store as pair records (temporary file renamed into place, so
  // the previous store stays whole until this one is complete).
  void write(const std::filesystem::path& p) const;
  // Hands the pairs over; the store is empty afterwards.
  PairTable take();

 private:
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
};

}  // namespace lumeral::association
