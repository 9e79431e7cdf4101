// "Guia do Lumeral": the user guide shown inside the program. The guide's
// pages are Markdown files (README.md the index, janelas/<unit>.md one page
// per window); Qt renders them, follows the relative links between them and
// loads their pictures from the guide's folder. Nothing is ever fetched from
// a network: an address outside the guide is handed to the system's browser,
// and only when the user clicks it.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QStatusBar>
#include <QString>
#include <QStringList>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

#include <vector>

#include "gui/base/form.h"

namespace lumeral::gui {

// The folder the guide is read from: the first of `candidates` that holds
// the index (README.md); empty when none does.
QString find_guide_root(const QStringList& candidates);
// The installed guide, then the source tree's docs/guia (a program run from
// its build folder), as the build configured them.
QStringList guide_root_candidates();

// Text folded for searching: lower case and without accents, one character
// for each character of `text`, so a position found in the folded text is
// the same position in the text ("Freqüência" -> "frequencia").
QString fold_for_search(const QString& text);

// A page of the guide as the search reads it.
struct GuidePage {
  QString path;    // relative to the guide's folder, '/' separated
  QString title;   // its first "# " heading, else its path
  QString folded;  // its whole text, folded
};
// Every .md page under `root`, the index first, then in path order.
std::vector<GuidePage> read_guide_pages(const QString& root);
// The paths of the pages whose text holds every word of `query`, case and
// accents aside; none for a query without words.
QStringList pages_with_words(const std::vector<GuidePage>& pages, const QString& query);

// "#grau-de-um-documento" style anchor of a heading, as the guide's links
// name them: lower case, punctuation dropped, spaces as hyphens.
QString heading_anchor(const QString& heading);

// A page's Markdown as the viewer hands it to Qt. In a table row a bar
// inside code is written `\|`, which Qt's Markdown shows with its
// backslash: such code becomes inline HTML code whose bar is an entity.
QString markdown_for_viewer(const QString& text);

// The page view: local files under the guide's folder only; a picture that
// is missing becomes a grey box naming it, so the page still shows whole.
class GuiaBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  using QTextBrowser::QTextBrowser;
  QVariant loadResource(int type, const QUrl& name) override;
};

struct TGuiaUi {
  QToolBar* barra;
  QAction* bt_voltar;    // "Voltar"
  QAction* bt_avancar;   // "Avançar"
  QAction* bt_inicio;    // "Início": the index
  QLineEdit* Edit_busca;         // words to find
  QListWidget* lst_paginas;      // pages holding the words searched
  GuiaBrowser* navegador;        // the page
  QStatusBar* StatusBar1;
};

class TGuia : public QMainWindow, public Form, private TGuiaUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = TGuiaUi;

 public:
  // `root` is the guide's folder; empty shows where it was looked for.
  TGuia(Windows& windows, QString root, QStringList looked_in);

  // Shows `page` ("janelas/matriz.md", "linha-de-comando.md#classify");
  // empty: the index.
  void abre(const QString& page);
  // The page shown (a local file URL, with its anchor), empty when none.
  QUrl pagina() const;
  const QString& raiz() const { return root_; }

  // Handlers.
  void bt_voltarClick();
  void bt_avancarClick();
  void bt_inicioClick();
  // Enter in the search field: the next place in the page holding the
  // words (from the top once the end is passed), and the list of pages
  // holding them.
  void Edit_buscaReturn();
  void lst_paginasActivated(QListWidgetItem* item);
  // A link clicked in the page.
  void navegadorAnchorClicked(const QUrl& url);

 private:
  void build_layout();
  void rola_para(const QString& anchor);
  bool procura_na_pagina(const QString& query);

  QString root_;
  QStringList looked_in_;
  std::vector<GuidePage> pages_;  // read at the first search
  bool pages_read_ = false;
};

}  // namespace lumeral::gui
