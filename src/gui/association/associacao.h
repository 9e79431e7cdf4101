// The term-association window `form_rel` ("Associação de Características de
// Textos"): counts how often two words occur in the same document or
// sentence, or two contexts in the same document, into the pair store
// "temp.ass", and lists the pairs as "palavra_1 | palavra_2 = peso" lines to
// filter, sort and save. The mining step gives it the association "Por
// contextos" it computed (mostra_associacoes).
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>

#include <filesystem>
#include <vector>

#include "core/association/association_lines.h"
#include "core/base/ansi.h"
#include "gui/base/form.h"
#include "gui/base/list_box.h"
#include "gui/base/radio_group.h"

class QAction;

namespace lumeral::gui {

// The controls of `Tform_rel`: its own and its tests' (TestAccess).
struct Tform_relUi {
  QLineEdit* Edit_docs;     // "Lista de docs:" (read-only path)
  QLineEdit* Edit_stop;     // "Stopwords:" (read-only path)
  QLineEdit* Edit_limiar;   // "Limiar"
  // "Selecionar método para associação": "Por presença no mesmo doc" (0,
  // chosen at start), "Por freqüência no mesmo doc" (1), "Por presença na
  // mesma frase" (2), "Por contextos" (3).
  RadioGroup* RadioGroup1;
  ListBox* ListBox1;        // "palavra_1 | palavra_2 = peso (da associação)"
  QStatusBar* StatusBar1;
  QAction* Calcularassociacoes1;      // "Calcular associações"
  QAction* Abrirresultadogravado1;    // "Resultados" > "Abrir resultado gravado"
  QAction* Selecionarporlimiar1;      // "Resultados" > "Selecionar por limiar"
  QAction* Salvarassociacoes1;        // "Resultados" > "Salvar associações (.ass)"
  QAction* Salvarcomotexto1;          // "Resultados" > "Salvar como texto"
  QAction* Ordenarporpeso1;           // "Resultados" > "Ordenar por peso"
  QAction* Ordenaralfabeticamente1;   // "Resultados" > "Ordenar alfabeticamente"
  QAction* Rededecoocorrencia1;       // "Resultados" > "Rede de co-ocorrência"
  QAction* Concordancia1;  // "Resultados" > "Concordância do par" (also the list's context menu and double click)
};

class Tform_rel : public QMainWindow, public Form, private Tform_relUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_relUi;
 public:
  // The rows the list shows, in its order: what the filter, the sorts, the
  // saves and the export read.
  const std::vector<association::AssociationRow>& linhas() const { return linhas_; }
  // What the co-occurrence network draws: the lines of the pairs shown, and
  // the document list they were counted in ("Lista de docs:").
  const std::vector<association::AssociationRow>& pares() const { return linhas_; }
  QString lista_docs() const { return Edit_docs->text(); }
  explicit Tform_rel(Windows& windows);
  // The concordance of both words of the pair of `row`, in "Lista de docs:".
  void Concordancia1Click(int row);

  // The documents folder: the folder of the chosen document list, with its
  // trailing separator.
  QString pasta_docs;
  // Set when the window is first shown (or by the wizard), never cleared:
  // with both file fields filled and this false, "Calcular associações"
  // does nothing.
  bool mostrada = false;

  // The term association "Por contextos" the mining step computed over the
  // document list `doc_list`: its result rows.
  void mostra_associacoes(const std::filesystem::path& doc_list, const std::filesystem::path& stopwords,
                          const std::vector<association::AssociationRow>& rows);

  void Calcularassociacoes1Click();
  void Abrirresultadogravado1Click();
  void Selecionarporlimiar1Click();
  void Salvarassociacoes1Click();
  void Salvarcomotexto1Click();
  void Ordenarporpeso1Click();
  void Ordenaralfabeticamente1Click();
  void Rededecoocorrencia1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  // Closing empties the list, switches its sorting off and empties the two
  // file fields.
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_layout();  // associacao_layout.cpp
  // The rows into the list, put first in its alphabetical order while the
  // list keeps one.
  void mostra_linhas();
  std::vector<association::AssociationRow> linhas_;
};

}  // namespace lumeral::gui
