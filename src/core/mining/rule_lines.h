// Rule lines of the data-mining window: how a rule is written
// ("A => B /conf= 66,67% /sup= 20,00%(0004)") and how the mining panel takes
// such a line apart again.
//
// Promises: parse_rule_line() never fails; a line that is not a rule line
// gives the whole trimmed line as the rule and empty parts.
#pragma once

#include "core/base/ansi.h"
#include "core/base/regional.h"

namespace lumeral::mining {

// A + " => " + B + " /conf= " + "00.00" + "%" + " /sup= " + "00.00" + "%(" +
// "0000" + ")", A and B cut to 15 characters.
Ansi rule_line(AnsiView a, AnsiView b, double confidence, double support, double count, const Regional& regional);

// A rule line taken apart as the mining panel does.
struct ParsedRule {
  Ansi rule;        // "A => B"
  Ansi a, b;
  Ansi confidence;  // the 7 characters after "/conf=": "66,67% " or "100,00%"
  Ansi support;     // after "/sup=": "20,00%(0004)"
  Ansi support_percentage;  // "20,00%"
  Ansi count;               // "0004"
  bool operator==(const ParsedRule&) const = default;
};
ParsedRule parse_rule_line(AnsiView line);

}  // namespace lumeral::mining
