#include "gui/shell/unit_globalwic.h"

#include <QDir>

#include <filesystem>

#include "core/base/files.h"
#include "core/shell/ini.h"
#include "gui/shell/mdi_form2.h"

namespace lumeral::gui {

namespace fs = std::filesystem;

shell::ProjectSettings projeto_do_wizard2(const TMdi_Frm2& w) {
  return project_settings(w, w.estado().project.folder, w.estado().level);
}

void salva_projeto2(TMdi_Frm2& w, bool confirma) {
  shell::save_comparison_project(projeto_do_wizard2(w));
  QDir::setCurrent(w.pasta_projeto());
  if (confirma) w.information(QStringLiteral("Arquivo salvo com Sucesso!!!"));
}

void restaura_projeto2(TMdi_Frm2& w, const QString& arquivo) {
  const shell::IniFile ini = shell::IniFile::read(path_of(arquivo));
  restore_project_fields(w, ini, path_of(arquivo), [&](const QString& pasta) { w.set_pasta(path_of(pasta)); });
  w.carrega_stopwords();
  namespace key = shell::project_key;
  // How the texts are stored is restored at every level, so that the save
  // after the replay writes it back as it was.
  w.RadioGroup_textos->set_item_index(shell::project_integer(ini, path_of(arquivo), key::text_location));
  w.Edit_separador->setText(project_text(ini, key::separator));
  w.set_nivel(WizardLevel::read(shell::project_value(ini, key::level), 4));

  // Replay the steps up to the level read.
  const int level = w.estado().level.number;
  if (level == 1) w.passo1();
  if (level == 2) {
    w.passo2();
    salva_projeto2(w, false);
  }
  if (level == 3 || level == 4) {
    // A step that stops (a missing document list, a missing stopword list)
    // has shown its message and set its level; the project is saved as it
    // now stands.
    w.command([&] { w.passo3(false); });
    salva_projeto2(w, false);
  }
}

}  // namespace lumeral::gui
