#include "core/mining/rules.h"

#include <cmath>
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
#include "core/records/document_list.h"

namespace lumeral::mining {

std::vector<Ansi> counted_concepts(const fs::path& folder, AnsiView document, double min_degree) {
  if (!(min_degree > 0)) return classification::present_concepts(folder, document);
  const fs::path m = classification::matrix_path(folder, document);
  std::error_code ec;
  if (!fs::is_regular_file(m, ec)) throw Stop("Fazer classificação antes !");
  std::vector<Ansi> names;
  for (auto& r : records::read_all<records::WordRecord>(m))
    if (r.weight > 0 && r.weight >= min_degree) names.push_back(trim(r.word));
  return names;
}

double parse_min_degree(AnsiView text, const Regional& regional) {
  double g = 0;
  try {
    g = regional.parse_threshold(text);
  } catch (const Stop&) {
    g = -1;
  }
  if (!(g >= 0) || !std::isfinite(g))
    throw Stop("Grau mínimo inválido: \"" + to_utf8(trim(text)) + "\". Informe um número a partir de 0.");
  return g;
}

namespace {

// One key for an unordered pair of concepts.
Ansi pair_key(AnsiView a, AnsiView b) {
  if (b < a) std::swap(a, b);
  Ansi key(a);
  key += '\0';
  key += b;
  return key;
}

}  // namespace

std::vector<Rule> calculate_rule_rows(const RulesInput& input, const Regional& regional, Progress& progress) {
  if (input.context_list.empty() || input.document_list.empty() || input.pair_store.empty())
    throw Stop("Selecionar listas antes !");
  // The concepts of the list, each with the number of times it is listed
  // (a concept listed twice gives its rules twice).
  std::unordered_map<Ansi, std::size_t> listed;
  for (auto& r : records::read_all<records::ContextListRecord>(input.context_list))
    ++listed[cut(trim(r.name), 15)];
  const std::vector<Ansi> documents = records::read_document_names(input.document_list);
  const std::size_t n_docs = documents.size();

  fs::path folder = input.project ? input.project->folder : input.document_list.parent_path();
  if (folder.empty()) folder = ".";
  const bool by_degree = input.min_degree > 0;
  // Document frequency of every context name found in the matrices; with a
  // minimum degree also the documents that hold each pair at that degree
  // (every two positions of a matrix's counted names, as the pair store
  // counts them).
  std::unordered_map<Ansi, double> frequency;
  std::unordered_map<Ansi, double> together;
  ordered_pipeline(
      n_docs, [&](std::size_t i) { return counted_concepts(folder, documents[i], input.min_degree); },
      [&](std::size_t i, std::vector<Ansi>& names) {
        progress.bar(static_cast<long long>(i), static_cast<long long>(n_docs) - 1);
        progress.checkpoint();
        for (Ansi& name : names) frequency[name] += 1;
        if (by_degree)
          for (std::size_t x = 0; x < names.size(); ++x)
            for (std::size_t y = x + 1; y < names.size(); ++y) together[pair_key(names[x], names[y])] += 1;
      },
      2048);

  auto documents_of = [&](const Ansi& concept_name) {
    auto found = frequency.find(concept_name);
    const double n = found == frequency.end() ? 0 : found->second;
    if (n == 0) {
      throw Stop("O conceito \"" + to_utf8(concept_name) +
                 "\" do arquivo de associações não aparece em nenhum documento: o arquivo de associações não "
                 "corresponde às listas escolhidas.");
    }
    if (n_docs == 0) throw Stop("A lista de documentos está vazia.");
    return n;
  };
  std::vector<Rule> rules;
  auto add = [&](const Ansi& a, const Ansi& b, double co, std::size_t times) {
    const double n = documents_of(a);
    const Rule rule = make_rule(a, b, co / n * 100.0, co / double(n_docs) * 100.0, co, regional);
    for (std::size_t k = 0; k < times; ++k) rules.push_back(rule);
  };
  for (auto& p : records::read_all<records::PairRecord>(input.pair_store)) {
    const Ansi a = trim(p.first), b = trim(p.second);
    auto first = listed.find(a);
    auto second = input.both_directions && b != a ? listed.find(b) : listed.end();
    if (first == listed.end() && second == listed.end()) continue;
    double co = p.weight;
    if (by_degree) {
      auto found = together.find(pair_key(a, b));
      co = found == together.end() ? 0 : found->second;
      if (co == 0) continue;  // no document holds both at that degree
    }
    if (first != listed.end()) add(a, b, co, first->second);
    if (second != listed.end()) add(b, a, co, second->second);
  }
  return rules;
}

}  // namespace lumeral::mining
