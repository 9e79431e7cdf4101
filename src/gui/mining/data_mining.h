// The contextual data-mining window `form_dm` ("Aplica Técnica de Data
// Mining sobre Associações Contextuais"): turns the pairs of concepts of an
// association file into rules A => B with confidence and support, lists
// them, filters them by a threshold and orders them. The mining step gives
// it the rules it computed (mostra_regras); the mining panel's filters and
// sorts drive it: the threshold kind and "Seleciona por limiar", "Ordena
// decrescente por confiança", "Ordena alfabeticamente", and the result lines. "Grau mínimo"
// and "Mostrar as duas direções" tune "Calcula Confiança/Suporte" (rules.h).
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/mining/rule_filters.h"
#include "core/mining/rule_lines.h"

#include "gui/base/form.h"
#include "gui/base/list_box.h"
#include "gui/base/radio_group.h"

class QAction;

namespace lumeral::gui {

// The controls of `Tform_dm`: its own and its tests' (TestAccess).
struct Tform_dmUi {
  QLineEdit* Edit_contextos;  // "Lista de Contextos" (path)
  QLineEdit* Edit_docs;       // "Lista de Documentos" (path)
  QLineEdit* Edit_ass;        // "Arquivo de Associações" (path)
  QLineEdit* Edit_limiar;     // "Limiar para mostrar"
  QLineEdit* Edit_grau_minimo;         // "Grau mínimo" ("0" at start: any degree above 0)
  QCheckBox* CheckBox_duas_direcoes;   // "Mostrar as duas direções" (off at start)
  // "Tipo do limiar": "Confiança (confidence)" (0, checked at start),
  // "Suporte (support)" (1).
  RadioGroup* RadioGroup1;
  ListBox* ListBox1;          // "Resultados" (multiple selection)
  QLineEdit* Edit_total;      // "Total de regras=" (read-only)
  QStatusBar* StatusBar1;
  QAction* Selecionalistas1;                // "Seleciona listas"
  QAction* CalculaConfiancaSuporte1;        // "Calcula Confiança/Suporte"
  QAction* Abreresultado1;                  // "Resultados" > "Abre resultado (texto)"
  QAction* Gravaresultado1;                 // "Resultados" > "Grava resultado (texto)"
  QAction* Selecionaporlimiar1;             // "Resultados" > "Seleciona por limiar"
  QAction* Ordenadecrescenteporconfianca1;  // "Resultados" > "Ordena decrescente por confiança"
  QAction* Ordenaalfabeticamente1;          // "Resultados" > "Ordena alfabeticamente"
  QAction* Rededeassociacoes1;              // "Resultados" > "Rede de associações"
};

class Tform_dm : public QMainWindow, public Form, private Tform_dmUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_dmUi;
 public:
  explicit Tform_dm(Windows& windows);

  void Selecionalistas1Click();
  void CalculaConfiancaSuporte1Click();
  void Abreresultado1Click();
  void Gravaresultado1Click();
  void Selecionaporlimiar1Click();
  void Ordenadecrescenteporconfianca1Click();
  void Ordenaalfabeticamente1Click();
  void Rededeassociacoes1Click();

  // What the mining panel computed: the three lists and the options of its
  // rules, its threshold, and the rules it shows (kept in alphabetical
  // order when `alfabetica`).
  void mostra_entradas(const std::filesystem::path& context_list, const std::filesystem::path& doc_list,
                       const std::filesystem::path& pair_store, const QString& grau_minimo, bool duas_direcoes);
  void mostra_limiar(const QString& limiar, mining::ThresholdKind kind);
  void mostra_regras(std::vector<mining::Rule> regras, bool alfabetica);

  // The rules the list shows, in its order: what saves, exports and the
  // network read.
  const std::vector<mining::Rule>& regras() const { return regras_; }

 private:
  void build_layout();  // data_mining_layout.cpp
  // Shows the rules (in the list's alphabetical order while it keeps one,
  // the rows put in that order too) and their total.
  void mostra_linhas();
  std::vector<mining::Rule> regras_;
};

}  // namespace lumeral::gui
