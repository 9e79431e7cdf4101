#include "core/association/association_lines.h"

#include "core/records/weighted.h"

namespace lumeral::association {

Ansi association_line(const AssociationRow& row) {
  Ansi out;
  out.reserve(row.first.size() + row.second.size() + row.weight.size() + 6);
  out += row.first;
  out += Ansi(" | ");
  out += row.second;
  out += Ansi(" = ");
  out += row.weight;
  return out;
}

std::vector<Ansi> association_lines(const std::vector<AssociationRow>& rows) {
  std::vector<Ansi> lines;
  lines.reserve(rows.size());
  for (const auto& r : rows) lines.push_back(association_line(r));
  return lines;
}

std::vector<AssociationRow> filter_by_threshold(const std::vector<AssociationRow>& rows, AnsiView threshold_text,
                                                const Regional& regional) {
  const double t = regional.parse_threshold(threshold_text);
  std::vector<AssociationRow> kept;
  for (const auto& r : rows)
    if (regional.parse(r.weight) >= t) kept.push_back(r);
  return kept;
}

void sort_associations(std::vector<AssociationRow>& rows, const Regional& regional, Progress& progress) {
  records::apply_order(
      rows, records::weight_order(rows.size(), [&](std::size_t i) { return regional.parse(rows[i].weight); }, progress));
}

}  // namespace lumeral::association
