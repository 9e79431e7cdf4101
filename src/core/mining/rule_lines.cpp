#include "core/mining/rule_lines.h"

#include "core/base/text.h"
#include "core/records/weighted.h"

namespace lumeral::mining {

using namespace lumeral::literals;

Rule make_rule(AnsiView a, AnsiView b, double confidence, double support, double count, const Regional& regional) {
  Rule r;
  r.a = cut(a, 15);
  r.b = cut(b, 15);
  r.confidence = regional.format(confidence, "00.00");
  r.support = regional.format(support, "00.00");
  r.count = regional.format(count, "0000");
  return r;
}

Ansi rule_line(const Rule& r) {
  if (r.text) return *r.text;
  Ansi line = r.a;
  line += Ansi(" => ");
  line += r.b;
  line += Ansi(" /conf= ");
  line += r.confidence;
  line += Ansi("% /sup= ");
  line += r.support;
  line += Ansi("%(");
  line += r.count;
  line += ')';
  return line;
}

std::vector<Ansi> rule_lines(const std::vector<Rule>& rules) {
  std::vector<Ansi> lines;
  lines.reserve(rules.size());
  for (const Rule& r : rules) lines.push_back(rule_line(r));
  return lines;
}

ParsedRule parse_rule_line(AnsiView line) {
  ParsedRule r;
  std::size_t p = line.find("/conf="_a);
  std::size_t q = line.find("/sup="_a);
  if (p == AnsiView::npos || q == AnsiView::npos) {
    r.rule = trim(line);
  } else {
    r.rule = trim(line.substr(0, p));
    AnsiView rest = trim_view(line.substr(p + 6));
    r.confidence = Ansi(rest.substr(0, 7));
    r.support = trim(line.substr(q + 5));
  }
  AnsiView rule = r.rule;
  std::size_t arrow = rule.find("=>"_a);
  if (arrow != AnsiView::npos) {
    r.a = trim(rule.substr(0, arrow));
    std::size_t b = rule.find("=> "_a);
    r.b = trim(b == AnsiView::npos ? rule.substr(arrow + 2) : rule.substr(b + 3));
  } else {
    r.a = Ansi(rule);
  }
  AnsiView sup = r.support;
  std::size_t open = sup.find('(');
  r.support_percentage = Ansi(sup.substr(0, open));
  if (open != AnsiView::npos) {
    std::size_t close = sup.find(')', open);
    r.count = Ansi(sup.substr(open + 1, close == AnsiView::npos ? AnsiView::npos : close - open - 1));
  }
  return r;
}

ParsedRule rule_parts(const Rule& rule) {
  if (rule.text) return parse_rule_line(*rule.text);
  ParsedRule r;
  r.a = trim(rule.a);
  r.b = trim(rule.b);
  r.rule = trim(rule.a + Ansi(" => ") + rule.b);
  // The confidence field is the line's 7 characters after "/conf= ".
  r.confidence = (rule.confidence + Ansi("% /sup= ") + rule.support).substr(0, 7);
  r.support_percentage = rule.support + Ansi("%");
  r.support = r.support_percentage + Ansi("(") + rule.count + Ansi(")");
  r.count = rule.count;
  return r;
}

std::vector<ParsedRule> rule_parts(const std::vector<Rule>& rules) {
  std::vector<ParsedRule> parts;
  parts.reserve(rules.size());
  for (const Rule& r : rules) parts.push_back(rule_parts(r));
  return parts;
}

Rule rule_of_line(AnsiView line) {
  const ParsedRule p = parse_rule_line(line);
  Rule r;
  r.a = p.a;
  r.b = p.b;
  r.confidence = trim(AnsiView(p.confidence).substr(0, p.confidence.find('%')));
  r.support = trim(AnsiView(p.support_percentage).substr(0, p.support_percentage.find('%')));
  r.count = p.count;
  // A concept may itself hold "/sup=" or "/conf=": the line then comes back
  // the same but the panel's parse cuts it elsewhere, so such a line keeps
  // its text and is taken apart as the panel does.
  if (rule_line(r) == line && rule_parts(r) == p) return r;
  Rule kept;
  kept.text = Ansi(line);
  return kept;
}

std::vector<Rule> rules_of_lines(const std::vector<Ansi>& lines) {
  std::vector<Rule> rules;
  rules.reserve(lines.size());
  for (const Ansi& l : lines) rules.push_back(rule_of_line(l));
  return rules;
}

AnsiView confidence_key(const Rule& rule) {
  return rule.text ? records::key_confidence(*rule.text) : AnsiView(rule.confidence);
}

AnsiView count_key(const Rule& rule) {
  if (!rule.text) return AnsiView(rule.count).substr(0, 4);
  AnsiView line = *rule.text;
  std::size_t open = line.find('(');
  return open == AnsiView::npos ? AnsiView() : line.substr(open + 1, 4);
}

}  // namespace lumeral::mining
