// The layout of TFrm_print: its controls, captions, defaults and places.
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStatusTipEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include "gui/mining/unit_print.h"

namespace lumeral::gui {

namespace {

QToolButton* tool(const QString& text, const QString& hint, QToolBar* bar) {
  auto* b = new QToolButton(bar);
  b->setText(text);
  b->setToolTip(hint);
  b->setStatusTip(hint);
  b->setMinimumWidth(34);
  bar->addWidget(b);
  return b;
}

QLabel* panel(QStatusBar* bar, int width, bool permanent) {
  auto* l = new QLabel(bar);
  l->setMinimumWidth(width);
  l->setFrameShape(QFrame::StyledPanel);
  if (permanent) bar->addPermanentWidget(l);
  else bar->addWidget(l, 1);
  return l;
}

}  // namespace

void TFrm_print::build_layout() {
  setObjectName(QStringLiteral("Frm_print"));
  setWindowTitle(QStringLiteral("Wizard - Impressão de Resultados"));

  ToolBar1 = addToolBar(QStringLiteral("Relatório"));
  ToolBar1->setMovable(false);
  bt_salvar = tool(QStringLiteral("Salvar"), QStringLiteral("Salva em Arquivo RTF"), ToolBar1);
  bt_imprimir = tool(QStringLiteral("Imprimir"), QStringLiteral("Imprime"), ToolBar1);
  ToolBar1->addSeparator();
  bt_negrito = tool(QStringLiteral("N"), QStringLiteral("Negrito"), ToolBar1);
  bt_italico = tool(QStringLiteral("I"), QStringLiteral("Itálico"), ToolBar1);
  bt_sublinhado = tool(QStringLiteral("S"), QStringLiteral("Sublinhado"), ToolBar1);
  QFont f = bt_negrito->font();
  f.setBold(true);
  bt_negrito->setFont(f);
  f = bt_italico->font();
  f.setItalic(true);
  bt_italico->setFont(f);
  f = bt_sublinhado->font();
  f.setUnderline(true);
  bt_sublinhado->setFont(f);
  ToolBar1->addSeparator();
  ComboBox_tamanho = new QComboBox(ToolBar1);
  ComboBox_tamanho->addItems({"10", "11", "12", "14", "16", "18", "20"});
  ComboBox_tamanho->setToolTip(QStringLiteral("Tamanho da fonte"));
  ComboBox_tamanho->setStatusTip(QStringLiteral("Tamanho da fonte"));
  ToolBar1->addWidget(ComboBox_tamanho);

  RichEdit1 = new QTextEdit(this);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  QFont base = RichEdit1->font();
  base.setPointSizeF(kDefaultPoints);
  RichEdit1->document()->setDefaultFont(base);
  setCentralWidget(RichEdit1);

  StatusBar1 = new QStatusBar(this);
  setStatusBar(StatusBar1);
  Panel0 = panel(StatusBar1, 280, false);
  Panel1 = panel(StatusBar1, 80, true);
  Panel2 = panel(StatusBar1, 100, true);
  Panel3 = panel(StatusBar1, 140, true);
  Panel4 = panel(StatusBar1, 50, true);
  Timer1 = new QTimer(this);
  Timer1->setInterval(500);

  resize(820, 640);
  Timer1Timer();
}

}  // namespace lumeral::gui
