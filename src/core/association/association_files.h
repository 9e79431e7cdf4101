// Association files (.ass) as the term association window opens and saves
// them: pair records (docs/formats.md, "Pairs") read as result lines, and
// result lines written as pair records.
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/regional.h"

namespace lumeral::association {

namespace fs = std::filesystem;

// "Abrir resultado gravado": one line per record, first + " | " + second +
// " = " + weight ("0.000"), in file order, no mirrors.
std::vector<Ansi> open_associations(const fs::path& file, const Regional& regional);

// "Salvar associações (.ass)": one pair record per line, in order: the text
// before the first "|" and the text up to the first "=", trimmed and cut to
// 15 characters, and the number after "=". A weight that is not a number
// stops with the conversion error, leaving the records written before it.
void save_associations(const fs::path& file, const std::vector<Ansi>& lines, const Regional& regional);

}  // namespace lumeral::association
