// The variables window `form_variaveis` ("Variáveis dos Documentos"): the
// variables file of a document list ("<title>.var") as a table, the list's
// documents as rows in its order and the variables as columns. Cells are
// edited in place; variables are added and removed; the whole file can be
// replaced from a spreadsheet (as `lumeral-cli variables --set`); "Grava"
// writes the file, "Exportar..." the table shown. The assignment warnings
// (documents without a row, rows naming no listed document, empty values)
// are shown under the table.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableWidget>

#include <filesystem>
#include <vector>

#include "core/variables/variables_file.h"
#include "gui/base/form.h"

namespace lumeral::gui {

// The controls of `Tform_variaveis`: its own and its tests' (TestAccess).
struct Tform_variaveisUi {
  QLineEdit* Edit_lista;          // the document list shown (read-only)
  QPushButton* bt_abre;           // "Abre lista de docs..."
  QTableWidget* Grid_variaveis;   // documents as rows, variables as columns
  QLineEdit* Edit_variavel;       // the name of the variable to add
  QPushButton* bt_inclui;         // "Inclui variável"
  QPushButton* bt_exclui;         // "Exclui variável": the column of the current cell
  QPushButton* bt_importa;        // "Importar de planilha..."
  QPushButton* bt_grava;          // "Grava"
  QLabel* Label_avisos;           // the warnings of the list against the file
};

class Tform_variaveis : public QMainWindow, public Form, private Tform_variaveisUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_variaveisUi;
 public:
  explicit Tform_variaveis(Windows& windows);

  // Shown from the tools window: the open wizard project's list, when
  // there is one, nothing is shown yet and its list exists.
  void abre_do_projeto();

  void bt_abreClick();
  void bt_incluiClick();
  void bt_excluiClick();
  void bt_importaClick();
  void bt_gravaClick();

  // The variables as the table holds them now, as they would be written:
  // the rows of the file, and the listed documents given a value.
  variables::Variables variaveis() const;
  bool alterado() const { return alterado_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_layout();
  // Reads the list and its variables file (none yet: no variables) and
  // shows them.
  void carrega(const std::filesystem::path& lista);
  void mostra(const variables::VariablesGrid& grid);
  void mostra_avisos();
  // With unsaved edits, asks whether to drop them; true to go on.
  bool descarta_alteracoes();

  // Every row of the table with its values as shown now.
  variables::Variables linhas() const;

  std::filesystem::path lista_;
  std::vector<Ansi> documentos_;  // of the list, in its order
  std::vector<Ansi> nomes_;       // the variables, by column
  std::vector<Ansi> linhas_;      // the documents, by row
  std::vector<bool> no_arquivo_;  // per row: the file has a row for it
  bool alterado_ = false;
  bool mostrando_ = false;        // filling the table: cell changes are not edits
};

}  // namespace lumeral::gui
