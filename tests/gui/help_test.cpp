// The help: every window's page of the guide (F1, the "Ajuda" menus), the
// guide viewer (links, history, anchors, pictures, search, no network) and
// the links between the guide's pages.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBlock>

#include "gui/association/rede_termos.h"
#include "gui/classification/matriz.h"
#include "gui/preparation/stop_words.h"
#include "gui/shell/guia.h"
#include "gui/shell/help_pages.h"
#include "gui/shell/minera.h"
#include "gui/shell/sobre.h"
#include "gui_test.h"

namespace lumeral::gui::testing {
namespace {

const fs::path kGuide = fs::path(LUMERAL_SOURCE_DIR) / "docs" / "guia";

using HelpTest = GuiTest;

QString shown_page(Windows& windows) {
  if (!windows.guia || !windows.guia->isVisible()) return {};
  return QDir(windows.guia->raiz()).relativeFilePath(windows.guia->pagina().toLocalFile());
}

TEST_F(HelpTest, EveryWindowHasAnExistingPage) {
  for (const HelpPage& entry : help_pages())
    EXPECT_TRUE(fs::is_regular_file(kGuide / entry.page)) << entry.class_name << ": " << entry.page;
  windows->create_Form3();
  windows->create_Mdi_Frm2();
  windows->create_Form_textos();
  windows->create_Frm_print();
  windows->create_form_rede_conceitos();
  windows->create_form_rede_termos();
  windows->open_grafico_centroide();
  EXPECT_ANY_THROW(windows->open_mapa_similaridade());  // made, but nothing to draw without a matrix
  windows->open_grafico_frequencias(*w().minera);
  windows->create_guia();
  windows->create_form_variaveis();
  windows->create_form_crosstab();
  windows->create_form_especificidades();
  windows->create_form_ac();
  windows->create_form_concordancia();
  windows->create_dendrograma();
  int checked = 0;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!dynamic_cast<Form*>(top)) continue;
    EXPECT_NE(help_page_of_class(top), nullptr) << top->metaObject()->className();
    ++checked;
  }
  EXPECT_GE(checked, windows->creation_order().size() + 10);
}

// F1 shows the page of the innermost window or panel that has one; each
// kind of window gets one "Ajuda" menu, after its own menus, whose items
// show the index, its page and the about box.
TEST_F(HelpTest, F1AndTheAjudaMenuShowTheWindowsPage) {
  windows->create_form_rede_termos();
  struct {
    QWidget* field;  // where F1 is pressed
    QWidget* window;
    QString page;
  } cases[] = {
      {ui(windows->form_matriz).Edit_limiar, windows->form_matriz, QStringLiteral("janelas/matriz.md")},  // menus
      {windows->form_stop, windows->form_stop, QStringLiteral("janelas/stop_words.md")},  // a widget without menus
      {ui(*w().minera).Edit_grau_minimo, nullptr, QStringLiteral("janelas/minera.md")},   // a panel
      {ui(w()).RadioGroup1, &w(), QStringLiteral("janelas/mdi_form.md")},  // a main window without menus
      {windows->form_rede_termos, windows->form_rede_termos, QStringLiteral("janelas/rede_termos.md")},  // a picture
  };
  for (const auto& c : cases) {
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(c.field, &f1);
    EXPECT_EQ(shown_page(*windows), c.page);
    if (!c.window) continue;
    c.window->show();
    c.window->hide();
    c.window->show();
    const auto menus = c.window->findChildren<QMenu*>(QStringLiteral("menu_ajuda"));
    ASSERT_EQ(menus.size(), 1) << c.page.toStdString();
    EXPECT_EQ(qobject_cast<QMenuBar*>(menus[0]->parentWidget())->actions().last(), menus[0]->menuAction());
    const auto items = menus[0]->actions();
    ASSERT_EQ(items.size(), 3);
    items[0]->trigger();
    EXPECT_EQ(shown_page(*windows), QStringLiteral("README.md"));
    items[1]->trigger();
    EXPECT_EQ(shown_page(*windows), c.page);
    items[2]->trigger();
    TSobre* box = c.window->findChild<TSobre*>();
    ASSERT_TRUE(box && box->isVisible()) << c.page.toStdString();
    box->close();
  }
}

// A scratch guide: an index, a window page with a picture that exists, one
// that does not, and a heading to link to.
class GuiaViewerTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    root = tmp / "guia";
    fs::create_directories(root / "janelas");
    fs::create_directories(root / "imagens");
    write_file(root / "README.md",
               "# Guia\n\nVeja a [janela](janelas/a.md), o [comando](janelas/a.md#na-linha-de-comando) e "
               "o [site](https://exemplo.org/).\n");
    write_file(root / "janelas" / "a.md",
               "# Janela A\n\n![existe](../imagens/ok.png)\n\n![falta](../imagens/falta.png)\n\n"
               "Freqüência dos conceitos.\n\n" +
                   std::string(60, '\n') + "## Na linha de comando\n\nO comando.\n\n[Índice](../README.md)\n");
    write_file(root / "janelas" / "b.md", "# Janela B\n\nA FREQUENCIA e o limiar.\n");
    QImage(7, 5, QImage::Format_RGB32).save(q(root / "imagens" / "ok.png"));
    viewer = std::make_unique<TGuia>(*windows, q(root), QStringList{q(root)});
    viewer->abre(QString());
  }
  void TearDown() override {
    viewer.reset();
    GuiTest::TearDown();
  }
  QString page() const { return QDir(q(root)).relativeFilePath(viewer->pagina().toLocalFile()); }
  GuiaBrowser& browser() { return *ui(*viewer).navegador; }

  fs::path root;
  std::unique_ptr<TGuia> viewer;
};

// Links, Back and Forward, anchors of headings; nothing is fetched from a
// network, and a missing picture becomes a box naming it.
TEST_F(GuiaViewerTest, LinksAnchorsPicturesAndNoNetwork) {
  EXPECT_EQ(page(), QStringLiteral("README.md"));
  viewer->navegadorAnchorClicked(QUrl(QStringLiteral("janelas/a.md")));
  EXPECT_EQ(page(), QStringLiteral("janelas/a.md"));
  viewer->navegadorAnchorClicked(QUrl(QStringLiteral("../README.md")));
  EXPECT_EQ(page(), QStringLiteral("README.md"));
  viewer->bt_voltarClick();
  EXPECT_EQ(page(), QStringLiteral("janelas/a.md"));
  viewer->bt_avancarClick();
  EXPECT_EQ(page(), QStringLiteral("README.md"));
  viewer->navegadorAnchorClicked(QUrl(QStringLiteral("janelas/a.md#na-linha-de-comando")));
  EXPECT_EQ(browser().textCursor().block().text(), QStringLiteral("Na linha de comando"));
  viewer->bt_inicioClick();
  viewer->abre(QStringLiteral("janelas/a.md#na-linha-de-comando"));
  EXPECT_EQ(browser().textCursor().block().text(), QStringLiteral("Na linha de comando"));
  viewer->abre(QStringLiteral("janelas/nenhuma.md"));  // not in the guide: the page stays
  EXPECT_EQ(page(), QStringLiteral("janelas/a.md"));

  auto image = [&](const char* name) {
    return browser().loadResource(QTextDocument::ImageResource, QUrl(QString::fromUtf8(name)));
  };
  EXPECT_EQ(image("../imagens/ok.png").value<QImage>().size(), QSize(7, 5));
  EXPECT_FALSE(image("../imagens/falta.png").value<QImage>().isNull());
  EXPECT_FALSE(image("https://exemplo.org/x.png").isValid());
}

// A bar inside code in a table row shows as a bar, in the font of code;
// code outside tables keeps its backslash, as Markdown has it.
TEST_F(GuiaViewerTest, BarsInTableCodeShowWithoutBackslash) {
  write_file(root / "janelas" / "t.md",
             "| Item | Linha |\n|---|---|\n| x | `economia \\| 0,1195652` e `juros` |\n| y | `a<b \\| c&d` |\n\n"
             "Fora: `a \\| b`\n");
  viewer->abre(QStringLiteral("janelas/t.md"));
  const QString text = browser().toPlainText();
  for (const char* shown : {"economia | 0,1195652", "juros", "a<b | c&d", "Fora: a \\| b"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << " in " << text.toStdString();
  QTextDocument* doc = browser().document();
  EXPECT_EQ(doc->find(QStringLiteral("economia")).charFormat().fontFamilies(),
            doc->find(QStringLiteral("a \\| b")).charFormat().fontFamilies());
}

TEST_F(GuiaViewerTest, SearchIgnoresCaseAndAccents) {
  const auto pages = read_guide_pages(q(root));
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].title, QStringLiteral("Guia"));
  const QStringList both{QStringLiteral("janelas/a.md"), QStringLiteral("janelas/b.md")};
  const std::pair<const char*, QStringList> cases[] = {
      {"frequencia", both}, {"FREQÜÊNCIA", both}, {"frequencia limiar", {QStringLiteral("janelas/b.md")}},
      {"  ", {}},           {"inexistente", {}},
  };
  for (const auto& [query, found] : cases) EXPECT_EQ(pages_with_words(pages, QString::fromUtf8(query)), found) << query;

  viewer->abre(QStringLiteral("janelas/a.md"));
  ui(*viewer).Edit_busca->setText(QStringLiteral("frequencia"));
  viewer->Edit_buscaReturn();
  ASSERT_EQ(ui(*viewer).lst_paginas->count(), 2);
  EXPECT_EQ(browser().textCursor().selectedText(), QStringLiteral("Freqüência"));
  viewer->lst_paginasActivated(ui(*viewer).lst_paginas->item(1));
  EXPECT_EQ(page(), QStringLiteral("janelas/b.md"));
  EXPECT_EQ(browser().textCursor().selectedText(), QStringLiteral("FREQUENCIA"));
}

TEST_F(HelpTest, WithoutTheGuideTheViewerSaysWhereItLooked) {
  const QString nowhere = q(tmp / "sem-guia");
  TGuia viewer(*windows, find_guide_root({nowhere}), {nowhere});
  viewer.abre(QStringLiteral("janelas/matriz.md"));
  EXPECT_TRUE(ui(viewer).navegador->toPlainText().contains(nowhere));
}

// Every link between the guide's pages leads to a page that exists and, when
// it names a section, to a heading of that page; every picture a page shows
// or imagens/LISTA.md lists is in imagens (lumeral-guide-pictures makes
// them).
TEST(GuideLinks, EveryLinkLeadsToAPageAndItsHeading) {
  const QString root = q(kGuide);
  const auto pages = read_guide_pages(root);
  ASSERT_GT(pages.size(), 40u);
  auto read = [](const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  };
  const QRegularExpression link(QStringLiteral(R"((!?)\[[^\]]*\]\(([^)\s]+)\))"));
  const QRegularExpression heading(QStringLiteral(R"(^#+ +(.+)$)"), QRegularExpression::MultilineOption);
  for (const GuidePage& page : pages) {
    const QString file = root + QLatin1Char('/') + page.path;
    for (const auto& m : link.globalMatch(read(file))) {
      const QString target = m.captured(2);
      if (target.contains(QLatin1String("://")) || target.startsWith(QLatin1String("mailto:"))) continue;
      if (m.captured(1) == QLatin1String("!")) {
        EXPECT_TRUE(QFileInfo(QFileInfo(file).dir().filePath(target)).isFile())
            << page.path.toStdString() << ": " << target.toStdString();
        continue;
      }
      const QString path = target.section(QLatin1Char('#'), 0, 0), anchor = target.section(QLatin1Char('#'), 1);
      const QString linked = path.isEmpty() ? file : QFileInfo(file).dir().filePath(path);
      ASSERT_TRUE(QFileInfo(linked).exists()) << page.path.toStdString() << ": " << target.toStdString();
      if (anchor.isEmpty()) continue;
      QStringList anchors;
      for (const auto& h : heading.globalMatch(read(linked))) anchors << heading_anchor(h.captured(1).trimmed());
      EXPECT_TRUE(anchors.contains(anchor)) << page.path.toStdString() << ": " << target.toStdString();
    }
  }
  const QRegularExpression listed(QStringLiteral(R"(^\| `([^`]+\.png)` \|)"), QRegularExpression::MultilineOption);
  int pictures = 0;
  for (const auto& m : listed.globalMatch(read(root + QStringLiteral("/imagens/LISTA.md")))) {
    EXPECT_TRUE(QFileInfo(root + QStringLiteral("/imagens/") + m.captured(1)).isFile()) << m.captured(1).toStdString();
    ++pictures;
  }
  EXPECT_GT(pictures, 40);
}

}  // namespace

}  // namespace lumeral::gui::testing
