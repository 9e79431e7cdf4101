#include "core/base/memory_budget.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/base/system_errors.h"
#include "core/base/message.h"

namespace lumeral {

std::size_t parse_memory_budget(std::string_view text) {
  auto refuse = [&]() -> std::size_t {
    throw Stop("Limite de memória inválido: \"" + printable(std::string(text)) +
               "\" não é um tamanho (use megabytes, como 800, ou um tamanho com unidade, como 64K, 512M ou 2G)");
  };
  std::string t(text);
  while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back()))) t.pop_back();
  std::size_t start = 0;
  while (start < t.size() && std::isspace(static_cast<unsigned char>(t[start]))) ++start;
  t = t.substr(start);
  if (!t.empty() && (t.back() == 'b' || t.back() == 'B') && t.size() >= 2 &&
      std::isalpha(static_cast<unsigned char>(t[t.size() - 2])))
    t.pop_back();
  double unit = static_cast<double>(kMegabyte);
  if (!t.empty() && std::isalpha(static_cast<unsigned char>(t.back()))) {
    switch (std::tolower(static_cast<unsigned char>(t.back()))) {
      case 'k': unit = 1024.0; break;
      case 'm': unit = static_cast<double>(kMegabyte); break;
      case 'g': unit = 1024.0 * static_cast<double>(kMegabyte); break;
      default: return refuse();
    }
    t.pop_back();
  }
  if (t.empty()) return refuse();
  bool dot = false;
  for (char& c : t) {
    if (c == ',') c = '.';  // "1,5G" as a Brazilian user types it
    if (c == '.') {
      if (dot) return refuse();
      dot = true;
    } else if (!std::isdigit(static_cast<unsigned char>(c))) {
      return refuse();
    }
  }
  if (t == ".") return refuse();
  // strtod, not stod: a run of digits beyond a double's range reads as
  // infinity and is refused below, where stod would throw out_of_range.
  const double bytes = std::strtod(t.c_str(), nullptr) * unit;
  // At least one kilobyte; at most what a size can hold.
  if (!(bytes >= 1024.0) || bytes > 1e18) return refuse();
  return static_cast<std::size_t>(std::llround(bytes));
}

std::string memory_budget_text(std::size_t bytes) {
  const std::size_t g = kMegabyte * 1024;
  if (bytes % g == 0) return std::to_string(bytes / g) + "G";
  if (bytes % kMegabyte == 0) return std::to_string(bytes / kMegabyte) + "M";
  if (bytes % 1024 == 0) return std::to_string(bytes / 1024) + "K";
  return std::to_string(bytes);
}

}  // namespace lumeral
