// The options that choose and order the association rules between
// concepts, shared by `rules` (the rule lines) and `chart associations`
// (the same rules drawn as a network), so both read them the same way; and
// the mining options, shared with `mine`.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/command.h"
#include "core/mining/mine.h"
#include "core/mining/rules.h"

namespace lumeral::cli {

// --grau-minimo G ("Grau mínimo") and --duas-direcoes ("Mostrar as duas
// direções"); their defaults give the described results.
class MiningOptionFlags {
 public:
  explicit MiningOptionFlags(CLI::App* sub);
  mining::MiningOptions get(const Regional& regional) const;

 private:
  std::shared_ptr<std::string> min_degree_;
  std::shared_ptr<bool> both_;
};

class RuleOptions {
 public:
  // Adds --contexts, --docs, --pairs, --threshold, --by, --order,
  // --grau-minimo and --duas-direcoes to `sub`.
  explicit RuleOptions(CLI::App* sub);

  // The rules of the inputs given, filtered by the threshold and sorted.
  std::vector<mining::Rule> rules(Env& env) const;
  // The input files given (the concept network also reads the document
  // list); rules() adds the mining options.
  mining::RulesInput input() const;

 private:
  std::shared_ptr<std::string> contexts_, docs_, pairs_, threshold_, by_, order_;
  MiningOptionFlags mining_;
};

}  // namespace lumeral::cli
