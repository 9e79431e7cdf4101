// The concordance window `form_concordancia` ("Concordância"): every
// occurrence of some words (or of their stems) in the documents of a list,
// one row each, the left context, the keyword and the right context aligned
// in columns of a fixed-width view as `lumeral-cli kwic` prints them, sorted
// by the keyword or by a word on either side; the total line under it. A
// double click opens the row's document in the text viewer at its line with
// the keyword selected. The summaries, retrieval and list windows open it
// with their list and words (Windows::open_concordancia).
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>

#include <filesystem>
#include <vector>

#include "core/retrieval/concordance.h"
#include "gui/base/form.h"
#include "gui/base/list_box.h"

class QAction;

namespace lumeral::gui {

// The controls of `Tform_concordancia`: its own and its tests' (TestAccess).
struct Tform_concordanciaUi {
  QLineEdit* Edit_lista;       // beside "Lista de documentos:" (the list's bare name, read-only)
  QLineEdit* Edit_palavras;    // "Palavras:", separated by blanks
  QSpinBox* SpinEdit_largura;  // "Contexto (caracteres):", 1 to 1000, 40 at start
  QComboBox* Combo_ordem;      // "Ordem:" documents, keyword, 1st/2nd word left, 1st/2nd word right
  QSpinBox* SpinEdit_limite;   // "Mostrar no máximo:", 0 for every row
  QComboBox* Combo_radicais;   // "Radicais:" none, then the stemming languages
  QPushButton* bt_procura;     // "Procura"
  ListBox* ListBox_linhas;     // the rows, in a fixed-width font
  QLabel* Label_total;         // the total line
  QStatusBar* StatusBar1;
  QAction* Abrelistadedocs1;  // "Abre lista de docs"
  QAction* Procura1;          // "Procura"
};

class Tform_concordancia : public QMainWindow, public Form, private Tform_concordanciaUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_concordanciaUi;

 public:
  explicit Tform_concordancia(Windows& windows);

  void Abrelistadedocs1Click();
  void Procura1Click();  // also "Procura" and Enter in the words field
  void ListBox_linhasDblClick();

  // Shown and raised with the list `list` loaded (when given) and `words`
  // in the words field (when any), as a window that has them opens it.
  void abre(const std::filesystem::path& list, const std::vector<Ansi>& words);

  // The rows the list shows, in its order (what "Exportar..." writes).
  const std::vector<retrieval::ConcordanceRow>& linhas() const { return linhas_; }

 private:
  void build_layout();
  void carrega_lista(const std::filesystem::path& list);
  retrieval::ConcordanceOptions opcoes() const;

  std::filesystem::path lista_;
  std::vector<retrieval::ConcordanceRow> linhas_;
};

}  // namespace lumeral::gui
