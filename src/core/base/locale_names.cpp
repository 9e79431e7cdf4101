#include "core/base/locale_names.h"

#include <unicode/locid.h>

#include <cstring>

namespace lumeral {

std::string clean_locale_name(std::string_view name) {
  std::string n(name);
  if (auto dot = n.find('.'); dot != std::string::npos) n.erase(dot);
  if (auto at = n.find('@'); at != std::string::npos) n.erase(at);
  if (n.empty() || n == "C" || n == "POSIX") n = "pt_BR";
  return n;
}

bool known_locale(std::string_view name) {
  const std::string n = clean_locale_name(name);
  const icu::Locale wanted = icu::Locale::createCanonical(n.c_str());
  if (wanted.isBogus()) return false;
  // ICU's available locales, compared by canonical name.
  int32_t count = 0;
  const icu::Locale* available = icu::Locale::getAvailableLocales(count);
  for (int32_t i = 0; i < count; ++i)
    if (std::strcmp(available[i].getName(), wanted.getName()) == 0) return true;
  return false;
}

}  // namespace lumeral
