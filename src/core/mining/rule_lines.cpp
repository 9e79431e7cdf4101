#include "core/mining/rule_lines.h"

#include "core/base/text.h"

namespace lumeral::mining {

using namespace lumeral::literals;

Ansi rule_line(AnsiView a, AnsiView b, double confidence, double support, double count, const Regional& regional) {
  Ansi line = cut(a, 15);
  line += Ansi(" => ");
  line += cut(b, 15);
  line += Ansi(" /conf= ");
  line += regional.format(confidence, "00.00");
  line += Ansi("% /sup= ");
  line += regional.format(support, "00.00");
  line += Ansi("%(");
  line += regional.format(count, "0000");
  line += ')';
  return line;
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

}  // namespace lumeral::mining
