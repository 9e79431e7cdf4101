// The word-list window `Form1` ("Pré-processamento e Listagem de
// Documentos"): builds the word lists of documents ("Analisa textos"), and
// opens, filters, sorts, edits and saves a word list. The import of the
// mining wizard drives "Analisa textos" with its own text-file list.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>

#include <vector>

#include "core/records/weighted.h"
#include "gui/base/form.h"
#include "gui/base/list_box.h"

class QAction;

namespace lumeral::gui {

// The controls of `TForm1`: its own and its tests' (TestAccess).
struct TForm1Ui {
  QLineEdit* Edit_stop;    // "Lista de stopwords" (read-only path)
  QLineEdit* Edit_limiar;  // "Limiar= "
  QLineEdit* Edit_total;   // "Total de palavras:" (read-only)
  ListBox* ListBox1;       // "Lista de Palavras"
  QCheckBox* CheckBox1;    // "listar em ordem alfabética"
  QStatusBar* StatusBar1;
  QAction* Abrelistadestopwords1;  // "Abre lista de stopwords"
  QAction* Analisatextos1;         // "Analisa textos"
  QAction* Abrelista1;             // "Lista de palavras" / "Abre lista"
  QAction* Eliminapalavra1;        // "Elimina palavra"
  QAction* Gravalista1;            // "Grava lista"
  QAction* Gravacomotexto1;        // "Grava como texto"
  QAction* Gravacomoconceito1;     // "Grava como conceito"
  QAction* Ordenadecrescente1;     // "Ordena decrescente"
  QAction* Nuvemdepalavras1;       // "Nuvem de palavras"
  QAction* Concordancia1;          // "Concordância da palavra" (also the list's context menu and double click)
};

class TForm1 : public QMainWindow, public Form, private TForm1Ui {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = TForm1Ui;
 public:
  explicit TForm1(Windows& windows);

  void Abrelistadestopwords1Click();
  // With the mining wizard visible, the documents are the text files of the
  // import window (Form_textos) in the project folder, with the wizard's
  // progress window; otherwise they are chosen in a dialog.
  void Analisatextos1Click();
  // The stopword list "Analisa textos" uses (its field).
  void set_stopwords(const QString& lista);
  void Abrelista1Click();
  void Eliminapalavra1Click();
  void Gravalista1Click();
  void Gravacomotexto1Click();
  void Gravacomoconceito1Click();
  void Ordenadecrescente1Click();
  void CheckBox1Click();
  // The word cloud of the list shown (the registry's `nuvem_palavras`).
  void Nuvemdepalavras1Click();
  // The concordance of the word of `row`, in the open wizard project's
  // document list (else the concordance window's own list).
  void Concordancia1Click(int row);

 private:
  void build_layout();  // textos_layout.cpp
  // The rows of the list, in the order shown.
  std::vector<records::WeightedRow> palavras;
  void mostra_palavras();
};

}  // namespace lumeral::gui
