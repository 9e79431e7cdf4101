#include "core/preparation/tokenizer.h"

namespace lumeral::preparation {

using detail::kClasses;
using detail::is_digit;

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
        if (!(is_digit(static_cast<unsigned char>(prev)) && i + 1 < size &&
              is_digit(static_cast<unsigned char>(data[i + 1]))))
          data[i] = ' ';
        break;
      default:
        data[i] = ' ';
    }
    prev = c;
  }
}

std::vector<Ansi> tokenize(AnsiView line) {
  Ansi work(line);
  std::vector<Ansi> tokens;
  for_each_token(work.data(), work.size(),
                 [&](std::string_view t, std::uint32_t) { tokens.push_back(from_bytes(t)); });
  return tokens;
}

}  // namespace lumeral::preparation
