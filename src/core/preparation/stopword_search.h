// Stopword lookup as the word-list builder and the term association do it:
// a binary search over the entries in file order, comparing the ends and the
// middle exactly and choosing a half by the locale's case-insensitive
// collation. A list out of collation order can therefore miss stopwords,
// exactly as the stored lists have always behaved.
//
// The search can only answer "yes" for a token that equals one of the
// entries, so the answer of every entry is worked out once, when the list is
// loaded; any other token is answered by one hash lookup. Read-only after
// construction, so safe to share between threads.
//
// Under the complete reading the entries are lowered as tokens are (É to
// é) and a token is a stopword exactly when it equals an entry: the order
// of the list no longer matters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/reading.h"
#include "core/base/regional.h"

namespace lumeral::preparation {

class StopwordSearch {
 public:
  // `entries` in file order; they are trimmed here.
  StopwordSearch(const std::vector<Ansi>& entries, const Regional& regional, Reading reading = Reading::Classic);
  bool contains(AnsiView token) const;
  // The same for a token whose token_hash the scanner already computed.
  bool contains(AnsiView token, std::uint32_t hash) const;
  std::size_t size() const { return entries_.size(); }

 private:
  bool search(AnsiView token, const Regional& regional) const;
  std::vector<Ansi> entries_;
  std::vector<std::string> keys_;  // collation keys of the entries
  // The answer for each distinct entry, in an open-addressing table keyed
  // by the tokenizer's hash (token_hash): 0 = empty, else index + 1.
  std::vector<Ansi> distinct_;
  std::vector<bool> answers_;
  std::vector<std::uint32_t> table_;
  // Quick refusal: whether any entry has this length (up to 15) and first
  // byte; most tokens of a text are refused here without hashing.
  std::vector<bool> shapes_ = std::vector<bool>(16 * 256, false);
};

}  // namespace lumeral::preparation
