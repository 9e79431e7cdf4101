// The sentence method of the term association ("Por presença na mesma
// frase"): the tokens of a sentence, and the pairs its words give.
//
// Promises: the pair store ends up exactly as if every two positions i < j
// of a sentence's words counted the pair (word i, word j) once, walking i
// and then j from left to right (weights, and the order in which new pairs
// enter the store), while the work grows with the number of words plus the
// number of distinct pairs, never with the square of a long sentence.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/association/pair_store.h"
#include "core/base/ansi.h"

namespace lumeral::association {

namespace detail {
bool sentence_letter(unsigned char c);
inline bool digit(char c) { return c >= '0' && c <= '9'; }
}  // namespace detail

// Calls each(AnsiView token) for the tokens of a sentence, in order:
// characters other than digits, A-Z, a-z and À É à á â ã ç é ê í ó ô õ ú ü
// become blanks ("," "." "/" between two digits stay), A-Z are lowered, and
// the text is cut at blanks. `buffer` is scratch space the caller reuses.
template <class Each>
void for_each_sentence_token(AnsiView sentence, Ansi& buffer, Each&& each) {
  const std::size_t n = sentence.size();
  buffer.assign(sentence);
  for (std::size_t i = 0; i < n; ++i) {
    const char c = sentence[i];
    if (detail::sentence_letter(static_cast<unsigned char>(c))) {
      if (c >= 'A' && c <= 'Z') buffer[i] = static_cast<char>(c - 'A' + 'a');
      continue;
    }
    const bool between_digits = (c == ',' || c == '.' || c == '/') && i > 0 && i + 1 < n &&
                                detail::digit(sentence[i - 1]) && detail::digit(sentence[i + 1]);
    if (!between_digits) buffer[i] = ' ';
  }
  std::size_t i = 0;
  while (i < n) {
    while (i < n && buffer[i] == ' ') ++i;
    const std::size_t start = i;
    while (i < n && buffer[i] != ' ') ++i;
    if (i > start) each(AnsiView(buffer).substr(start, i - start));
  }
}

// The tokens of a sentence as a list.
std::vector<Ansi> sentence_tokens(AnsiView sentence);

// Counts the pairs of one sentence's words (already resolved in the store,
// in sentence order) into the store. Two different words found a and b
// times add a x b to their pair; a word found c times pairs with itself
// c(c-1)/2 times. Words whose collation keys are equal (they differ only
// in case, as "É" and "é") are stored in the order they were met, so their
// two orders are counted apart. Keeps its scratch space between sentences.
class SentencePairCounter {
 public:
  void count(PairStore& store, const std::vector<PairStore::Feature>& words);

 private:
  struct Kind {                 // a distinct word of the sentence
    PairStore::Feature feature;
    std::uint32_t first;        // its first position
    std::uint32_t second;       // its second position, when found twice
    std::uint32_t found;        // how many times
    std::uint32_t group;        // words of equal collation keys share it
  };
  struct Extra {                // a count that does not follow the row's order
    std::uint32_t at;           // the later position of its first meeting
    std::uint32_t other;        // the kind paired with the row's kind
    double times;
  };
  double ordered(std::uint32_t x, std::uint32_t y) const;  // x met before y

  std::vector<Kind> kinds_;
  std::vector<std::uint32_t> kind_at_;
  std::unordered_map<const std::string*, std::uint32_t> kind_of_;
  std::unordered_map<std::string_view, std::uint32_t> group_of_;
  std::vector<std::uint32_t> group_size_;
  std::vector<std::vector<std::uint32_t>> positions_;  // of kinds in shared groups
  std::vector<std::vector<std::uint32_t>> mates_;      // earlier kinds of the same group
  std::vector<Extra> extras_;
};

}  // namespace lumeral::association
