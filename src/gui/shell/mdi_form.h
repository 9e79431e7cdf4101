// The main window `Mdi_Frm`: the entry menu, the mining wizard's panels and
// step indicators, its button bar and status bar with the clock, and the
// wizard's state (one value, see wizard_state.h). The project save and restore
// routines live in unit_global.h; the ontology editor and the mining panel
// are filled in by their own units (the places are marked below).
#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include <filesystem>

#include "core/shell/project.h"
#include "core/shell/status_file.h"
#include "gui/base/form.h"
#include "gui/base/radio_group.h"
#include "gui/shell/wizard_frame.h"

namespace lumeral::gui {

class TOntologia;
class TMinera;
class TSobre;

// The frame (wizard_frame.h) holds the project panel, the button bar, the
// status panels and the welcome group; the steps are 1 "Configurar
// Projeto", 2 "Preparar Textos", 3 "Ontologia", 4 "Mineração de Textos".
// The controls of `TMdi_Frm`: its own and its tests' (TestAccess).
struct TMdi_FrmUi {
  // ---- entry menu
  QFrame* pnEntrada;
  QLabel* lb_entrada;
  RadioGroup* RadioGroup1;  // the three roads
  QPushButton* bt_ok_entrada;
  QPushButton* bt_sobre;  // "Sobre o Lumeral"
  // ---- step indicators: image pairs and captions, in the frame's column
  StepLabel* botao_1_on;
  StepLabel* botao_1_off;
  StepLabel* botao_2_on;
  StepLabel* botao_2_off;
  StepLabel* botao_3_on;
  StepLabel* botao_3_off;
  StepLabel* botao_4_on;
  StepLabel* botao_4_off;
  StepLabel* lb_passo1;  // "Configurar Projeto"
  StepLabel* lb_passo2;  // "Preparar Textos"
  StepLabel* lb_passo3;  // "Ontologia"
  StepLabel* lb_passo4;  // "Mineração de Textos"
  // ---- ontology step: the choice panel lies over the editor, the mining
  // panel over both (one cell of the step's grid)
  QFrame* Panel_ontologia;
  QFrame* Panel3;           // the ontology choice
  RadioGroup* RadioGroup3;  // "Usar uma Ontologia existente" / "Criar..." / "Ver..."
  QWidget* pn_tipo_ontologia;  // under the options: the editor's kind choice
  QPushButton* bt_ok_ontologia;
  QWidget* pn_novo_conceito;  // the editor's new-concept box
  // ---- mining step
  QFrame* P_Minera;
  // ---- button bar
  QPushButton* bit_mutreta;  // the ontology step's own "Voltar", beside "Voltar"
  // ---- status bar: hint, weekday and date, time
  QStatusBar* StatusBar2;
};

class TMdi_Frm : public WizardFrame, private TMdi_FrmUi {
  Q_OBJECT
  friend struct TestAccess;
  friend class TOntologia;  // a part of the same wizard
  friend class TMinera;  // a part of the same wizard
  friend class ImportacaoDoAssistente;  // its side of the text-listing window (mdi_form.cpp)
  // The project routines (unit_global.h) read and restore its fields.
  friend shell::ProjectSettings projeto_do_wizard(const TMdi_Frm& wizard);
  friend shell::StatusFile status_do_wizard(const TMdi_Frm& wizard);
  friend void salva_projeto(TMdi_Frm& wizard, bool confirma);
  friend void restaura_projeto(TMdi_Frm& wizard, const QString& arquivo);
  using Ui = TMdi_FrmUi;
 public:
  explicit TMdi_Frm(Windows& windows);

  // ---- the wizard's state (wizard_state.h): every step reads it; the
  // folder label, the step indicators and the kind captions show it.
  const MiningWizardState& estado() const { return estado_; }
  void set_tipo(shell::OntologyKind tipo);
  void set_lista_contextos(const QString& lista) { estado_.context_list = lista; }
  void set_ontologia_visitada(bool visitada) { estado_.ontology_step_entered = visitada; }
  void set_dividido(bool dividido) { estado_.split_done = dividido; }
  void set_lista_stopwords(const QString& lista) { estado_.stopword_list = lista; }

  TSobre* sobre = nullptr;  // the about box, created when first opened

  TOntologia* ontologia;      // the editor (shell/ontologia.h)
  TMinera* minera;  // the mining panel's controls and commands (shell/minera.h)

  // ---- handlers
  void bt_ok_entradaClick();
  // The entry menu again, its first road chosen (the tools window's "Início").
  void mostra_menu_de_entrada();
  void bt_sobreClick();
  void bit_inicioClick() override;
  void ListBox_idiomaClick() override;

  // ---- the wizard's routines (shared by buttons, captions and the restore)
  void volta_passo1() override;
  void passo2();      // "Preparar Textos"
  void passo3();      // "Ontologia"
  void mineracao();   // "Mineração de Textos": the runs of the mining panel
  // After a cancelled "Avançar" from step `passo`: the wizard shows that
  // step again with the state it had before.
  void volta_apos_cancelar(int passo, const MiningWizardState& antes);
  void volta_inicio();

  // The context list L of the mining step: the existing ontology chosen
  // or the project's own list.
  std::filesystem::path lista_contextos() const;
  // The concept name typed in the ontology editor (the name of the
  // project's own context list).
  QString conceito_da_ontologia() const;
  // Loads the standard stopword list of the chosen language into the
  // stopword manager. When it is missing at the preparation step or
  // beyond: the message, "Avançar" disabled and the wizard one step back
  // (stopwords_faltando tells the step routines).
  void carrega_stopwords();

 protected:
  void closeEvent(QCloseEvent* event) override;
  WizardCommonState& comum() override { return estado_; }
  const WizardCommonState& comum() const override { return estado_; }
  void continua_projeto(const QString& file) override;
  void salva(bool confirma) override;
  void volta_boas_vindas() override;
  std::function<void()> ao_cancelar(int passo) override;

 private:
  // ---- layout (mdi_form_layout.cpp)
  void build_layout();
  QWidget* build_entry();
  QWidget* build_steps();
  QWidget* build_project();
  QWidget* build_ontology();
  QWidget* build_buttons();
  void build_status();
  // Runs the text-listing window: it only lists the folder unless step 3 is
  // current, when it processes it (import and word lists).
  bool executa_textos();
  MiningWizardState estado_;
  QGridLayout* camadas_ = nullptr;  // the ontology step's one cell
  bool voltando_ = false;           // carrega_stopwords is taking the wizard back
};

}  // namespace lumeral::gui
