// The state of each wizard as one value. The wizard holds it, every
// decision of its steps reads it, and the controls the user sees (the
// folder label, the step indicators, the ontology kind) are drawn from it.
// Tool windows read the mining wizard's through Windows::wizard_state()
// and the comparison wizard's through Windows::comparison_state().
#pragma once

#include <QString>

#include <filesystem>
#include <optional>

#include "core/base/ansi.h"
#include "core/shell/project.h"

namespace lumeral::gui {

// The level a wizard reached, as its project file keeps it ("n="). A
// restored file may hold text that names no level (no "n=" at all, or a
// hand-edited value): the wizard then counts level 0, replays no step and
// writes that text back as read until a step sets a level.
struct WizardLevel {
  int number = 0;
  std::optional<Ansi> as_read;

  // The level of the stored text: one digit from 0 to `highest`, else 0
  // with the text kept.
  static WizardLevel read(AnsiView text, int highest);
  // The text the project file stores.
  Ansi stored() const;
  bool operator==(const WizardLevel&) const = default;
};

// The mining wizard. Levels: 0 nothing yet, 1 the project step, 2 the
// preparation, 3 the ontology step entered, 4 an ontology chosen, 5 the
// mining step.
// What both wizards keep: the level, the step shown (1 the project step,
// 2 the preparation, then each wizard's own; 0 on the welcome group and the
// entry menu), the project, and two flags.
struct WizardCommonState {
  WizardLevel level;
  int step = 0;
  shell::Project project;   // the folder of the texts and the title
  bool split_done = false;  // the single input file was split since the start
  bool saved = false;       // "Sair, salvando" saved the project
};

// Steps: 3 ontology, 4 mining.
struct MiningWizardState : WizardCommonState {
  shell::OntologyKind ontology = shell::OntologyKind::None;
  QString context_list;  // the existing ontology chosen (.lct), or ""
  bool ontology_step_entered = false;
  // The current folder when the program started: where the standard
  // stopword lists are looked for first.
  std::filesystem::path start_folder;
  QString stopword_list;  // the list the stopword manager handed back
};

// The comparison wizard. Levels: 0 nothing yet, 1 the project step, 2 the
// preparation, 3 the analysis step, 4 the analysis done.
// Step 3 is the analysis.
struct ComparisonWizardState : WizardCommonState {
  bool processed = false;  // the analysis ran since the wizard opened
  bool selected = false;   // a result set is listed
};

}  // namespace lumeral::gui
