// The mining wizard's shared routines: saving the project (project file,
// status file, the "dir_ini" setting), restoring a project at the level
// where it was left, and showing a text file in the text viewer.
#pragma once

#include <QString>

#include "core/shell/project_file.h"
#include "core/shell/status_file.h"

namespace lumeral::gui {

class TMdi_Frm;
class Windows;

// The wizard's fields as project settings, and its mining panel as a status.
shell::ProjectSettings projeto_do_wizard(const TMdi_Frm& wizard);
shell::StatusFile status_do_wizard(const TMdi_Frm& wizard);

// Save project: creates the project folder, makes it current, stores it as
// "dir_ini", writes the project file and the status file; with `confirma`
// shows "Arquivo salvo com Sucesso!!!". Stops (throws) on a failure.
void salva_projeto(TMdi_Frm& wizard, bool confirma);

// Restore project from the project file `arquivo`, replaying the steps up
// to its level. Stops (throws) on an unreadable number or a missing file;
// the fields set so far keep their values.
void restaura_projeto(TMdi_Frm& wizard, const QString& arquivo);

// Show text file: the text viewer shows the file's lines, or the message
// "Arquivo texto selecionado não existe".
void mostra_arquivo_texto(Windows& windows, const QString& arquivo);

}  // namespace lumeral::gui
