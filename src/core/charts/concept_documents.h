// The documents of each concept, as the classification found them: a
// document holds a concept when its matrix gives the concept a degree above
// 0 (the count the frequency table and the rules use). Behind the concept
// network: a node's size is its concept's number of documents; clicking a
// node lists them, clicking an arrow lists the documents holding both
// concepts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/charts/network.h"
#include "core/shell/project.h"

namespace lumeral::charts {

class ConceptDocuments : public ConceptFrequency {
 public:
  // Reads the matrix of every document of `doc_list`, found by the
  // classification's naming rule in the project folder while a wizard
  // project is open, otherwise in the folder of the list. A missing matrix
  // stops with "Fazer classificação antes !"; an empty path with
  // "Selecionar listas antes !".
  static ConceptDocuments read(const std::filesystem::path& doc_list, const std::optional<shell::Project>& project,
                               Progress& progress = Progress::none());

  // The documents' names as the list holds them (trimmed), in list order.
  const std::vector<Ansi>& documents() const { return documents_; }
  double frequency(AnsiView concept_name) const override;
  // The names of the documents holding the concept, in list order.
  std::vector<Ansi> documents_of(AnsiView concept_name) const;
  // The names of the documents holding both concepts, in list order.
  std::vector<Ansi> documents_of_both(AnsiView a, AnsiView b) const;

 private:
  const std::vector<std::uint32_t>* indexes(AnsiView concept_name) const;
  std::vector<Ansi> documents_;
  std::unordered_map<Ansi, std::vector<std::uint32_t>> of_;  // concept -> document indexes, ascending
};

}  // namespace lumeral::charts
