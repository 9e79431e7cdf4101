// Rule comparison ("Compara regras (comuns e diferenças entre coleções)"):
// the association rules every collection has, and those only one has.
// Inputs are rule lists saved as text (one rule per line, its measures
// after a "/"); a rule's key is the text before its first "/", trimmed.
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"

namespace lumeral::comparison {

struct RuleComparison {
  std::vector<Ansi> file_names;  // "Arquivos de Regras": names without folder
  std::vector<Ansi> common;      // "Regras Comuns"
  std::vector<Ansi> exclusive;   // "Regras Exclusivas (diferenças)"
};

// The key of a rule line.
Ansi rule_key(AnsiView line);

// "Compara regras" on the chosen files, in the dialog's order. Fewer than
// two stops with "Selecionar mais de um arquivo com regras !"; a file that
// cannot be read stops with a message naming it.
RuleComparison compare_rules(const std::vector<std::filesystem::path>& files);

}  // namespace lumeral::comparison
