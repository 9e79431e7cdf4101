// The concept network `form_rede_conceitos` ("Rede de Associações entre
// Conceitos"): the rules its opener gives it (the mining panel its
// sentences, `form_dm` its rules, each with its document list) drawn
// as arrows between concepts, each concept sized by its number of
// documents. Clicking a concept lists its documents; clicking an arrow lists
// the documents holding both concepts (both from the classification
// matrices). Redrawn when the panel filters or sorts its rules.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QSpinBox>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "core/charts/concept_documents.h"
#include "core/mining/rule_lines.h"
#include "gui/base/picture_window.h"

namespace lumeral::gui {

// What the network draws: the rules in the order shown and the document
// list whose matrices give each concept's documents.
struct EntradaRede {
  std::vector<mining::ParsedRule> regras;
  std::filesystem::path documentos;
};
// How a window gives its rules as they are now (asked at each drawing).
using FonteRede = std::function<EntradaRede()>;

// The input of the mining panel, which shows sentences (all a reopened
// project has).
EntradaRede entrada_de_sentencas(const std::vector<Ansi>& sentences, const std::filesystem::path& doc_list);

// The controls of `Tform_rede_conceitos`: its own and its tests' (TestAccess).
struct Tform_rede_conceitosUi {
  QSpinBox* SpinEdit_regras;   // the rules of greatest confidence drawn, 40 at first
  QLabel* lb_selecao;          // what the list shows: "Documentos do conceito X: n"
  QListWidget* ListBox_docs;   // the documents of the concept or rule clicked
};

class Tform_rede_conceitos : public PictureWindow, private Tform_rede_conceitosUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_rede_conceitosUi;
 public:
  explicit Tform_rede_conceitos(Windows& windows);

  // Draws the rules of `fonte` now (shows and raises the window); "Atualizar"
  // and the panel's filters draw them again from it.
  void abre(FonteRede fonte);
  // Draws them again if the window is shown (the panel's filters and sorts).
  void atualiza_se_visivel();
  void atualiza() override;

  void NoClick(int node);
  void SetaClick(int edge);

 private:
  void build_layout();  // rede_conceitos_layout.cpp
  void desenha();
  void lista(const QString& caption, const std::vector<Ansi>& documents);
  std::optional<charts::ConceptDocuments> documentos_;
  FonteRede fonte_;
};

}  // namespace lumeral::gui
