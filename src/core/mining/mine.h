// The mining wizard's whole road on a saved project, without windows:
// classification by the method of the project's ontology kind, the concept
// frequencies (contextual centroid and its percentages), the associations
// between concepts (term association "Por contextos" and the rules with
// confidence and support), then the status file "resultados_n4.wiz", the
// results file "resultados.wiz" and the report ("relatorio.rtf",
// "relatorio.txt"), all in the project folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/association/association_lines.h"
#include "core/base/ansi.h"
#include "core/base/language.h"
#include "core/base/memory_budget.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/mining/rule_lines.h"
#include "core/shell/project.h"
#include "core/shell/status_file.h"

namespace lumeral::mining {

// The lists the mining step works on, checked before its runs start.
struct MiningLists {
  std::filesystem::path context_list;  // L: the chosen ontology's or the project's own
  std::filesystem::path doc_list;      // the project's document list
};

// The context list L of the mining step: `chosen` (an existing ontology
// picked at the ontology step) or else the project's own list.
std::filesystem::path mining_context_list(const shell::Project& project,
                                          const std::optional<std::filesystem::path>& chosen);

// The mining step's checks: L must be a file, then the project's document
// list. Each failure stops with "O Wizard encontrou um problema:" +
// `line_break` + "Lista de contextos não existe" or "Lista de documentos não
// existe" (the wizard's box breaks the line with LF CR, the command line
// with LF).
MiningLists check_mining_lists(const shell::Project& project, const std::filesystem::path& context_list,
                               std::string_view line_break);

// The wizard's classification run: the method of the ontology kind
// (probabilistic for OntologyKind::Probabilistic, otherwise deterministic)
// over the project's document list and the context list, with the wizard
// visible (documents and contexts in the project folder).
// With `stem`, the word lists hold stems of that language (see
// ClassifyRun::stem).
void classification_run(const shell::Project& project, const std::filesystem::path& context_list,
                        shell::OntologyKind kind, Progress& progress = Progress::none(),
                        const std::optional<Language>& stem = std::nullopt);

// What the analyst tunes on the mining step; the defaults give the
// described results (rules.h).
struct MiningOptions {
  double min_degree = 0;         // "Grau mínimo"
  bool both_directions = false;  // "Mostrar as duas direções"
  // The memory the term association may hold before it shards its pairs.
  std::size_t memory_budget = kDefaultMemoryBudget;
};

// The wizard's association run on a project: term association "Por
// contextos" over the project's document list (pair store <folder>/temp.ass),
// then the rules against the context list; the association table and the
// sentences of the mining panel.
struct AssociationRun {
  std::vector<association::AssociationRow> pair_rows;  // the term-association window's result rows
  std::filesystem::path pair_store;                     // <folder>/temp.ass
  std::vector<Rule> rules;                              // the data-mining window's result rows
  std::vector<ParsedRule> table;                        // the association table, by rule text
  std::vector<Ansi> association_text;                   // one sentence per rule
};
AssociationRun association_run(const shell::Project& project, const std::filesystem::path& context_list,
                               const Regional& regional, Progress& progress = Progress::none(),
                               const MiningOptions& options = {});

struct MineOutcome {
  std::vector<shell::FrequencyRow> rows;  // the frequency table, in table order
  std::vector<Rule> rules;                // the data-mining window's result rows
  std::vector<ParsedRule> table;          // the association table
  std::vector<Ansi> association_text;     // the sentences of the mining panel
  std::filesystem::path project_folder;   // the folder the road worked in
  std::filesystem::path context_list;
  std::filesystem::path status_file, results_file, report_rtf, report_text;
  // Notes for the user: where the road had to look elsewhere than the
  // project file says (a project moved or checked out in another place).
  std::vector<std::string> notes;
};

// Runs the road on the project file `project_file`. When the saved project
// folder does not exist, the folder of the project file is used; when the
// saved context list does not exist, the list of that name (or the title's
// ".lct") in the project folder; each such choice adds a note. Stops with
// the wizard's messages: a project without ontology kind, "O Wizard
// encontrou um problema:" + line break + "Lista de contextos não existe" or
// "Lista de documentos não existe", and whatever the driven analyses stop
// with ("Fazer classificação antes !", ...).
MineOutcome mine_project(const std::filesystem::path& project_file, const Regional& regional,
                         Progress& progress = Progress::none(), const MiningOptions& options = {});

// The names of the two report files.
const char* report_rtf_name();
const char* report_text_name();

}  // namespace lumeral::mining
