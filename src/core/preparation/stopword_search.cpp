#include "core/preparation/stopword_search.h"

#include "core/base/text.h"

namespace lumeral::preparation {

StopwordSearch::StopwordSearch(const std::vector<Ansi>& entries, const Regional& regional) {
  entries_.reserve(entries.size());
  for (const auto& e : entries) entries_.push_back(trim(e));
  keys_.reserve(entries_.size());
  for (const auto& e : entries_) keys_.push_back(regional.collation_key(e));
  for (const auto& e : entries_) {
    if (!answers_.count(e)) answers_.emplace(e, search(e, regional));
    if (!e.empty() && e.size() < 16) shapes_[e.size() * 256 + static_cast<unsigned char>(e[0])] = true;
  }
}

bool StopwordSearch::search(AnsiView token, const Regional& regional) const {
  if (entries_.empty()) return false;
  std::size_t lo = 0, hi = entries_.size() - 1;
  std::string token_key;
  bool have_key = false;
  while (true) {
    if (entries_[lo] == token || entries_[hi] == token) return true;
    std::size_t d = hi - lo;
    std::size_t mid = lo + d / 2;
    if (entries_[mid] == token) return true;
    if (d < 3) return false;
    if (!have_key) {
      token_key = regional.collation_key(token);
      have_key = true;
    }
    if (token_key > keys_[mid]) lo = mid;
    else hi = mid;
  }
}

bool StopwordSearch::contains(AnsiView token) const {
  if (!token.empty() && token.size() < 16 && !shapes_[token.size() * 256 + static_cast<unsigned char>(token[0])])
    return false;
  auto it = answers_.find(token);
  return it != answers_.end() && it->second;
}

}  // namespace lumeral::preparation
