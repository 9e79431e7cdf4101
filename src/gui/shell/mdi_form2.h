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
#include "gui/shell/wizard_frame.h"

namespace lumeral::gui {

// The frame (wizard_frame.h) holds the project panel, the button bar, the
// status panels and the welcome group, as in the mining wizard.
// The controls of `TMdi_Frm2`: its own and its tests' (TestAccess).
struct TMdi_Frm2Ui {
  // ---- step indicators, in the frame's column
  StepLabel* botao_1_on;
  StepLabel* botao_1_off;
  StepLabel* botao_2_on;
  StepLabel* botao_2_off;
  StepLabel* botao_3_on;
  StepLabel* botao_3_off;
  StepLabel* lb_passo1;  // "Configurar Projeto"
  StepLabel* lb_passo2;  // "Preparar Textos"
  StepLabel* lb_passo3;  // "Análise dos Documentos"
  // ---- analysis step: result sets and the two-column list
  QFrame* Panel_analise;
  QComboBox* ComboBox1;     // the result sets; "Selecione..." while none is chosen
  QTreeWidget* ListView1;   // "Palavra", "Peso"
  QLineEdit* Edit_total;    // beside "Total de Palavras = "
  QPushButton* bt_resumos;  // "Ver resumos (frases/partes dos textos)"
  QPushButton* bt_grava;    // "Grava Resultados em texto"
  // ---- status bar: hint, weekday and date, time
  QStatusBar* StatusBar1;
};

class TMdi_Frm2 : public WizardFrame, private TMdi_Frm2Ui {
  Q_OBJECT
  friend struct TestAccess;
  // The project routines (unit_globalwic.h) read and restore its fields.
  friend shell::ProjectSettings projeto_do_wizard2(const TMdi_Frm2& wizard);
  friend void salva_projeto2(TMdi_Frm2& wizard, bool confirma);
  friend void restaura_projeto2(TMdi_Frm2& wizard, const QString& arquivo);
  using Ui = TMdi_Frm2Ui;
 public:
  explicit TMdi_Frm2(Windows& windows);

  // ---- the wizard's state (wizard_state.h): every step reads it; the
  // folder label and the step indicators show it.
  const ComparisonWizardState& estado() const { return estado_; }

  // ---- handlers
  void bit_inicioClick() override;
  void ListBox_idiomaClick() override;
  void ComboBox1Change();
  void ListView1ColumnClick(int column);
  void bt_resumosClick();  // form_resumo2 on this project's list
  void bt_gravaClick();

  // ---- the wizard's routines (shared by buttons, captions and the restore)
  void volta_passo1() override;
  void passo2();         // "Preparar Textos"
  // "Análise dos Documentos": with `prepara` (from the preparation step)
  // the collection is processed first, unless the analysis already ran.
  void passo3(bool prepara);

  // The rows listed now, in their shown order.
  const std::vector<comparison::ResultRow>& linhas() const { return linhas_; }
  // The result sets of the last analysis, in the choice box's order.
  const std::vector<comparison::ResultSet>& conjuntos() const { return conjuntos_; }

  // Loads the language's standard list into the stopword manager; when it
  // is missing at the preparation step or beyond: the message, "Avançar"
  // disabled and one step back. False when missing.
  bool carrega_stopwords();

 protected:
  void closeEvent(QCloseEvent* event) override;
  WizardCommonState& comum() override { return estado_; }
  const WizardCommonState& comum() const override { return estado_; }
  void continua_projeto(const QString& file) override;
  void salva(bool confirma) override;
  void volta_boas_vindas() override;

 private:
  void build_layout();
  // The import of the texts folder with the word lists. False when the
  // folder held nothing to process (the wizard is back at its first step).
  bool processa_textos();
  void analisa();
  void mostra_linhas();
  void limpa_resultado();
  // "Grava Resultados em texto" and "Exportar...", enabled while a result
  // set is listed.
  void habilita_gravacao(bool habilita);
  QPushButton* bt_exportar_ = nullptr;
  ComparisonWizardState estado_;
  bool voltando_ = false;
  std::vector<comparison::ResultSet> conjuntos_;
  std::vector<comparison::ResultRow> linhas_;
};

}  // namespace lumeral::gui
