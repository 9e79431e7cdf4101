#include "core/variables/variables_sheet.h"

#include "core/base/encoding.h"

namespace lumeral::variables {

exporting::Table variables_sheet(const Variables& v) {
  exporting::Table t;
  t.headers.push_back("documento");
  for (const Ansi& name : v.names) t.headers.push_back(to_utf8(name));
  t.rows.reserve(v.documents.size());
  for (std::size_t r = 0; r < v.documents.size(); ++r) {
    std::vector<exporting::Cell> row{exporting::Cell::of_text(v.documents[r])};
    for (std::size_t c = 0; c < v.names.size(); ++c)
      row.push_back(exporting::Cell::of_text(c < v.values[r].size() ? v.values[r][c] : Ansi()));
    t.rows.push_back(std::move(row));
  }
  return t;
}

}  // namespace lumeral::variables
