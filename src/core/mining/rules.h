// Association rules between concepts ("Aplica Técnica de Data Mining sobre
// Associações Contextuais"), the computation: every pair (A, B, co) of the
// pair store becomes the rule A => B with confidence co / n(A) x 100 and
// support co / N x 100, where n(A) is the number of documents whose matrix
// gives A a degree above 0 and N the number of documents.
//
// Two options tune it; at their defaults the result is the one above:
// - a minimum degree G ("Grau mínimo"): a document counts for a concept
//   only when its degree is above 0 and at least G; n(A) and co are then
//   counted from the matrices (the pair store gives which pairs and in what
//   order), and a pair no document holds at that degree gives no rule;
// - both directions ("Mostrar as duas direções"): the pair store holds each
//   pair once, its first concept first in alphabetical order; with this on,
//   each pair also gives B => A (confidence co / n(B) x 100) right after
//   A => B, when B is in the context list.
//
// Promises: one rule (rule_lines.h) per pair whose first concept is in
// the context list, in pair-store order; the files are only read. The
// rules are filtered and sorted by rule_filters.h, shown as sentences by
// rule_sentences.h and as the mining panel's table by association_table.h.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/mining/rule_lines.h"
#include "core/shell/project.h"

namespace lumeral::mining {

namespace fs = std::filesystem;

struct RulesInput {
  fs::path context_list;   // "Lista de Contextos"
  fs::path document_list;  // "Lista de Documentos"
  fs::path pair_store;     // "Arquivo de Associações"
  // Matrices are found by the classification's naming rule in the project
  // folder while a wizard project is open, otherwise in the folder of the
  // document list.
  std::optional<shell::Project> project;
  double min_degree = 0;         // "Grau mínimo"
  bool both_directions = false;  // "Mostrar as duas direções"
};

// The concepts a document counts for at `min_degree`: the names of its
// matrix records whose degree is above 0 and at least `min_degree`, trimmed,
// in matrix order. Stops with "Fazer classificação antes !" when the matrix
// (in `folder`, by the companion rule) is missing.
std::vector<Ansi> counted_concepts(const fs::path& folder, AnsiView document, double min_degree);

// "Grau mínimo" as typed: empty means 0; otherwise a number of the regional
// settings from 0 up. Anything else stops with a message naming the field.
double parse_min_degree(AnsiView text, const Regional& regional);

// "Calcula Confiança/Suporte": the rules, one per pair whose first concept
// is in the context list, in pair-store order. An empty field stops
// with "Selecionar listas antes !", a missing matrix with "Fazer
// classificação antes !"; a pair whose first concept is listed but found in
// no document, or an empty document list, stops with a message saying that
// the pair store does not belong to the lists (no division by zero).
std::vector<Rule> calculate_rule_rows(const RulesInput& input, const Regional& regional,
                                      Progress& progress = Progress::none());

}  // namespace lumeral::mining
