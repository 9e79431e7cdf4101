// Association files (.ass) as the term association window opens and saves
// them: pair records (docs/formats.md, "Pairs") read as result rows, and
// result rows written as pair records.
#pragma once

#include <filesystem>
#include <vector>

#include "core/association/association_lines.h"
#include "core/base/ansi.h"
#include "core/base/regional.h"

namespace lumeral::association {

namespace fs = std::filesystem;

// "Abrir resultado gravado": one row per record, the features trimmed and
// the weight shown as "0.000", in file order, no mirrors.
std::vector<AssociationRow> open_associations(const fs::path& file, const Regional& regional);

// "Salvar associações (.ass)": one pair record per row, in order: the two
// features trimmed and cut to 15 characters, and the weight read. A weight
// that is not a number stops with the conversion error, leaving the
// records written before it.
void save_associations(const fs::path& file, const std::vector<AssociationRow>& rows, const Regional& regional);

}  // namespace lumeral::association
