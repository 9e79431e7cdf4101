#include "core/mining/rule_sentences.h"

#include "core/base/encoding.h"

namespace lumeral::mining {

Ansi rule_sentence(const ParsedRule& r) {
  return to_ansi("--") + r.confidence + to_ansi(" dos textos que falam em ") + r.a + to_ansi(" também falam em ") + r.b +
         to_ansi(". Isto aconteceu em ") + r.count + to_ansi(" texto(s) (") + r.support_percentage +
         to_ansi(" do total)");
}

std::vector<Ansi> rule_sentences(const std::vector<Rule>& rules) {
  std::vector<Ansi> out;
  out.reserve(rules.size());
  for (const Rule& r : rules) out.push_back(rule_sentence(rule_parts(r)));
  return out;
}

}  // namespace lumeral::mining
