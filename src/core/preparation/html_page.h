// HTML pages read as a browser shows them (the complete reading): parsed
// by libxml2's HTML parser, which mends broken markup as browsers do and
// decodes the named and numeric entities.
//
//   - block elements (p, div, h1-h6, li, tr, table, title, ...) and <br>
//     end a line, so a document holds one paragraph per line; table cells
//     (td, th) are separated by a blank; inline elements (b, a, em, span)
//     join what is beside them, as on the screen;
//   - <script>, <style>, <noscript>, <template>, comments and everything in
//     <head> except <title> are left out;
//   - runs of white space are one blank (inside <pre> a line end stays a
//     line end); a no-break space is a blank; soft hyphens and zero-width
//     characters are dropped;
//   - the page's character set is the one it declares (byte-order mark,
//     then <meta charset> or <meta http-equiv="Content-Type">; iso-8859-1
//     and us-ascii are read as windows-1252, as browsers do); without a
//     declaration valid UTF-8 is UTF-8 and anything else windows-1252;
//   - characters Windows-1252 lacks become their closest equivalent, as for
//     the office documents (to_stored_lines).
// Time and memory are linear in the size of the page.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/ansi.h"
#include "core/preparation/office_text.h"

namespace lumeral::preparation {

namespace fs = std::filesystem;

// The character set a page declares (lower case, as written), or empty.
std::string declared_charset(std::string_view page);

// The page's text, one UTF-8 line per paragraph, no empty lines.
std::vector<std::string> page_paragraphs(std::string_view page);

// The page's text as stored lines (see to_stored_lines).
StoredLines read_html_page(std::string_view page);

// Reads `in` and writes its text to `out` (temporary file renamed into
// place), one paragraph per line, CR LF. Returns the count of characters
// replaced because Windows-1252 lacks them. Stop on a read or write failure.
std::size_t convert_html_page(const fs::path& in, const fs::path& out);

}  // namespace lumeral::preparation
