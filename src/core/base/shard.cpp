#include "core/base/shard.h"

#include <charconv>

namespace lumeral {

namespace {
// A decimal number of digits only (no sign, no blanks), within size_t.
std::optional<std::size_t> number(std::string_view s) {
  if (s.empty() || s.size() > 9) return std::nullopt;
  for (char c : s)
    if (c < '0' || c > '9') return std::nullopt;
  std::size_t v = 0;
  std::from_chars(s.data(), s.data() + s.size(), v);
  return v;
}
}  // namespace

std::optional<Shard> parse_shard(std::string_view text) {
  auto slash = text.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  auto index = number(text.substr(0, slash));
  auto count = number(text.substr(slash + 1));
  if (!index || !count || *count == 0 || *index >= *count) return std::nullopt;
  return Shard{*index, *count};
}

}  // namespace lumeral
