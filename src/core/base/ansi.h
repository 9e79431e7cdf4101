// Stored text: the Windows-1252 bytes every file of a collection holds.
//
// `Ansi` is a std::basic_string with traits of its own, so it is a distinct
// type from std::string (which, in this program, carries UTF-8 for the user,
// Qt and the terminal). The two cannot be mixed by accident: crossing over
// goes through to_utf8()/to_ansi() in encoding.h, or through from_bytes()
// for bytes that are already Windows-1252.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace lumeral {

struct AnsiTraits : std::char_traits<char> {};

using Ansi = std::basic_string<char, AnsiTraits>;
using AnsiView = std::basic_string_view<char, AnsiTraits>;

// Bytes known to be Windows-1252 (read from a record or a stored file).
inline Ansi from_bytes(std::string_view bytes) { return Ansi(bytes.data(), bytes.size()); }
inline std::string_view bytes_of(AnsiView text) { return {text.data(), text.size()}; }

namespace literals {
// An ASCII-only literal as stored text; a non-ASCII byte is a compile error
// (such literals must go through to_ansi(), which converts them from UTF-8).
consteval AnsiView operator""_a(const char* s, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i)
    if (static_cast<unsigned char>(s[i]) >= 0x80) throw "non-ASCII literal: use to_ansi()";
  return AnsiView(s, n);
}
}  // namespace literals

}  // namespace lumeral

template <>
struct std::hash<lumeral::Ansi> {
  std::size_t operator()(const lumeral::Ansi& s) const noexcept {
    return std::hash<std::string_view>{}(std::string_view(s.data(), s.size()));
  }
};
template <>
struct std::hash<lumeral::AnsiView> {
  std::size_t operator()(lumeral::AnsiView s) const noexcept {
    return std::hash<std::string_view>{}(std::string_view(s.data(), s.size()));
  }
};
