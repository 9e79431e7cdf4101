#include "core/preparation/tokenizer.h"

#include <array>

namespace lumeral::preparation {
namespace {

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
constexpr auto kClasses = make_classes();

inline bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool is_word_char(unsigned char c) { return kClasses[c] == 1; }

void prepare_for_tokens(char* data, std::size_t size) {
  // The rule reads the left neighbour "as it stands after the changes made
  // so far"; a change only ever writes a blank, and kept punctuation is not
  // a digit, so that neighbour is a digit exactly when the original was.
  char prev = ' ';
  for (std::size_t i = 0; i < size; ++i) {
    char c = data[i];
    switch (kClasses[static_cast<unsigned char>(c)]) {
      case 1:
        if (c >= 'A' && c <= 'Z') data[i] = static_cast<char>(c + ('a' - 'A'));
        break;
      case 2:
        if (!(is_digit(prev) && i + 1 < size && is_digit(data[i + 1]))) data[i] = ' ';
        break;
      default:
        data[i] = ' ';
    }
    prev = c;
  }
}

std::vector<Ansi> tokenize(AnsiView line) {
  Ansi work(line);
  prepare_for_tokens(work.data(), work.size());
  std::vector<Ansi> tokens;
  std::size_t i = 0, n = work.size();
  while (i < n) {
    while (i < n && work[i] == ' ') ++i;
    std::size_t start = i;
    while (i < n && work[i] != ' ') ++i;
    if (i > start) tokens.emplace_back(work.substr(start, i - start));
  }
  return tokens;
}

}  // namespace lumeral::preparation
