// The mining panel `P_Minera` of the main window: the frequency table
// "Freqüência de Conceitos" with its sort by column, the association text
// "Associações entre Conceitos" with the association table under it, the
// threshold panel of the filters, the two sorts, "Grava Resultados para
// Portal" and "Impressão de Resultados". The mining routine of the main
// window runs its three commands in order: the classification run, the
// frequency run and the association run ("Grau mínimo" and "Mostrar as
// duas direções" tune the last two). The runs are the core's mining road
// (core/mining/mine.h, the one `lumeral-cli mine` runs); the tool windows
// that show its parts (`form_matriz`, `form_centro`, `centro_percentual`,
// `form_rel`, `form_dm`) are given the values it returned.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/mining/mine.h"
#include "core/mining/rule_filters.h"
#include "core/mining/rule_lines.h"
#include "core/shell/status_file.h"

namespace lumeral::gui {

class TMdi_Frm;

// The controls of `TMinera`: its own and its tests' (TestAccess).
struct TMineraUi {
  QLabel* lb_metodo_titulo;  // "Método de Mineração:"
  QLabel* lb_metodo;         // the ontology kind the mining used
  // ---- what the analyst tunes (rules.h): they apply to the frequency and
  // association runs and to the threshold filters; "Recalcular" runs the
  // two again on the classification already made.
  QLabel* lb_grau_minimo;               // "Grau mínimo:"
  QLineEdit* Edit_grau_minimo;          // "0" at first: any degree above 0
  QCheckBox* CheckBox_duas_direcoes;    // "Mostrar as duas direções", off at first
  QPushButton* bt_recalcular;           // "Recalcular"
  // ---- "Freqüência de Conceitos"
  QLabel* lb_frequencias;
  QTreeWidget* ListView_contexto;  // "Conceito", "Frequencia Absoluta", "Frequencia Relativa(em %)"
  // ---- "Associações entre Conceitos"
  QLabel* lb_associacoes;
  QTextEdit* Rich;                // the association text: one sentence per rule
  QTreeWidget* ListView_associa;  // "Associação", "Confiança(Probabilidade Condicional)", "Suporte % (Absoluto)"
  QLabel* lb_total_regras;        // "Total de Regras: "
  QLineEdit* Edit_total_regras;   // read-only
  QPushButton* bt_filtro_confianca;  // "Filtro por Confiança"
  QPushButton* bt_filtro_suporte;    // "Filtro por Suporte"
  QPushButton* bt_ordena_confianca;  // "Ordenar Desc. por Confiança"
  QPushButton* bt_ordena_alfa;       // "Ordenar Alfabeticamente"
  QPushButton* bt_grava_resultados;  // "Grava Resultados para Portal"
  QPushButton* bt_impressao;         // "Impressão de Resultados"
  QPushButton* bt_grafico_frequencias;  // "Gráfico de Freqüências"
  QPushButton* bt_rede;              // "Rede de Associações": the rules as a network
  QPushButton* bt_nuvem;             // "Nuvem de Palavras": of the chosen concept's documents
  // ---- threshold panel
  QWidget* pn_limiar;
  QLabel* lb_limiar;  // "Limiar para mostrar:"
  QLineEdit* Edit_limiar;  // at most 5 characters, "0" at first
  QPushButton* bt_calcular;
  QPushButton* bt_fechar_limiar;
};

class TMinera : public QWidget, private TMineraUi {
  Q_OBJECT
  friend struct TestAccess;
  friend class TMdi_Frm;  // a part of the same wizard
  using Ui = TMineraUi;
 public:
  // The frequency table's model, which its chart follows.
  QAbstractItemModel* modelo_frequencias() const;
  // "Total de Regras:" as a saved project gives it.
  void mostra_total_regras(std::size_t total);
  // Builds the panel into the wizard's `P_Minera`.
  explicit TMinera(TMdi_Frm& wizard);

  // The column the frequency table is kept sorted by (0 at start).
  int coluna_ordenada = 0;
  // The mode of the threshold panel.
  mining::ThresholdKind modo_limiar = mining::ThresholdKind::Confidence;

  // The rows of the association table of the last association run.
  std::vector<mining::ParsedRule> tabela_associacoes;

  // ---- the three runs of the mining routine, on the lists the mining
  // step checked. A run that fails stops with the core's message.
  void corrida_classificacao(const mining::MiningLists& lists);
  void corrida_frequencia(const mining::MiningLists& lists);
  void corrida_associacao(const mining::MiningLists& lists);

  // ---- handlers
  void ListView_contextoColumnClick(int column);
  void bt_filtro_confiancaClick();
  void bt_filtro_suporteClick();
  void bt_calcularClick();
  void bt_fechar_limiarClick();
  void bt_ordena_confiancaClick();
  void bt_ordena_alfaClick();
  void bt_grava_resultadosClick();
  void bt_impressaoClick();
  // The bar chart of the frequency table, opened on first use; it follows
  // the table.
  void bt_grafico_frequenciasClick();  // the registry's chart of this table
  void bt_redeClick();
  // The word cloud of the documents holding the concept of the current row
  // of the frequency table.
  void bt_nuvemClick();
  void bt_recalcularClick();

  // ---- the panel's contents
  std::vector<shell::FrequencyRow> linhas_frequencia() const;
  void mostra_frequencias(const std::vector<shell::FrequencyRow>& rows);
  std::vector<Ansi> texto_associacoes() const;  // the association text, line by line
  void mostra_texto(const std::vector<Ansi>& lines);
  std::vector<Ansi> sentencas() const;  // the sentences of the association text
  void limpa();                          // empties the results (a new run or "Voltar ao início")

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_layout();  // minera_layout.cpp
  void colunas_frequencia();
  void mostra_tabela_associacoes();
  void reescreve_texto(const char* verb);  // the text rebuilt from form_dm's result lines, with progress
  void mostra_sentencas(const std::vector<Ansi>& sentences);  // the text and its rule count
  void abre_limiar(mining::ThresholdKind kind);
  double grau_minimo() const;  // the field read; stops on a value that is no degree
  mining::MiningLists listas();  // the lists of the last run, else the wizard's
  void mostra_regras_dm();       // the rules shown and their inputs, in form_dm
  std::optional<mining::MiningLists> listas_;  // the lists of the last run in this session
  std::vector<mining::Rule> regras_;           // the rules shown, in the order shown
  bool ordem_alfabetica_ = false;              // the last sort was "Ordenar Alfabeticamente"
  TMdi_Frm& w_;
};

}  // namespace lumeral::gui
