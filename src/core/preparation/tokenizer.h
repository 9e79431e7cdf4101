// The word-list tokenizer: which Windows-1252 bytes make words, how number
// punctuation survives between digits, and how a line is cut into lowered
// tokens.
//
// Word characters are 0-9, A-Z, a-z, À, É, à, á, â, ã, ç, é, ê, í, ó, ô, õ,
// ú and ü; every other byte separates words (the other accented capitals,
// the hyphen and the apostrophe included). A comma, full stop or slash stays
// only when both neighbours are digits, so "3,5", "1.000" and "12/05/2004"
// are one token while "fim." loses its full stop. Tokens are lowered
// changing A to Z only, so "ÉPOCA" gives "Época".
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/base/ansi.h"

namespace lumeral::preparation {

namespace detail {
// 0: separator, 1: word character, 2: number punctuation.
constexpr std::array<unsigned char, 256> make_classes() {
  std::array<unsigned char, 256> t{};
  for (int c = '0'; c <= '9'; ++c) t[c] = 1;
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = 1;
  for (int c = 'a'; c <= 'z'; ++c) t[c] = 1;
  // À É à á â ã ç é ê í ó ô õ ú ü in Windows-1252.
  for (int c : {0xC0, 0xC9, 0xE0, 0xE1, 0xE2, 0xE3, 0xE7, 0xE9, 0xEA, 0xED, 0xF3, 0xF4, 0xF5, 0xFA, 0xFC}) t[c] = 1;
  t[','] = t['.'] = t['/'] = 2;
  return t;
}
inline constexpr auto kClasses = make_classes();
inline bool is_digit(unsigned char c) { return c >= '0' && c <= '9'; }
}  // namespace detail

bool is_word_char(unsigned char c);

// FNV-1a hash of a token, as for_each_token computes it.
inline std::uint32_t token_hash(std::string_view token) {
  std::uint32_t h = 2166136261u;
  for (unsigned char c : token) h = (h ^ c) * 16777619u;
  return h;
}

// One pass over a text (a line or a whole document, line breaks being
// separators): lowers A to Z in place and calls each(token, token_hash)
// for every token, in order, the view pointing into `data`. The same
// tokens as tokenize(), without copying them.
template <class Each>
void for_each_token(char* data, std::size_t size, Each&& each) {
  // A token starts only at a word character: kept punctuation needs a
  // digit on its left, and a digit is always inside a token. Inside one,
  // the punctuation rule reads the left neighbour "as it stands after the
  // changes made so far"; lowering leaves digits alone, so that neighbour
  // is a digit exactly when the original byte was.
  std::size_t i = 0;
  while (i < size) {
    while (i < size && detail::kClasses[static_cast<unsigned char>(data[i])] != 1) ++i;
    if (i == size) return;
    const std::size_t start = i;
    std::uint32_t h = 2166136261u;
    for (;;) {
      unsigned char c = static_cast<unsigned char>(data[i]);
      if (c >= 'A' && c <= 'Z') {
        c = static_cast<unsigned char>(c + ('a' - 'A'));
        data[i] = static_cast<char>(c);
      }
      h = (h ^ c) * 16777619u;
      if (++i == size) break;
      const unsigned char cls = detail::kClasses[static_cast<unsigned char>(data[i])];
      if (cls == 1) continue;
      if (cls == 2 && detail::is_digit(c) && i + 1 < size &&
          detail::is_digit(static_cast<unsigned char>(data[i + 1])))
        continue;
      break;
    }
    each(std::string_view(data + start, i - start), h);
  }
}

// Replaces, in place, every byte that is not part of a word by a blank and
// lowers A to Z. Works on a line or on a whole text: line breaks are
// separators, so a word never spans two lines and punctuation beside a line
// break has no digit neighbour there.
void prepare_for_tokens(char* data, std::size_t size);

// The tokens of a line (or a text), in order, lowered.
std::vector<Ansi> tokenize(AnsiView line);

}  // namespace lumeral::preparation
