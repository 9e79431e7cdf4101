// Term association ("Associação de Características de Textos"): how often
// two words occur in the same document or sentence, or two contexts in the
// same document. "Calcular associações" counts into the pair store
// "temp.ass" and lists it as "palavra_1 | palavra_2 = peso" lines, each pair
// followed later by its mirror; the list can be filtered, sorted, and saved
// as an association file (.ass) or as text.
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/association/pair_store.h"
#include "core/records/records.h"

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
  // wizard's project folder while the wizard window is visible.
  bool wizard_visible = false;
  fs::path project_folder;
};

// Listing a pair store: first + " | " + second + " = " + weight ("0.0000"),
// in case-insensitive alphabetical order of the whole lines (equal lines in
// store order), then every line's mirror ("second | first = weight") in that
// order. Lines are built on demand, so a store of millions of pairs is
// listed without holding millions of texts.
class PairListing {
 public:
  PairListing() = default;
  PairListing(PairTable table, const Regional& regional);
  std::size_t size() const { return 2 * table_.pairs.size(); }
  Ansi line(std::size_t i) const;
  std::vector<Ansi> lines() const;

 private:
  void arrange();
  PairTable table_;                    // pairs in listing order once sorted
  std::vector<std::uint32_t> order_;   // sorted pair indexes, while sorting
  std::vector<Ansi> weight_texts_;     // distinct weights, formatted
  std::vector<std::uint32_t> weight_of_;  // pair -> its weight text
};

struct AssociationResult {
  PairListing listing;  // the result list, mirrors included
  fs::path pair_store;  // "temp.ass" as written
  std::vector<Ansi> lines() const { return listing.lines(); }
};

// "Calcular associações". Writes "temp.ass" in the documents folder and
// returns the listing. A missing companion stops with "É preciso fazer
// classificação antes", "Criar listas de palavras antes" or "Não existe
// arquivo texto = " + name; the previous pair store then stays as it
// was (it is replaced only by a complete one). "Por freqüência no mesmo doc" stops with "Método
// ainda não disponível".
AssociationResult calculate_associations(const AssociationInput& input, const Regional& regional,
                                         Progress& progress = Progress::none());

// The sentences of a text as the sentence method cuts them (lines trimmed,
// cut after every "." or "?", text carried over line ends after a blank).
std::vector<Ansi> split_sentences(const std::vector<Ansi>& lines);
// The tokens of a sentence: characters other than digits, A-Z, a-z and
// À É à á â ã ç é ê í ó ô õ ú ü become blanks ("," "." "/" between two
// digits stay), lowered A-Z, split at blanks.
std::vector<Ansi> sentence_tokens(AnsiView sentence);

// The listing of pair records, as lines.
std::vector<Ansi> list_pairs(const std::vector<records::PairRecord>& pairs, const Regional& regional);

// "Abrir resultado gravado": one line per record, weight "0.000", no mirrors.
std::vector<Ansi> open_associations(const fs::path& file, const Regional& regional);

// "Salvar associações (.ass)": one pair record per line, in order. A weight
// that is not a number stops with the conversion error, leaving the records
// written before it.
void save_associations(const fs::path& file, const std::vector<Ansi>& lines, const Regional& regional);

// "Selecionar por limiar": the lines whose number after the first "="
// reaches the threshold field (empty means 0), in their order.
std::vector<Ansi> filter_by_threshold(const std::vector<Ansi>& lines, AnsiView threshold_text,
                                      const Regional& regional);

// "Ordenar por peso": the shared sort by weight on the number after "=".
void sort_associations(std::vector<Ansi>& lines, const Regional& regional, Progress& progress = Progress::none());

}  // namespace lumeral::association
