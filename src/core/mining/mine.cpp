#include "core/mining/mine.h"

#include "core/association/term_association.h"
#include "core/base/encoding.h"
#include "core/base/existence.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/classification/matrix.h"
#include "core/mining/association_table.h"
#include "core/mining/frequency.h"
#include "core/mining/results.h"
#include "core/mining/rule_sentences.h"
#include "core/mining/rules.h"
#include "core/shell/project_file.h"
#include "core/shell/saved_project.h"

namespace lumeral::mining {

namespace fs = std::filesystem;

const char* report_rtf_name() { return "relatorio.rtf"; }
const char* report_text_name() { return "relatorio.txt"; }

namespace {

Stop wizard_problem(std::string_view line_break, const char* what) {
  return Stop("O Wizard encontrou um problema:" + std::string(line_break) + what);
}

}  // namespace

fs::path mining_context_list(const shell::Project& project, const std::optional<fs::path>& chosen) {
  return chosen ? *chosen : project.context_list();
}

MiningLists check_mining_lists(const shell::Project& project, const fs::path& context_list,
                               std::string_view line_break) {
  if (context_list.empty() || !is_existing_file(context_list))
    throw wizard_problem(line_break, "Lista de contextos não existe");
  MiningLists lists{context_list, project.doc_list()};
  if (!is_existing_file(lists.doc_list)) throw wizard_problem(line_break, "Lista de documentos não existe");
  return lists;
}

void classification_run(const shell::Project& project, const fs::path& context_list, shell::OntologyKind kind,
                        Progress& progress, const std::optional<Language>& stem) {
  classification::ClassifyRun run;
  run.doc_list = project.doc_list();
  run.context_list = context_list;
  run.method = kind == shell::OntologyKind::Probabilistic ? classification::Method::Probabilistic
                                                          : classification::Method::Deterministic;
  run.wizard_project = project;
  run.stem = stem;
  classification::classify(run, progress);
}

AssociationRun association_run(const shell::Project& project, const fs::path& context_list,
                               const Regional& regional, Progress& progress, const MiningOptions& options) {
  const fs::path docs = project.doc_list();
  association::AssociationInput pairs;
  pairs.document_list = docs;
  pairs.method = association::AssociationMethod::Contexts;
  pairs.project = project;
  pairs.memory_budget = options.memory_budget;
  auto counted = association::calculate_associations(pairs, regional, progress);
  RulesInput rules;
  rules.context_list = context_list;
  rules.document_list = docs;
  rules.pair_store = counted.pair_store;
  rules.project = pairs.project;
  rules.min_degree = options.min_degree;
  rules.both_directions = options.both_directions;
  AssociationRun run;
  run.pair_rows = counted.rows();
  run.pair_store = counted.pair_store;
  run.rules = calculate_rule_rows(rules, regional, progress);
  run.table = association_table(run.rules, regional);
  run.association_text = rule_sentences(run.rules);
  return run;
}

MineOutcome mine_project(const fs::path& project_file, const Regional& regional, Progress& progress,
                         const MiningOptions& options) {
  MineOutcome out;
  // The project folder: as saved, or the project file's own folder.
  const shell::SavedProject saved = shell::open_saved_project(project_file, out.notes);
  const shell::ProjectSettings& s = saved.settings;
  const fs::path folder = saved.folder;
  out.project_folder = folder;

  if (s.ontology_kind.empty()) {
    throw Stop("O projeto ainda não tem ontologia (Probabilístico ou Determinístico): escolha a ontologia no "
               "assistente antes da mineração.");
  }

  const shell::Project project{folder, s.title};
  // The context list L: the saved one, else the one of that name (or the
  // title's) in the project folder.
  const std::optional<fs::path> chosen =
      s.context_list.empty() ? std::nullopt : std::optional<fs::path>(to_path(s.context_list));
  fs::path list = mining_context_list(project, chosen);
  if (!is_existing_file(list)) {
    fs::path moved = chosen ? folder / list.filename() : fs::path();
    fs::path found = is_existing_file(moved) ? moved
                     : is_existing_file(project.context_list())
                         ? project.context_list()
                         : fs::path();
    if (!found.empty() && chosen) {
      out.notes.push_back("A lista de contextos \"" + to_utf8(s.context_list) + "\" não existe; usando \"" +
                          display_path(found) + "\".");
    }
    if (!found.empty()) list = found;
  }
  const MiningLists lists = check_mining_lists(project, list, "\n");
  out.context_list = lists.context_list;

  // 1. Classification by the method of the ontology kind.
  progress.status("Classificando os documentos");
  classification_run(project, lists.context_list, shell::ontology_kind_of(s.ontology_kind), progress,
                     s.stemming ? std::optional<Language>(language_of_row(s.language)) : std::nullopt);

  // 2. Concept frequencies.
  progress.status("Calculando a freqüência dos conceitos");
  out.rows = frequency_run(project, regional, progress, options.min_degree);

  // 3. Associations between concepts: the pairs, then the rules.
  progress.status("Calculando as associações entre conceitos");
  AssociationRun assoc = association_run(project, lists.context_list, regional, progress, options);
  out.rules = assoc.rules;
  out.table = std::move(assoc.table);
  out.association_text = std::move(assoc.association_text);

  // 4. Status file, results file and report.
  progress.status("Salvando Projeto");
  out.status_file = project.status_file();
  shell::write_status_file(out.status_file, {out.rows, out.association_text}, progress);
  out.results_file = write_results_file(folder, out.rows, out.table, progress);
  Report report = build_report(out.rows, out.association_text);
  out.report_rtf = folder / report_rtf_name();
  write_bytes_atomic(out.report_rtf, report_rtf(report));
  out.report_text = folder / report_text_name();
  write_text_file(out.report_text, report_text(report));
  return out;
}

}  // namespace lumeral::mining
