// The comparison wizard's project routines: saving its project file (the
// mining wizard's lines without the ontology's, no status file, nothing in
// the settings store) and restoring a project at the level where it was
// left.
#pragma once

#include <QString>

#include "core/shell/project_file.h"

namespace lumeral::gui {

class TMdi_Frm2;

// The wizard's fields as project settings.
shell::ProjectSettings projeto_do_wizard2(const TMdi_Frm2& wizard);

// Save project: creates the texts folder, makes it current and writes the
// project file; with `confirma` shows "Arquivo salvo com Sucesso!!!".
// Stops (throws) on a failure.
void salva_projeto2(TMdi_Frm2& wizard, bool confirma);

// Restore project from `arquivo`: the fields, the language's stopword list,
// then the steps up to the saved level ("1" the project step, "2" the
// preparation step, "3" or "4" the analysis, computed again), saving after
// levels 2 to 4. Stops (throws) on an unreadable number; the fields set so
// far keep their values.
void restaura_projeto2(TMdi_Frm2& wizard, const QString& arquivo);

}  // namespace lumeral::gui
