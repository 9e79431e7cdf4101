// The word-list tokenizer: which Windows-1252 bytes make words, how number
// punctuation survives between digits, and how a line is cut into lowered
// tokens. The bytes that make words and the lowering are the reading's
// (core/base/reading.h); the classic reading is the default.
//
// Classic: word characters are 0-9, A-Z, a-z, À, É, à, á, â, ã, ç, é, ê,
// í, ó, ô, õ, ú and ü; every other byte separates words (the other
// accented capitals, the hyphen and the apostrophe included); tokens are
// lowered changing A to Z only, so "ÉPOCA" gives "Época". Complete: every
// letter is a word character and every capital is lowered ("ÉPOCA" gives
// "época"). Both: a comma, full stop or slash stays only when both
// neighbours are digits, so "3,5", "1.000" and "12/05/2004" are one token
// while "fim." loses its full stop.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/reading.h"

namespace lumeral::preparation {

namespace detail {
inline bool is_digit(unsigned char c) { return c >= '0' && c <= '9'; }
}  // namespace detail

bool is_word_char(unsigned char c, Reading reading = Reading::Classic);

// FNV-1a hash of a token, as for_each_token computes it.
inline std::uint32_t token_hash(std::string_view token) {
  std::uint32_t h = 2166136261u;
  for (unsigned char c : token) h = (h ^ c) * 16777619u;
  return h;
}

// One pass over a text (a line or a whole document, line breaks being
// separators): lowers in place by `rules` and calls each(token, token_hash)
// for every token, in order, the view pointing into `data`. The same
// tokens as tokenize(), without copying them.
template <class Each>
void for_each_token(const TextRules& rules, char* data, std::size_t size, Each&& each) {
  // A token starts only at a word character: kept punctuation needs a
  // digit on its left, and a digit is always inside a token. Inside one,
  // the punctuation rule reads the left neighbour "as it stands after the
  // changes made so far"; lowering leaves digits alone, so that neighbour
  // is a digit exactly when the original byte was.
  std::size_t i = 0;
  while (i < size) {
    while (i < size && rules.classes[static_cast<unsigned char>(data[i])] != 1) ++i;
    if (i == size) return;
    const std::size_t start = i;
    std::uint32_t h = 2166136261u;
    for (;;) {
      const unsigned char c = rules.lower[static_cast<unsigned char>(data[i])];
      data[i] = static_cast<char>(c);
      h = (h ^ c) * 16777619u;
      if (++i == size) break;
      const unsigned char cls = rules.classes[static_cast<unsigned char>(data[i])];
      if (cls == 1) continue;
      if (cls == 2 && detail::is_digit(c) && i + 1 < size &&
          detail::is_digit(static_cast<unsigned char>(data[i + 1])))
        continue;
      break;
    }
    each(std::string_view(data + start, i - start), h);
  }
}
template <class Each>
void for_each_token(char* data, std::size_t size, Each&& each) {
  for_each_token(text_rules(Reading::Classic), data, size, std::forward<Each>(each));
}

// Replaces, in place, every byte that is not part of a word by a blank and
// lowers by the reading. Works on a line or on a whole text: line breaks are
// separators, so a word never spans two lines and punctuation beside a line
// break has no digit neighbour there.
void prepare_for_tokens(char* data, std::size_t size, Reading reading = Reading::Classic);

// The tokens of a line (or a text), in order, lowered.
std::vector<Ansi> tokenize(AnsiView line, Reading reading = Reading::Classic);

}  // namespace lumeral::preparation
