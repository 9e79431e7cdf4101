// The context manager `form_cont` ("Gerência de Contextos"): types, opens,
// saves and sorts context lists (.lct) and context definitions (.ctt),
// replaces the weights of every context of a list, and writes a text report
// of all the definitions of a list.
#pragma once

#include <QLineEdit>
#include <QMainWindow>

#include "gui/base/form.h"
#include "gui/base/memo.h"

class QAction;

namespace lumeral::gui {

// The controls of `Tform_cont`: its own and its tests' (TestAccess).
struct Tform_contUi {
  Memo* Memo_lista;        // "Lista de Contextos": a name, or name | weight, per line
  Memo* Memo_definicao;    // "Definição de cada contexto": an entry, or entry | weight, per line
  QLineEdit* Edit_total;   // "Número total de contextos: " (read-only)
  // Menu "Lista de Contextos"
  QAction* Abrelista1;             // "Abre lista"
  QAction* Salvalista1;            // "Salva lista"
  QAction* Salvalistacomotexto1;   // "Salva  lista como texto"
  QAction* Ordenaalfabetica1;      // "Ordena alfabética"
  QAction* Limpalista1;            // "Limpa lista"
  // Menu "Contextos"
  QAction* Abrecontexto1;          // "Abre contexto"
  QAction* Incluicontexto1;        // "Inclui contexto"
  QAction* Salvacontexto1;         // "Salva contexto"
  QAction* Salvacontextocomotexto1;  // "Salva contexto como texto"
  QAction* Limpadefinicoes1;       // "Limpa definições"
  QAction* Trocapesos01;           // "Troca pesos 0 => 1"
  QAction* Trocapesospor11;        // "Troca pesos por 1"
  // Menu item
  QAction* Gravadefinicoescomotexto1;  // "Grava definições como texto"
};

class Tform_cont : public QMainWindow, public Form, private Tform_contUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_contUi;
 public:
  explicit Tform_cont(Windows& windows);

  void Abrelista1Click();
  void Salvalista1Click();
  void Salvalistacomotexto1Click();
  void Ordenaalfabetica1Click();
  void Limpalista1Click();
  void Abrecontexto1Click();
  void Incluicontexto1Click();
  void Salvacontexto1Click();
  void Salvacontextocomotexto1Click();
  void Limpadefinicoes1Click();
  void Trocapesos01Click();
  void Trocapesospor11Click();
  void Gravadefinicoescomotexto1Click();

 private:
  void build_layout();  // criar_contextos_layout.cpp
  void troca_pesos(bool todos);
  void salva_texto(const Memo* memo);
};

}  // namespace lumeral::gui
