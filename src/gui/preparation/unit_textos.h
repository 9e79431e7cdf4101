// The text-listing window `Form_textos` ("Listagem de arquivos TEXTOS e HTML
// encontrados no diretório"), created by the mining wizard's steps. It lists
// the project folder's text and HTML files (and its DOCX, ODT and PDF
// files, with the wizard's two preparation options, which it mirrors); while the wizard's third step
// is current it also processes the folder (HTML conversion, the split of a
// single file, the document list) and then drives the word-list window's
// "Analisa textos" on its text files.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>

#include <functional>

#include "core/preparation/import.h"
#include "gui/base/form.h"
#include "gui/base/list_box.h"

namespace lumeral::gui {

// What the text-listing window needs of the wizard that opens it. The
// mining wizard implements it; the window knows nothing else of the wizard.
class ImportWizard {
 public:
  virtual ~ImportWizard() = default;
  // The import the wizard's fields ask for: folder, title, single file and
  // separator, split done, the preparation options and the reading, and
  // whether to process (its third step is current). The stopword list and
  // the memory budget are the window's to fill.
  virtual preparation::ImportInput importacao() const = 0;
  // The wizard's two preparation options, shown and changed here too.
  virtual bool converte_formatos() const = 0;
  virtual bool agrupa_radicais() const = 0;
  virtual void set_converte_formatos(bool on) = 0;
  virtual void set_agrupa_radicais(bool on) = 0;
  // The line that shows the progress of the folder's processing.
  virtual QLabel* linha_de_progresso() = 0;
  // Hides the wizard's step panels while the folder is processed; the
  // function returned shows them again as they were (calling it twice is
  // harmless).
  virtual std::function<void()> esconde_paineis() = 0;
  // Back to the project step (the folder held nothing to prepare).
  virtual void volta_passo1() = 0;
  virtual void set_dividido(bool dividido) = 0;
};

// Tells, in a message, how many DOCX, ODT and PDF files of the folder the
// chosen formats left out and how to include them (nothing when none).
void show_left_out(Form& form, const preparation::ImportResult& result);

// The controls of `TForm_textos`: its own and its tests' (TestAccess).
struct TForm_textosUi {
  ListBox* FileListBox1;  // "TEXTO": *.txt
  ListBox* FileListBox2;  // "HTML": *.htm, *.html
  ListBox* FileListBox3;  // word lists (*.lpl), not shown
  ListBox* FileListBox4;  // "DOCX, ODT e PDF": *.docx, *.odt, *.pdf
  // The wizard's two preparation options, shown and changed here too.
  QCheckBox* CheckBox_formatos;  // "Converter também documentos DOCX, ODT e PDF"
  QCheckBox* CheckBox_radicais;  // "Agrupar variantes das palavras (radicais)"
  QLabel* Label_leitura;         // "Leitura dos textos: completa" (the wizard's choice)
};

class TForm_textos : public QDialog, public Form, private TForm_textosUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = TForm_textosUi;
 public:
  explicit TForm_textos(Windows& windows);

  // The import run with the wizard's fields. Returns false when it stopped
  // (a message was shown) or the folder held nothing to process, in which
  // case the wizard is back at its project step.
  bool executa(ImportWizard& wizard);
  // The text files of the folder, as its last run listed them ("TEXTO").
  std::vector<Ansi> textos() const { return FileListBox1->lines(); }

 private:
  ImportWizard* wizard_ = nullptr;  // the wizard of the current run
};

}  // namespace lumeral::gui
