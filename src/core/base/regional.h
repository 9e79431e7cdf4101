// The user's regional settings: decimal separator, short date and time
// formats and the collator, built once from a locale name through ICU's own
// locale data and passed explicitly to whatever needs them.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/ansi.h"

namespace lumeral {

class Regional {
 public:
  // From LC_ALL, LC_MESSAGES... LANG; "pt_BR" when they name no locale
  // (unset, "C" or "POSIX").
  static Regional from_environment();
  // From an explicit name such as "pt_BR", "en_US" or "pt_BR.UTF-8".
  static Regional for_locale(std::string_view name);

  Regional(const Regional&);
  Regional& operator=(const Regional&);
  Regional(Regional&&) noexcept;
  Regional& operator=(Regional&&) noexcept;
  ~Regional();

  const std::string& locale_name() const;
  char decimal_separator() const;

  // Number text by a fixed pattern: "0.0000", "00.00", "0000", "0.0".
  // At least as many integer digits as zeros before the point, exactly as
  // many decimals as zeros after it, halves rounded away from zero on the
  // value's 15-digit decimal form (0.125 and 0.285 with "0.00" give 0,13 and
  // 0,29), a minus only when the written value is not zero.
  Ansi format(double value, std::string_view pattern) const;
  // The shortest general form: up to 15 significant digits, no trailing
  // zeros, exponent form ("1E-5") for very small or large values.
  Ansi format_general(double value) const;

  // Reads a number written with the regional separator or the other one of
  // "," and "."; blanks around it are ignored. Anything else throws Stop with
  // the conversion error naming the text, and so does a value beyond
  // kLargestTypedNumber in absolute value ("1e999" among them), which no
  // record file may hold either. Every number typed in a field or an option
  // is read here.
  double parse(AnsiView text) const;
  // A threshold field: trimmed; empty means 0; otherwise parse().
  double parse_threshold(AnsiView text) const;

  // Clock texts: the locale's short date, the time, and the Portuguese
  // weekday name ("Domingo" .. "Sábado") followed by a blank and the date.
  std::string short_date(std::chrono::system_clock::time_point t) const;
  std::string time_text(std::chrono::system_clock::time_point t) const;
  std::string weekday_and_date(std::chrono::system_clock::time_point t) const;
  static std::string weekday_name(int weekday_1_to_7_sunday_first);

  // Case-insensitive collation of the locale (ICU, secondary strength):
  // negative, zero or positive.
  int collate(AnsiView a, AnsiView b) const;
  bool less(AnsiView a, AnsiView b) const { return collate(a, b) < 0; }
  // Binary sort key of the same collation: comparing two keys bytewise
  // gives collate()'s order. For sorting or indexing many texts.
  std::string collation_key(AnsiView text) const;
  // The keys of many texts at once (a folder's names), spread over the
  // cores; keys[i] is collation_key(texts[i]).
  std::vector<std::string> collation_keys(const std::vector<Ansi>& texts) const;

 private:
  struct Impl;
  explicit Regional(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

// The largest absolute value a typed number may have (the bound of a
// record's weight).
inline constexpr double kLargestTypedNumber = 1e300;

// The conversion error for a text that is not a number (UTF-8 sentence).
std::string conversion_error(AnsiView text);
// The refusal of a number beyond kLargestTypedNumber (UTF-8 sentence).
std::string out_of_range_error(AnsiView text);

}  // namespace lumeral
