// Rules of the data-mining lists as rows: a computed rule keeps its parts as
// its line shows them, rule_line() is the one formatter of the line
// ("A => B /conf= 66,67% /sup= 20,00%(0004)"), and rule_of_line() the one
// reader of such lines read back from a text file.
//
// Promises: parse_rule_line() and rule_of_line() never fail; a line that is
// not a rule line gives the whole trimmed line as the rule and empty parts,
// and a row that keeps its text (Rule::text) shows, saves and takes apart
// that text exactly as read.
#pragma once

#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/regional.h"

namespace lumeral::mining {

// A rule row. A line read back from a file that rule_line() would not write
// so (not a rule, or laid out otherwise) keeps its text and nothing else.
struct Rule {
  Ansi a, b;        // the concepts as the line shows them: cut to 15 characters
  Ansi confidence;  // the percentages as shown, without "%": "66,67"
  Ansi support;     // "20,00"
  Ansi count;       // documents holding both, as shown: "0004"
  std::optional<Ansi> text;  // the line as read, for a row read back that is not laid out as rule_line() writes it
  bool operator==(const Rule&) const = default;
};

// The rule A => B with its confidence and support (percentages) and count,
// shown with the regional settings: "00.00" and "0000".
Rule make_rule(AnsiView a, AnsiView b, double confidence, double support, double count, const Regional& regional);

// A + " => " + B + " /conf= " + confidence + "%" + " /sup= " + support +
// "%(" + count + ")"; the text of a row that keeps one.
Ansi rule_line(const Rule& rule);
std::vector<Ansi> rule_lines(const std::vector<Rule>& rules);

// A rule taken apart as the mining panel does: its table, its sentences and
// its network read these parts.
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
// The parts of a row: what parse_rule_line() gives for its line, except for
// a computed rule whose concept holds "/conf=" or "/sup=", which keeps its
// true parts where the parse would cut the concept.
ParsedRule rule_parts(const Rule& rule);
std::vector<ParsedRule> rule_parts(const std::vector<Rule>& rules);

// A line read back: a rule row when rule_line() gives the line back, else a
// row keeping the line's text.
Rule rule_of_line(AnsiView line);
std::vector<Rule> rules_of_lines(const std::vector<Ansi>& lines);

// The keys of the threshold and the orders: the confidence shown, and the
// count's first four characters (as the threshold on the line reads it).
AnsiView confidence_key(const Rule& rule);
AnsiView count_key(const Rule& rule);

}  // namespace lumeral::mining
