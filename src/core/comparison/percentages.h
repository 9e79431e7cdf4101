// Percentages in the contextual centroid ("Calcula % no centróide
// contextual"): a centroid whose weights are document counts turned into
// the share of the collection's documents that hold each entry.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"

namespace lumeral::comparison {

// One entry's share: its name (trimmed) and the percentage as shown
// ("37,5"). A line read back from a text file that percentage_line() would
// not write so keeps its text: it is shown, saved and taken apart as read.
struct PercentageRow {
  Ansi name;
  Ansi percentage;
  std::optional<Ansi> text;
  bool operator==(const PercentageRow&) const = default;
};

// The line the list shows: name + " - " + percentage + "%" (the text of a
// row that keeps one).
Ansi percentage_line(const PercentageRow& row);
std::vector<Ansi> percentage_lines(const std::vector<PercentageRow>& rows);
// The one reader of result lines read back ("Abre resultado"): a row when
// percentage_line() gives the line back, else a row keeping its text.
PercentageRow percentage_of_line(AnsiView line);
std::vector<PercentageRow> percentages_of_lines(const std::vector<Ansi>& lines);

struct PercentageResult {
  std::vector<PercentageRow> rows;  // percentage as "0.0"
  std::size_t document_count = 0;   // "Total de docs="
  std::size_t context_count = 0;    // "Total de contextos="
};

// "Calcula porcentagens": one row per centroid record, in file order,
// weight / N x 100 where N is the document list's record count. An empty
// document list stops with a clear message instead of dividing by zero.
PercentageResult compute_percentages(const std::filesystem::path& document_list,
                                     const std::filesystem::path& centroid, const Regional& regional);

// Key of a result line for "Ordenação por peso": the text after the last
// " - " up to the "%" after it, so a name holding a hyphen still sorts.
AnsiView key_percentage(AnsiView line);

// "Ordenação por peso" of the rows (the shared sort by weight, without
// status texts): by the percentage shown, or the key of a kept text.
void sort_percentages(std::vector<PercentageRow>& rows, const Regional& regional);

}  // namespace lumeral::comparison
