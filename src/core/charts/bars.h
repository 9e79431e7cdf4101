// The models behind the bar charts: one labelled bar per item, with the
// value that sets its length and the text written beside it. Built from the
// same lines the windows show, so a chart never disagrees with its table.
#pragma once

#include <cstddef>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/regional.h"
#include "core/shell/status_file.h"

namespace lumeral::comparison {
struct ResultRow;
}

namespace lumeral::charts {

struct Bar {
  Ansi label;       // the concept or word
  double value = 0; // the bar's length
  Ansi text;        // written at the bar's end
  bool operator==(const Bar&) const = default;
};

// The concept-frequency table as bars, in the table's order: the absolute
// frequency is the length, the relative one the text ("37,5%"). An empty
// absolute counts as 0 (a row not filled yet); a value that is not a number
// stops with the conversion error, as sorting the table does.
std::vector<Bar> frequency_bars(const std::vector<shell::FrequencyRow>& rows, const Regional& regional);

// The default number of bars of a weight chart.
inline constexpr std::size_t kDefaultTopBars = 30;

// The `top` heaviest lines of a list window ("word | weight"), heaviest
// first; equal weights keep the list's order. The text is the weight as the
// list shows it. Lines without a readable weight stop with the conversion
// error; `top` 0 means every line. Linear in the lines plus k log k.
std::vector<Bar> heaviest_bars(const std::vector<Ansi>& lines, std::size_t top, const Regional& regional);
// The same from the rows of the centroid window's lists.
std::vector<Bar> heaviest_bars(const std::vector<comparison::ResultRow>& rows, std::size_t top,
                               const Regional& regional);

}  // namespace lumeral::charts
