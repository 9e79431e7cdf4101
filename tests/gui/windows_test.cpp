// The tools window, the launcher, the word-list window, the stopword
// manager, the text viewer, the progress window and the platform layer.
#include <QDir>
#include <QTextDocument>

#include "core/base/encoding.h"
#include "core/records/records.h"
#include "gui/base/platform.h"
#include "gui/preparation/stop_words.h"
#include "gui/preparation/textos.h"
#include "gui/retrieval/result_recuperasim.h"
#include "gui_test.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::cp1252;
namespace rec = lumeral::records;

std::vector<std::string> utf8_lines(const ListBox* list) {
  std::vector<std::string> out;
  for (const Ansi& l : list->lines()) out.push_back(to_utf8(l));
  return out;
}

TEST(QtFilter, WindowsFiltersBecomeQtFilters) {
  struct Case {
    const char* windows;
    const char* qt;
  };
  const Case cases[] = {
      {"arquivos texto (*.txt)|*.txt", "arquivos texto (*.txt)"},
      {"Arquivo de configuração de projetos(*.ini)|*.ini", "Arquivo de configuração de projetos (*.ini)"},
      {"lista de palavras com pesos (*.lpl)|*.lpl|contextos (*.ctt)|*.ctt|todos arquivos (*.*)|*.*",
       "lista de palavras com pesos (*.lpl);;contextos (*.ctt);;todos arquivos (*.*)"},
      {"paginas|*.htm;*.html", "paginas (*.htm *.html)"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(qt_filter(QString::fromUtf8(c.windows)), QString::fromUtf8(c.qt)) << c.windows;
  EXPECT_EQ(first_patterns("x (*.a)|*.a;*.b|y|*.c"), (QStringList{"*.a", "*.b"}));
}

TEST_F(GuiTest, SaveDialogsAddTheDefaultExtensionAndMakeTheFolderCurrent) {
  fs::create_directories(tmp / "saida");
  platform.answer(q(tmp / "saida" / "lista"));
  auto chosen = platform.save_file(nullptr, {"t", "listas (*.lpl)|*.lpl", "lpl", {}});
  ASSERT_TRUE(chosen);
  EXPECT_EQ(*chosen, q(tmp / "saida" / "lista.lpl"));
  EXPECT_EQ(fs::current_path(), tmp / "saida");
  platform.answer(q(tmp / "saida" / "nome.dat"));
  EXPECT_EQ(*platform.save_file(nullptr, {"t", "x|*.lpl", "lpl", {}}), q(tmp / "saida" / "nome.dat"));
  platform.cancel_next();
  EXPECT_FALSE(platform.save_file(nullptr, {"t", "x|*.lpl", "lpl", {}}));
}

TEST_F(GuiTest, PdfOutputOfTheRichText) {
  QTextDocument doc;
  doc.setHtml("<h1>Relatório</h1><p>linha</p>");
  Platform::write_pdf(doc, "Relatório", q(tmp / "r.pdf"));
  EXPECT_EQ(read_file(tmp / "r.pdf").substr(0, 5), "%PDF-");
}

TEST_F(GuiTest, WordListWindowBuildsOpensSortsAndSaves) {
  TForm1& f = *windows->Form1;
  w().hide();  // used from the tools window, not driven by the wizard
  const fs::path docs = tmp / "docs";
  write_file(docs / "a.txt", cp1252("casa casa bola\r\nÉPOCA dado\r\n"));
  const fs::path stw = tmp / "stw" / "lista.stw";
  fs::create_directories(stw.parent_path());
  rec::write_all<rec::StopRecord>(stw, {{Ansi("dado")}});

  // Without a stopword list nothing is built.
  f.Analisatextos1Click();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Você deve escolher antes uma lista de stopwords")});

  platform.answer(q(stw));
  f.Abrelistadestopwords1Click();
  EXPECT_EQ(ui(f).Edit_stop->text(), q(stw));
  platform.answer(QStringList{q(docs / "a.txt")});
  f.Analisatextos1Click();
  EXPECT_EQ(platform.dialogs.back().kind, "open-multi");
  ASSERT_TRUE(fs::exists(docs / "a.lpl"));

  // "Abre lista" with a threshold (its lines and saves are the core's
  // tests); the order switches, the line eliminated, a cancelled save.
  ui(f).Edit_limiar->setText("0,25");
  platform.answer(q(docs / "a.lpl"));
  f.Abrelista1Click();
  EXPECT_EQ(utf8_lines(ui(f).ListBox1), (std::vector<std::string>{"casa |  0,50000", "bola |  0,25000", "Época |  0,25000"}));
  EXPECT_EQ(ui(f).Edit_total->text(), "3");
  ui(f).CheckBox1->click();
  EXPECT_TRUE(ui(f).ListBox1->sorted());
  f.Ordenadecrescente1Click();
  EXPECT_FALSE(ui(f).ListBox1->sorted());
  EXPECT_EQ(utf8_lines(ui(f).ListBox1).front(), "casa |  0,50000");
  ui(f).ListBox1->setCurrentRow(0);
  f.Eliminapalavra1Click();
  EXPECT_EQ(ui(f).Edit_total->text(), "2");
  fs::create_directories(tmp / "out");
  platform.answer(q(tmp / "out" / "nova"));
  f.Gravalista1Click();
  EXPECT_EQ(rec::read_all<rec::WordRecord>(tmp / "out" / "nova.lpl").size(), 2u);
  platform.messages.clear();
  platform.cancel_next();
  f.Gravacomoconceito1Click();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Não gravou lista de palavras")});
}

TEST_F(GuiTest, StopwordManagerEditsSavesAndHandsItsListBack) {
  Tform_stop& s = *windows->form_stop;
  for (const char* word : {"Zebra", "ônibus", "abacaxi", "", "Um nome muito comprido demais"}) {
    ui(s).Edit1->setText(QString::fromUtf8(word));
    s.bt_adicionaClick();
    EXPECT_TRUE(ui(s).Edit1->text().isEmpty());
  }
  EXPECT_EQ(utf8_lines(ui(s).ListBox1),
            (std::vector<std::string>{"", "abacaxi", "ônibus", "Um nome muito comprido demais", "Zebra"}));
  const fs::path out = tmp / "minha.stw";
  platform.answer(q(tmp / "minha"));
  s.bt_gravaClick();
  EXPECT_EQ(ui(s).Edit_nome->text(), "minha.stw");
  EXPECT_EQ(rec::read_all<rec::StopRecord>(out).size(), 5u);  // the save rule: the core's tests

  platform.cancel_next();
  s.bt_gravaClick();
  EXPECT_EQ(messages().back(), QStringLiteral("Não gravou a lista"));

  // Open the saved list, delete the focused entry, hand the path back.
  platform.answer(q(out));
  s.bt_mostraClick();
  EXPECT_EQ(s.caminho, q(out));
  EXPECT_EQ(ui(s).ListBox1->count(), 5);
  ui(s).ListBox1->setCurrentRow(1);
  s.bt_eliminaClick();
  EXPECT_EQ(ui(s).ListBox1->count(), 4);
  platform.answer(q(tmp / "texto"));
  s.bt_grava_textoClick();
  EXPECT_EQ(read_file(tmp / "texto.txt"), cp1252("\r\nônibus\r\num nome muito c\r\nzebra\r\n"));
  s.show();
  s.bt_voltarClick();
  EXPECT_EQ(windows->wizard_state().stopword_list, q(out));
  EXPECT_FALSE(s.isVisible());

}

TEST_F(GuiTest, TextViewerShowsAFileOrSaysItIsMissing) {
  write_file(tmp / "start" / "Noticia.txt", cp1252("linha um\r\nação\r\n"));
  windows->show_text_file("Noticia.txt");
  EXPECT_TRUE(windows->result_recsim->isVisible());
  EXPECT_EQ(ui(windows->result_recsim).Memo1->toPlainText(), QStringLiteral("linha um\nação"));
  EXPECT_TRUE(messages().isEmpty());
  // A name from a list that differs in letter case still finds the file.
  windows->show_text_file("noticia.txt");
  EXPECT_EQ(ui(windows->result_recsim).Memo1->toPlainText(), QStringLiteral("linha um\nação"));

  // A missing file empties the viewer (its message: the core's and the
  // document-list window's tests).
  windows->show_text_file("outro.txt");
  EXPECT_TRUE(ui(windows->result_recsim).Memo1->toPlainText().isEmpty());
}

}  // namespace
}  // namespace lumeral::gui::testing
