#include "gui/shell/guia.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

#include "gui/shell/windows.h"

// Both come from the build configuration (CMakeLists.txt).
#if !defined(LUMERAL_GUIDE_INSTALL_DIR) || !defined(LUMERAL_GUIDE_SOURCE_DIR)
#error "LUMERAL_GUIDE_INSTALL_DIR and LUMERAL_GUIDE_SOURCE_DIR are set by the build (the guide's folders)"
#endif

namespace lumeral::gui {

namespace {

const QString kIndex = QStringLiteral("README.md");

// A grey box naming the picture the page asks for and the guide lacks.
QImage missing_picture(const QString& name) {
  QImage image(480, 120, QImage::Format_RGB32);
  image.fill(QColor(0xee, 0xee, 0xee));
  QPainter painter(&image);
  painter.setPen(QColor(0x99, 0x99, 0x99));
  painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
  painter.setPen(QColor(0x55, 0x55, 0x55));
  painter.drawText(image.rect(), Qt::AlignCenter,
                   QStringLiteral("Figura ainda não disponível\n%1").arg(name));
  return image;
}

bool is_outside_address(const QUrl& url) {
  const QString scheme = url.scheme().toLower();
  return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
         scheme == QLatin1String("mailto") || scheme == QLatin1String("ftp");
}

}  // namespace

QString find_guide_root(const QStringList& candidates) {
  for (const QString& folder : candidates)
    if (!folder.isEmpty() && QFileInfo(folder + QLatin1Char('/') + kIndex).isFile()) return folder;
  return {};
}

QStringList guide_root_candidates() {
  return {QStringLiteral(LUMERAL_GUIDE_INSTALL_DIR), QStringLiteral(LUMERAL_GUIDE_SOURCE_DIR)};
}

QString fold_for_search(const QString& text) {
  QString out(text.size(), QChar());
  for (qsizetype i = 0; i < text.size(); ++i) {
    QChar c = text[i];
    // "ü" -> "u" + diaeresis -> "u"; repeated for letters with two marks.
    for (QString parts = c.decomposition(); !parts.isEmpty(); parts = c.decomposition()) {
      if (c.decompositionTag() != QChar::Canonical) break;
      c = parts[0];
    }
    out[i] = c.toCaseFolded();
  }
  return out;
}

std::vector<GuidePage> read_guide_pages(const QString& root) {
  std::vector<GuidePage> pages;
  if (root.isEmpty()) return pages;
  QDirIterator it(root, {QStringLiteral("*.md")}, QDir::Files, QDirIterator::Subdirectories);
  const QDir base(root);
  while (it.hasNext()) {
    const QString file = it.next();
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) continue;
    const QString text = QString::fromUtf8(f.readAll());
    GuidePage page;
    page.path = base.relativeFilePath(file);
    page.title = page.path;
    static const QRegularExpression title(QStringLiteral("^# +(.+)$"), QRegularExpression::MultilineOption);
    if (const auto m = title.match(text); m.hasMatch()) page.title = m.captured(1).trimmed();
    page.folded = fold_for_search(text);
    pages.push_back(std::move(page));
  }
  std::sort(pages.begin(), pages.end(), [](const GuidePage& a, const GuidePage& b) {
    if ((a.path == kIndex) != (b.path == kIndex)) return a.path == kIndex;
    return a.path < b.path;
  });
  return pages;
}

QStringList pages_with_words(const std::vector<GuidePage>& pages, const QString& query) {
  const QStringList words = fold_for_search(query).split(QRegularExpression(QStringLiteral("\\s+")),
                                                         Qt::SkipEmptyParts);
  QStringList found;
  if (words.isEmpty()) return found;
  for (const GuidePage& page : pages)
    if (std::all_of(words.begin(), words.end(), [&](const QString& w) { return page.folded.contains(w); }))
      found << page.path;
  return found;
}

QString heading_anchor(const QString& heading) {
  QString out;
  for (const QChar c : heading.toLower()) {
    if (c == QLatin1Char(' ')) out += QLatin1Char('-');
    else if (c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('-') || c == QLatin1Char('_')) out += c;
  }
  return out;
}

QString markdown_for_viewer(const QString& text) {
  static const QRegularExpression code(QStringLiteral(R"(`([^`]*\\\|[^`]*)`)"));
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines) {
    if (!line.trimmed().startsWith(QLatin1Char('|')) || !line.contains(QLatin1String("\\|"))) continue;
    QString out;
    qsizetype at = 0;
    for (const auto& m : code.globalMatch(line)) {
      QString inner = m.captured(1).toHtmlEscaped();
      inner.replace(QLatin1String("\\|"), QLatin1String("&#124;"));
      out += line.mid(at, m.capturedStart() - at) + QLatin1String("<code>") + inner + QLatin1String("</code>");
      at = m.capturedEnd();
    }
    line = out + line.mid(at);
  }
  return lines.join(QLatin1Char('\n'));
}

QVariant GuiaBrowser::loadResource(int type, const QUrl& name) {
  const QUrl url = name.isRelative() ? source().resolved(name) : name;
  // Local files only: nothing is ever fetched from a network.
  if (!url.isLocalFile()) return {};
  if (type == QTextDocument::MarkdownResource) {
    QFile f(url.toLocalFile());
    if (!f.open(QIODevice::ReadOnly)) return {};
    return markdown_for_viewer(QString::fromUtf8(f.readAll()));
  }
  if (type == QTextDocument::ImageResource) {
    QImage image(url.toLocalFile());
    if (image.isNull()) return missing_picture(QFileInfo(url.toLocalFile()).fileName());
    return image;
  }
  return QTextBrowser::loadResource(type, url);
}

TGuia::TGuia(Windows& windows, QString root, QStringList looked_in)
    : QMainWindow(nullptr), Form(windows), root_(std::move(root)), looked_in_(std::move(looked_in)) {
  build_layout();
  connect(bt_voltar, &QAction::triggered, this, [this] { bt_voltarClick(); });
  connect(bt_avancar, &QAction::triggered, this, [this] { bt_avancarClick(); });
  connect(bt_inicio, &QAction::triggered, this, [this] { bt_inicioClick(); });
  connect(Edit_busca, &QLineEdit::returnPressed, this, [this] { Edit_buscaReturn(); });
  connect(lst_paginas, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { lst_paginasActivated(item); });
  connect(lst_paginas, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { lst_paginasActivated(item); });
  connect(navegador, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { navegadorAnchorClicked(url); });
  connect(navegador, &QTextBrowser::backwardAvailable, bt_voltar, &QAction::setEnabled);
  connect(navegador, &QTextBrowser::forwardAvailable, bt_avancar, &QAction::setEnabled);
  // Qt's Markdown gives headings no anchors: an anchor of a link is found
  // among the headings, whether the page came by a link, Back or Forward.
  connect(navegador, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) { rola_para(url.fragment()); });
}

QUrl TGuia::pagina() const { return navegador->source(); }

void TGuia::abre(const QString& page) {
  if (root_.isEmpty()) {
    QString folders;
    for (const QString& folder : looked_in_) folders += QStringLiteral("<li>%1</li>").arg(folder.toHtmlEscaped());
    navegador->setHtml(QStringLiteral("<h2>O guia do usuário não foi encontrado</h2>"
                                      "<p>O Lumeral procurou o guia nestas pastas:</p><ul>%1</ul>"
                                      "<p>Instale o pacote lumeral, que traz o guia, ou rode o programa a partir da "
                                      "sua pasta de compilação, com o código-fonte (docs/guia) no lugar.</p>")
                           .arg(folders));
    return;
  }
  const QString file = page.section(QLatin1Char('#'), 0, 0);
  const QString anchor = page.section(QLatin1Char('#'), 1);
  const QString path = root_ + QLatin1Char('/') + (file.isEmpty() ? kIndex : file);
  if (!QFileInfo(path).isFile()) {
    StatusBar1->showMessage(QStringLiteral("Página não encontrada no guia: %1").arg(file));
    if (navegador->source().isEmpty()) abre(QString());
    return;
  }
  QUrl url = QUrl::fromLocalFile(path);
  if (!anchor.isEmpty()) url.setFragment(anchor);
  if (url == navegador->source()) rola_para(anchor);
  else navegador->setSource(url);
}

void TGuia::rola_para(const QString& anchor) {
  if (anchor.isEmpty()) return;
  QTextDocument* doc = navegador->document();
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() == 0 || heading_anchor(block.text()) != anchor) continue;
    QTextCursor cursor(block);
    navegador->setTextCursor(cursor);
    const QRectF where = doc->documentLayout()->blockBoundingRect(block);
    navegador->verticalScrollBar()->setValue(static_cast<int>(where.top()));
    return;
  }
  navegador->scrollToAnchor(anchor);
}

void TGuia::bt_voltarClick() { navegador->backward(); }

void TGuia::bt_avancarClick() { navegador->forward(); }

void TGuia::bt_inicioClick() { abre(QString()); }

bool TGuia::procura_na_pagina(const QString& query) {
  const QString wanted = fold_for_search(query.simplified());
  if (wanted.isEmpty()) return false;
  const QString text = fold_for_search(navegador->document()->toRawText());
  qsizetype at = text.indexOf(wanted, navegador->textCursor().selectionEnd());
  if (at < 0) at = text.indexOf(wanted);
  if (at < 0) return false;
  QTextCursor cursor(navegador->document());
  cursor.setPosition(static_cast<int>(at));
  cursor.setPosition(static_cast<int>(at + wanted.size()), QTextCursor::KeepAnchor);
  navegador->setTextCursor(cursor);
  navegador->ensureCursorVisible();
  return true;
}

void TGuia::Edit_buscaReturn() {
  const QString query = Edit_busca->text();
  if (!pages_read_) {
    pages_ = read_guide_pages(root_);
    pages_read_ = true;
  }
  const QStringList found = pages_with_words(pages_, query);
  QHash<QString, QString> titles;
  for (const GuidePage& page : pages_) titles.insert(page.path, page.title);
  lst_paginas->clear();
  for (const QString& path : found) {
    auto* item = new QListWidgetItem(titles.value(path), lst_paginas);
    item->setData(Qt::UserRole, path);
    item->setToolTip(path);
  }
  const bool here = procura_na_pagina(query);
  if (found.isEmpty()) StatusBar1->showMessage(QStringLiteral("Nenhuma página do guia tem estas palavras."));
  else if (!here)
    StatusBar1->showMessage(
        QStringLiteral("Não está nesta página; %1 página(s) do guia têm estas palavras, na lista.").arg(found.size()));
  else StatusBar1->showMessage(QStringLiteral("%1 página(s) do guia têm estas palavras.").arg(found.size()));
}

void TGuia::lst_paginasActivated(QListWidgetItem* item) {
  if (!item) return;
  abre(item->data(Qt::UserRole).toString());
  navegador->moveCursor(QTextCursor::Start);
  procura_na_pagina(Edit_busca->text());
}

void TGuia::navegadorAnchorClicked(const QUrl& url) {
  if (is_outside_address(url)) {
    // Outside the guide: the system's browser, on this click only.
    QDesktopServices::openUrl(url);
    StatusBar1->showMessage(QStringLiteral("Aberto no navegador do sistema: %1").arg(url.toString()));
    return;
  }
  const QUrl target = navegador->source().resolved(url);
  if (!target.isLocalFile() || !QFileInfo(target.toLocalFile()).isFile()) {
    StatusBar1->showMessage(QStringLiteral("Página não encontrada no guia: %1").arg(url.toString()));
    return;
  }
  if (target.toLocalFile().endsWith(QLatin1String(".md"), Qt::CaseInsensitive)) {
    if (target == navegador->source()) rola_para(target.fragment());
    else navegador->setSource(target);
  } else {
    // Another kind of file the guide names (a picture, a sample file).
    QDesktopServices::openUrl(target);
  }
}

}  // namespace lumeral::gui
