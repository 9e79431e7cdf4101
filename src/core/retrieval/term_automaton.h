// Many query terms found in one pass over a text: an Aho-Corasick automaton
// built once per query, turned into a full transition table over the bytes
// the terms use (every other byte is one class). Letters A to Z of the text
// are lowered by the byte classes themselves, so the text is neither copied
// nor lowered first, and terms are matched as given (the caller lowers them).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/reading.h"

namespace lumeral::retrieval {

class TermAutomaton {
 public:
  // The text is lowered by `reading` (classic: A to Z only).
  explicit TermAutomaton(const std::vector<Ansi>& terms, Reading reading = Reading::Classic);

  std::size_t size() const { return terms_; }

  // Marks found[t] for every term t that occurs in the lowered text (A to Z
  // only) as a substring; returns the number of distinct terms found. The
  // scan stops as soon as `enough` terms were found.
  std::size_t find(AnsiView text, std::vector<char>& found, std::size_t enough) const;

  // The same over the sentences of the Boolean retrieval, without building
  // them: each line trimmed, cut after every "." and "?", a sentence being
  // one blank before each of its pieces (a piece per line it spans). A term
  // is found when it occurs inside one sentence.
  std::size_t find_in_sentences(AnsiView text, std::vector<char>& found, std::size_t enough) const;

 private:
  // Starts a scan: clears `found`, marks the empty terms.
  std::size_t start(std::vector<char>& found) const;
  // Reports the terms ending in the state of a table entry; true when
  // `enough` is reached.
  bool report(std::uint32_t entry, std::vector<char>& found, std::size_t& count, std::size_t enough) const;

  std::size_t terms_ = 0;
  std::size_t longest_ = 0;  // length of the longest term
  std::vector<std::uint32_t> empty_;  // empty terms: found in every text
  std::vector<std::uint16_t> class_;  // byte -> class (0: a byte no term uses)
  std::size_t classes_ = 1;
  // Row of a state (its number * classes_) + class -> row of the next
  // state, with kEnds set when some term ends in it.
  static constexpr std::uint32_t kEnds = 0x80000000u;
  std::vector<std::uint32_t> next_;
  // state -> its terms (own and through failure links): out_terms_[out_start_[s] .. out_start_[s + 1])
  std::vector<std::uint32_t> out_start_;
  std::vector<std::uint32_t> out_terms_;
};

}  // namespace lumeral::retrieval
