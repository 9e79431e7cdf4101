// HTML pages to one-line text documents, as the import and the HTML
// conversion tool do it.
//
// The lines are joined with a blank before and after each, tags are removed
// by nesting depth ('<a <b> c>' goes whole, a '>' outside a tag stays, text
// inside an unclosed tag is dropped), and a fixed table of entities is
// decoded in order, lower-casing the text (A to Z only) before each entity
// and searching again after every replacement ('&amp;amp;' gives '&').
// Other entities ('&lt;', numeric references) stay as they are.
//
// Both steps give exactly what that step-by-step procedure gives, in time
// linear in the length of the page.
//
// Offers the rules (html_to_text and its steps), the conversion of one file,
// and the HTML conversion tool's commands (`Form2`).
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"

namespace lumeral::preparation {

namespace fs = std::filesystem;

Ansi remove_tags(AnsiView text);
Ansi decode_entities(AnsiView text);
// The whole conversion of a page's lines: join, remove tags, decode.
Ansi html_to_text(const std::vector<Ansi>& lines);

// Reads an HTML file through the shared reader (UTF-8 pages are
// transcoded) and writes its text as one line followed by CR LF to `out`,
// replacing any file of that name. Stop on a read or write failure.
void convert_html_file(const fs::path& in, const fs::path& out);

// True for names ending in ".htm" or ".html", without regard to case.
bool is_html_name(AnsiView name);

// HTML conversion tool: the files of a folder matching "*.html;*.htm",
// sorted by name without regard to case (as the import lists them).
std::vector<Ansi> list_html_files(const fs::path& folder, const Regional& regional);

// The tool's output name for an entry: the trimmed entry up to and
// including its first "." followed by "txt" (pagina.html gives pagina.txt,
// relatorio.2004.htm gives relatorio.txt, an entry without a dot gives txt).
Ansi html_tool_output_name(AnsiView entry);

// "Converte HTML para TXT": every entry, in order, converted into the
// output name in `folder`. Status "Analisando doc i de n", then "Fim da
// operação". Returns the files written. Stop on the first failure; the
// files written by then stay.
std::vector<fs::path> convert_html_entries(const fs::path& folder, const std::vector<Ansi>& entries,
                                           Progress& progress = Progress::none());

// "Abre lista de docs (.txt)": the lines of a text file, one entry each.
std::vector<Ansi> read_entry_list(const fs::path& p);
// "Grava lista de docs (.txt)": writes the entries, one per line, to the
// chosen name followed by ".txt" (always appended: lista.txt gives
// lista.txt.txt). Returns the file written.
fs::path save_entry_list(const fs::path& chosen, const std::vector<Ansi>& entries);

}  // namespace lumeral::preparation
