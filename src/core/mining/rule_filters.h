// Thresholds and orders of rule lines: the data-mining window's "Seleciona
// por limiar" and its two orders, and the mining panel's threshold panel,
// which computes the rules again and keeps those that reach the threshold.
//
// Promises: filters keep the lines' order; the confidence order is stable
// (equal confidences keep their order, so sorting twice changes nothing); a
// number that cannot be read stops with the conversion error before any
// line moves.
#pragma once

#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/mining/rules.h"

namespace lumeral::mining {

enum class ThresholdKind { Confidence, Support };

// "Seleciona por limiar": confidence at least t, or count (its first four
// characters) at least t; t from the field, 0 when empty. The kept rules
// keep their order.
std::vector<Rule> select_rules(const std::vector<Rule>& rules, AnsiView threshold_text, ThresholdKind kind,
                               const Regional& regional);

// "Ordena decrescente por confiança": highest confidence first, equal
// confidences in their present order.
void sort_rules_by_confidence(std::vector<Rule>& rules, const Regional& regional,
                              Progress& progress = Progress::none());

// "Ordena alfabeticamente": case-insensitive collation of whole lines.
void sort_rules_alphabetically(std::vector<Rule>& rules, const Regional& regional);

// The threshold panel's guard: a threshold that is not above 0 stops with
// "Informe limiar para filtrar" (one that is not a number, with the
// conversion error).
void check_filter_threshold(AnsiView threshold_text, const Regional& regional);

}  // namespace lumeral::mining
