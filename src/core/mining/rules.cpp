#include "core/mining/rules.h"

#include <unordered_map>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/classification/present_concepts.h"
#include "core/mining/rule_lines.h"
#include "core/records/records.h"

namespace lumeral::mining {

std::vector<Ansi> calculate_rules(const RulesInput& input, const Regional& regional, Progress& progress) {
  if (input.context_list.empty() || input.document_list.empty() || input.pair_store.empty())
    throw Stop("Selecionar listas antes !");
  // The concepts of the list, each with the number of times it is listed
  // (a concept listed twice gives its rules twice).
  std::unordered_map<Ansi, std::size_t> listed;
  for (auto& r : records::read_all<records::ContextListRecord>(input.context_list))
    ++listed[cut(trim(r.name), 15)];
  std::vector<Ansi> documents;
  for (auto& r : records::read_all<records::DocRecord>(input.document_list)) documents.push_back(trim(r.name));
  const std::size_t n_docs = documents.size();

  fs::path folder = input.project ? input.project->folder : input.document_list.parent_path();
  if (folder.empty()) folder = ".";
  // Document frequency of every context name found in the matrices.
  std::unordered_map<Ansi, double> frequency;
  ordered_pipeline(
      n_docs,
      [&](std::size_t i) { return classification::present_concepts(folder, documents[i]); },
      [&](std::size_t i, std::vector<Ansi>& names) {
        progress.bar(static_cast<long long>(i), static_cast<long long>(n_docs) - 1);
        progress.checkpoint();
        for (Ansi& name : names) frequency[name] += 1;
      },
      2048);

  std::vector<Ansi> lines;
  for (auto& p : records::read_all<records::PairRecord>(input.pair_store)) {
    Ansi a = trim(p.first);
    auto concept_it = listed.find(a);
    if (concept_it == listed.end()) continue;
    auto found = frequency.find(a);
    const double n = found == frequency.end() ? 0 : found->second;
    if (n == 0) {
      throw Stop("O conceito \"" + to_utf8(a) +
                 "\" do arquivo de associações não aparece em nenhum documento: o arquivo de associações não "
                 "corresponde às listas escolhidas.");
    }
    if (n_docs == 0) throw Stop("A lista de documentos está vazia.");
    const Ansi line = rule_line(a, trim(p.second), p.weight / n * 100.0, p.weight / double(n_docs) * 100.0,
                                p.weight, regional);
    for (std::size_t k = 0; k < concept_it->second; ++k) lines.push_back(line);
  }
  return lines;
}

}  // namespace lumeral::mining
