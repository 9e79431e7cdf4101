// The options that choose and order the association rules between
// concepts, shared by `rules` (the rule lines) and `chart associations`
// (the same rules drawn as a network), so both read them the same way.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/command.h"
#include "core/mining/rules.h"

namespace lumeral::cli {

class RuleOptions {
 public:
  // Adds --contexts, --docs, --pairs, --threshold, --by and --order to `sub`.
  explicit RuleOptions(CLI::App* sub);

  // The rules of the inputs given, filtered by the threshold and sorted.
  std::vector<Ansi> rules(Env& env) const;
  // The inputs given (the concept network also reads the document list).
  mining::RulesInput input() const;

 private:
  std::shared_ptr<std::string> contexts_, docs_, pairs_, threshold_, by_, order_;
};

}  // namespace lumeral::cli
