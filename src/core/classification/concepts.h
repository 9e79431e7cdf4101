// Classification by concepts: documents scored from their matrices against
// a concept defined on the spot, either weighted contexts with contexts that
// must not count ("conceitos simples") or pairs of contexts that must occur
// together ("pares de conceitos"); the scored documents listed highest
// first, saved as a document list or written back into the matrices as a
// new context.
#pragma once

#include <filesystem>
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

struct ConceptResult {
  Listing listing;             // "Resultado", ordered by score unless stopped
  std::size_t documents = 0;   // "Total de Documentos"
};

// "Analisa categorias": for each document with a score above 0, the line
// document name + " | " + score as "0.00" ('noticia1 | 1,50'), then the
// lines ordered by score. Stops with "Fornecer lista de contextos
// positivos" (no positive line) or "Fornecer lista de documentos" (no list);
// a missing matrix stops with "Fazer classificação antes !", keeping the
// lines listed so far (unordered). Status texts: "Analisando doc " + k,
// "Terminou de classificar todos docs", then those of the ordering.
ConceptResult classify_concepts(const ConceptQuery& query, const Regional& regional,
                                Progress& progress = Progress::none());

// "Ordena por peso decresente": the lines by their score, highest first
// (ties as the one sort by weight gives them).
void order_by_score(std::vector<Ansi>& lines, const Regional& regional, Progress& progress = Progress::none());

// "Salva lista de docs": one record per line: the name before the bar,
// trimmed and lowered (A to Z) + ".txt", the score after it as weight; a
// line without a bar gives its whole text, trimmed and lowered, weight 0.
void save_concepts_as_doc_list(const fs::path& out, const std::vector<Ansi>& lines, const Regional& regional);

// Double click on a result line: the document's text file, named by the
// text before the bar, trimmed, + ".txt" ('noticia1 | 1,50' gives
// 'noticia1.txt'; a line without a bar gives its whole trimmed text).
Ansi concept_line_document(AnsiView line);

// "Salva lista como matriz (mtz)": the concept (the trimmed field cut to 15
// characters) with each line's score goes into the matrix of that line's
// document in `folder` (created when missing). Saving the same concept
// again replaces its record instead of adding a second one. Stops with
// "Você deve fornecer o nome do contexto" when the field is empty. All or
// nothing: the matrices replace the old ones together once every one was
// written, so a stop leaves them all as they were. Status texts
// "Gravando doc " + i and "Terminou de gravar todos docs".
// The matrix of a line is the one its score was read from: the companion
// of the entry of `doc_list` the line was made from ("doc3.txt.lpl" gives
// "doc3.txt.mtz"), so reading and writing follow one naming rule. A line
// that no entry gives (typed or edited by hand, or no list) is named by
// its shown text.
void save_concept_matrix(const fs::path& folder, const fs::path& doc_list, const std::vector<Ansi>& lines,
                         AnsiView concept_field, const Regional& regional, Progress& progress = Progress::none());

}  // namespace lumeral::classification
