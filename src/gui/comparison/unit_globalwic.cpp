#include "gui/comparison/unit_globalwic.h"

#include <QDir>

#include <filesystem>

#include "core/base/files.h"
#include "core/shell/ini.h"
#include "gui/comparison/mdi_form2.h"

namespace lumeral::gui {

namespace fs = std::filesystem;

shell::ProjectSettings projeto_do_wizard2(const TMdi_Frm2& w) {
  shell::ProjectSettings s;
  s.title = ansi(w.Edit_titulo->text());
  s.client = ansi(w.Edit_cliente->text());
  s.responsible = ansi(w.Edit_resp->text());
  s.project_folder = ansi(w.Label3->text());
  s.text_location = w.RadioGroup_textos->item_index();
  s.separator = ansi(w.Edit_separador->text());
  s.language = w.ListBox_idioma->currentRow();
  s.level = ansi(w.l_nivel->text());
  return s;
}

void salva_projeto2(TMdi_Frm2& w, bool confirma) {
  shell::save_comparison_project(projeto_do_wizard2(w));
  QDir::setCurrent(w.pasta_projeto());
  if (confirma) w.information(QStringLiteral("Arquivo salvo com Sucesso!!!"));
}

namespace {

QString text_of(const shell::IniFile& ini, shell::ProjectKey key) { return qs(shell::project_value(ini, key)); }

}  // namespace

void restaura_projeto2(TMdi_Frm2& w, const QString& arquivo) {
  const shell::IniFile ini = shell::IniFile::read(path_of(arquivo));
  namespace key = shell::project_key;
  w.Edit_titulo->setText(text_of(ini, key::title));
  w.Edit_cliente->setText(text_of(ini, key::client));
  w.Edit_resp->setText(text_of(ini, key::responsible));
  w.Label3->setText(text_of(ini, key::folder));

  const int idioma = shell::project_integer(ini, path_of(arquivo), key::language);
  w.ListBox_idioma->setCurrentRow(idioma >= 0 && idioma < w.ListBox_idioma->count() ? idioma : -1);
  w.carrega_stopwords();
  // How the texts are stored is restored at every level, so that the save
  // after the replay writes it back as it was.
  w.RadioGroup_textos->set_item_index(shell::project_integer(ini, path_of(arquivo), key::text_location));
  w.Edit_separador->setText(text_of(ini, key::separator));
  w.l_nivel->setText(text_of(ini, key::level));

  // Replay the steps; each test reads the level again.
  const QString level = w.l_nivel->text();
  if (level == QLatin1String("1")) w.passo1();
  if (level == QLatin1String("2")) {
    w.passo2();
    salva_projeto2(w, false);
  }
  if (level == QLatin1String("3") || level == QLatin1String("4")) {
    // A step that stops (a missing document list, a missing stopword list)
    // has shown its message and set its level; the project is saved as it
    // now stands.
    w.command([&] { w.passo3(false); });
    salva_projeto2(w, false);
  }
}

}  // namespace lumeral::gui
