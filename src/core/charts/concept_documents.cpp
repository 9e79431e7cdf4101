#include "core/charts/concept_documents.h"

#include <algorithm>
#include <iterator>

#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/classification/present_concepts.h"
#include "core/records/records.h"
#include "core/records/document_list.h"

namespace lumeral::charts {

namespace fs = std::filesystem;

ConceptDocuments ConceptDocuments::read(const fs::path& doc_list, const std::optional<shell::Project>& project,
                                        Progress& progress) {
  if (doc_list.empty()) throw Stop("Selecionar listas antes !");
  ConceptDocuments out;
  out.documents_ = records::read_document_names(doc_list);
  fs::path folder = project ? project->folder : doc_list.parent_path();
  if (folder.empty()) folder = ".";
  const std::size_t n = out.documents_.size();
  ordered_pipeline(
      n,
      [&](std::size_t i) { return classification::present_concepts(folder, out.documents_[i]); },
      [&](std::size_t i, std::vector<Ansi>& names) {
        progress.checkpoint();
        progress.bar(static_cast<long long>(i), static_cast<long long>(n) - 1);
        for (Ansi& name : names) {
          auto& docs = out.of_[name];
          // A concept named twice in one matrix counts the document once.
          if (docs.empty() || docs.back() != i) docs.push_back(static_cast<std::uint32_t>(i));
        }
      },
      2048);
  return out;
}

const std::vector<std::uint32_t>* ConceptDocuments::indexes(AnsiView concept_name) const {
  auto it = of_.find(Ansi(concept_name));
  return it == of_.end() ? nullptr : &it->second;
}

double ConceptDocuments::frequency(AnsiView concept_name) const {
  const auto* docs = indexes(concept_name);
  return docs ? static_cast<double>(docs->size()) : 0.0;
}

std::vector<Ansi> ConceptDocuments::documents_of(AnsiView concept_name) const {
  std::vector<Ansi> names;
  if (const auto* docs = indexes(concept_name))
    for (auto i : *docs) names.push_back(documents_[i]);
  return names;
}

std::vector<Ansi> ConceptDocuments::documents_of_both(AnsiView a, AnsiView b) const {
  std::vector<Ansi> names;
  const auto* x = indexes(a);
  const auto* y = indexes(b);
  if (!x || !y) return names;
  std::vector<std::uint32_t> both;
  std::set_intersection(x->begin(), x->end(), y->begin(), y->end(), std::back_inserter(both));
  for (auto i : both) names.push_back(documents_[i]);
  return names;
}

}  // namespace lumeral::charts
