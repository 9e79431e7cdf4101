// The classification window `form_matriz` ("Classificação de Documentos
// (Matriz Documentos X Contextos)"): classifies every document of a list into
// every context of a context list by the deterministic or the probabilistic
// method (one .mtz per document), then lists the contexts of a document or
// the documents of a context whose degree reaches the threshold, and saves
// such a list. After the mining step's classification it shows that run's
// lists and documents (mostra_classificacao).
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>

#include <filesystem>
#include <vector>

#include "gui/base/form.h"
#include "core/records/weighted.h"
#include "gui/base/list_box.h"

class QAction;

namespace lumeral::gui {

// The controls of `Tform_matriz`: its own and its tests' (TestAccess).
struct Tform_matrizUi {
  QLineEdit* Edit_docs;       // "Lista de documentos" (read-only path)
  QLineEdit* Edit_contextos;  // "Lista de contextos" (read-only path)
  QLineEdit* Edit_limiar;     // "Limiar:" ("0,00001" at start)
  QLineEdit* Edit_nome;       // "Nome (contexto ou doc):"
  ListBox* ListBox1;          // the result list
  QLineEdit* Edit_total;      // "Total de items:" (read-only)
  QPushButton* Button_docs;   // "Mostra documentos da lista"
  QPushButton* Button_conts;  // "Mostra contextos da lista"
  QPushButton* Button_copia;  // "Copia selecionado"
  QStatusBar* StatusBar1;
  QAction* Abrelistadedocs1;           // "Abre lista de docs"
  QAction* Abrelistadecontextos1;      // "Abre lista de contextos"
  QAction* MetodoDeterministico1;      // "Classifica" > "Método Determinístico ("por frase")"
  QAction* MetodoProbabilistico1;      // "Classifica" > "Método Probabilístico ("todo texto")"
  QAction* Mostracontextosdeumdoc1;    // "Resultados" > "Mostra contextos de um doc"
  QAction* Mostradocumentosdeumcontexto1;  // "Resultados" > "Mostra documentos de um contexto"
  QAction* Salvaresultadocomoldoc1;    // "Resultados" > "Salva resultado como ldoc"
  QAction* Salvaresultadocomotexto1;   // "Resultados" > "Salva resultado como texto"
  QAction* Ordenaalfabeticamente1;     // "Resultados" > "Ordena alfabeticamente"
};

class Tform_matriz : public QMainWindow, public Form, private Tform_matrizUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_matrizUi;
 public:
  explicit Tform_matriz(Windows& windows);

  // The documents folder: the folder of the document list chosen in the
  // dialog, with its trailing separator.
  QString pasta_docs;

  void Abrelistadedocs1Click();
  void Abrelistadecontextos1Click();
  void MetodoDeterministico1Click();
  void MetodoProbabilistico1Click();
  void Mostracontextosdeumdoc1Click();
  void Mostradocumentosdeumcontexto1Click();
  void Salvaresultadocomoldoc1Click();
  void Salvaresultadocomotexto1Click();
  void Ordenaalfabeticamente1Click();
  void Button_docsClick();
  void Button_contsClick();
  void Button_copiaClick();

  // What the mining step leaves here after classifying: its two lists and
  // the documents of the list, as "Mostra documentos da lista" shows them.
  void mostra_classificacao(const std::filesystem::path& doc_list, const std::filesystem::path& context_list);

 private:
  void build_layout();  // matriz_layout.cpp
  void classifica(bool deterministico);
  // The rows listed, in the order shown.
  std::vector<records::WeightedRow> linhas;
  void mostra_linhas(std::vector<records::WeightedRow> rows);
};

}  // namespace lumeral::gui
