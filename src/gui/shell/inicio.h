// The tools window `Form3` ("Modo Clássico"): every analysis window opened
// on its own. Each button shows a window the registry already created; a
// button whose window is not built yet stays disabled.
#pragma once

#include <QGroupBox>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>

#include "gui/base/form.h"

namespace lumeral::gui {

class TSobre;

// The controls of `TForm3`: its own and its tests' (TestAccess).
struct TForm3Ui {
  // "Funções de Suporte"
  QGroupBox* gb_suporte;
  QPushButton* bt_analise_docs;        // "Análise de Documentos" -> form_ger_doc
  QPushButton* bt_rec_contextual;      // "Recuperação Contextual" -> form_consulta
  QPushButton* bt_contextos;           // "Gerência de Contextos" -> form_cont
  QPushButton* bt_classificacao;       // "Classificação de Documentos" -> form_matriz
  QPushButton* bt_resumo;              // "Resumo de Documentos " -> form_resumo
  QPushButton* bt_lista_docs;          // "Gerencia Lista de Documentos" -> form_ldoc
  QPushButton* bt_rec_booleana;        // "Recuperação Booleana" -> form_recbool
  QPushButton* bt_clusterizacao;       // "Clusterização de Documentos" -> form_cluster
  QPushButton* bt_comparacao;          // "Comparação de Documentos" -> form_centro
  QPushButton* bt_associacao;          // "Associação de Características" -> form_rel
  // "Ferramentas "
  QGroupBox* gb_ferramentas;
  QPushButton* bt_resumo_contextual;   // "Resumo Contextual" -> res_contextual
  QPushButton* bt_class_conceitos;     // "Classificação por Conceitos" -> form_classifica3
  QPushButton* bt_class_maior_peso;    // "Classificação com maior peso" -> form_classifica2
  QPushButton* bt_resumo_automatico;   // "Resumo Automático" -> res_auto
  QPushButton* bt_rec_similaridade;    // "Recuperação por Similaridade" -> form_recsim
  QPushButton* bt_extracao_valores;    // "Extração de Valores": no action
  QPushButton* bt_sequencia_tempo;     // "Seqüência de Tempo": no action
  // "Avaliações"
  QGroupBox* gb_avaliacoes;
  QPushButton* bt_similaridade;        // "Calcula Similaridade " -> form_aval1
  QPushButton* bt_data_mining;         // "Data Mining Contextual" -> form_dm
  QPushButton* bt_percentual;          // "Calcula % no centróide" -> centro_percentual
  QPushButton* bt_precision_recall;    // "Calcula Precision/Recall" -> form_medidas
  QPushButton* bt_regras;              // "Comparação de Regras" -> form_regras
  QPushButton* bt_inicio;              // "Voltar ao início"
  // "Memória para as análises (MB):": the per-user memory budget
  QSpinBox* sp_memoria;
  // Left of it: "Sobre o Lumeral"; the about box is created when first opened.
  QPushButton* bt_sobre;
  // ---- VARWIN: "Variáveis"
  QGroupBox* gb_variaveis;
  QPushButton* bt_variaveis;        // "Variáveis dos Documentos" -> form_variaveis
  QPushButton* bt_importa_planilha; // "Importar planilha" -> form_importa_planilha
  // ---- STATWIN: in "Variáveis", the statistics by variable (windows created when first opened)
  QPushButton* bt_conceitos_variavel;  // "Conceitos por variável" -> form_crosstab
  QPushButton* bt_especificidades;     // "Especificidades" -> form_especificidades
  QPushButton* bt_ac;                  // "Análise de Correspondência" -> form_ac
  // ---- VIEWWIN: the concordance
  QPushButton* bt_concordancia;        // "Concordância" -> form_concordancia (made when first opened)
};

class TForm3 : public QMainWindow, public Form, private TForm3Ui {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = TForm3Ui;
 public:
  explicit TForm3(Windows& windows);

  TSobre* sobre = nullptr;

  void bt_analise_docsClick();
  void bt_rec_contextualClick();
  void bt_contextosClick();
  void bt_classificacaoClick();
  void bt_resumoClick();
  void bt_lista_docsClick();
  void bt_rec_booleanaClick();
  void bt_clusterizacaoClick();
  void bt_comparacaoClick();
  void bt_associacaoClick();
  void bt_resumo_contextualClick();
  void bt_class_conceitosClick();
  void bt_class_maior_pesoClick();
  void bt_resumo_automaticoClick();
  void bt_rec_similaridadeClick();
  void bt_similaridadeClick();
  void bt_data_miningClick();
  void bt_percentualClick();
  void bt_precision_recallClick();
  void bt_regrasClick();
  // ---- VIEWWIN: the concordance
  void bt_concordanciaClick();
  void bt_inicioClick();
  void bt_sobreClick();
  // ---- VARWIN
  void bt_variaveisClick();
  void bt_importa_planilhaClick();
  // ---- STATWIN: the statistics by variable
  void bt_conceitos_variavelClick();
  void bt_especificidadesClick();
  void bt_acClick();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Shows a window of the registry (nothing when it is not built).
  void mostra(QWidget* window);
};

}  // namespace lumeral::gui
