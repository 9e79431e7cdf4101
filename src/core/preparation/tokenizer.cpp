#include "core/preparation/tokenizer.h"

namespace lumeral::preparation {

using detail::is_digit;

bool is_word_char(unsigned char c, Reading reading) { return text_rules(reading).is_word_char(c); }

void prepare_for_tokens(char* data, std::size_t size, Reading reading) {
  // The rule reads the left neighbour "as it stands after the changes made
  // so far"; a change only ever writes a blank, and kept punctuation is not
  // a digit, so that neighbour is a digit exactly when the original was.
  const TextRules& rules = text_rules(reading);
  char prev = ' ';
  for (std::size_t i = 0; i < size; ++i) {
    char c = data[i];
    switch (rules.classes[static_cast<unsigned char>(c)]) {
      case 1:
        data[i] = static_cast<char>(rules.lower[static_cast<unsigned char>(c)]);
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

std::vector<Ansi> tokenize(AnsiView line, Reading reading) {
  Ansi work(line);
  std::vector<Ansi> tokens;
  for_each_token(text_rules(reading), work.data(), work.size(),
                 [&](std::string_view t, std::uint32_t) { tokens.push_back(from_bytes(t)); });
  return tokens;
}

}  // namespace lumeral::preparation
