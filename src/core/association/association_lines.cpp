#include "core/association/association_lines.h"

#include "core/records/weighted.h"

namespace lumeral::association {

std::vector<Ansi> filter_by_threshold(const std::vector<Ansi>& lines, AnsiView threshold_text,
                                      const Regional& regional) {
  double t = regional.parse_threshold(threshold_text);
  std::vector<Ansi> kept;
  for (const Ansi& l : lines)
    if (regional.parse(records::key_after_equals(l)) >= t) kept.push_back(l);
  return kept;
}

void sort_associations(std::vector<Ansi>& lines, const Regional& regional, Progress& progress) {
  records::sort_by_weight(lines, records::key_after_equals, regional, progress);
}

}  // namespace lumeral::association
