#include "core/association/association_files.h"

#include "core/base/text.h"
#include "core/records/records.h"

namespace lumeral::association {

using records::PairRecord;

std::vector<AssociationRow> open_associations(const fs::path& file, const Regional& regional) {
  std::vector<AssociationRow> rows;
  for (auto& r : records::read_all<PairRecord>(file))
    rows.push_back({trim(r.first), trim(r.second), regional.format(r.weight, "0.000")});
  return rows;
}

void save_associations(const fs::path& file, const std::vector<AssociationRow>& rows, const Regional& regional) {
  records::Writer<PairRecord> out(file);
  for (const auto& row : rows) out.write({cut(trim_view(row.first), 15), cut(trim_view(row.second), 15), regional.parse(row.weight)});
  out.close();
}

}  // namespace lumeral::association
