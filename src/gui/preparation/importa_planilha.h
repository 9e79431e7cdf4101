// The spreadsheet import dialog `form_importa_planilha` ("Importar
// planilha"): a CSV, XLSX or ODS table becomes a new folder of documents,
// one per row, as `lumeral-cli import-table` makes it. The sheet and the
// columns are chosen from what the file holds: the sheet names, then the
// header's columns for the text (one or more, joined in header order) and
// for the documents' names (or the row numbers). Every other column becomes
// a variable of the folder's variables file. Opened from the tools window
// and from both wizards' project step, which then take the new folder as
// the texts folder.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/preparation/table_import.h"
#include "gui/base/form.h"

class QLabel;

namespace lumeral::gui {

// The controls of `Tform_importa_planilha`: its own and its tests' (TestAccess).
struct Tform_importa_planilhaUi {
  QLineEdit* Edit_arquivo;          // the table chosen (read-only)
  QPushButton* bt_arquivo;          // "Escolher..." the table
  QComboBox* ComboBox_planilha;     // the workbook's sheets (empty and off for a CSV)
  QListWidget* ListBox_texto;       // the header's columns, checked: the text
  QComboBox* ComboBox_id;           // row 0 "(número da linha)", then the header's columns
  QLineEdit* Edit_pasta;            // the folder to make
  QPushButton* bt_pasta;            // "Escolher..." the folder
  QPushButton* bt_importa;          // "Importar"
  QPushButton* bt_fechar;           // "Fechar"
  QPlainTextEdit* Memo_resultado;   // what the import made, and its notes
  QStatusBar* StatusBar1;
};

class Tform_importa_planilha : public QDialog, public Form, private Tform_importa_planilhaUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = Tform_importa_planilhaUi;
 public:
  explicit Tform_importa_planilha(Windows& windows);

  // How the opener follows the import: `depois` receives the folder made;
  // with `progresso_na_janela` the run reports in the progress window (a
  // wizard), mirrored to `espelho` when given, else in the status bar.
  void prepara(std::function<void(const std::filesystem::path&)> depois, bool progresso_na_janela,
               QLabel* espelho = nullptr);

  void bt_arquivoClick();
  void ComboBox_planilhaChange();
  void bt_pastaClick();
  void bt_importaClick();

 private:
  void build_layout();
  // Reads the header of the sheet chosen and offers its columns.
  void le_cabecalho();
  // The input import_table takes from the fields.
  preparation::TableImportInput entrada() const;

  std::filesystem::path arquivo_;
  std::vector<std::string> cabecalho_;
  QString pasta_sugerida_;  // the folder proposed for the table chosen
  std::function<void(const std::filesystem::path&)> depois_;
  bool progresso_na_janela_ = false;
  QLabel* espelho_ = nullptr;
};

}  // namespace lumeral::gui
