#include "core/association/association_files.h"

#include "core/base/text.h"
#include "core/records/records.h"

namespace lumeral::association {

using records::PairRecord;

std::vector<Ansi> open_associations(const fs::path& file, const Regional& regional) {
  std::vector<Ansi> lines;
  for (auto& r : records::read_all<PairRecord>(file))
    lines.push_back(trim(r.first) + Ansi(" | ") + trim(r.second) + Ansi(" = ") + regional.format(r.weight, "0.000"));
  return lines;
}

void save_associations(const fs::path& file, const std::vector<Ansi>& lines, const Regional& regional) {
  records::Writer<PairRecord> out(file);
  for (const Ansi& line : lines) {
    AnsiView l = line;
    std::size_t eq = l.find('=');
    std::size_t bar = l.find('|');
    PairRecord r;
    if (bar != AnsiView::npos && (eq == AnsiView::npos || bar < eq)) {
      r.first = cut(trim_view(l.substr(0, bar)), 15);
      r.second = cut(trim_view(l.substr(bar + 1, eq == AnsiView::npos ? AnsiView::npos : eq - bar - 1)), 15);
    } else {
      r.first = cut(trim_view(l.substr(0, eq)), 15);
    }
    r.weight = regional.parse(eq == AnsiView::npos ? AnsiView() : l.substr(eq + 1));
    out.write(r);
  }
  out.close();
}

}  // namespace lumeral::association
