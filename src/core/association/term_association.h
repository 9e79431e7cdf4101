// Term association ("Associação de Características de Textos"), the
// counting run: how often two words occur in the same document or sentence,
// or two contexts in the same document. "Calcular associações" counts into
// the pair store "temp.ass" and returns its listing (pair_listing.h); the
// result rows are filtered and sorted by association_lines.h and saved or
// reopened as .ass files by association_files.h.
//
// Promises: "temp.ass" is replaced whole, never left half-written; a run
// that stops at a missing companion leaves in it the pairs of the documents
// before that one; the work of the sentence method grows with the length of
// the texts (and the number of distinct pairs), not with the square of a
// sentence's length.
#pragma once

#include <filesystem>
#include <optional>

#include "core/association/pair_listing.h"
#include "core/base/ansi.h"
#include "core/base/memory_budget.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/shell/project.h"

namespace lumeral::association {

namespace fs = std::filesystem;

// "Selecionar método para associação".
enum class AssociationMethod {
  DocumentPresence,   // "Por presença no mesmo doc": word lists
  DocumentFrequency,  // "Por freqüência no mesmo doc": not available
  Sentence,           // "Por presença na mesma frase": the texts
  Contexts,           // "Por contextos": classification matrices
};

// Stops with the warning "Método ainda não disponível" for a method that
// cannot be run yet ("Por freqüência no mesmo doc"), before any input is
// asked for.
void check_method_available(AssociationMethod method);

struct AssociationInput {
  fs::path document_list;  // "Lista de docs:"
  fs::path stopwords;      // "Stopwords:" (read by the sentence method; empty: no stopwords)
  AssociationMethod method = AssociationMethod::DocumentPresence;
  // The documents folder is the folder of the document list, or the
  // project folder while a wizard project is open.
  std::optional<shell::Project> project;
  // What the pair store may hold in memory; beyond it, sorted runs go to a
  // scratch folder in the documents folder (removed after the run).
  std::size_t memory_budget = kDefaultMemoryBudget;
};

struct AssociationResult {
  PairListing listing;  // the result list, mirrors included
  fs::path pair_store;  // "temp.ass" as written
  std::vector<AssociationRow> rows() const { return listing.rows(); }
};

// "Calcular associações". Writes "temp.ass" in the documents folder and
// returns the listing. A missing companion stops with "É preciso fazer
// classificação antes", "Criar listas de palavras antes" or "Não existe
// arquivo texto = " + name; the previous pair store then stays as it
// was (it is replaced only by a complete one). "Por freqüência no mesmo doc" stops with "Método
// ainda não disponível".
AssociationResult calculate_associations(const AssociationInput& input, const Regional& regional,
                                         Progress& progress = Progress::none());

}  // namespace lumeral::association
