#include "core/preparation/stopword_search.h"

#include "core/base/text.h"
#include "core/preparation/tokenizer.h"

namespace lumeral::preparation {

StopwordSearch::StopwordSearch(const std::vector<Ansi>& entries, const Regional& regional, Reading reading) {
  const bool complete = reading == Reading::Complete;
  entries_.reserve(entries.size());
  for (const auto& e : entries) entries_.push_back(complete ? lower(reading, trim_view(e)) : trim(e));
  if (!complete) {
    keys_.reserve(entries_.size());
    for (const auto& e : entries_) keys_.push_back(regional.collation_key(e));
  }
  std::size_t slots = 16;
  while (slots < entries_.size() * 4) slots *= 2;
  table_.assign(slots, 0);
  for (const auto& e : entries_) {
    if (!e.empty() && e.size() < 16) shapes_[e.size() * 256 + static_cast<unsigned char>(e[0])] = true;
    std::size_t i = token_hash(bytes_of(e)) & (slots - 1);
    while (table_[i] != 0 && distinct_[table_[i] - 1] != e) i = (i + 1) & (slots - 1);
    if (table_[i] != 0) continue;  // a repeated entry
    distinct_.push_back(e);
    answers_.push_back(complete || search(e, regional));
    table_[i] = static_cast<std::uint32_t>(distinct_.size());
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

bool StopwordSearch::contains(AnsiView token) const { return contains(token, token_hash(bytes_of(token))); }

bool StopwordSearch::contains(AnsiView token, std::uint32_t hash) const {
  if (!token.empty() && token.size() < 16 && !shapes_[token.size() * 256 + static_cast<unsigned char>(token[0])])
    return false;
  const std::size_t mask = table_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    std::uint32_t slot = table_[i];
    if (slot == 0) return false;
    if (distinct_[slot - 1] == token) return answers_[slot - 1];
  }
}

}  // namespace lumeral::preparation
