#include "core/comparison/percentages.h"

#include "core/base/message.h"
#include "core/base/text.h"
#include "core/records/records.h"
#include "core/records/weighted.h"

namespace lumeral::comparison {

PercentageResult compute_percentages(const std::filesystem::path& document_list,
                                     const std::filesystem::path& centroid, const Regional& regional) {
  PercentageResult result;
  result.document_count = records::count<records::DocRecord>(document_list);
  std::vector<records::WordRecord> recs = records::read_all<records::WordRecord>(centroid);
  result.context_count = recs.size();
  if (result.document_count == 0) {
    throw Stop("A lista de documentos está vazia: não há documentos para calcular as porcentagens.");
  }
  const double n = static_cast<double>(result.document_count);
  for (const auto& r : recs)
    result.rows.push_back({trim(r.word), regional.format(r.weight / n * 100.0, "0.0"), std::nullopt});
  return result;
}

AnsiView key_percentage(AnsiView line) {
  std::size_t start;
  std::size_t sep = line.rfind(AnsiView(" - "));
  if (sep != AnsiView::npos) start = sep + 3;
  else if ((sep = line.find('-')) != AnsiView::npos) start = sep + 1;
  else start = 0;
  AnsiView rest = line.substr(start);
  return trim_view(rest.substr(0, rest.find('%')));
}

void sort_percentages(std::vector<PercentageRow>& rows, const Regional& regional) {
  records::apply_order(rows, records::weight_order(rows.size(), [&](std::size_t i) {
                         const PercentageRow& r = rows[i];
                         return regional.parse(r.text ? key_percentage(*r.text) : AnsiView(r.percentage));
                       }));
}

Ansi percentage_line(const PercentageRow& row) {
  if (row.text) return *row.text;
  return row.name + Ansi(" - ") + row.percentage + Ansi("%");
}

std::vector<Ansi> percentage_lines(const std::vector<PercentageRow>& rows) {
  std::vector<Ansi> lines;
  lines.reserve(rows.size());
  for (const auto& r : rows) lines.push_back(percentage_line(r));
  return lines;
}

PercentageRow percentage_of_line(AnsiView line) {
  const std::size_t at = line.rfind(AnsiView(" - "));
  if (at != AnsiView::npos && line.size() >= at + 4 && line.back() == '%') {
    PercentageRow row{Ansi(line.substr(0, at)), Ansi(line.substr(at + 3, line.size() - at - 4)), std::nullopt};
    // Kept as a row only when its parts read as the line's do.
    if (trim(row.name) == row.name && key_percentage(line) == AnsiView(row.percentage)) return row;
  }
  return {{}, {}, Ansi(line)};
}

std::vector<PercentageRow> percentages_of_lines(const std::vector<Ansi>& lines) {
  std::vector<PercentageRow> rows;
  rows.reserve(lines.size());
  for (const Ansi& l : lines) rows.push_back(percentage_of_line(l));
  return rows;
}

}  // namespace lumeral::comparison
