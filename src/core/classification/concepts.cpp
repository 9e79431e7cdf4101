#include "core/classification/concepts.h"

#include <unordered_map>
#include <unordered_set>

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/records/records.h"
#include "core/records/weighted.h"
#include "core/records/document_list.h"

namespace lumeral::classification {

using namespace lumeral::literals;

namespace {

struct Weighted {
  Ansi name;
  double weight;
};
struct Pair {
  Ansi first;
  Ansi second;
};

// The text before the first bar and the text after it, both trimmed.
std::pair<Ansi, Ansi> halves(AnsiView line) {
  auto bar = line.find('|');
  if (bar == AnsiView::npos) return {trim(line), Ansi()};
  return {trim(line.substr(0, bar)), trim(line.substr(bar + 1))};
}

}  // namespace

Ansi concept_line(const ConceptRow& row) { return row.document + Ansi(" | "_a) + row.score; }

std::vector<Ansi> concept_lines(const std::vector<ConceptRow>& rows) {
  std::vector<Ansi> lines;
  lines.reserve(rows.size());
  for (const auto& r : rows) lines.push_back(concept_line(r));
  return lines;
}

Listing ConceptResult::listing() const { return Listing{concept_lines(rows), stop}; }

ConceptResult classify_concepts(const ConceptQuery& query, const Regional& regional, Progress& progress) {
  bool any_positive = false;
  for (const auto& l : query.positive) any_positive = any_positive || !trim_view(l).empty();
  if (!any_positive) throw Stop("Fornecer lista de contextos positivos");
  if (trim(path_name(query.doc_list)).empty()) throw Stop("Fornecer lista de documentos");

  std::vector<Weighted> weights;
  std::vector<Pair> pairs;
  for (const auto& l : query.positive) {
    if (trim_view(l).empty()) continue;
    auto [a, b] = halves(l);
    if (query.method == ConceptMethod::Simple) weights.push_back({a, regional.parse(b)});
    else pairs.push_back({a, b});
  }
  std::unordered_set<Ansi> negatives;
  for (const auto& l : query.negative)
    if (!trim_view(l).empty()) negatives.insert(trim(l));

  ConceptResult result;
  const auto docs = records::read_document_names(query.doc_list);
  result.documents = docs.size();
  const fs::path folder = query.doc_list.parent_path();
  FolderIndex index(folder);
  for (std::size_t k = 0; k < docs.size(); ++k) {
    progress.status("Analisando doc " + std::to_string(k + 1));
    const fs::path file = index.find(matrix_name(docs[k]));
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
      result.stop = Message{"Fazer classificação antes !", MessageKind::Error};
      return result;
    }
    const auto matrix = read_matrix(file);
    double score = 0;
    if (query.method == ConceptMethod::Simple) {
      for (const auto& r : matrix) {
        if (negatives.count(r.word)) continue;
        for (const auto& w : weights)
          if (w.name == r.word && r.weight > 0) score += w.weight;
      }
    } else {
      std::unordered_set<Ansi> present;
      for (const auto& r : matrix)
        if (r.weight > 0) present.insert(r.word);
      for (const auto& p : pairs)
        if (present.count(p.first) && present.count(p.second)) score += 1;
    }
    if (score > 0)
      result.rows.push_back({shown_base(docs[k]), regional.format(score, "0.00")});
  }
  progress.status("Terminou de classificar todos docs");
  order_by_score(result.rows, regional, progress);
  return result;
}

void order_by_score(std::vector<ConceptRow>& rows, const Regional& regional, Progress& progress) {
  records::apply_order(
      rows, records::weight_order(rows.size(), [&](std::size_t i) { return regional.parse(rows[i].score); }, progress));
}

void save_concepts_as_doc_list(const fs::path& out, const std::vector<ConceptRow>& rows, const Regional& regional) {
  records::Writer<records::DocRecord> writer(out);
  for (const auto& r : rows) writer.write({cut(lower_az(trim(r.document)) + Ansi(".txt"_a), 255), regional.parse(r.score)});
  writer.close();
}

Ansi concept_document_file(const ConceptRow& row) {
  Ansi name = trim(row.document);
  return name.empty() ? name : name + Ansi(".txt"_a);
}

void save_concept_matrix(const fs::path& folder, const fs::path& doc_list, const std::vector<ConceptRow>& rows,
                         AnsiView concept_field, const Regional& regional, Progress& progress) {
  const Ansi concept_name = cut(trim(concept_field), 15);
  if (concept_name.empty()) throw Stop("Você deve fornecer o nome do contexto");
  // Shown name -> the matrix its score came from (the first entry wins, as
  // the first line of that name was made from it).
  std::unordered_map<Ansi, Ansi> matrix_of_entry;
  std::error_code list_ec;
  if (!doc_list.empty() && fs::is_regular_file(doc_list, list_ec))
    for (const Ansi& d : records::read_document_names(doc_list)) matrix_of_entry.try_emplace(shown_base(d), matrix_name(d));
  // Every matrix or none: the new matrices replace the old ones together.
  StagedFiles staged;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    progress.status("Gravando doc " + std::to_string(i + 1));
    const Ansi name = trim(rows[i].document);
    const double score = regional.parse(rows[i].score);
    auto entry = matrix_of_entry.find(name);
    const fs::path file =
        entry != matrix_of_entry.end() ? lookup(folder, entry->second) : matrix_of_shown_name(folder, name);
    std::vector<records::WordRecord> matrix;
    std::error_code ec;
    if (fs::exists(file, ec)) matrix = records::read_all<records::WordRecord>(file);
    // The concept's record is replaced where it is; copies left by earlier
    // saves would count it twice, so they go.
    bool placed = false;
    std::vector<records::WordRecord> kept;
    for (auto& r : matrix) {
      if (trim_view(r.word) == AnsiView(concept_name)) {
        if (placed) continue;
        r = {concept_name, score};
        placed = true;
      }
      kept.push_back(std::move(r));
    }
    if (!placed) kept.push_back({concept_name, score});
    staged.stage(file, records::encode_all(kept));
  }
  staged.commit();
  progress.status("Terminou de gravar todos docs");
}

}  // namespace lumeral::classification
