#include "core/clustering/evaluation.h"

#include <unordered_map>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/clustering/similarity.h"
#include "core/records/records.h"

namespace lumeral::clustering {

namespace {

const char* kNothingToCompare =
    "As duas listas estão vazias: não há elementos para comparar, e o grau de similaridade não pode ser calculado.";

bool is_file(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

}  // namespace

Evaluation evaluate(const fs::path& first, const fs::path& second, EvaluationMode mode, Progress& progress) {
  if (first.empty()) throw Stop("Você deve selecionar o primeiro elemento");
  if (second.empty()) throw Stop("Você deve selecionar o segundo elemento");
  if (!is_file(first)) throw Stop("Arquivo do primeiro elemento não existe");
  if (!is_file(second)) throw Stop("Arquivo do segundo elemento não existe");

  Comparison c;
  Denominator den = Denominator::AllEntries;
  if (mode == EvaluationMode::WordLists) {
    auto a = read_weight_list(first);
    auto b = read_weight_list(second);
    const bool mtz = equals_ci(from_bytes(first.extension().string()), AnsiView(".mtz"));
    if (mtz) den = Denominator::PositiveEntries;
    progress.status("Avaliando palavra 0 de " + std::to_string(a.size()));
    c = compare_lists(a, b, mtz ? 100.0 : 1.0);
  } else {
    auto a = records::read_all<records::DocRecord>(first);
    auto b = records::read_all<records::DocRecord>(second);
    progress.status("Avaliando doc 0 de " + std::to_string(a.size()));
    std::unordered_map<Ansi, std::vector<double>> by_name;
    for (const auto& r : b) by_name[trim(r.name)].push_back(r.weight);
    c.count_a = a.size();
    c.count_b = b.size();
    for (const auto& r : a) {
      auto it = by_name.find(trim(r.name));
      if (it == by_name.end()) continue;
      for (double w : it->second) {
        ++c.common;
        c.sum += fuzzy_similarity(r.weight, w);
      }
    }
  }
  Evaluation e;
  e.common = c.common;
  e.value = similarity_of(c, Numerator::FuzzySum, den);
  if (!e.value) e.stop = kNothingToCompare;
  progress.status("Terminou de avaliar similaridade");
  return e;
}

EvaluationFields evaluation_fields(const Evaluation& e, const Regional& regional) {
  EvaluationFields f;
  if (e.value) f.value = regional.format(*e.value, "0.00000000");
  f.common = ansi_number(static_cast<long long>(e.common));
  return f;
}

std::vector<Ansi> evaluation_lines(const Evaluation& e, const Regional& regional) {
  const EvaluationFields f = evaluation_fields(e, regional);
  std::vector<Ansi> lines;
  if (!f.value.empty()) lines.push_back(to_ansi("Grau ou valor = ") + f.value);
  lines.push_back(to_ansi("Elementos comuns= ") + f.common);
  return lines;
}

Ansi name_key(AnsiView name) {
  std::size_t txt = find_ci(name, AnsiView(".txt"));
  Ansi key;
  if (txt != AnsiView::npos) {
    key = Ansi(name.substr(0, txt));
  } else {
    std::size_t lpl = find_ci(name, AnsiView(".lpl"));
    key = lpl != AnsiView::npos ? Ansi(name.substr(0, lpl + 1)) : Ansi(name);
  }
  return lower_az(trim_view(key));
}

PrecisionRecall precision_recall(const fs::path& ideal, const fs::path& result) {
  if (ideal.empty()) throw Stop("Selecione antes a lista ideal.");
  if (result.empty()) throw Stop("Selecione antes a lista de resultados.");
  auto ideal_recs = records::read_all<records::DocRecord>(ideal);
  auto result_recs = records::read_all<records::DocRecord>(result);
  std::unordered_map<Ansi, std::size_t> ideal_keys;
  for (const auto& r : ideal_recs) ++ideal_keys[name_key(r.name)];
  PrecisionRecall p;
  p.ideal = ideal_recs.size();
  p.retrieved = result_recs.size();
  for (const auto& r : result_recs) {
    auto it = ideal_keys.find(name_key(r.name));
    if (it != ideal_keys.end()) p.hits += it->second;
  }
  // Repeated names may pair more often than there are results; "Errados"
  // is never shown below zero.
  p.wrong = p.hits > p.retrieved ? 0 : p.retrieved - p.hits;
  if (p.retrieved > 0) p.precision = static_cast<double>(p.hits) / static_cast<double>(p.retrieved);
  if (p.ideal > 0) p.recall = static_cast<double>(p.hits) / static_cast<double>(p.ideal);
  if (p.retrieved == 0 && p.ideal == 0) {
    p.stop = "As duas listas estão vazias: não há como calcular precision e recall.";
  } else if (p.retrieved == 0) {
    p.stop = "A lista de resultados está vazia: não há como calcular precision.";
  } else if (p.ideal == 0) {
    p.stop = "A lista ideal está vazia: não há como calcular recall.";
  }
  return p;
}

PrecisionRecallFields precision_recall_fields(const PrecisionRecall& p, const Regional& regional) {
  auto count = [](std::size_t v) { return ansi_number(static_cast<long long>(v)); };
  PrecisionRecallFields f{count(p.ideal), count(p.retrieved), count(p.hits), count(p.wrong), {}, {}};
  if (p.precision) f.precision = regional.format(*p.precision, "0.000");
  if (p.recall) f.recall = regional.format(*p.recall, "0.000");
  return f;
}

std::vector<Ansi> precision_recall_lines(const PrecisionRecall& p, const Regional& regional) {
  const PrecisionRecallFields f = precision_recall_fields(p, regional);
  std::vector<Ansi> lines{
      to_ansi("Total  de docs na categoria: ") + f.ideal,
      to_ansi("Total  de docs recuperados/classificados: ") + f.retrieved,
      to_ansi("Certos: ") + f.hits,
      to_ansi("Errados: ") + f.wrong,
  };
  if (!f.precision.empty()) lines.push_back(to_ansi("Precision: ") + f.precision);
  if (!f.recall.empty()) lines.push_back(to_ansi("Recall: ") + f.recall);
  return lines;
}

}  // namespace lumeral::clustering
