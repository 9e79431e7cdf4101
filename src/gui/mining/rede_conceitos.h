// The concept network `form_rede_conceitos` ("Rede de Associações entre
// Conceitos"): the rules the data-mining window lists (which are the rules
// the mining panel shows, filtered and ordered as there) drawn as arrows
// between concepts, each concept sized by its number of documents. Clicking
// a concept lists its documents; clicking an arrow lists the documents
// holding both concepts (both from the classification matrices). Opened
// from the mining panel and from `form_dm`; redrawn when the panel filters
// or sorts its rules.
#pragma once

#include <QLabel>
#include <QListWidget>

#include <optional>

#include "core/charts/concept_documents.h"
#include "gui/base/network_window.h"

namespace lumeral::gui {

class Tform_rede_conceitos : public NetworkWindow {
  Q_OBJECT
 public:
  explicit Tform_rede_conceitos(Windows& windows);

  QLabel* lb_selecao;          // what the list shows: "Documentos do conceito X: n"
  QListWidget* ListBox_docs;   // the documents of the concept or rule clicked

  // Draws the rules of `form_dm` now (shows and raises the window).
  void abre();
  // Draws them again if the window is shown (the panel's filters and sorts).
  void atualiza_se_visivel();

  void bt_atualizarClick();
  void NoClick(int node);
  void SetaClick(int edge);

 protected:
  QString titulo_figura() const override;

 private:
  void build_layout();  // rede_conceitos_layout.cpp
  void desenha();
  void lista(const QString& caption, const std::vector<Ansi>& documents);
  std::optional<charts::ConceptDocuments> documentos_;
};

}  // namespace lumeral::gui
