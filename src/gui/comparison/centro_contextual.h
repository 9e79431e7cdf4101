// The percentage window `centro_percentual` ("Calcula % no centróide
// contextual"): turns a centroid whose weights are document counts into the
// share of the collection's documents that hold each entry. The mining step
// gives it the percentages it computed (mostra_porcentagens).
#pragma once

#include <QLineEdit>
#include <QMainWindow>

#include <filesystem>
#include <vector>

#include "core/comparison/percentages.h"
#include "gui/base/form.h"
#include "gui/base/list_box.h"

class QAction;

namespace lumeral::gui {

// The controls of `Tcentro_percentual`: its own and its tests' (TestAccess).
struct Tcentro_percentualUi {
  QLineEdit* Edit_docs;             // "Lista de documentos" (path; empty: not chosen yet)
  QLineEdit* Edit_centro;           // "Centróide" (path)
  QLineEdit* Edit_total_docs;       // "Total de docs="
  QLineEdit* Edit_total_contextos;  // "Total de contextos="
  ListBox* ListBox1;                // "Resultado": word - percentage%
  QAction* Calculaporcentagens1;  // "Calcula porcentagens"
  QAction* Abreresultado1;        // "Resultado" > "Abre resultado (texto)"
  QAction* Gravacomotexto1;       // "Resultado" > "Grava como texto"
  QAction* Ordenacaoporpeso1;     // "Resultado" > "Ordenação por peso"
  QAction* Ordenacaoalfabetica1;  // "Resultado" > "Ordenação alfabética"
};

class Tcentro_percentual : public QMainWindow, public Form, private Tcentro_percentualUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tcentro_percentualUi;
 public:
  explicit Tcentro_percentual(Windows& windows);

  // With a wizard project open, the two names already in the fields are
  // used without dialogs; otherwise the centroid (and, when no list is
  // shown yet, the document list) is chosen in a dialog.
  void Calculaporcentagens1Click();
  void Abreresultado1Click();
  void Gravacomotexto1Click();
  void Ordenacaoporpeso1Click();
  void Ordenacaoalfabetica1Click();

  // The percentages the mining step computed of the centroid `centroid`
  // over the document list `doc_list`.
  void mostra_porcentagens(const std::filesystem::path& doc_list, const std::filesystem::path& centroid,
                           const comparison::PercentageResult& result);

  // The rows the list shows, in its order: what the save and the export read.
  const std::vector<comparison::PercentageRow>& porcentagens() const { return porcentagens_; }

 private:
  void build_layout();  // centro_contextual_layout.cpp
  // Shows the rows (in the list's alphabetical order while it keeps one,
  // the rows put in that order too).
  void mostra_linhas();
  std::vector<comparison::PercentageRow> porcentagens_;
};

}  // namespace lumeral::gui
