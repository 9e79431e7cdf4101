#include "gui/mining/unit_print.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStatusTipEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <chrono>

#include "core/base/files.h"
#include "gui/base/platform.h"
#include "gui/shell/windows.h"

namespace lumeral::gui {

TFrm_print::TFrm_print(Windows& windows) : QMainWindow(nullptr), Form(windows) {
  build_layout();
  RichEdit1->installEventFilter(this);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  Timer1->start();
  connect(bt_salvar, &QToolButton::clicked, this, [this] { bt_salvarClick(); });
  connect(bt_imprimir, &QToolButton::clicked, this, [this] { bt_imprimirClick(); });
  connect(bt_negrito, &QToolButton::clicked, this, [this] { bt_negritoClick(); });
  connect(bt_italico, &QToolButton::clicked, this, [this] { bt_italicoClick(); });
  connect(bt_sublinhado, &QToolButton::clicked, this, [this] { bt_sublinhadoClick(); });
  connect(ComboBox_tamanho, &QComboBox::activated, this, [this] { ComboBox_tamanhoChange(); });
}

// ---------------------------------------------------------------- the report

void TFrm_print::preenche(const mining::Report& report) {
  RichEdit1->clear();
  QTextDocument* doc = RichEdit1->document();
  QTextCursor c(doc);
  QTextList* bullets = nullptr;
  bool first = true;
  for (const mining::RichParagraph& p : mining::report_paragraphs(report)) {
    QTextBlockFormat block;
    block.setAlignment(p.align == mining::RichParagraph::Align::Center ? Qt::AlignHCenter
                       : p.align == mining::RichParagraph::Align::Right ? Qt::AlignRight
                                                                         : Qt::AlignLeft);
    block.setTextIndent(p.first_indent);
    if (first) c.setBlockFormat(block);
    else c.insertBlock(block);
    first = false;
    if (p.bullet) {
      if (bullets) bullets->add(c.block());
      else bullets = c.createList(QTextListFormat::ListDisc);
    }
    for (const mining::RichRun& r : p.runs) {
      QTextCharFormat chars;
      chars.setFontWeight(r.style.bold ? QFont::Bold : QFont::Normal);
      chars.setFontItalic(r.style.italic);
      chars.setFontUnderline(r.style.underline);
      chars.setFontPointSize(r.points);
      c.insertText(qs(r.text), chars);
    }
  }
  RichEdit1->moveCursor(QTextCursor::Start);
}

std::vector<mining::RichParagraph> TFrm_print::paragrafos() const {
  std::vector<mining::RichParagraph> out;
  for (QTextBlock b = RichEdit1->document()->begin(); b.isValid(); b = b.next()) {
    mining::RichParagraph p;
    const Qt::Alignment a = b.blockFormat().alignment();
    p.align = (a & Qt::AlignHCenter) ? mining::RichParagraph::Align::Center
              : (a & Qt::AlignRight) ? mining::RichParagraph::Align::Right
                                     : mining::RichParagraph::Align::Left;
    p.first_indent = b.blockFormat().textIndent();
    p.bullet = b.textList() != nullptr;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment frag = it.fragment();
      if (!frag.isValid()) continue;
      const QTextCharFormat f = frag.charFormat();
      mining::RichRun r;
      r.text = ansi(frag.text());
      r.style = {f.fontWeight() >= QFont::Bold, f.fontItalic(), f.fontUnderline()};
      r.points = f.fontPointSize() > 0 ? f.fontPointSize() : kDefaultPoints;
      p.runs.push_back(std::move(r));
    }
    out.push_back(std::move(p));
  }
  return out;
}

// ---------------------------------------------------------------- tool bar

void TFrm_print::bt_salvarClick() {
  command([this] {
    auto file = platform().save_file(this, {QString(), QStringLiteral("RTF(*.rtf)|*.rtf"), QStringLiteral("rtf"), QString()});
    if (!file) {
      information(QStringLiteral("Não foi salvo nenhum arquivo"));
      return;
    }
    // The name part, trimmed, in the folder the dialog left current.
    const QString name = QFileInfo(*file).fileName().trimmed();
    write_bytes_atomic(path_of(QDir::current().filePath(name)), mining::rich_text_rtf(paragrafos()));
  });
}

void TFrm_print::bt_imprimirClick() {
  command([this] { platform().print(this, *RichEdit1->document(), QStringLiteral("Relatório")); });
}

void TFrm_print::estilo(const mining::FontStyle& button) {
  QTextCursor c = RichEdit1->textCursor();
  // The selection's style is the style of its first character.
  QTextCursor probe = c;
  probe.setPosition(c.selectionStart());
  if (c.hasSelection()) probe.movePosition(QTextCursor::NextCharacter);
  const QTextCharFormat now = probe.charFormat();
  const mining::FontStyle current{now.fontWeight() >= QFont::Bold, now.fontItalic(), now.fontUnderline()};
  const mining::FontStyle next = mining::press_style(current, button);
  QTextCharFormat f;
  f.setFontWeight(next.bold ? QFont::Bold : QFont::Normal);
  f.setFontItalic(next.italic);
  f.setFontUnderline(next.underline);
  c.mergeCharFormat(f);
  RichEdit1->mergeCurrentCharFormat(f);
}

void TFrm_print::bt_negritoClick() { command([this] { estilo({true, false, false}); }); }
void TFrm_print::bt_italicoClick() { command([this] { estilo({false, true, false}); }); }
void TFrm_print::bt_sublinhadoClick() { command([this] { estilo({false, false, true}); }); }

void TFrm_print::ComboBox_tamanhoChange() {
  command([this] {
    QTextCharFormat f;
    f.setFontPointSize(ComboBox_tamanho->currentText().toDouble());
    RichEdit1->mergeCurrentCharFormat(f);
  });
}

// ---------------------------------------------------------------- status bar

void TFrm_print::Timer1Timer() {
  Panel1->setText(platform().num_lock() ? QStringLiteral("NUM LOCK") : QString());
  Panel2->setText(platform().caps_lock() ? QStringLiteral("CAPS LOCK") : QString());
  auto t = std::chrono::system_clock::time_point(std::chrono::milliseconds(platform().now().toMSecsSinceEpoch()));
  Panel3->setText(qs(regional().weekday_and_date(t)));
  Panel4->setText(qs(regional().time_text(t)));
}

void TFrm_print::RichEdit1KeyDown() { Panel1->setText(QString::number(RichEdit1->textCursor().blockNumber())); }

bool TFrm_print::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    Panel0->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

bool TFrm_print::eventFilter(QObject* watched, QEvent* event) {
  if (watched == RichEdit1 && event->type() == QEvent::KeyPress) {
    const bool handled = QMainWindow::eventFilter(watched, event);
    RichEdit1KeyDown();
    return handled;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace lumeral::gui
