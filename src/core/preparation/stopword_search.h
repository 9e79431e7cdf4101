// Stopword lookup as the word-list builder and the term association do it:
// a binary search over the entries in file order, comparing the ends and the
// middle exactly and choosing a half by the locale's case-insensitive
// collation. A list out of collation order can therefore miss stopwords,
// exactly as the stored lists have always behaved.
//
// The answer for a token depends only on the token, so it is remembered:
// looking up the same word again costs one hash lookup. Safe to share
// between threads.
#pragma once

#include <mutex>
#include <shared_mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/regional.h"

namespace lumeral::preparation {

class StopwordSearch {
 public:
  // `entries` in file order; they are trimmed here.
  StopwordSearch(const std::vector<Ansi>& entries, const Regional& regional);
  bool contains(AnsiView token) const;
  std::size_t size() const { return entries_.size(); }

 private:
  bool search(AnsiView token) const;
  std::vector<Ansi> entries_;
  std::vector<std::string> keys_;  // collation keys of the entries
  const Regional& regional_;
  mutable std::shared_mutex mutex_;
  mutable std::unordered_map<Ansi, bool> memo_;
};

}  // namespace lumeral::preparation
