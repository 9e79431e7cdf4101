#include "gui/shell/unit_global.h"

#include <QDir>

#include <filesystem>

#include "core/base/files.h"
#include "core/shell/ini.h"
#include "gui/base/platform.h"
#include "gui/shell/ontologia.h"
#include "gui/shell/minera.h"
#include "gui/retrieval/result_recuperasim.h"
#include "gui/shell/barra_progresso.h"
#include "gui/shell/mdi_form.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

namespace fs = std::filesystem;

shell::ProjectSettings projeto_do_wizard(const TMdi_Frm& w) {
  const MiningWizardState& state = w.estado();
  shell::ProjectSettings s = project_settings(w, state.project.folder, state.level);
  s.ontology_kind = shell::stored_text(state.ontology);
  s.context_list = ansi(state.context_list);
  return s;
}

shell::StatusFile status_do_wizard(const TMdi_Frm& w) {
  shell::StatusFile status;
  status.rows = w.minera->linhas_frequencia();
  status.association_text = w.minera->texto_associacoes();
  return status;
}

void salva_projeto(TMdi_Frm& w, bool confirma) {
  const fs::path folder = path_of(w.pasta_projeto());
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (fs::is_directory(folder, ec)) QDir::setCurrent(w.pasta_projeto());
  w.platform().set_setting(QStringLiteral("dir_ini"), w.pasta_projeto());
  {
    ProgressScope progress(w.windows());
    shell::save_project(projeto_do_wizard(w), status_do_wizard(w), progress);
  }
  if (confirma) w.information(QStringLiteral("Arquivo salvo com Sucesso!!!"));
}

void restaura_projeto(TMdi_Frm& w, const QString& arquivo) {
  const shell::IniFile ini = shell::IniFile::read(path_of(arquivo));
  w.Edit_titulo->clear();
  w.Edit_cliente->clear();
  w.Edit_resp->clear();
  restore_project_fields(w, ini, path_of(arquivo), [&](const QString& pasta) { w.set_pasta(path_of(pasta)); });
  w.carrega_stopwords();

  namespace key = shell::project_key;

  w.set_tipo(shell::ontology_kind_of(shell::project_value(ini, key::ontology)));
  w.set_lista_contextos(project_text(ini, key::context_list));
  w.set_nivel(WizardLevel::read(shell::project_value(ini, key::level), 5));

  // Replay the steps; each test reads the level again.
  auto level_is = [&](int n) { return w.estado().level.number == n; };
  if (level_is(1)) w.passo1();
  if (level_is(2)) {
    w.passo2();
    w.RadioGroup_textos->set_item_index(shell::project_integer(ini, path_of(arquivo), key::text_location));
    w.Edit_separador->setText(project_text(ini, key::separator));
    salva_projeto(w, false);
  }
  if (level_is(3)) {
    w.passo3();
    w.set_ontologia_visitada(true);
    w.Panel3->show();
    w.bt_ok_ontologia->show();
    salva_projeto(w, false);
  }
  if (level_is(4)) {
    w.passo3();
    const fs::path lct = w.projeto().context_list();
    if (w.estado().context_list.isEmpty() && fs::exists(lct)) w.set_lista_contextos(qpath(lct));
    w.RadioGroup3->set_item_index(0);
    // The choice applies the kind choice: it takes the project's saved kind
    // rather than the choice's default.
    if (w.estado().ontology != shell::OntologyKind::None)
      w.ontologia->escolhe_tipo(w.estado().ontology == shell::OntologyKind::Probabilistic);
    w.ontologia->escolhe_ontologia();
    w.set_ontologia_visitada(true);
    salva_projeto(w, false);
  }
  if (level_is(5)) {
    w.passo3();
    // The step-3 routine records level 3; the project stays at the mining
    // step, so the save below keeps level 5.
    w.set_nivel(5);
    w.bit_avancar->setEnabled(false);
    w.indicadores(4);
    w.Panel3->show();
    w.P_Minera->show();
    w.bit_mutreta->hide();
    // The results as saved, without computing them again.
    const shell::StatusFile status =
        shell::read_status_file(w.projeto().status_file());
    w.minera->limpa();
    w.minera->mostra_frequencias(status.rows);
    w.minera->mostra_texto(status.association_text);
    salva_projeto(w, false);
    w.minera->mostra_total_regras(status.rule_count());
  }
}

void mostra_arquivo_texto(Windows& windows, const QString& arquivo) {
  windows.result_recsim->mostra_arquivo(arquivo);
}

}  // namespace lumeral::gui
