// The window `form_consulta` ("Recuperação Contextual (necessário fazer
// antes a classificação)"): a query of weighted words, saved as a query file
// (.cst), is related to every context of a context list; each document of a
// document list is then scored by the degrees of those contexts in its
// matrix. Relevances and scores are written into the two lists; the
// documents whose score reaches the threshold are listed and can be saved.
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>

#include <vector>

#include "core/records/weighted.h"
#include "gui/base/form.h"
#include "gui/base/list_box.h"
#include "gui/base/memo.h"

namespace lumeral::gui {

// The controls of `Tform_consulta`: its own and its tests' (TestAccess).
struct Tform_consultaUi {
  Memo* Memo_palavras;       // "Forneça as palavras de entrada + peso": the words
  Memo* Memo_pesos;          // ... and their weights, line by line
  QLineEdit* Edit_consulta;  // "Consulta:" (the query file's bare name)
  QLineEdit* Edit_limiar;    // "Limiar:"
  QLineEdit* Edit_docs;      // the document list's bare name (read-only)
  QLineEdit* Edit_contextos; // the context list's bare name (read-only)
  ListBox* ListBox1;         // the result
  QStatusBar* StatusBar1;
  QPushButton* bt_docs;            // "Abre lista de documentos"
  QPushButton* bt_contextos;       // "Abre lista de contextos"
  QPushButton* bt_grava_consulta;  // "Grava entrada da consulta"
  QPushButton* bt_abre_consulta;   // "Abre consulta gravada"
  QPushButton* bt_consulta;        // "Realiza a consulta "
  QPushButton* bt_resultados;      // "Mostra resultados"
  QPushButton* bt_grava_resultado; // "Grava resultado"
  QPushButton* bt_grava_texto;     // "Grava como texto"
  QPushButton* bt_limpa;           // "Limpa"
};

class Tform_consulta : public QMainWindow, public Form, private Tform_consultaUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_consultaUi;
 public:
  explicit Tform_consulta(Windows& windows);

  // Full paths behind the bare names shown: each list stays the one chosen
  // even when a later dialog moves the current folder elsewhere.
  QString lista_docs;
  QString lista_contextos;
  QString consulta;
  // The result rows, in the order shown.
  std::vector<records::WeightedRow> linhas;

  void bt_docsClick();
  void bt_contextosClick();
  void bt_grava_consultaClick();
  void bt_abre_consultaClick();
  void bt_consultaClick();
  void bt_resultadosClick();
  void bt_grava_resultadoClick();
  void bt_grava_textoClick();
  void bt_limpaClick();

 private:
  void build_layout();
  // The query file named in "Consulta:": the one chosen or saved when the
  // field still shows it, else the typed name in the current folder.
  std::filesystem::path arquivo_consulta() const;
};

}  // namespace lumeral::gui
