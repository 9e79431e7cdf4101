// Byte-level text rules shared by every analysis.
#pragma once

#include <string_view>
#include <vector>

#include "core/base/ansi.h"

namespace lumeral {

// Lowering changes only the letters A to Z; accented capitals stay.
Ansi lower_az(AnsiView text);
char lower_az(char c);

// Removes blanks and control characters (bytes up to 32) at both ends.
Ansi trim(AnsiView text);
AnsiView trim_view(AnsiView text);

// Splits text into lines at CR LF, LF or CR. A final line end does not make
// an extra empty line; an empty text has no lines.
std::vector<Ansi> split_lines(AnsiView text);

// Position of `needle` in `text` comparing A-Z without regard to case, or
// npos. Used where a name's extension (".txt", ".lpl") is matched.
std::size_t find_ci(AnsiView text, AnsiView needle, std::size_t from = 0);
bool equals_ci(AnsiView a, AnsiView b);

// Cuts a text to at most `n` bytes.
inline Ansi cut(AnsiView text, std::size_t n) { return Ansi(text.substr(0, n)); }

// Decimal text of an integer (no separators), as stored text.
Ansi ansi_number(long long v);

}  // namespace lumeral
