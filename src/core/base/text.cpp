#include "core/base/text.h"

#include <string>

namespace lumeral {

char lower_az(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

Ansi lower_az(AnsiView text) {
  Ansi out(text);
  for (char& c : out) c = lower_az(c);
  return out;
}

AnsiView trim_view(AnsiView text) {
  std::size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 32) --e;
  return text.substr(b, e - b);
}

Ansi trim(AnsiView text) { return Ansi(trim_view(text)); }

std::vector<Ansi> split_lines(AnsiView text) {
  std::vector<Ansi> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::size_t find_ci(AnsiView text, AnsiView needle, std::size_t from) {
  if (needle.size() > text.size()) return AnsiView::npos;
  for (std::size_t i = from; i + needle.size() <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < needle.size() && lower_az(text[i + k]) == lower_az(needle[k])) ++k;
    if (k == needle.size()) return i;
  }
  return AnsiView::npos;
}

bool equals_ci(AnsiView a, AnsiView b) { return a.size() == b.size() && find_ci(a, b) == 0; }

Ansi ansi_number(long long v) {
  std::string s = std::to_string(v);
  return Ansi(s.data(), s.size());
}

}  // namespace lumeral
