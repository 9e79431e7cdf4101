// The report window `Frm_print` ("Wizard - Impressão de Resultados"): the
// mining report in a rich-text area that the analyst may edit, a tool bar
// (save as RTF, print with the job title "Relatório" through the print
// dialog, which also offers PDF output, bold, italic, underline, font
// sizes) and a five-panel status bar refreshed every 500 ms (hint, NUM
// LOCK, CAPS LOCK, weekday and date, time). Created when first needed.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <vector>

#include "core/mining/results.h"
#include "core/mining/rich_text.h"
#include "gui/base/form.h"

namespace lumeral::gui {

// The controls of `TFrm_print`: its own and its tests' (TestAccess).
struct TFrm_printUi {
  QToolBar* ToolBar1;
  QToolButton* bt_salvar;      // "Salva em Arquivo RTF"
  QToolButton* bt_imprimir;    // "Imprime"
  QToolButton* bt_negrito;     // "Negrito"
  QToolButton* bt_italico;     // "Itálico"
  QToolButton* bt_sublinhado;  // "Sublinhado"
  QComboBox* ComboBox_tamanho;  // "10" ... "20"
  QTextEdit* RichEdit1;
  QStatusBar* StatusBar1;
  QLabel* Panel0;  // the current hint
  QLabel* Panel1;  // "NUM LOCK" (or the caret's line after a key)
  QLabel* Panel2;  // "CAPS LOCK"
  QLabel* Panel3;  // weekday and date
  QLabel* Panel4;  // time
  QTimer* Timer1;  // 500 ms
};

class TFrm_print : public QMainWindow, public Form, private TFrm_printUi {
  Q_OBJECT
  friend struct TestAccess;
  using Ui = TFrm_printUi;
 public:
  explicit TFrm_print(Windows& windows);

  // Fills the text with the report: the title bold, the heading centred
  // with its indent, the rest bulleted.
  void preenche(const mining::Report& report);
  // The text as it stands, as rich paragraphs (what "Salva" writes).
  std::vector<mining::RichParagraph> paragrafos() const;

  void bt_salvarClick();
  void bt_imprimirClick();
  void bt_negritoClick();
  void bt_italicoClick();
  void bt_sublinhadoClick();
  void ComboBox_tamanhoChange();
  void Timer1Timer();
  void RichEdit1KeyDown();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static constexpr double kDefaultPoints = 10;  // the report's font size
  void build_layout();  // unit_print_layout.cpp
  void estilo(const mining::FontStyle& button);
};

}  // namespace lumeral::gui
