// The comparison wizard `Mdi_Frm2`: three steps from a folder of texts to
// the words its documents share and the words each has alone. The project
// step and the preparation step work as the mining wizard's do (project
// fields, folder, text layout, language and its stopword list, the import
// and the word lists); the analysis step runs the comparison road
// (core/comparison/compare_road.h) and shows its result sets in a
// two-column list. Its project routines are in unit_globalwic.h.
//
// Created anew from the entry menu (Windows::create_Mdi_Frm2); closing it
// removes the "temp" folder of the texts folder, releases it and ends the
// program through the main window, as the tools window does.
#pragma once

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include <vector>

#include "core/comparison/compare_road.h"
#include "core/shell/project.h"
#include "gui/base/form.h"
#include "gui/base/radio_group.h"
#include "gui/shell/wizard_parts.h"
#include "gui/shell/wizard_state.h"

namespace lumeral::gui {

class StepLabel;

// The project panel, the button bar and the status panels are the
// inherited field groups of wizard_parts.h, as in the mining wizard.
class TMdi_Frm2 : public QMainWindow,
                  public Form,
                  public WizardProjectPanel,
                  public WizardButtonBar,
                  public WizardStatusPanels {
  Q_OBJECT
 public:
  explicit TMdi_Frm2(Windows& windows);

  // ---- the wizard's state (wizard_state.h): every step reads it; the
  // folder label and the step indicators show it.
  const ComparisonWizardState& estado() const { return estado_; }
  void set_nivel(int nivel) { estado_.level = {nivel, std::nullopt}; }
  void set_nivel(const WizardLevel& nivel) { estado_.level = nivel; }
  void set_pasta(const std::filesystem::path& pasta);

  QLabel* Label3;  // the texts folder, shown in the folder group

  // ---- step indicators
  QWidget* pn_passos;
  StepLabel* botao_1_on;
  StepLabel* botao_1_off;
  StepLabel* botao_2_on;
  StepLabel* botao_2_off;
  StepLabel* botao_3_on;
  StepLabel* botao_3_off;
  StepLabel* lb_passo1;  // "Configurar Projeto"
  StepLabel* lb_passo2;  // "Preparar Textos"
  StepLabel* lb_passo3;  // "Análise dos Documentos"

  // ---- welcome group
  QGroupBox* GroupBox1;
  RadioGroup* RadioGroup2;  // "Começar um Novo Projeto" / "Continuar um Projeto já existente"
  QPushButton* bt_ok_bemvindo;

  // ---- analysis step: result sets and the two-column list
  QFrame* Panel_analise;
  QComboBox* ComboBox1;     // the result sets; "Selecione..." while none is chosen
  QTreeWidget* ListView1;   // "Palavra", "Peso"
  QLineEdit* Edit_total;    // beside "Total de Palavras = "
  QPushButton* bt_resumos;  // "Ver resumos (frases/partes dos textos)"
  QPushButton* bt_grava;    // "Grava Resultados em texto"

  // ---- status bar: hint, weekday and date, time
  QStatusBar* StatusBar1;

  // Set when the language's standard stopword list is missing at the
  // preparation step or beyond.
  bool stopwords_faltando = false;
  QString pasta_escolhida;  // the folder last chosen with "Alterar"

  // ---- handlers
  void bt_ok_bemvindoClick();
  void bit_avancarClick();
  void bit_voltarClick();
  void bit_sair_salvarClick();
  void bit_sair_cancelarClick();
  void bit_inicioClick();
  void bt_alterarClick();
  void bt_stopwordsClick();
  void ListBox_idiomaClick();
  void RadioGroup_textosClick();
  void Edit_separadorClick();
  void ComboBox1Change();
  void ListView1ColumnClick(int column);
  void bt_resumosClick();  // form_resumo2 on this project's list
  void bt_gravaClick();
  void Timer1Timer();

  // ---- the wizard's routines (shared by buttons, captions and the restore)
  void passo1();         // "Configurar Projeto"
  void volta_passo1();   // the project step shown again, fields kept
  void passo2();         // "Preparar Textos"
  // "Análise dos Documentos": with `prepara` (from the preparation step)
  // the collection is processed first, unless the analysis already ran.
  void passo3(bool prepara);
  // The step indicators show step `current` (1..3) as the current one; 0
  // hides them (the welcome group).
  void indicadores(int current);
  int passo_corrente() const { return estado_.step; }

  // The rows listed now, in their shown order.
  const std::vector<comparison::ResultRow>& linhas() const { return linhas_; }
  // The result sets of the last analysis, in the choice box's order.
  const std::vector<comparison::ResultSet>& conjuntos() const { return conjuntos_; }

  QString titulo() const { return Edit_titulo->text(); }
  QString pasta_projeto() const { return qpath(estado_.project.folder); }
  shell::Project projeto() const { return estado_.project; }

  // Loads the language's standard list into the stopword manager; when it
  // is missing at the preparation step or beyond: the message, "Avançar"
  // disabled and one step back. False when missing.
  bool carrega_stopwords();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_layout();
  // The import of the texts folder with the word lists. False when the
  // folder held nothing to process (the wizard is back at its first step).
  bool processa_textos();
  void analisa();
  void mostra_linhas();
  void limpa_resultado();
  ComparisonWizardState estado_;
  bool voltando_ = false;
  std::vector<comparison::ResultSet> conjuntos_;
  std::vector<comparison::ResultRow> linhas_;
};

}  // namespace lumeral::gui
