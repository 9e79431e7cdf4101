// The word-elimination window `form_elimina` ("Eliminação de palavras
// (tirar palavras das listas)"): removes the typed words (or those of a
// stopword list) from the word lists of every document of a document list.
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>

#include "gui/base/form.h"
#include "gui/base/list_box.h"
#include "gui/base/memo.h"

namespace lumeral::gui {

// The controls of `Tform_elimina`: its own and its tests' (TestAccess).
struct Tform_eliminaUi {
  QLineEdit* Edit_lista;      // "Documentos da lista:" (read-only bare name)
  ListBox* ListBox1;          // the documents of that list
  Memo* Memo1;                // "ou escreva na caixa as palavras" / "que serão eliminadas"
  QPushButton* bt_abre;       // "Abre lista de documentos"
  QPushButton* bt_stopwords;  // "Acrescenta lista de stopwords"
  QPushButton* bt_limpa;      // "Limpa"
  QPushButton* bt_elimina;    // "Elimina palavras dos documentos"
  QStatusBar* StatusBar1;
};

class Tform_elimina : public QMainWindow, public Form, private Tform_eliminaUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_eliminaUi;
 public:
  explicit Tform_elimina(Windows& windows);

  // Full path of the document list opened; the word lists are beside it.
  QString lista_docs;

  void bt_abreClick();
  void bt_stopwordsClick();
  void bt_limpaClick();
  void bt_eliminaClick();

 private:
  void build_layout();
};

}  // namespace lumeral::gui
