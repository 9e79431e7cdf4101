// The stopword manager `form_stop` ("Gerencia Lista de Stopwords"): shows,
// edits and saves a stopword list (.stw), and loads the standard list of
// the wizard's language.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <filesystem>

#include "core/base/language.h"
#include "gui/base/form.h"
#include "gui/base/list_box.h"

namespace lumeral::gui {

// The controls of `Tform_stop`: its own and its tests' (TestAccess).
struct Tform_stopUi {
  QLineEdit* Edit1;      // "Digite letra/palavra para adicionar a lista:"
  QLineEdit* Edit_nome;  // "Nome do Arquivo:" (read-only)
  ListBox* ListBox1;     // the entries, kept in case-insensitive order
  QPushButton* bt_mostra;       // "Mostra lista de stop-words"
  QPushButton* bt_grava;        // "Grava lista de stop-words"
  QPushButton* bt_grava_texto;  // "Grava como texto"
  QPushButton* bt_elimina;      // "Elimina palavra corrente"
  QPushButton* bt_adiciona;     // "Adiciona palavra na lista"
  QPushButton* bt_voltar;       // "Voltar ao Wizard"
};

class Tform_stop : public QWidget, public Form, private Tform_stopUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_stopUi;
 public:
  explicit Tform_stop(Windows& windows);

  // Full path of the last list opened with "Mostra lista de stop-words".
  QString caminho;

  void bt_mostraClick();
  void bt_gravaClick();
  void bt_grava_textoClick();
  void bt_eliminaClick();
  void bt_adicionaClick();
  void bt_voltarClick();

  // "Load the list of the project's language": the standard list of
  // `language` from the start folder (or the installed data folder), its
  // full path in "Nome do Arquivo:". Returns false when there is none (the
  // list stays empty); the wizard decides what follows.
  // The stopword list shown: its full path ("Nome do Arquivo:").
  QString arquivo() const;
  // "Voltar ao Wizard", shown while a wizard opened the manager.
  void mostra_voltar(bool visivel);

  bool carrega_idioma(Language language, const std::filesystem::path& start_folder);

 private:
  void build_layout();  // stop_words_layout.cpp
};

}  // namespace lumeral::gui
