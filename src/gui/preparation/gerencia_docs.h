// The launcher `form_ger_doc` ("Análise de Documentos"): opens the text
// preparation tools. A button whose window is not built yet is disabled.
#pragma once

#include <QPushButton>
#include <QWidget>

#include "gui/base/form.h"

namespace lumeral::gui {

// The controls of `Tform_ger_doc`: its own and its tests' (TestAccess).
struct Tform_ger_docUi {
  QPushButton* bt_preprocessamento;  // "Pré-processamento e listagem de documentos" -> Form1
  QPushButton* bt_stopwords;         // "Gerencia lista de stopwords" -> form_stop
  QPushButton* bt_eliminacao;        // "Eliminação de palavras (de listas)" -> form_elimina
  QPushButton* bt_separacao;         // "Separação de documentos" -> form_separador
  QPushButton* bt_html;              // "Transforma HTML para TXT" -> Form2
};

class Tform_ger_doc : public QWidget, public Form, private Tform_ger_docUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_ger_docUi;
 public:
  explicit Tform_ger_doc(Windows& windows);

  void bt_preprocessamentoClick();
  void bt_stopwordsClick();
  void bt_eliminacaoClick();
  void bt_separacaoClick();
  void bt_htmlClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void build_layout();  // gerencia_docs_layout.cpp
};

}  // namespace lumeral::gui
