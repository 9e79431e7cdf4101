// Association rules between concepts ("Aplica Técnica de Data Mining sobre
// Associações Contextuais"), the computation: every pair (A, B, co) of the
// pair store becomes the rule A => B with confidence co / n(A) x 100 and
// support co / N x 100, where n(A) is the number of documents whose matrix
// gives A a degree above 0 and N the number of documents.
//
// Promises: one rule line (rule_lines.h) per pair whose first concept is in
// the context list, in pair-store order; the files are only read. The
// lines are filtered and sorted by rule_filters.h, shown as sentences by
// rule_sentences.h and as the mining panel's table by association_table.h.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
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
};

// "Calcula Confiança/Suporte": the rule lines, one per pair whose first
// concept is in the context list, in pair-store order. An empty field stops
// with "Selecionar listas antes !", a missing matrix with "Fazer
// classificação antes !"; a pair whose first concept is listed but found in
// no document, or an empty document list, stops with a message saying that
// the pair store does not belong to the lists (no division by zero).
std::vector<Ansi> calculate_rules(const RulesInput& input, const Regional& regional,
                                  Progress& progress = Progress::none());

}  // namespace lumeral::mining
