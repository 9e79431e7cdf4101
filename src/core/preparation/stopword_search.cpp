#include "core/preparation/stopword_search.h"

#include "core/base/text.h"

namespace lumeral::preparation {

StopwordSearch::StopwordSearch(const std::vector<Ansi>& entries, const Regional& regional) : regional_(regional) {
  entries_.reserve(entries.size());
  for (const auto& e : entries) entries_.push_back(trim(e));
  keys_.reserve(entries_.size());
  for (const auto& e : entries_) keys_.push_back(regional_.collation_key(e));
}

bool StopwordSearch::search(AnsiView token) const {
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
      token_key = regional_.collation_key(token);
      have_key = true;
    }
    if (token_key > keys_[mid]) lo = mid;
    else hi = mid;
  }
}

bool StopwordSearch::contains(AnsiView token) const {
  Ansi t(token);
  {
    std::shared_lock lock(mutex_);
    if (auto it = memo_.find(t); it != memo_.end()) return it->second;
  }
  bool found = search(t);
  std::unique_lock lock(mutex_);
  memo_.emplace(std::move(t), found);
  return found;
}

}  // namespace lumeral::preparation
