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

#include "gui/base/form.h"
#include "gui/base/list_box.h"

namespace lumeral::gui {

class TForm_textos : public QDialog, public Form {
  Q_OBJECT
 public:
  explicit TForm_textos(Windows& windows);

  ListBox* FileListBox1;  // "TEXTO": *.txt
  ListBox* FileListBox2;  // "HTML": *.htm, *.html
  ListBox* FileListBox3;  // word lists (*.lpl), not shown
  ListBox* FileListBox4;  // "DOCX, ODT e PDF": *.docx, *.odt, *.pdf
  // The wizard's two preparation options, shown and changed here too.
  QCheckBox* CheckBox_formatos;  // "Converter também documentos DOCX, ODT e PDF"
  QCheckBox* CheckBox_radicais;  // "Agrupar variantes das palavras (radicais)"
  QLabel* Label_leitura;         // "Leitura dos textos: completa" (the wizard's choice)

  // The import run with the wizard's fields. Returns false when it stopped
  // (a message was shown) or the folder held nothing to process, in which
  // case the wizard is back at its project step.
  bool executa();
};

}  // namespace lumeral::gui
