#include "core/preparation/doc_lists.h"

#include <string>

#include "core/base/text.h"
#include "core/records/records.h"
#include "core/records/weighted.h"

namespace lumeral::preparation {

Ansi doc_list_title(AnsiView bare_name) {
  Ansi t = trim(bare_name);
  std::size_t at = t.find(".ldc");
  return at == Ansi::npos ? t : t.substr(0, at);
}

Ansi doc_list_line(AnsiView name, double weight, int decimals, const Regional& regional) {
  std::string pattern = "0." + std::string(static_cast<std::size_t>(decimals), '0');
  return Ansi(name) + Ansi(" | ") + regional.format(weight, pattern);
}

void include_doc_list(std::vector<Ansi>& lines, const fs::path& p, AnsiView threshold_field, int decimals,
                      const Regional& regional) {
  const double threshold = regional.parse_threshold(threshold_field);
  for (const auto& r : records::read_all<records::DocRecord>(p))
    if (r.weight >= threshold) lines.push_back(doc_list_line(trim(r.name), r.weight, decimals, regional));
}

void save_doc_list(const fs::path& p, const std::vector<Ansi>& lines, const Regional& regional) {
  records::save_as_doc_records(p, lines, regional, records::NoBar::WeightZero);
}

Ansi document_of_line(AnsiView line) {
  Ansi t = trim(line);
  // A weighted line names its document before the bar; a bare name (a file
  // listed from a folder or picked from disk) is the document itself.
  std::size_t bar = t.find('|');
  Ansi name = bar == Ansi::npos ? t : trim(AnsiView(t).substr(0, bar));
  std::size_t txt = find_ci(name, AnsiView(".txt"));
  if (txt != Ansi::npos) name = name.substr(0, txt + 1) + Ansi("txt");
  return name;
}

}  // namespace lumeral::preparation
