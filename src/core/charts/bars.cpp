#include "core/charts/bars.h"

#include <algorithm>
#include <numeric>

#include "core/base/text.h"
#include "core/comparison/centroid.h"
#include "core/records/weighted.h"

namespace lumeral::charts {

std::vector<Bar> frequency_bars(const std::vector<shell::FrequencyRow>& rows, const Regional& regional) {
  std::vector<Bar> bars;
  bars.reserve(rows.size());
  for (const auto& row : rows) {
    Bar bar;
    bar.label = row.concept_name;
    const Ansi absolute = trim(row.absolute);
    bar.value = absolute.empty() ? 0.0 : regional.parse(absolute);
    const Ansi relative = trim(row.relative);
    if (!relative.empty()) bar.text = relative + Ansi("%");
    bars.push_back(std::move(bar));
  }
  return bars;
}

namespace {

// The `top` heaviest of `all`, heaviest first, ties by position.
std::vector<Bar> heaviest_of(std::vector<Bar> all, std::size_t top) {
  std::vector<std::size_t> index(all.size());
  std::iota(index.begin(), index.end(), std::size_t{0});
  // Heaviest first, ties by position: a strict order, so partial_sort gives
  // the same bars as a stable sort of the whole list.
  auto heavier = [&](std::size_t a, std::size_t b) {
    if (all[a].value != all[b].value) return all[a].value > all[b].value;
    return a < b;
  };
  const std::size_t k = top == 0 ? all.size() : std::min(top, all.size());
  std::partial_sort(index.begin(), index.begin() + static_cast<std::ptrdiff_t>(k), index.end(), heavier);
  std::vector<Bar> bars;
  bars.reserve(k);
  for (std::size_t i = 0; i < k; ++i) bars.push_back(std::move(all[index[i]]));
  return bars;
}

}  // namespace

std::vector<Bar> heaviest_bars(const std::vector<Ansi>& lines, std::size_t top, const Regional& regional) {
  std::vector<Bar> all;
  all.reserve(lines.size());
  for (const Ansi& line : lines) {
    records::LineParts parts = records::split_weighted(line);
    Bar bar;
    bar.value = regional.parse(parts.weight_text);
    bar.label = std::move(parts.term);
    bar.text = std::move(parts.weight_text);
    all.push_back(std::move(bar));
  }
  return heaviest_of(std::move(all), top);
}

std::vector<Bar> heaviest_bars(const std::vector<comparison::ResultRow>& rows, std::size_t top,
                               const Regional& regional) {
  std::vector<Bar> all;
  all.reserve(rows.size());
  for (const comparison::ResultRow& row : rows) all.push_back({row.word, regional.parse(row.weight), row.weight});
  return heaviest_of(std::move(all), top);
}

}  // namespace lumeral::charts
