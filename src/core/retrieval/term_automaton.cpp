#include "core/retrieval/term_automaton.h"

#include <algorithm>

namespace lumeral::retrieval {

namespace {
inline unsigned char byte(char c) { return static_cast<unsigned char>(c); }
}  // namespace

TermAutomaton::TermAutomaton(const std::vector<Ansi>& terms, Reading reading)
    : terms_(terms.size()), class_(256, 0) {
  // Byte classes: one per byte some term uses; capitals of the text (A to Z
  // under the classic reading) fall into the class of their small letter.
  std::vector<std::uint8_t> used(256, 0);
  for (const auto& t : terms)
    for (char c : t) used[byte(c)] = 1;
  std::size_t next_class = 1;
  std::vector<std::uint16_t> own(256, 0);
  for (int b = 0; b < 256; ++b)
    if (used[b]) own[b] = static_cast<std::uint16_t>(next_class++);
  classes_ = next_class;
  for (int b = 0; b < 256; ++b) {
    const int lowered = text_rules(reading).lower[b];
    class_[b] = own[lowered];
  }

  // The trie. A state's own terms are kept per state first.
  std::vector<std::uint32_t> trie(classes_, 0);  // 0: no child (the root is never a child)
  std::vector<std::vector<std::uint32_t>> own_terms(1);
  for (std::uint32_t t = 0; t < terms.size(); ++t) {
    if (terms[t].empty()) {
      empty_.push_back(t);
      continue;
    }
    std::uint32_t s = 0;
    for (char c : terms[t]) {
      std::uint32_t& child = trie[s * classes_ + own[byte(c)]];
      if (child == 0) {
        child = static_cast<std::uint32_t>(own_terms.size());
        own_terms.emplace_back();
        trie.resize(trie.size() + classes_, 0);
      }
      s = trie[s * classes_ + own[byte(c)]];  // the resize may have moved `child`
    }
    own_terms[s].push_back(t);
    longest_ = std::max(longest_, terms[t].size());
  }
  const std::size_t states = own_terms.size();

  // Breadth-first: failure links, then the full transition table, each
  // state's missing transitions taken from its failure state (already done,
  // being nearer the root).
  next_.assign(states * classes_, 0);
  std::vector<std::uint32_t> fail(states, 0);
  std::vector<std::uint32_t> order;
  order.reserve(states);
  for (std::size_t c = 0; c < classes_; ++c) {
    std::uint32_t child = trie[c];
    next_[c] = child;
    if (child) {
      fail[child] = 0;
      order.push_back(child);
    }
  }
  for (std::size_t k = 0; k < order.size(); ++k) {
    std::uint32_t s = order[k];
    for (std::size_t c = 0; c < classes_; ++c) {
      std::uint32_t child = trie[s * classes_ + c];
      if (child) {
        fail[child] = next_[fail[s] * classes_ + c];
        next_[s * classes_ + c] = child;
        order.push_back(child);
      } else {
        next_[s * classes_ + c] = next_[fail[s] * classes_ + c];
      }
    }
  }

  // Outputs: a state's own terms, then those of its failure state.
  std::vector<std::vector<std::uint32_t>> outputs(states);
  for (std::uint32_t s : order) {
    outputs[s] = own_terms[s];
    const auto& inherited = outputs[fail[s]];
    outputs[s].insert(outputs[s].end(), inherited.begin(), inherited.end());
  }
  out_start_.assign(states + 1, 0);
  for (std::size_t s = 0; s < states; ++s) {
    out_start_[s] = static_cast<std::uint32_t>(out_terms_.size());
    out_terms_.insert(out_terms_.end(), outputs[s].begin(), outputs[s].end());
  }
  out_start_[states] = static_cast<std::uint32_t>(out_terms_.size());
  // Each entry becomes the row offset of its target, with kEnds set when a
  // term ends there: one load per byte of text.
  for (auto& e : next_) e = static_cast<std::uint32_t>(e * classes_) | (outputs[e].empty() ? 0 : kEnds);
}

bool TermAutomaton::report(std::uint32_t entry, std::vector<char>& found, std::size_t& count,
                           std::size_t enough) const {
  const std::uint32_t state = static_cast<std::uint32_t>((entry & ~kEnds) / classes_);
  for (std::uint32_t k = out_start_[state]; k < out_start_[state + 1]; ++k) {
    char& f = found[out_terms_[k]];
    if (!f) {
      f = 1;
      ++count;
    }
  }
  return count >= enough;
}

std::size_t TermAutomaton::start(std::vector<char>& found) const {
  found.assign(terms_, 0);
  for (auto t : empty_) found[t] = 1;
  return empty_.size();
}

std::size_t TermAutomaton::find(AnsiView text, std::vector<char>& found, std::size_t enough) const {
  std::size_t count = start(found);
  if (count >= enough) return count;
  // Plain pointers: writes to `found` could otherwise make the compiler
  // reload the tables for every byte.
  const std::uint32_t* const next = next_.data();
  const std::uint16_t* const cls = class_.data();
  // Two halves scanned side by side: each step waits for the table load of
  // the step before it, and two independent chains overlap those waits.
  // The first half runs on over longest_ - 1 bytes of the second, so an
  // occurrence across the cut is still seen whole.
  const std::size_t n = text.size();
  const std::size_t half = n / 2;
  const char* a = text.data();
  const char* const a_end = a + std::min(n, half + (longest_ > 0 ? longest_ - 1 : 0));
  const char* b = text.data() + half;
  const char* const b_end = text.data() + n;
  std::uint32_t sa = 0, sb = 0;
  while (a < a_end && b < b_end) {
    sa = next[(sa & ~kEnds) + cls[byte(*a++)]];
    sb = next[(sb & ~kEnds) + cls[byte(*b++)]];
    if ((sa | sb) & kEnds) {
      if ((sa & kEnds) && report(sa, found, count, enough)) return count;
      if ((sb & kEnds) && report(sb, found, count, enough)) return count;
    }
  }
  for (; a < a_end; ++a) {
    sa = next[(sa & ~kEnds) + cls[byte(*a)]];
    if ((sa & kEnds) && report(sa, found, count, enough)) return count;
  }
  for (; b < b_end; ++b) {
    sb = next[(sb & ~kEnds) + cls[byte(*b)]];
    if ((sb & kEnds) && report(sb, found, count, enough)) return count;
  }
  return count;
}

std::size_t TermAutomaton::find_in_sentences(AnsiView text, std::vector<char>& found, std::size_t enough) const {
  std::size_t count = start(found);
  if (count >= enough) return count;
  const std::uint16_t blank = class_[byte(' ')];
  const std::uint32_t* const next = next_.data();  // see find()
  const std::uint16_t* const cls = class_.data();
  std::uint32_t s = 0;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    // One line: [p, line_end), without its CR, LF or CR LF.
    const char* line_end = p;
    while (line_end < end && *line_end != '\r' && *line_end != '\n') ++line_end;
    const char* next_line = line_end;
    if (next_line < end) next_line += (*next_line == '\r' && next_line + 1 < end && next_line[1] == '\n') ? 2 : 1;
    const char* a = p;
    const char* b = line_end;
    while (a < b && byte(*a) <= 32) ++a;
    while (b > a && byte(b[-1]) <= 32) --b;
    while (a < b) {
      // A piece: one blank, then the line up to and including its next mark.
      s = next[(s & ~kEnds) + blank];
      if ((s & kEnds) && report(s, found, count, enough)) return count;
      bool mark = false;
      while (a < b) {
        char c = *a++;
        s = next[(s & ~kEnds) + cls[byte(c)]];
        if ((s & kEnds) && report(s, found, count, enough)) return count;
        if (c == '.' || c == '?') {
          mark = true;
          break;
        }
      }
      if (!mark) break;  // the sentence goes on on the next line
      s = 0;             // a new sentence
      while (a < b && byte(*a) <= 32) ++a;
    }
    p = next_line;
  }
  return count;
}

}  // namespace lumeral::retrieval
