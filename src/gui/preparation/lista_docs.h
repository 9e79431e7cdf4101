// The document-list manager `form_ldoc` ("Gerencia Listas de Documentos"):
// two lists side by side that open document lists (.ldc) with a threshold,
// merge them, take documents picked from disk, lose selected lines, and
// save as a document list or as text. List 2 also shows the text files of
// the folder chosen in the drive and folder selectors beside it.
#pragma once

#include <QLineEdit>
#include <QMainWindow>

#include <vector>

#include "core/preparation/doc_lists.h"
#include "gui/base/folder_tree.h"
#include "gui/base/form.h"
#include "gui/base/list_box.h"

class QAction;

namespace lumeral::gui {

// One of the two lists with its fields and its menu.
struct ListaDocs {
  ListBox* ListBox_docs = nullptr;
  QLineEdit* Edit_nome = nullptr;         // bare name of the list opened or saved (read-only)
  QLineEdit* Edit_total = nullptr;        // "Total de docs:"
  QLineEdit* Edit_selecionados = nullptr; // "Selecionados:"
  QAction* Novalista = nullptr;           // "Nova lista"
  QAction* Abrelista = nullptr;           // "Abre lista existente"
  QAction* Incluilista = nullptr;         // "Inclui lista inteira" ("Inclui  lista inteira" in list 1)
  QAction* Incluidocs = nullptr;          // "Inclui docs na lista"
  QAction* Salvalista = nullptr;          // "Salva lista"
  QAction* Salvatexto = nullptr;          // "Salva lista como texto"
  QAction* Excluidoc = nullptr;           // "Exclui doc da lista" (list 1: also the Delete key)
  QAction* Concordancia = nullptr;        // "Concordância..."
  int decimais = 0;                       // of the weights shown
  // The folder the list's names are found in: that of the list opened,
  // of the documents included, or (list 2) of the folder chosen.
  QString pasta;
  // The rows ListBox_docs shows, in its order.
  std::vector<preparation::DocRow> linhas;
  // The file the list was last opened from or saved to, while its rows are
  // unchanged since (what the concordance reads).
  QString arquivo;
};

// The controls of `Tform_ldoc`: its own and its tests' (TestAccess).
struct Tform_ldocUi {
  ListaDocs lista1;
  ListaDocs lista2;
  QLineEdit* Edit_limiar;          // "Limiar:"
  FolderTree* DirectoryListBox1;   // drive and folder selectors of list 2
  QAction* Ordenaalfabeticamente1; // list 1 only: "Ordena alfabeticamente"
};

class Tform_ldoc : public QMainWindow, public Form, private Tform_ldocUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_ldocUi;
 public:
  using Lista = ListaDocs;
  explicit Tform_ldoc(Windows& windows);


  void NovalistaClick(Lista& l);
  void AbrelistaClick(Lista& l);
  void IncluilistaClick(Lista& l);
  void IncluidocsClick(Lista& l);
  void SalvalistaClick(Lista& l);
  void SalvatextoClick(Lista& l);
  void ExcluidocClick(Lista& l);
  void Ordenaalfabeticamente1Click();
  void ListBoxClick(Lista& l);     // selection changed: "Selecionados:"
  void ListBoxDblClick(Lista& l);  // the document in the text viewer
  void DirectoryListBox1Change();  // list 2 := the text files of the chosen folder
  // The concordance window on the list's file (refused while the list has
  // changed since it was opened or saved).
  void ConcordanciaClick(Lista& l);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_layout();
  void mostra_total(Lista& l);
  // Shows the list's rows (in its alphabetical order while it keeps one,
  // the rows put in that order too).
  void mostra_linhas(Lista& l);
};

}  // namespace lumeral::gui
