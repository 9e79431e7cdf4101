#include "core/comparison/rule_comparison.h"

#include <unordered_map>
#include <unordered_set>

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/text.h"

namespace lumeral::comparison {

Ansi rule_key(AnsiView line) {
  std::size_t slash = line.find('/');
  if (slash == AnsiView::npos) return Ansi();
  return trim(line.substr(0, slash));
}

RuleComparison compare_rules(const std::vector<std::filesystem::path>& files) {
  if (files.size() < 2) throw Stop("Selecionar mais de um arquivo com regras !");
  RuleComparison result;
  std::vector<std::vector<Ansi>> keys(files.size());
  // For each key, the files that hold it (by index, each at most once).
  std::unordered_map<Ansi, std::vector<std::size_t>> holders;
  for (std::size_t f = 0; f < files.size(); ++f) {
    result.file_names.push_back(path_name(files[f]));
    for (const Ansi& line : read_document_lines(files[f])) {
      keys[f].push_back(rule_key(line));
      auto& h = holders[keys[f].back()];
      if (h.empty() || h.back() != f) h.push_back(f);
    }
  }
  for (const Ansi& k : keys[0])
    if (holders[k].size() == files.size()) result.common.push_back(k);
  for (std::size_t f = 0; f < files.size(); ++f) {
    result.exclusive.emplace_back();
    result.exclusive.push_back(Ansi("-------------------------"));
    result.exclusive.push_back(result.file_names[f]);
    result.exclusive.emplace_back();
    for (const Ansi& k : keys[f])
      if (holders[k].size() == 1) result.exclusive.push_back(k);
  }
  return result;
}

}  // namespace lumeral::comparison
