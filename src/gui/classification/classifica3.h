// The window `form_classifica3` ("Classificação por Conceitos"): scores the
// documents of a list against a concept defined on the spot from existing
// contexts (weighted contexts with negatives, or pairs that must occur
// together), lists those with a positive score highest first, and saves
// them as a document list or into the matrices as a new context.
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>

#include <vector>

#include "core/classification/concepts.h"
#include "gui/base/form.h"
#include "gui/base/list_box.h"
#include "gui/base/memo.h"
#include "gui/base/radio_group.h"

class QAction;

namespace lumeral::gui {

// The controls of `Tform_classifica3`: its own and its tests' (TestAccess).
struct Tform_classifica3Ui {
  QLineEdit* Edit_lista;        // "Lista de Documentos" (read-only path)
  Memo* Memo_positivos;         // "Fornecer pesos p/ Contextos"
  Memo* Memo_negativos;         // "Contextos Negativos"
  RadioGroup* RadioGroup1;      // "Tipo do Método": "conceitos simples" (0), "pares de conceitos" (1)
  ListBox* ListBox1;            // "Resultado"
  QLineEdit* Edit_total;        // "Total=" (read-only)
  QLineEdit* Edit_total_docs;   // "Total de Documentos" (read-only)
  QLineEdit* Edit_nome;         // "Nome do contexto"
  QStatusBar* StatusBar1;
  QAction* Abrelistadedocumentos1;   // "Abre lista de documentos"
  QAction* Analisacategorias1;       // "Analisa categorias"
  QAction* Salvalistadedocs1;        // "Resultado" > "Salva lista de docs"
  QAction* Salvalistacomomatriz1;    // "Resultado" > "Salva lista como matriz (mtz)"
  QAction* Ordenaporpeso1;           // "Resultado" > "Ordena por peso decresente"
  QAction* Ordenaalfabeticamente1;   // "Resultado" > "Ordena alfabeticamente"
  QAction* Limpacaixas1;             // "Limpa caixas"
};

class Tform_classifica3 : public QMainWindow, public Form, private Tform_classifica3Ui {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_classifica3Ui;
 public:
  explicit Tform_classifica3(Windows& windows);

  void Abrelistadedocumentos1Click();
  void Analisacategorias1Click();
  void Salvalistadedocs1Click();
  void Salvalistacomomatriz1Click();
  void Ordenaporpeso1Click();
  void Ordenaalfabeticamente1Click();
  void Limpacaixas1Click();
  void ListBox1DblClick();  // the document's text in the text viewer

  // The rows the list shows, in its order: what the saves, the sort and the
  // export read.
  const std::vector<classification::ConceptRow>& linhas() const { return linhas_; }

 private:
  void build_layout();
  void mostra_linhas();  // the rows (in the list's alphabetical order while it keeps one) and their total
  std::vector<classification::ConceptRow> linhas_;
  std::filesystem::path pasta_docs() const;  // the folder of the document list (its matrices)
};

}  // namespace lumeral::gui
