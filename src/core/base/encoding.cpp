#include "core/base/encoding.h"

#include <unicode/ucnv.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <memory>
#include <mutex>
#include <stdexcept>

namespace lumeral {
namespace {

// One converter per thread: ICU converters are not thread-safe, and word
// lists are built on both cores.
UConverter* cp1252() {
  struct Holder {
    UConverter* conv = nullptr;
    Holder() {
      UErrorCode err = U_ZERO_ERROR;
      conv = ucnv_open("windows-1252", &err);
      if (U_FAILURE(err)) throw std::runtime_error("ICU: windows-1252 converter unavailable");
      err = U_ZERO_ERROR;
      ucnv_setFromUCallBack(conv, UCNV_FROM_U_CALLBACK_SUBSTITUTE, nullptr, nullptr, nullptr, &err);
      err = U_ZERO_ERROR;
      ucnv_setSubstChars(conv, "?", 1, &err);
    }
    ~Holder() { ucnv_close(conv); }
  };
  thread_local Holder holder;
  return holder.conv;
}

bool undefined_in_1252(unsigned char b) {
  return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

void append_utf8(std::string& out, UChar32 c) {
  char buf[4];
  int32_t n = 0;
  [[maybe_unused]] UBool err = false;
  U8_APPEND(buf, n, 4, c, err);
  out.append(buf, static_cast<std::size_t>(n));
}

}  // namespace

std::string to_utf8(AnsiView text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  append_utf8(text, out);
  return out;
}

void append_utf8(AnsiView text, std::string& out) {
  std::size_t i = 0;
  while (i < text.size()) {
    // Fast path: runs of ASCII copy as they are.
    std::size_t j = i;
    while (j < text.size() && static_cast<unsigned char>(text[j]) < 0x80) ++j;
    out.append(text.data() + i, j - i);
    if (j == text.size()) break;
    unsigned char b = static_cast<unsigned char>(text[j]);
    if (undefined_in_1252(b)) {
      append_utf8(out, b);
    } else {
      UErrorCode err = U_ZERO_ERROR;
      UChar u[2];
      const char* src = reinterpret_cast<const char*>(&text[j]);
      int32_t n = ucnv_toUChars(cp1252(), u, 2, src, 1, &err);
      append_utf8(out, (U_SUCCESS(err) && n == 1) ? u[0] : static_cast<UChar32>(b));
    }
    i = j + 1;
  }
}

Ansi to_ansi(std::string_view utf8) {
  Ansi out;
  out.reserve(utf8.size());
  int32_t i = 0;
  const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
  const auto len = static_cast<int32_t>(utf8.size());
  while (i < len) {
    if (s[i] < 0x80) {
      out.push_back(static_cast<char>(s[i++]));
      continue;
    }
    UChar32 c;
    U8_NEXT(s, i, len, c);
    if (c < 0) {
      out.push_back('?');
    } else if (c >= 0x80 && c <= 0x9F && undefined_in_1252(static_cast<unsigned char>(c))) {
      out.push_back(static_cast<char>(c));
    } else {
      icu::UnicodeString u(c);
      char buf[8];
      UErrorCode err = U_ZERO_ERROR;
      int32_t n = ucnv_fromUChars(cp1252(), buf, sizeof buf, u.getBuffer(), u.length(), &err);
      if (U_FAILURE(err) || n != 1) out.push_back('?');
      else out.push_back(buf[0]);
    }
  }
  return out;
}

std::optional<std::string> charset_to_utf8(std::string_view bytes, const char* charset) {
  UErrorCode err = U_ZERO_ERROR;
  std::unique_ptr<UConverter, void (*)(UConverter*)> conv(ucnv_open(charset, &err), ucnv_close);
  if (U_FAILURE(err) || !conv) return std::nullopt;
  std::u16string units(bytes.size() + 1, u'\0');
  err = U_ZERO_ERROR;
  int32_t n = ucnv_toUChars(conv.get(), units.data(), static_cast<int32_t>(units.size()), bytes.data(),
                            static_cast<int32_t>(bytes.size()), &err);
  if (err == U_BUFFER_OVERFLOW_ERROR) {  // a set with more units than bytes
    units.assign(static_cast<std::size_t>(n) + 1, u'\0');
    err = U_ZERO_ERROR;
    n = ucnv_toUChars(conv.get(), units.data(), static_cast<int32_t>(units.size()), bytes.data(),
                      static_cast<int32_t>(bytes.size()), &err);
  }
  if (U_FAILURE(err)) return std::nullopt;
  std::string out;
  icu::UnicodeString(false, units.data(), n).toUTF8String(out);
  return out;
}

bool is_utf8_with_non_ascii(std::string_view bytes) {
  const auto* s = reinterpret_cast<const uint8_t*>(bytes.data());
  const auto len = static_cast<int32_t>(bytes.size());
  bool non_ascii = false;
  int32_t i = 0;
  while (i < len) {
    if (s[i] < 0x80) {
      ++i;
      continue;
    }
    UChar32 c;
    U8_NEXT(s, i, len, c);
    if (c < 0) return false;
    non_ascii = true;
  }
  return non_ascii;
}

std::string utf16_to_utf8(std::string_view bytes, bool big_endian) {
  std::string out;
  out.reserve(bytes.size());
  const std::size_t units = bytes.size() / 2;
  auto unit = [&](std::size_t k) -> char16_t {
    auto hi = static_cast<unsigned char>(bytes[2 * k + (big_endian ? 0 : 1)]);
    auto lo = static_cast<unsigned char>(bytes[2 * k + (big_endian ? 1 : 0)]);
    return static_cast<char16_t>((hi << 8) | lo);
  };
  for (std::size_t k = 0; k < units; ++k) {
    char16_t u = unit(k);
    UChar32 c = u;
    if (U16_IS_LEAD(u) && k + 1 < units && U16_IS_TRAIL(unit(k + 1))) {
      c = U16_GET_SUPPLEMENTARY(u, unit(k + 1));
      ++k;
    } else if (U16_IS_SURROGATE(u)) {
      c = 0xFFFD;  // a lone half of a pair: no character
    }
    append_utf8(out, c);
  }
  // An odd last byte is half a character: it becomes a replacement mark.
  if (bytes.size() % 2) append_utf8(out, 0xFFFD);
  return out;
}

Ansi decode_document(std::string_view bytes) {
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") return to_ansi(utf16_to_utf8(bytes.substr(2), false));
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF") return to_ansi(utf16_to_utf8(bytes.substr(2), true));
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (is_utf8_with_non_ascii(bytes)) return to_ansi(bytes);
  return from_bytes(bytes);
}

AnsiView document_view(std::string_view bytes, Ansi& converted) {
  if (has_utf16_bom(bytes)) {
    converted = decode_document(bytes);
    return converted;
  }
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (is_utf8_with_non_ascii(bytes)) {
    converted = to_ansi(bytes);
    return converted;
  }
  return AnsiView(bytes.data(), bytes.size());
}

}  // namespace lumeral
