// The Portuguese sentence of a rule, as the mining panel's association text
// and the report show it: "--66,67%  dos textos que falam em A também falam
// em B. Isto aconteceu em 0004 texto(s) (20,00% do total)".
#pragma once

#include <vector>

#include "core/base/ansi.h"
#include "core/mining/rule_lines.h"

namespace lumeral::mining {

Ansi rule_sentence(const ParsedRule& rule);
// The sentences of rules, in their order.
std::vector<Ansi> rule_sentences(const std::vector<Rule>& rules);

}  // namespace lumeral::mining
