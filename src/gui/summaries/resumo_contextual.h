// The contextual summary window `res_contextual` ("Resumo Contextual"):
// summaries of a document list's documents in terms of contexts rather
// than typed words. The analyst picks a document list and a context list,
// browses the terms of each context, names the contexts a sentence must
// mention and those it must not, chooses AND or OR and how many following
// sentences to present; "Executa RESUMOS" shows each matching sentence,
// marked, with its following sentences under a header per document.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QWidget>

#include "gui/base/form.h"
#include "gui/base/list_box.h"
#include "gui/base/memo.h"
#include "gui/base/radio_group.h"


namespace lumeral::gui {

// The controls of `Tres_contextual`: its own and its tests' (TestAccess).
struct Tres_contextualUi {
  QPushButton* Button_docs;        // "Seleciona lista de docs"
  QLineEdit* Edit_docs;            // its full path (read-only)
  QPushButton* Button_contextos;   // "Lista contextos"
  QLineEdit* Edit_contextos;       // its full path (read-only)
  ListBox* ListBox_contextos;      // the context names of the list, in file order
  ListBox* ListBox_termos;         // "Termos do Contexto" "(selecione acima)"
  Memo* Memo_contextos;            // "Contextos": contexts a sentence must mention
  Memo* Memo_not;                  // "NOT (não presentes)": contexts it must not mention
  RadioGroup* RadioGroup_operador; // "Operador Booleano": "AND - E" (at start), "OR - OU"
  QLineEdit* Edit_frases;          // "Número de frases" "para apresentar" "(0 = frase única)"
  QPushButton* Button_limpa;       // "Limpa memos"
  QPushButton* Button_executa;     // "Executa RESUMOS"
  QPlainTextEdit* Memo_resumos;    // "Resumos": the result (read-only)
  QStatusBar* StatusBar1;
};

class Tres_contextual : public QWidget, public Form, private Tres_contextualUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tres_contextualUi;
 public:
  explicit Tres_contextual(Windows& windows);

  void Button_docsClick();
  void Button_contextosClick();
  void ListBox_contextosClick();
  void Button_limpaClick();
  void Button_executaClick();

  // The result lines as shown.
  const std::vector<Ansi>& resumos() const { return resumos_; }

 private:
  void build_layout();
  std::vector<Ansi> resumos_;
};

}  // namespace lumeral::gui
