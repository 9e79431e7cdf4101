// Contextual retrieval; the query file (.cst) is described in
// docs/formats.md.
#include "core/classification/contextual_query.h"

#include <unordered_map>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/contexts/contexts.h"
#include "core/preparation/collection.h"
#include "core/records/records.h"

namespace lumeral::classification {

using namespace lumeral::literals;
using records::ContextListRecord;
using records::ContextRecord;
using records::DocRecord;
using records::WordRecord;

void check_query_weights(const std::vector<Ansi>& words, const std::vector<Ansi>& weights, const Regional& regional) {
  for (std::size_t i = 0; i < words.size(); ++i)
    (void)regional.parse(i < weights.size() ? AnsiView(weights[i]) : AnsiView());
}

void save_query(const fs::path& query, const std::vector<Ansi>& words, const std::vector<Ansi>& weights,
                const Regional& regional) {
  records::Writer<WordRecord> out(query);
  for (std::size_t i = 0; i < words.size(); ++i) {
    const Ansi word = cut(trim(lower_az(words[i])), 15);
    const double weight = regional.parse(i < weights.size() ? AnsiView(weights[i]) : AnsiView());
    out.write({word, weight});
  }
  out.close();
}

QueryFields open_query(const fs::path& query, const Regional& regional) {
  QueryFields fields;
  auto add = [&](AnsiView word, double weight) {
    fields.words.emplace_back(word);
    fields.weights.push_back(regional.format(weight, "0.000000"));
  };
  if (equals_ci(path_name(query.extension()), ".ctt"_a)) {
    for (const auto& r : records::read_all<ContextRecord>(query)) add(r.entry, r.weight);
  } else {
    for (const auto& r : records::read_all<WordRecord>(query)) add(r.word, r.weight);
  }
  return fields;
}

void run_query(const fs::path& doc_list, const fs::path& context_list, const fs::path& query, Progress& progress) {
  if (trim(path_name(query)).empty()) throw Stop("Selecionar uma consulta (abrindo ou gravando)");
  auto words = records::read_all<WordRecord>(query);
  // Under the complete reading query words and entries meet lowered alike
  // ("É" is "é"); the classic reading compares them as stored.
  const bool complete = preparation::collection_reading(doc_list.parent_path()) == Reading::Complete;
  auto as_compared = [&](AnsiView text) { return complete ? lower(Reading::Complete, trim_view(text)) : trim(text); };
  for (auto& w : words) w.word = as_compared(w.word);
  auto contexts = records::read_all<ContextListRecord>(context_list);
  auto docs = records::read_all<DocRecord>(doc_list);

  // First part: the relevance of each context, written into the list.
  const fs::path contexts_folder = context_list.parent_path();
  std::size_t done = 0;
  try {
    for (; done < contexts.size(); ++done) {
      auto& c = contexts[done];
      progress.status("Analisando contexto " + to_utf8(trim(c.name)) + " - primeira parte");
      const auto entries = records::read_all<ContextRecord>(contexts::context_path(contexts_folder, c.name));
      std::vector<Ansi> compared;
      compared.reserve(entries.size());
      for (const auto& t : entries) compared.push_back(as_compared(t.entry));
      double relevance = 0;
      for (const auto& q : words)
        for (std::size_t k = 0; k < entries.size(); ++k)
          if (compared[k] == q.word) relevance += q.weight * entries[k].weight;
      c.weight = relevance > 1 ? 1.0 : relevance;
    }
  } catch (const Stop&) {
    contexts.resize(done);
    for (std::size_t j = 0; j < done; ++j) records::write_at(context_list, j, contexts[j]);
    throw;
  }
  records::write_all(context_list, contexts);

  // Second part: the score of each document, written into the list.
  std::unordered_map<Ansi, std::vector<double>> relevance_of;
  for (const auto& c : contexts) relevance_of[trim(c.name)].push_back(c.weight);
  const fs::path folder = doc_list.parent_path();
  FolderIndex index(folder);
  std::size_t scored = 0;
  try {
    for (; scored < docs.size(); ++scored) {
      auto& d = docs[scored];
      progress.status("Analisando doc " + to_utf8(trim(d.name)) + " - segunda parte");
      double score = 0;
      for (const auto& r : read_matrix(index.find(matrix_name(d.name)))) {
        if (!(r.weight > 0)) continue;
        auto it = relevance_of.find(r.word);
        if (it == relevance_of.end()) continue;
        for (double relevance : it->second) score += r.weight * relevance;
      }
      d.weight = score;
    }
  } catch (const Stop&) {
    for (std::size_t k = 0; k < scored; ++k) records::write_at(doc_list, k, docs[k]);
    throw;
  }
  records::write_all(doc_list, docs);
  progress.status("Terminou de realizar a consulta");
}

std::vector<records::WeightedRow> query_results(const fs::path& doc_list, AnsiView threshold_field,
                                               const Regional& regional) {
  const double threshold = regional.parse_threshold(threshold_field);
  std::vector<records::WeightedRow> rows;
  for (const auto& d : records::read_all<DocRecord>(doc_list))
    if (d.weight >= threshold && d.weight > 0) rows.push_back({trim(d.name), regional.format(d.weight, "0.0000000")});
  return rows;
}

}  // namespace lumeral::classification
