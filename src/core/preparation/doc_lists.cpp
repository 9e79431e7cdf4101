#include "core/preparation/doc_lists.h"

#include <string>

#include "core/base/text.h"
#include "core/records/records.h"

namespace lumeral::preparation {

Ansi doc_list_title(AnsiView bare_name) {
  Ansi t = trim(bare_name);
  std::size_t at = t.find(".ldc");
  return at == Ansi::npos ? t : t.substr(0, at);
}

void include_doc_list(std::vector<DocRow>& rows, const fs::path& p, AnsiView threshold_field, int decimals,
                      const Regional& regional) {
  const double threshold = regional.parse_threshold(threshold_field);
  const std::string pattern = "0." + std::string(static_cast<std::size_t>(decimals), '0');
  for (const auto& r : records::read_all<records::DocRecord>(p))
    if (r.weight >= threshold) rows.push_back({trim(r.name), regional.format(r.weight, pattern)});
}

void save_doc_list(const fs::path& p, const std::vector<DocRow>& rows, const Regional& regional) {
  // Written nameless and put in place at the end: a stop leaves the old file.
  records::Writer<records::DocRecord> out(p);
  for (const DocRow& r : rows)
    out.write({cut(trim(r.name), 255), r.weight.empty() ? 0.0 : regional.parse(r.weight)});
  out.close();
}

Ansi document_of(const DocRow& row) {
  Ansi name = trim(row.name);
  std::size_t txt = find_ci(name, AnsiView(".txt"));
  if (txt != Ansi::npos) name = name.substr(0, txt + 1) + Ansi("txt");
  return name;
}

}  // namespace lumeral::preparation
