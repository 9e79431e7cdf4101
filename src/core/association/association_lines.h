// The result lines of the term association ("palavra_1 | palavra_2 =
// peso"): the threshold filter and the sort by weight, both on the number
// after the line's first "=".
#pragma once

#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"

namespace lumeral::association {

// "Selecionar por limiar": the lines whose number after the first "="
// reaches the threshold field (empty means 0), in their order. A number
// that cannot be read stops with the conversion error.
std::vector<Ansi> filter_by_threshold(const std::vector<Ansi>& lines, AnsiView threshold_text,
                                      const Regional& regional);

// "Ordenar por peso": the shared sort by weight, highest first.
void sort_associations(std::vector<Ansi>& lines, const Regional& regional, Progress& progress = Progress::none());

}  // namespace lumeral::association
