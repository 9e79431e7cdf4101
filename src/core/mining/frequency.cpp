#include "core/mining/frequency.h"

#include <algorithm>

#include "core/base/files.h"
#include "core/base/text.h"
#include "core/comparison/centroid.h"
#include "core/comparison/percentages.h"

namespace lumeral::mining {

std::vector<FrequencyRow> frequency_rows(const std::vector<Ansi>& centroid_lines,
                                         const std::vector<Ansi>& percentage_lines) {
  std::vector<FrequencyRow> rows;
  for (std::size_t i = 0; i < centroid_lines.size(); ++i) {
    AnsiView line = centroid_lines[i];
    FrequencyRow row;
    std::size_t bar = line.find('|');
    row.concept_name = trim(line.substr(0, bar));
    if (bar != AnsiView::npos) row.absolute = trim(line.substr(bar + 1));
    if (i < percentage_lines.size()) {
      AnsiView p = percentage_lines[i];
      std::size_t sep = p.rfind(AnsiView(" - "));
      Ansi rel = trim(sep == AnsiView::npos ? p : p.substr(sep + 3));
      if (!rel.empty()) rel.pop_back();
      row.relative = rel;
    }
    rows.push_back(std::move(row));
  }
  std::stable_sort(rows.begin(), rows.end(), [](const FrequencyRow& a, const FrequencyRow& b) {
    return lower_az(a.concept_name) < lower_az(b.concept_name);
  });
  return rows;
}

std::vector<FrequencyRow> frequency_run(const shell::Project& project, const Regional& regional,
                                        Progress& progress) {
  namespace cmp = lumeral::comparison;
  const std::filesystem::path list = project.doc_list();
  cmp::CentroidOptions o;
  o.type = cmp::CentroidType::All;
  o.method = cmp::Method::Context;
  o.mode = cmp::Mode::Frequency;
  o.wizard_project = project;
  auto centroid = cmp::compute_centroid(cmp::read_document_entries(list), project.folder, o, regional, progress);
  auto percentages = cmp::compute_percentages(list, centroid.file, regional);
  return frequency_rows(centroid.lines, percentages.lines);
}

void sort_frequency_rows(std::vector<FrequencyRow>& rows, int column, const Regional& regional) {
  if (column == 0) {
    std::stable_sort(rows.begin(), rows.end(), [](const FrequencyRow& a, const FrequencyRow& b) {
      return lower_az(a.concept_name) < lower_az(b.concept_name);
    });
    return;
  }
  std::vector<std::pair<double, std::size_t>> keys;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Ansi& v = column == 1 ? rows[i].absolute : rows[i].relative;
    keys.push_back({v.empty() ? 0.0 : regional.parse(v), i});
  }
  std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<FrequencyRow> sorted;
  for (auto& k : keys) sorted.push_back(std::move(rows[k.second]));
  rows = std::move(sorted);
}

}  // namespace lumeral::mining
