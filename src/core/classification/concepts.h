// Classification by concepts: documents scored from their matrices against
// a concept defined on the spot, either weighted contexts with contexts that
// must not count ("conceitos simples") or pairs of contexts that must occur
// together ("pares de conceitos"); the scored documents listed highest
// first, saved as a document list or written back into the matrices as a
// new context.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/classification/results.h"

namespace lumeral::classification {

namespace fs = std::filesystem;

enum class ConceptMethod {
  Simple,  // "conceitos simples": lines "context | weight", with negatives
  Pairs,   // "pares de conceitos": lines "context | context"
};

struct ConceptQuery {
  fs::path doc_list;            // "Lista de Documentos"; matrices lie beside it
  std::vector<Ansi> positive;   // "Fornecer pesos p/ Contextos"
  std::vector<Ansi> negative;   // "Contextos Negativos" (simple method only)
  ConceptMethod method = ConceptMethod::Simple;
};

// A scored document as the list shows it: its shown name (the document
// list's entry without its extension) and the score as shown ("1,50").
struct ConceptRow {
  Ansi document;
  Ansi score;
  bool operator==(const ConceptRow&) const = default;
};

// The line the list shows: document + " | " + score ('noticia1 | 1,50').
Ansi concept_line(const ConceptRow& row);
std::vector<Ansi> concept_lines(const std::vector<ConceptRow>& rows);

struct ConceptResult {
  std::vector<ConceptRow> rows;  // "Resultado", ordered by score unless stopped
  std::optional<Message> stop;   // what stopped the run, after the rows listed before
  std::size_t documents = 0;     // "Total de Documentos"
  void rethrow() const {
    if (stop) throw Stop(stop->text, stop->kind);
  }
  // The rows as the lines the list shows, with the stop.
  Listing listing() const;
};

// "Analisa categorias": for each document with a score above 0, its row,
// the score as "0.00", then the rows ordered by score. Stops with
// "Fornecer lista de contextos positivos" (no positive line) or "Fornecer
// lista de documentos" (no list); a missing matrix stops with "Fazer
// classificação antes !", keeping the rows listed so far (unordered).
// Status texts: "Analisando doc " + k, "Terminou de classificar todos
// docs", then those of the ordering.
ConceptResult classify_concepts(const ConceptQuery& query, const Regional& regional,
                                Progress& progress = Progress::none());

// "Ordena por peso decresente": the rows by their score, highest first
// (ties as the one sort by weight gives them).
void order_by_score(std::vector<ConceptRow>& rows, const Regional& regional, Progress& progress = Progress::none());

// "Salva lista de docs": one record per row: the name trimmed and lowered
// (A to Z) + ".txt", the score as weight.
void save_concepts_as_doc_list(const fs::path& out, const std::vector<ConceptRow>& rows, const Regional& regional);

// Double click on a row: the document's text file, its name trimmed +
// ".txt" ('noticia1' gives 'noticia1.txt'; an empty name gives nothing).
Ansi concept_document_file(const ConceptRow& row);

// "Salva lista como matriz (mtz)": the concept (the trimmed field cut to 15
// characters) with each row's score goes into the matrix of that row's
// document in `folder` (created when missing). Saving the same concept
// again replaces its record instead of adding a second one. Stops with
// "Você deve fornecer o nome do contexto" when the field is empty. All or
// nothing: the matrices replace the old ones together once every one was
// written, so a stop leaves them all as they were. Status texts
// "Gravando doc " + i and "Terminou de gravar todos docs".
// The matrix of a row is the one its score was read from: the companion
// of the entry of `doc_list` the row was made from ("doc3.txt.lpl" gives
// "doc3.txt.mtz"), so reading and writing follow one naming rule. A row
// that no entry gives (no list, or a list changed since) is named by its
// shown name.
void save_concept_matrix(const fs::path& folder, const fs::path& doc_list, const std::vector<ConceptRow>& rows,
                         AnsiView concept_field, const Regional& regional, Progress& progress = Progress::none());

}  // namespace lumeral::classification
