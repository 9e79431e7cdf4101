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
    result.lines.push_back(trim(r.word) + Ansi(" - ") + regional.format(r.weight / n * 100.0, "0.0") + Ansi("%"));
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

void sort_percentages(std::vector<Ansi>& lines, const Regional& regional) {
  records::sort_by_weight(lines, key_percentage, regional);
}

}  // namespace lumeral::comparison
