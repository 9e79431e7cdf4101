// The stopword manager `form_stop` ("Gerencia Lista de Stopwords"): shows,
// edits and saves a stopword list (.stw), and loads the standard list of
// the wizard's language.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "gui/base/form.h"
#include "gui/base/list_box.h"

namespace lumeral::gui {

class Tform_stop : public QWidget, public Form {
  Q_OBJECT
 public:
  explicit Tform_stop(Windows& windows);

  QLineEdit* Edit1;      // "Digite letra/palavra para adicionar a lista:"
  QLineEdit* Edit_nome;  // "Nome do Arquivo:" (read-only)
  ListBox* ListBox1;     // the entries, kept in case-insensitive order
  QPushButton* bt_mostra;       // "Mostra lista de stop-words"
  QPushButton* bt_grava;        // "Grava lista de stop-words"
  QPushButton* bt_grava_texto;  // "Grava como texto"
  QPushButton* bt_elimina;      // "Elimina palavra corrente"
  QPushButton* bt_adiciona;     // "Adiciona palavra na lista"
  QPushButton* bt_voltar;       // "Voltar ao Wizard"
  // Full path of the last list opened with "Mostra lista de stop-words".
  QString caminho;

  void bt_mostraClick();
  void bt_gravaClick();
  void bt_grava_textoClick();
  void bt_eliminaClick();
  void bt_adicionaClick();
  void bt_voltarClick();

  // The wizard's "load the list of the project's language": the standard
  // list of the language chosen in the wizard, from the start folder (or
  // the installed data folder), its full path in "Nome do Arquivo:". When it
  // is missing at the preparation step or beyond: the message, the wizard's
  // "Avançar" disabled and the wizard one step back.
  void carrega_idioma();
  // The standard list of language `idioma` (the wizards' list index) from
  // the start folder or the installed data folder, loaded into the window
  // with its full path in "Nome do Arquivo:". False when it is missing (the
  // list is then empty); nothing else is done.
  bool carrega_lista(int idioma);

 private:
  bool voltando_ = false;
};

}  // namespace lumeral::gui
