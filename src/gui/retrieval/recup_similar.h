// The similarity retrieval window `form_recsim` ("Recuperação por
// Similaridade (baseada em casos passados)"): ranks the documents of a
// comparison list by the similarity of their word lists ("Por palavra") or
// classification matrices ("Contextual") to those of a case. With "Lista de
// docs" every document of a list of test cases is a case, and an evaluation
// report names the best match of each; the report is shown in the case
// field, and a double click on one of its matches, or on a result line,
// shows that document in the text viewer.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>

#include "core/retrieval/similar.h"
#include "gui/base/form.h"
#include "gui/base/list_box.h"
#include "gui/base/memo.h"
#include "gui/base/radio_group.h"

class QAction;

namespace lumeral::gui {

// The controls of `Tform_recsim`: its own and its tests' (TestAccess).
struct Tform_recsimUi {
  QPushButton* Button_lista;      // "Seleciona lista de docs p/ comparar"
  QLineEdit* Edit_lista;          // under "Documento Selecionado:" (the comparison list)
  QLineEdit* Edit_caso;           // the chosen case file or case list (read-only)
  QGroupBox* GroupBox_recuperacao;  // "Recuperação"
  Memo* Memo_caso;                // the case's text, or the report of a list of cases (read-only)
  RadioGroup* RadioGroup_caso;    // "Um só doc" (at start), "Lista de docs"
  RadioGroup* RadioGroup_metodo;  // "Método": "Por palavra" (at start), "Contextual"
  RadioGroup* RadioGroup_pesos;   // "Considerar pesos ?": "Sim" (at start), "Não"
  RadioGroup* RadioGroup_funcao;  // "Função de Similarid.": "Função Fuzzy"; "Euclidean dist." disabled
  ListBox* ListBox1;              // the result lines "base | 0,734512" (of linhas())
  QLineEdit* Edit_total;          // beside "Total de docs= " (read-only)
  QLineEdit* Edit_limiar;         // the threshold
  QPushButton* Button_limiar;     // "Seleciona por limiar"
  QStatusBar* StatusBar1;
  QAction* Abrelistadedocs1;  // "Abre lista de docs"
  QAction* RecuperaTextos1;   // "Recupera" > "Recupera Textos"
  QAction* Gravalistadedocs1; // "Resultados" > "Grava lista de docs"
  QAction* Gravacomtexto1;    // "Resultados" > "Grava com texto"
  QAction* Concordancia1;     // "Concordância..." (on the comparison list)
};

class Tform_recsim : public QMainWindow, public Form, private Tform_recsimUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_recsimUi;
 public:
  explicit Tform_recsim(Windows& windows);

  void Abrelistadedocs1Click();  // also "Seleciona lista de docs p/ comparar"
  void RecuperaTextos1Click();
  void Gravalistadedocs1Click();
  void Gravacomtexto1Click();
  void Button_limiarClick();     // also Enter in the threshold field
  void ListBox1DblClick();
  void Concordancia1Click();
  // A double click on line `line` (0-based) of the case field: the match a
  // report line names, if it names one.
  void Memo_casoDblClick(int line);

  // The rows the result list shows, in its order.
  const std::vector<retrieval::SimilarRow>& linhas() const { return linhas_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_layout();
  void mostra_documento(AnsiView name);
  void mostra_linhas(std::vector<retrieval::SimilarRow> rows);
  std::vector<retrieval::SimilarRow> linhas_;
};

}  // namespace lumeral::gui
