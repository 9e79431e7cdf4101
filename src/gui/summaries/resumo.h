// The summary window `form_resumo` ("Resumo de Documentos"): the sentences
// of a document list's documents that hold given words or expressions, each
// with up to N sentences before and after it, grouped under a header per
// document; the search words are shown in bold green. The mining wizard's
// ontology editor opens it on the project's list ("Ver resumos").
//
// The comparison wizard has its own instance, `form_resumo2`, built in
// ResumoModo::Comparacao: its list is the comparison project's while that
// wizard is visible, the result is plain text without highlighting, the
// condition starts at "Sem restrições" and a double click shows nothing.
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextEdit>

#include <vector>

#include "core/summaries/sentence_summary.h"
#include "gui/base/form.h"
#include "gui/base/list_box.h"
#include "gui/base/memo.h"
#include "gui/base/radio_group.h"

class QAction;

namespace lumeral::gui {

enum class ResumoModo {
  Ferramenta,  // form_resumo: the tools window and the mining wizard
  Comparacao,  // form_resumo2: the comparison wizard
};

// The controls of `Tform_resumo`: its own and its tests' (TestAccess).
struct Tform_resumoUi {
  ListBox* ListBox_docs;                 // "Lista de Documentos"
  QLineEdit* Edit_entrada;               // "Entrada =" (the list's bare name, read-only)
  Memo* Memo_palavras;                   // "Forneça palavras ou expressões ", one per line
  RadioGroup* RadioGroup_apresentacao;   // "Opção de apresentação": "Todos os documentos" (at start),
  // "Somente documento selecionado"
  RadioGroup* RadioGroup_condicoes;      // "Condições de apresentação": "Sem restrições",
  // "Contendo palavras" (at start)
  RadioGroup* RadioGroup_boolean;        // "Boolean": "E" (at start), "OU"
  QSpinBox* SpinEdit_frases;             // "Frases antes e depois", 0 to 10
  // "Resumos": exactly one of the two exists, by the mode.
  QTextEdit* RichEdit_resumos = nullptr;     // Ferramenta: read-only rich text
  QPlainTextEdit* Memo_resumos = nullptr;    // Comparacao: read-only plain text
  QStatusBar* StatusBar1;
  QAction* Abrelistadedocs1;         // "Abre lista de docs"
  QAction* Limpaentrada1;            // "Limpa entrada"
  QAction* Extrairresumos1;          // "Resumos" > "Extrair resumos"
  QAction* Salvarresumoscomotexto1;  // "Resumos" > "Salvar resumos como texto"
  QAction* Concordancia1;            // "Concordância..."
};

class Tform_resumo : public QMainWindow, public Form, private Tform_resumoUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_resumoUi;
 public:
  explicit Tform_resumo(Windows& windows, ResumoModo modo = ResumoModo::Ferramenta);

  ResumoModo modo() const { return modo_; }

  void Abrelistadedocs1Click();
  // Only sentences holding the words, with no other choice (the comparison
  // wizard's "Ver resumos").
  void so_frases_com_as_palavras();
  void Limpaentrada1Click();
  void Extrairresumos1Click();
  void Salvarresumoscomotexto1Click();
  void ListBox_docsDblClick();
  // The concordance window on the list loaded, with the words typed.
  void Concordancia1Click();

  // Opens the document list `list` as "Abre lista de docs" does after its
  // dialog (the network of word pairs opens the list it was counted on).
  void carrega_lista(const std::filesystem::path& list);

  // The two controls the wizard locks while its project's list is shown
  // (the command that picks a list and the field naming it), and the tools
  // window unlocks.
  void habilita_lista(bool enable);

  // The sentences of every document that contain `word` (a click on a word
  // of the co-occurrence network): the window shown as the tools window
  // opens it, its list unlocked; with no list loaded yet it loads `list`
  // (when given), and with still none the user picks one there.
  void resume_palavra(const Ansi& word, const QString& list);

  // The result lines as shown (what "Salvar resumos como texto" writes).
  const std::vector<Ansi>& resumos() const { return resumos_; }

 private:
  void build_layout();
  std::filesystem::path pasta_lista() const;
  void mostra_lista(const summaries::OpenedList& list);
  void mostra(const summaries::SummaryResult& result);

  ResumoModo modo_;

  std::filesystem::path lista_;  // the document list loaded
  std::vector<Ansi> resumos_;
};

}  // namespace lumeral::gui
