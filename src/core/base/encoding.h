// Conversion between stored text (Windows-1252) and UTF-8, through ICU.
// These are the only crossings between the two encodings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/base/ansi.h"

namespace lumeral {

// Windows-1252 bytes to UTF-8. Every byte maps to a character (the five
// bytes Windows-1252 leaves undefined map to the C1 control of that value),
// so the conversion is lossless and reversible.
std::string to_utf8(AnsiView text);
// The same, appended to `out` (a reused buffer).
void append_utf8(AnsiView text, std::string& out);

// UTF-8 to Windows-1252. A character the code page does not have becomes
// "?"; invalid UTF-8 sequences become "?" too.
Ansi to_ansi(std::string_view utf8);

// True when `bytes` is valid UTF-8 and holds at least one non-ASCII
// character; such a file is read as UTF-8, anything else as Windows-1252.
bool is_utf8_with_non_ascii(std::string_view bytes);

// UTF-16 code units (without their byte-order mark) to UTF-8; a lone
// surrogate or an odd last byte becomes U+FFFD.
std::string utf16_to_utf8(std::string_view bytes, bool big_endian);

// True when `bytes` start with a UTF-16 byte-order mark (FF FE or FE FF).
inline bool has_utf16_bom(std::string_view bytes) {
  return bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
}

// Bytes in a named character set (an IANA or ICU name: "iso-8859-15",
// "koi8-r") to UTF-8; bytes the set does not define become U+FFFD. Empty
// when ICU does not know the name.
std::optional<std::string> charset_to_utf8(std::string_view bytes, const char* charset);

// Raw file contents to stored text: text with a UTF-16 byte-order mark
// (little or big endian) is transcoded; a UTF-8 byte-order mark is
// stripped and valid UTF-8 with non-ASCII characters transcoded; other
// bytes are taken as Windows-1252 unchanged. Characters the code page does
// not have become "?".
Ansi decode_document(std::string_view bytes);

// The same rule without copying a text that needs no conversion: a view of
// `bytes` (past a UTF-8 byte-order mark) when they are taken as they are,
// else a view of `converted`, which receives the transcoded text.
AnsiView document_view(std::string_view bytes, Ansi& converted);

}  // namespace lumeral
