// Locale names as users and environments give them ("pt_BR",
// "en_US.UTF-8", "C"): the clean-up Regional applies, and whether ICU has
// data for the result.
#pragma once

#include <string>
#include <string_view>

namespace lumeral {

// "pt_BR.UTF-8@euro" -> "pt_BR"; "", "C" and "POSIX" -> "pt_BR".
std::string clean_locale_name(std::string_view name);

// True when ICU has data for the locale `name` names after clean-up. An
// unknown name would otherwise fall back silently to ICU's root rules.
bool known_locale(std::string_view name);

}  // namespace lumeral
