// Percentages in the contextual centroid ("Calcula % no centróide
// contextual"): a centroid whose weights are document counts turned into
// the share of the collection's documents that hold each entry.
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"

namespace lumeral::comparison {

struct PercentageResult {
  std::vector<Ansi> lines;        // word + " - " + percentage ("0.0") + "%"
  std::size_t document_count = 0;  // "Total de docs="
  std::size_t context_count = 0;   // "Total de contextos="
};

// "Calcula porcentagens": one line per centroid record, in file order,
// weight / N x 100 where N is the document list's record count. An empty
// document list stops with a clear message instead of dividing by zero.
PercentageResult compute_percentages(const std::filesystem::path& document_list,
                                     const std::filesystem::path& centroid, const Regional& regional);

// Key of a result line for "Ordenação por peso": the text after the last
// " - " up to the "%" after it, so a name holding a hyphen still sorts.
AnsiView key_percentage(AnsiView line);

// "Ordenação por peso" of the result lines (the shared sort by weight,
// without status texts).
void sort_percentages(std::vector<Ansi>& lines, const Regional& regional);

}  // namespace lumeral::comparison
