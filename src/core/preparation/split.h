// Splitting one text file into numbered documents at a separator string,
// as the import and the separation tool do it, and the six-digit numbers
// of generated document names.
//
// Rules: document 1 is open from the start, so text before the first
// separator becomes document 1 (a file that begins with a separator line
// puts that line into document 1 instead of leaving it empty); a line that
// begins with the separator opens the next document and goes into it whole,
// or, when the separator occurs again in the line, as "separator + blank"
// and the text between the two, the rest of the line being read as the
// next line; a separator later in a line ends the current document with
// the text before it; the last line ends the split. The separator is found
// case-sensitively; an empty separator is never found.
//
// Offers split_documents (the rule on lines), split_file (the separation
// tool `form_separador`, "Fazer separação dos textos") and document_number.
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"

namespace lumeral::preparation {

namespace fs = std::filesystem;

// N(k): k padded with zeros to six digits ("000001"); from 1000000 on
// written without padding.
Ansi document_number(long long k);

// The documents (each a list of lines) a text's lines are split into.
std::vector<std::vector<Ansi>> split_documents(const std::vector<Ansi>& lines, AnsiView separator);

// Splits `input` (read through the shared reader) into prefix + N(k) +
// ".txt" in `out_folder`, each written with CR LF line ends and replacing
// any file of that name. The separator is trimmed first. The whole input is
// read before anything is written, so an input that shares a name with a
// piece is never read half-overwritten. Returns the names written.
std::vector<Ansi> split_file(const fs::path& input, AnsiView separator, AnsiView prefix, const fs::path& out_folder);

// The separation tool's "Fazer separação dos textos" on a chosen file:
// prefix and separator fields trimmed, pieces beside the input, the input
// left as it is: when one of the pieces would take the input's own name
// (compared without regard to case) nothing is written and Stop says so.
// Status "Analisando doc " + the file's bare name, then
// "Terminou de fazer a separação".
std::vector<Ansi> separate_documents(const fs::path& input, AnsiView prefix_field, AnsiView separator_field,
                                     Progress& progress = Progress::none());

}  // namespace lumeral::preparation
