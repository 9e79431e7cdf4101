// The tools window, the launcher, the word-list window, the stopword
// manager, the text viewer, the progress window and the platform layer.
#include <QDir>
#include <QTextDocument>

#include "core/base/encoding.h"
#include "core/records/records.h"
#include "gui/base/platform.h"
#include "gui/preparation/gerencia_docs.h"
#include "gui/preparation/stop_words.h"
#include "gui/preparation/textos.h"
#include "gui/retrieval/result_recuperasim.h"
#include "gui/shell/barra_progresso.h"
#include "gui/shell/inicio.h"
#include "gui/shell/unit_global.h"
#include "gui_test.h"

namespace lumeral::gui::testing {
namespace {

using lumeral::testing::cp1252;
namespace rec = lumeral::records;

QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

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

TEST_F(GuiTest, ProgressPausesAreCappedPerOperation) {
  struct Case {
    long long items;
    long long expected_ms;
  };
  const Case cases[] = {{1, 50}, {10, 500}, {40, 2000}, {41, 2000}, {5000, 2000}, {100000, 2000}};
  for (const Case& c : cases) {
    platform.paused_ms = 0;
    {
      ProgressScope progress(*windows);
      ASSERT_NE(windows->Frm_process, nullptr);
      EXPECT_TRUE(windows->Frm_process->isVisible());
      for (long long i = 0; i < c.items; ++i) {
        progress.status("Processando");
        progress.bar(i, c.items - 1);
      }
    }
    EXPECT_EQ(windows->Frm_process, nullptr);
    EXPECT_LE(platform.paused_ms, 2000) << c.items;
    EXPECT_EQ(platform.paused_ms, c.expected_ms) << c.items;
  }
}

TEST_F(GuiTest, ToolsWindowOpensBuiltWindowsAndGoesBackToTheMenu) {
  w().RadioGroup1->set_item_index(2);
  w().bt_ok_entradaClick();
  ASSERT_TRUE(windows->Form3);
  TForm3& tools = *windows->Form3;
  EXPECT_TRUE(tools.isVisible());
  EXPECT_FALSE(w().isVisible());
  EXPECT_TRUE(tools.bt_analise_docs->isEnabled());
  EXPECT_TRUE(tools.bt_inicio->isEnabled());
  EXPECT_TRUE(tools.bt_contextos->isEnabled());
  EXPECT_TRUE(tools.bt_classificacao->isEnabled());

  tools.bt_analise_docs->click();
  EXPECT_TRUE(windows->form_ger_doc->isVisible());
  EXPECT_TRUE(windows->form_ger_doc->bt_preprocessamento->isEnabled());
  windows->form_ger_doc->bt_stopwords->click();
  EXPECT_TRUE(windows->form_stop->isVisible());
  windows->form_ger_doc->bt_preprocessamento->click();
  EXPECT_TRUE(windows->Form1->isVisible());

  tools.bt_inicioClick();
  EXPECT_FALSE(tools.isVisible());
  EXPECT_TRUE(w().isVisible());
  EXPECT_FALSE(w().pnEntrada->isHidden());
  EXPECT_EQ(w().RadioGroup1->item_index(), 0);

  // Closing the tools window releases it and ends the program.
  w().RadioGroup1->set_item_index(2);
  w().bt_ok_entradaClick();
  windows->Form3->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(windows->Form3);
  EXPECT_EQ(quits, 1);
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
  EXPECT_EQ(platform.dialogs.back().title, QStringLiteral("Selecione uma lista de stopwords"));
  EXPECT_EQ(f.Edit_stop->text(), q(stw));
  platform.answer(QStringList{q(docs / "a.txt")});
  f.Analisatextos1Click();
  EXPECT_EQ(platform.dialogs.back().kind, "open-multi");
  EXPECT_EQ(f.StatusBar1->currentMessage(), QStringLiteral("TERMINOU DE CRIAR LISTAS PARA TODOS DOCUMENTOS"));
  ASSERT_TRUE(fs::exists(docs / "a.lpl"));

  // "Abre lista" with a threshold.
  f.Edit_limiar->setText("0,25");
  platform.answer(q(docs / "a.lpl"));
  f.Abrelista1Click();
  EXPECT_EQ(utf8_lines(f.ListBox1), (std::vector<std::string>{"casa |  0,50000", "bola |  0,25000", "Época |  0,25000"}));
  EXPECT_EQ(f.Edit_total->text(), "3");

  // Alphabetical order switches on and off; "Ordena decrescente" sorts by weight.
  f.CheckBox1->click();
  EXPECT_EQ(utf8_lines(f.ListBox1), (std::vector<std::string>{"bola |  0,25000", "casa |  0,50000", "Época |  0,25000"}));
  f.Ordenadecrescente1Click();
  EXPECT_FALSE(f.ListBox1->sorted());
  EXPECT_EQ(utf8_lines(f.ListBox1).front(), "casa |  0,50000");
  EXPECT_EQ(f.StatusBar1->currentMessage(), QStringLiteral("Terminou de ordenar as linhas"));

  // Eliminate the focused line, then save as records and as text.
  f.ListBox1->setCurrentRow(0);
  f.Eliminapalavra1Click();
  EXPECT_EQ(f.Edit_total->text(), "2");
  platform.answer(q(tmp / "out" / "nova"));
  fs::create_directories(tmp / "out");
  f.Gravalista1Click();
  EXPECT_EQ(platform.dialogs.back().default_ext, "lpl");
  auto saved = rec::read_all<rec::WordRecord>(tmp / "out" / "nova.lpl");
  ASSERT_EQ(saved.size(), 2u);
  EXPECT_DOUBLE_EQ(saved[0].weight, 0.25);
  platform.answer(q(tmp / "out" / "nova.txt"));
  f.Gravacomotexto1Click();
  EXPECT_EQ(read_file(tmp / "out" / "nova.txt"), cp1252("bola |  0,25000\r\nÉpoca |  0,25000\r\n"));

  // A cancelled save says so.
  platform.messages.clear();
  platform.cancel_next();
  f.Gravacomoconceito1Click();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Não gravou lista de palavras")});

  // A threshold that is not a number stops before the dialog.
  platform.messages.clear();
  f.Edit_limiar->setText("abc");
  f.Abrelista1Click();
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(f.ListBox1->count(), 0);
}

TEST_F(GuiTest, StopwordManagerEditsSavesAndHandsItsListBack) {
  Tform_stop& s = *windows->form_stop;
  for (const char* word : {"Zebra", "ônibus", "abacaxi", "", "Um nome muito comprido demais"}) {
    s.Edit1->setText(QString::fromUtf8(word));
    s.bt_adicionaClick();
    EXPECT_TRUE(s.Edit1->text().isEmpty());
  }
  EXPECT_EQ(utf8_lines(s.ListBox1),
            (std::vector<std::string>{"", "abacaxi", "ônibus", "Um nome muito comprido demais", "Zebra"}));
  const fs::path out = tmp / "minha.stw";
  platform.answer(q(tmp / "minha"));
  s.bt_gravaClick();
  EXPECT_EQ(s.Edit_nome->text(), "minha.stw");
  auto records = rec::read_all<rec::StopRecord>(out);
  std::vector<std::string> words;
  for (const auto& r : records) words.push_back(to_utf8(r.word));
  EXPECT_EQ(words, (std::vector<std::string>{"", "abacaxi", "ônibus", "um nome muito c", "zebra"}));

  platform.cancel_next();
  s.bt_gravaClick();
  EXPECT_EQ(messages().back(), QStringLiteral("Não gravou a lista"));

  // Open the saved list, delete the focused entry, hand the path back.
  platform.answer(q(out));
  s.bt_mostraClick();
  EXPECT_EQ(s.caminho, q(out));
  EXPECT_EQ(s.ListBox1->count(), 5);
  s.ListBox1->setCurrentRow(1);
  s.bt_eliminaClick();
  EXPECT_EQ(s.ListBox1->count(), 4);
  platform.answer(q(tmp / "texto"));
  s.bt_grava_textoClick();
  EXPECT_EQ(read_file(tmp / "texto.txt"), cp1252("\r\nônibus\r\num nome muito c\r\nzebra\r\n"));
  s.show();
  s.bt_voltarClick();
  EXPECT_EQ(windows->wizard_state().stopword_list, q(out));
  EXPECT_FALSE(s.isVisible());

  platform.messages.clear();
  platform.answer(q(tmp / "nao-ha.stw"));
  s.bt_mostraClick();
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Não existe ainda uma lista de stop-words !!")});
  EXPECT_EQ(s.ListBox1->count(), 0);
}

TEST_F(GuiTest, TextViewerShowsAFileOrSaysItIsMissing) {
  write_file(tmp / "start" / "Noticia.txt", cp1252("linha um\r\nação\r\n"));
  mostra_arquivo_texto(*windows, "Noticia.txt");
  EXPECT_TRUE(windows->result_recsim->isVisible());
  EXPECT_EQ(windows->result_recsim->Memo1->toPlainText(), QStringLiteral("linha um\nação"));
  EXPECT_TRUE(messages().isEmpty());
  // A name from a list that differs in letter case still finds the file.
  mostra_arquivo_texto(*windows, "noticia.txt");
  EXPECT_EQ(windows->result_recsim->Memo1->toPlainText(), QStringLiteral("linha um\nação"));

  mostra_arquivo_texto(*windows, "outro.txt");
  EXPECT_EQ(messages(), QStringList{QStringLiteral("Arquivo texto selecionado não existe")});
  EXPECT_TRUE(windows->result_recsim->Memo1->toPlainText().isEmpty());
  EXPECT_TRUE(windows->result_recsim->isVisible());
}

}  // namespace
}  // namespace lumeral::gui::testing
