// The listing of a pair store, as the term association window shows it
// after a run: first + " | " + second + " = " + weight ("0.0000"), in
// case-insensitive alphabetical order of the whole lines (equal lines in
// store order), then every line's mirror ("second | first = weight") in
// that order.
//
// Promises: the order is the collation order of the whole lines, worked
// out from the parts of the lines; lines are built on demand, so a store of
// millions of pairs is listed without holding millions of texts.
#pragma once

#include <cstdint>
#include <vector>

#include "core/association/pair_store.h"
#include "core/base/ansi.h"
#include "core/base/regional.h"
#include "core/records/records.h"

namespace lumeral::association {

class PairListing {
 public:
  PairListing() = default;
  PairListing(PairTable table, const Regional& regional);
  std::size_t size() const { return 2 * table_.pairs.size(); }
  Ansi line(std::size_t i) const;
  std::vector<Ansi> lines() const;

 private:
  void arrange();
  PairTable table_;                    // pairs in listing order once sorted
  std::vector<std::uint32_t> order_;   // sorted pair indexes, while sorting
  std::vector<Ansi> weight_texts_;     // distinct weights, formatted
  std::vector<std::uint32_t> weight_of_;  // pair -> its weight text
};

// The listing of pair records (features trimmed), as lines.
std::vector<Ansi> list_pairs(const std::vector<records::PairRecord>& pairs, const Regional& regional);

}  // namespace lumeral::association
