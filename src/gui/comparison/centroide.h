// The centroid window `form_centro` ("Comparação de Documentos"): the
// centroid of a document list (what the documents share) and, against a
// chosen centroid, every document's differences (what it has of its own).
// The ontology step's "Ver centróide" drives it: "Abre lista de documentos"
// (which loads the project's list without asking while a wizard project is
// open), "Novo", and enabling its seven option buttons. The mining step
// gives it the centroid it computed (mostra_centroide).
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/comparison/centroid.h"
#include "gui/base/form.h"
#include "gui/base/list_box.h"
#include "gui/base/radio_group.h"

class QAction;

namespace lumeral::gui {

// The controls of `Tform_centro`: its own and its tests' (TestAccess).
struct Tform_centroUi {
  ListBox* ListBox_docs;       // "Documentos": the document list's entries
  QLineEdit* Edit_total_docs;  // "Total= "
  ListBox* ListBox_centro;     // "Centróide": word | number (the lines of centroide())
  QLineEdit* Edit_total_centro;
  ListBox* ListBox_dif;        // "Diferenças": word | weight (the lines of diferencas())
  QLineEdit* Edit_total_dif;
  RadioGroup* RadioGroup_metodo;  // "Método": "Por palavra" (0), "Contextual" (1)
  RadioGroup* RadioGroup_tipo;    // "Tipo de Centróide": "Todas as palavras + freq" (0),
  // "Basta aparecer em 2 docs" (1), "Precisa aparecer em todos" (2)
  RadioGroup* RadioGroup_modo;    // "Modo": "Por freqüência" (0), "Por peso" (1)
  QLineEdit* Edit_limiar;         // "Limiar para mostrar="
  QStatusBar* StatusBar1;
  // The two hidden buttons the wizard's ontology step presses.
  QPushButton* Button_abre;  // does "Abre lista de documentos"
  QPushButton* Button_novo;  // does "Novo"
  // Menu "Lista de documentos"
  QAction* Abrelistadedocumentos1;  // "Abre lista de documentos"
  QAction* Ordenacaoalfabetica1;    // "Ordenação alfabética"
  // Menu "Centróide"
  QAction* Novo1;                   // "Novo"
  QAction* Abrecentroide1;          // "Abre centróide"
  QAction* Salvacomolista1;         // "Salva como lista"
  QAction* Salvacomotexto1;         // "Salva como texto"
  QAction* Ordenacaoporpeso1;       // "Ordenação por peso"
  QAction* Ordenacaoalfabetica2;    // "Ordenação alfabética"
  QAction* Graficodebarras1;        // "Gráfico de barras"
  QAction* Nuvemdepalavras1;        // "Nuvem de palavras"
  QAction* Concordancia1;           // "Concordância da palavra" (also the list's context menu and double click)
  // Menu "Diferenças"
  QAction* Calculadiferencasparatodos1;        // "Calcula diferenças para todos"
  QAction* Mostradiferencasdodocselecionado1;  // "Mostra diferenças do doc selecionado"
  QAction* Salvacomolista2;                    // "Salva como lista"
  QAction* Salvacomotexto2;                    // "Salva como texto"
  QAction* Somatodasasdiferencas1;             // "Soma todas as diferenças"
  QAction* Ordenacaoporpeso2;                  // "Ordenação por peso"
  QAction* Ordenacaoalfabetica3;               // "Ordenação alfabética"
  QAction* Nuvemdepalavras2;                   // "Nuvem de palavras"
  QAction* Concordancia2;  // "Concordância da palavra" of the differences
};

class Tform_centro : public QMainWindow, public Form, private Tform_centroUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_centroUi;
 public:
  explicit Tform_centro(Windows& windows);

  // The working folder: the folder of the document list last opened (the
  // project folder when it was the wizard project's list).
  QString pasta;

  void Abrelistadedocumentos1Click();
  void Ordenacaoalfabetica1Click();
  void Novo1Click();
  // The ontology editor's "Ver centróide": the collection's centroid by
  // word, its method, type and mode fixed.
  void abre_da_colecao();
  // The three lists its chart follows: centroid, differences, documents.
  struct ListasDoGrafico {
    ListBox* centro;
    ListBox* diferencas;
    ListBox* documentos;
  };
  ListasDoGrafico listas_do_grafico() const { return {ListBox_centro, ListBox_dif, ListBox_docs}; }
  void Abrecentroide1Click();
  void Salvacomolista1Click();
  void Salvacomotexto1Click();
  void Ordenacaoporpeso1Click();
  void Ordenacaoalfabetica2Click();
  // The bar chart of the centroid and of a chosen document's differences:
  // the registry's `grafico_centroide`, opened on first use; it follows the
  // lists of this window.
  void Graficodebarras1Click();
  // The word cloud of the centroid, and of the differences shown (the
  // registry's `nuvem_palavras`).
  void Nuvemdepalavras1Click();
  void Nuvemdepalavras2Click();
  // The concordance of the word of a centroid or differences row, in the
  // document list open here (else the open wizard project's).
  void ConcordanciaClick(const std::vector<comparison::ResultRow>& rows, int row);
  void Calculadiferencasparatodos1Click();
  void Mostradiferencasdodocselecionado1Click();
  void Salvacomolista2Click();
  void Salvacomotexto2Click();
  void Somatodasasdiferencas1Click();
  void Ordenacaoporpeso2Click();
  void Ordenacaoalfabetica3Click();
  void Button_abreClick() { Abrelistadedocumentos1Click(); }
  void Button_novoClick() { Novo1Click(); }
  // Double click on a document: its text in the text viewer.
  void ListBox_docsDblClick();

  // The seven option buttons (method, centroid type, mode): the tools window
  // enables them, the wizard's "Ver centróide" disables them.
  void habilita_opcoes(bool enabled);

  // The contextual centroid the mining step computed (type "Todas as
  // palavras + freq", by frequency) over the documents of `folder`: the
  // options show how it was computed.
  void mostra_centroide(const std::filesystem::path& folder, const std::vector<Ansi>& documents,
                        const std::vector<comparison::ResultRow>& centroid);

  // The rows the two lists show, in their order: what saves, exports and
  // the bar chart read.
  const std::vector<comparison::ResultRow>& centroide() const { return centro_; }
  const std::vector<comparison::ResultRow>& diferencas() const { return dif_; }

 private:
  void build_layout();  // centroide_layout.cpp
  void mostra_totais();
  std::filesystem::path pasta_trabalho() const;
  // Shows `rows` in `list` (in the list's alphabetical order while it keeps
  // one, the rows put in that order too).
  void mostra_linhas(ListBox* list, std::vector<comparison::ResultRow>& rows);
  void limpa(ListBox* list, std::vector<comparison::ResultRow>& rows);
  void ordena_alfabetica(ListBox* list, std::vector<comparison::ResultRow>& rows);
  void salva_texto(const std::vector<comparison::ResultRow>& rows);
  void ordena_por_peso(ListBox* list, std::vector<comparison::ResultRow>& rows);
  std::vector<comparison::ResultRow> centro_;
  std::vector<comparison::ResultRow> dif_;
  std::filesystem::path lista_;  // the document list opened, for the concordance
};

}  // namespace lumeral::gui
