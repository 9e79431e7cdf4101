// How alike two lists are: two word lists (or two .mtz context-degree
// files), or two document lists; and precision and recall of a result list
// against an ideal list.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/files.h"
#include "core/base/progress.h"
#include "core/base/regional.h"

namespace lumeral::clustering {

enum class EvaluationMode { WordLists, DocumentLists };

// What "Avalia Similaridade" shows. `value` is empty when the two lists
// leave nothing to divide by; `stop` then holds the message to show after
// the count (the command stops on it).
struct Evaluation {
  std::size_t common = 0;
  std::optional<double> value;
  std::optional<std::string> stop;
};

// Checks the inputs in the window's order ("Você deve selecionar o
// primeiro elemento", ..., "Arquivo do segundo elemento não existe"), then
// compares. Word lists: weights / 100 and positive-entry denominators when
// the first file's extension is ".mtz". Document lists: every pair of
// records with equal trimmed names counts, whatever the weights.
Evaluation evaluate(const fs::path& first, const fs::path& second, EvaluationMode mode,
                    Progress& progress = Progress::none());

// The texts of the two result fields: the value "0.00000000" beside "Grau
// ou valor =" (empty when there is none) and the count beside "Elementos
// comuns=".
struct EvaluationFields {
  Ansi value;
  Ansi common;
};
EvaluationFields evaluation_fields(const Evaluation& e, const Regional& regional);

// The two results as lines, each field after its caption:
// "Grau ou valor = 0,31250000" (left out when there is no value) and
// "Elementos comuns= 1".
std::vector<Ansi> evaluation_lines(const Evaluation& e, const Regional& regional);

// Precision and recall ("Calcula").
struct PrecisionRecall {
  std::size_t ideal = 0;      // "Total  de docs na categoria"
  std::size_t retrieved = 0;  // "Total  de docs recuperados/classificados"
  std::size_t hits = 0;       // "Certos"
  std::size_t wrong = 0;      // "Errados"
  std::optional<double> precision;
  std::optional<double> recall;
  std::optional<std::string> stop;  // set when a list is empty
};

// Name key of a record: before the first ".txt"; else up to and including
// the dot of the first ".lpl"; else the whole name; then trimmed and
// lowered. Every (result, ideal) pair of equal keys is a hit.
PrecisionRecall precision_recall(const fs::path& ideal, const fs::path& result);
Ansi name_key(AnsiView name);

// The texts of the six output fields; precision and recall "0.000" (empty
// when they cannot be computed).
struct PrecisionRecallFields {
  Ansi ideal, retrieved, hits, wrong, precision, recall;
};
PrecisionRecallFields precision_recall_fields(const PrecisionRecall& p, const Regional& regional);

// The six outputs as "label: value" lines (precision and recall left out
// when empty).
std::vector<Ansi> precision_recall_lines(const PrecisionRecall& p, const Regional& regional);

}  // namespace lumeral::clustering
