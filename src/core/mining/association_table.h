// The association table of the mining panel ("Associação",
// "Confiança(Probabilidade Condicional)", "Suporte % (Absoluto)"): one row
// per rule, kept in the order of the rule texts under the
// case-insensitive collation (equal texts in the order of the lines), as
// the results file stores it.
#pragma once

#include <vector>

#include "core/base/ansi.h"
#include "core/base/regional.h"
#include "core/mining/rule_lines.h"

namespace lumeral::mining {

std::vector<ParsedRule> association_table(const std::vector<Rule>& rules, const Regional& regional);

}  // namespace lumeral::mining
