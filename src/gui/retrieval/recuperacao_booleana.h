// The Boolean retrieval window `form_recbool` ("Recuperação Booleana"):
// the documents of a document list whose plain text holds every query line
// ("E") or at least one ("OU") inside one sentence. The query is typed, or
// loaded from a query file (.csb) or a context (.ctt); the result can be
// saved as a document list or as text, and a double click shows a found
// document in the text viewer.
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>

#include "gui/base/form.h"
#include "gui/base/list_box.h"
#include "gui/base/memo.h"
#include "gui/base/radio_group.h"

class QAction;

namespace lumeral::gui {

// The controls of `Tform_recbool`: its own and its tests' (TestAccess).
struct Tform_recboolUi {
  QLineEdit* Edit_doc;        // under "Documento Selecionado:" (read-only path)
  Memo* Memo1;                // "Palavras ou frases de entrada", one per line
  RadioGroup* RadioGroup1;    // "Condição booleana": "E" (at start), "OU"
  ListBox* ListBox1;          // "Documentos resultantes"
  QLineEdit* Edit_total;      // beside "Total= " (read-only)
  QStatusBar* StatusBar1;
  QAction* ListadeDocumentos1;        // "Abrir" > "Lista de Documentos"
  QAction* Consulta1;                 // "Abrir" > "Consulta"
  QAction* Contexto1;                 // "Abrir" > "Contexto"
  QAction* ExecutaBusca1;             // "Executa Busca"
  QAction* GravaListadeDocumentos1;   // "Resultados" > "Grava Lista de Documentos"
  QAction* GravacomoTexto1;           // "Resultados" > "Grava como Texto"
  QAction* GravaConsulta1;            // "Resultados" > "Grava Consulta"
  QAction* LimpaEntrada1;             // "Limpa Entrada"
  QAction* Concordancia1;             // "Concordância..." (the list and the words in the concordance window)
};

class Tform_recbool : public QMainWindow, public Form, private Tform_recboolUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_recboolUi;
 public:
  explicit Tform_recbool(Windows& windows);

  void ListadeDocumentos1Click();
  void Consulta1Click();
  void Contexto1Click();
  void ExecutaBusca1Click();
  void GravaListadeDocumentos1Click();
  void GravacomoTexto1Click();
  void GravaConsulta1Click();
  void LimpaEntrada1Click();
  void ListBox1DblClick();

 private:
  void build_layout();
  // The documents found, in the order shown.
  std::vector<Ansi> documentos;
};

}  // namespace lumeral::gui
