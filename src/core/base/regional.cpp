#include "core/base/regional.h"

#include <unicode/coll.h>
#include <unicode/datefmt.h>
#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>

#include "core/base/encoding.h"
#include "core/base/locale_names.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/system_errors.h"
#include "core/base/text.h"

namespace lumeral {

struct Regional::Impl {
  std::string name;
  char decimal = ',';
  icu::Locale locale;
  std::unique_ptr<icu::Collator> collator;
  std::unique_ptr<icu::DateFormat> date_format;
  std::unique_ptr<icu::DateFormat> time_format;
  std::mutex mutex;  // ICU formatters and collators are not thread-safe

  Impl(std::string n) : name(std::move(n)), locale(icu::Locale::createCanonical(name.c_str())) {
    UErrorCode err = U_ZERO_ERROR;
    icu::DecimalFormatSymbols symbols(locale, err);
    if (U_SUCCESS(err)) {
      icu::UnicodeString sep = symbols.getSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol);
      decimal = (sep == icu::UnicodeString(u".")) ? '.' : ',';
    }
    err = U_ZERO_ERROR;
    collator.reset(icu::Collator::createInstance(locale, err));
    if (U_FAILURE(err) || !collator) {
      err = U_ZERO_ERROR;
      collator.reset(icu::Collator::createInstance(icu::Locale::getRoot(), err));
    }
    if (collator) collator->setStrength(icu::Collator::SECONDARY);
    date_format.reset(icu::DateFormat::createDateInstance(icu::DateFormat::kShort, locale));
    time_format.reset(icu::DateFormat::createTimeInstance(icu::DateFormat::kMedium, locale));
    // Short dates are shown with a four-digit year, as the desktop shows them.
    if (auto* sdf = dynamic_cast<icu::SimpleDateFormat*>(date_format.get())) {
      icu::UnicodeString pattern;
      sdf->toPattern(pattern);
      if (pattern.indexOf(u"yyyy") < 0) {
        if (pattern.indexOf(u"yy") >= 0) pattern.findAndReplace(u"yy", u"yyyy");
        else if (pattern.indexOf(u"y") >= 0) pattern.findAndReplace(u"y", u"yyyy");
        sdf->applyPattern(pattern);
      }
    }
  }
};

Regional::Regional(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Regional::Regional(const Regional& o) : impl_(std::make_unique<Impl>(o.impl_->name)) {}
Regional& Regional::operator=(const Regional& o) {
  if (this != &o) impl_ = std::make_unique<Impl>(o.impl_->name);
  return *this;
}
Regional::Regional(Regional&&) noexcept = default;
Regional& Regional::operator=(Regional&&) noexcept = default;
Regional::~Regional() = default;

Regional Regional::for_locale(std::string_view name) {
  return Regional(std::make_unique<Impl>(clean_locale_name(name)));
}

Regional Regional::from_environment() {
  for (const char* var : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* v = std::getenv(var);
    if (v && *v) return for_locale(v);
  }
  return for_locale("pt_BR");
}

const std::string& Regional::locale_name() const { return impl_->name; }
char Regional::decimal_separator() const { return impl_->decimal; }

namespace {

// Rounds |value| to `decimals` places on its 15-significant-digit decimal
// form, halves away from zero. Returns the digits and the position of the
// decimal point within them (digits before the point).
struct Decimal {
  std::string digits;  // without leading zeros unless the value is below 1
  int int_len = 0;
};

Decimal round_decimal(double magnitude, int decimals) {
  Decimal d;
  if (magnitude == 0) {
    d.digits = std::string(static_cast<std::size_t>(decimals) + 1, '0');
    d.int_len = 1;
    return d;
  }
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", magnitude);
  // buf: D.DDDDDDDDDDDDDDe[+-]XX
  std::string mant;
  mant += buf[0];
  mant.append(buf + 2, 14);
  int exp = std::atoi(std::strchr(buf, 'e') + 1);
  // value = 0.mant * 10^(exp+1)
  int point = exp + 1;  // digits of mant before the decimal point
  int keep = point + decimals;
  if (keep < 0) {
    d.digits = std::string(static_cast<std::size_t>(decimals) + 1, '0');
    d.int_len = 1;
    return d;
  }
  std::string kept = mant.substr(0, std::min<std::size_t>(static_cast<std::size_t>(keep), mant.size()));
  while (static_cast<int>(kept.size()) < keep) kept += '0';
  bool round_up = keep < static_cast<int>(mant.size()) && mant[static_cast<std::size_t>(keep)] >= '5';
  if (round_up) {
    int i = static_cast<int>(kept.size()) - 1;
    while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') kept[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0) ++kept[static_cast<std::size_t>(i)];
    else {
      kept.insert(kept.begin(), '1');
      ++point;
    }
  }
  // kept holds `point` integer digits (point may be <= 0) and `decimals` decimals.
  if (point <= 0) {
    kept.insert(0, static_cast<std::size_t>(1 - point), '0');
    point = 1;
  }
  d.digits = kept;
  d.int_len = point;
  return d;
}

}  // namespace

Ansi Regional::format(double value, std::string_view pattern) const {
  int int_zeros = 0, decimals = 0;
  bool after = false;
  for (char c : pattern) {
    if (c == '.') after = true;
    else if (c == '0' || c == '#') (after ? decimals : int_zeros)++;
  }
  if (std::isnan(value)) return Ansi("NAN");
  if (std::isinf(value)) return Ansi(value < 0 ? "-INF" : "INF");
  Decimal d = round_decimal(std::fabs(value), decimals);
  std::string int_part = d.digits.substr(0, static_cast<std::size_t>(d.int_len));
  std::string frac = d.digits.substr(static_cast<std::size_t>(d.int_len));
  std::size_t nz = int_part.find_first_not_of('0');
  int_part = nz == std::string::npos ? "" : int_part.substr(nz);
  while (static_cast<int>(int_part.size()) < std::max(int_zeros, int_part.empty() ? 1 : 0)) int_part.insert(0, "0");
  if (int_part.empty()) int_part = "0";
  bool zero = d.digits.find_first_not_of('0') == std::string::npos;
  std::string out;
  if (value < 0 && !zero) out += '-';
  out += int_part;
  if (decimals > 0) {
    out += impl_->decimal;
    out += frac;
  }
  return from_bytes(out);
}

Ansi Regional::format_general(double value) const {
  if (std::isnan(value)) return Ansi("NAN");
  if (std::isinf(value)) return Ansi(value < 0 ? "-INF" : "INF");
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  std::string s = buf;
  std::string out;
  if (auto e = s.find('e'); e != std::string::npos) {
    std::string mant = s.substr(0, e);
    int exp = std::atoi(s.c_str() + e + 1);
    out = mant + "E" + std::to_string(exp);
  } else {
    out = s;
  }
  for (char& c : out)
    if (c == '.') c = impl_->decimal;
  return from_bytes(out);
}

std::string conversion_error(AnsiView text) {
  return "'" + printable(to_utf8(text)) + "' não é um valor numérico válido";
}

std::string out_of_range_error(AnsiView text) {
  return "'" + printable(to_utf8(text)) + "' não é um valor numérico válido: o valor absoluto passa de 1e300";
}

double Regional::parse(AnsiView text) const {
  AnsiView t = trim_view(text);
  std::string s(t.data(), t.size());
  // Accept either of "," and "." as the decimal point (never a thousands
  // separator, since none is ever written); only one may appear.
  int seps = 0;
  for (char& c : s) {
    if (c == ',' || c == '.') {
      c = '.';
      ++seps;
    }
  }
  bool ok = !s.empty() && seps <= 1;
  // Only digits, one point, sign and exponent are allowed; strtod would also
  // take "inf", "nan" and hexadecimal forms, which are not numbers here.
  for (char c : s)
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E'))
      ok = false;
  double v = 0;
  if (ok) {
    char* end = nullptr;
    errno = 0;
    v = std::strtod(s.c_str(), &end);
    ok = end == s.c_str() + s.size() && s != "." && s.find_first_of("0123456789") != std::string::npos;
  }
  if (!ok) throw Stop(conversion_error(text));
  // A value no file may hold either ("1e999" reads as infinity): the same
  // bound as a record's weight, so a typed number cannot carry an infinity
  // or an overflow into a result.
  if (!std::isfinite(v) || std::fabs(v) > kLargestTypedNumber) throw Stop(out_of_range_error(text));
  return v;
}

double Regional::parse_threshold(AnsiView text) const {
  AnsiView t = trim_view(text);
  return t.empty() ? 0.0 : parse(t);
}

std::string Regional::weekday_name(int d) {
  static const char* names[] = {"Domingo",     "Segunda-feira", "Terça-feira", "Quarta-feira",
                                "Quinta-feira", "Sexta-feira",  "Sábado"};
  return (d >= 1 && d <= 7) ? names[d - 1] : "";
}

namespace {
std::string icu_format(icu::DateFormat* f, std::chrono::system_clock::time_point t) {
  UDate ms = static_cast<UDate>(std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count());
  icu::UnicodeString out;
  f->format(ms, out);
  std::string s;
  out.toUTF8String(s);
  return s;
}
}  // namespace

std::string Regional::short_date(std::chrono::system_clock::time_point t) const {
  std::lock_guard lock(impl_->mutex);
  return icu_format(impl_->date_format.get(), t);
}

std::string Regional::time_text(std::chrono::system_clock::time_point t) const {
  std::lock_guard lock(impl_->mutex);
  return icu_format(impl_->time_format.get(), t);
}

std::string Regional::weekday_and_date(std::chrono::system_clock::time_point t) const {
  std::time_t tt = std::chrono::system_clock::to_time_t(t);
  std::tm tm{};
  localtime_r(&tt, &tm);
  return weekday_name(tm.tm_wday + 1) + " " + short_date(t);
}

int Regional::collate(AnsiView a, AnsiView b) const {
  if (!impl_->collator) return a.compare(b);
  icu::UnicodeString ua = icu::UnicodeString::fromUTF8(to_utf8(a));
  icu::UnicodeString ub = icu::UnicodeString::fromUTF8(to_utf8(b));
  UErrorCode err = U_ZERO_ERROR;
  std::lock_guard lock(impl_->mutex);
  return impl_->collator->compare(ua, ub, err);
}

namespace {

// The sort key of `text` by `collator` (which the caller owns or locks).
// One call for the usual short text (the key's length comes back even when
// it does not fit), a second only for a longer key.
std::string sort_key(icu::Collator& collator, AnsiView text) {
  icu::UnicodeString u = icu::UnicodeString::fromUTF8(to_utf8(text));
  uint8_t buffer[256];
  int32_t n = collator.getSortKey(u, buffer, static_cast<int32_t>(sizeof buffer));
  std::string key;
  if (n <= static_cast<int32_t>(sizeof buffer)) {
    key.assign(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(n));
  } else {
    key.assign(static_cast<std::size_t>(n), '\0');
    collator.getSortKey(u, reinterpret_cast<uint8_t*>(key.data()), n);
  }
  if (!key.empty() && key.back() == '\0') key.pop_back();
  return key;
}

}  // namespace

std::string Regional::collation_key(AnsiView text) const {
  if (!impl_->collator) return std::string(bytes_of(text));
  std::lock_guard lock(impl_->mutex);
  return sort_key(*impl_->collator, text);
}

std::vector<std::string> Regional::collation_keys(const std::vector<Ansi>& texts) const {
  std::vector<std::string> keys(texts.size());
  if (!impl_->collator) {
    for (std::size_t i = 0; i < texts.size(); ++i) keys[i] = std::string(bytes_of(texts[i]));
    return keys;
  }
  // A collator serves one thread at a time: each worker gets its own copy.
  const std::size_t workers = parallel_workers(texts.size());
  if (workers == 1) {
    std::lock_guard lock(impl_->mutex);
    for (std::size_t i = 0; i < texts.size(); ++i) keys[i] = sort_key(*impl_->collator, texts[i]);
    return keys;
  }
  std::vector<std::unique_ptr<icu::Collator>> collators(workers);
  {
    std::lock_guard lock(impl_->mutex);
    for (auto& c : collators) c.reset(impl_->collator->clone());
  }
  for (const auto& c : collators)
    if (!c) throw std::bad_alloc();
  parallel_for_worker(texts.size(), [&](std::size_t worker, std::size_t i) {
    keys[i] = sort_key(*collators[worker], texts[i]);
  }, {}, workers);
  return keys;
}

}  // namespace lumeral
