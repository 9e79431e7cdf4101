#include <gtest/gtest.h>

#include <random>

#include "core/base/message.h"
#include "core/mining/mine.h"
#include "core/preparation/doc_lists.h"
#include "core/preparation/html_text.h"
#include "core/preparation/import.h"
#include "core/preparation/split.h"
#include "core/preparation/stopword_lists.h"
#include "core/records/records.h"
#include "support/fixtures.h"
#include "support/literal.h"

namespace lumeral::preparation {
namespace {

using namespace lumeral::testing;
using records::DocRecord;
using records::WordRecord;

class ImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder);
    save_stopwords(stop, {Ansi("de"), Ansi("o")});
  }
  ImportInput input(bool single = false) {
    ImportInput in;
    in.folder = folder;
    in.title = Ansi("Projeto");
    in.single_file = single;
    in.separator = Ansi(" XXX ");
    in.stopwords = stop;
    return in;
  }
  std::vector<Ansi> doc_names() { return listed_documents(folder / "Projeto.ldc"); }
  TempDir dir;
  fs::path folder = dir / "proj";
  fs::path stop = dir / "pt.stw";
};

TEST_F(ImportTest, RefusalsComeBeforeAnythingIsWritten) {
  struct {
    const char* file;
    bool single;
    const char* title;
    const char* message;  // nullptr: any
  } cases[] = {
      {"notas.doc", false, "Projeto", kEmptyFolder},  // told, not thrown
      {"a.htm", true, "Projeto", kSplitNeedsOneFile},  // a single file asked for, only HTML pages there
      {"a.htm", false, "", kEmptyTitle},
      {"a.htm", false, "../fora", nullptr},  // a title that leaves the folder
  };
  for (const auto& c : cases) {
    TempDir scratch;
    const fs::path in_folder = scratch / "proj";
    write_file(in_folder / c.file, "<p>x</p>");
    ImportInput in = input(c.single);
    in.folder = in_folder;
    in.title = Ansi(c.title);
    std::string said = stop_text([&] {
      const auto r = run_import(in, pt());
      EXPECT_TRUE(r.empty_folder);
      ASSERT_EQ(r.messages.size(), 1u);
      throw Stop(r.messages[0].text);
    });
    if (c.message) {
      EXPECT_EQ(said, c.message);
    }
    EXPECT_FALSE(said.empty());
    EXPECT_EQ(folder_snapshot(scratch.path()).size(), 1u) << said;
  }
}

TEST_F(ImportTest, ListingOnlyWritesNothing) {
  write_file(folder / "b.txt", "b");
  write_file(folder / "A.TXT", "a");
  write_file(folder / "p.HTML", "<p>x</p>");
  write_file(folder / "x.lpl", "");
  ImportInput in = input();
  in.process = false;
  auto r = run_import(in, pt());
  EXPECT_EQ(r.first.texts, (std::vector<Ansi>{Ansi("A.TXT"), Ansi("b.txt")}));
  EXPECT_EQ(r.first.htmls, (std::vector<Ansi>{Ansi("p.HTML")}));
  EXPECT_EQ(r.first.word_lists, (std::vector<Ansi>{Ansi("x.lpl")}));
  EXPECT_FALSE(fs::exists(folder / "Projeto.ldc"));
  EXPECT_FALSE(fs::exists(folder / "arq-000001.txt"));
}

TEST_F(ImportTest, HasTextsAgreesWithTheTextList) {
  // Each case adds entries to the folder; the quick check must say what
  // the listing shows, whatever the case of the extension. A link counts
  // as what it points to.
  enum Kind { File, Folder, Link };
  struct Case {
    const char* add;
    Kind kind;
    const char* target;  // of a link
    bool texts;
  };
  const Case cases[] = {
      {"pagina.htm", File, nullptr, false},
      {"notas.txt.bak", File, nullptr, false},
      {"sub.txt", Folder, nullptr, false},  // a folder named like a text is no text
      {"atalho.txt", Link, "sub.txt", false},
      {"ligacao.txt", Link, "notas.txt.bak", true},
      {"LEIA.TXT", File, nullptr, true},
  };
  for (const Case& c : cases) {
    if (c.kind == Folder) fs::create_directories(folder / c.add);
    else if (c.kind == Link) fs::create_symlink(c.target, folder / c.add);
    else write_file(folder / c.add, "x");
    EXPECT_EQ(folder_has_texts(folder), c.texts) << c.add;
    EXPECT_EQ(folder_has_texts(folder), !list_folder(folder, pt()).texts.empty()) << c.add;
  }
  EXPECT_FALSE(folder_has_texts(dir / "nao-existe"));
}

TEST_F(ImportTest, HtmlPagesBecomeNumberedDocumentsOfTheList) {
  write_file(folder / "b.htm", "<p>Olá &amp; adeus</p>");
  write_file(folder / "A.html", "<h1>Economia</h1>");
  write_file(folder / "NOTA.TXT", "O gol de placa");
  write_file(folder / "ação.txt", "gol");  // a name that is not ASCII: UTF-8 on disk
  auto r = run_import(input(), pt());
  EXPECT_EQ(r.converted, (std::vector<Ansi>{Ansi("arq-000001.txt"), Ansi("arq-000002.txt")}));
  EXPECT_EQ(read_file(folder / "arq-000001.txt"), " economia \r\n");
  EXPECT_EQ(read_file(folder / "arq-000002.txt"), cp1252(" olá & adeus \r\n"));
  EXPECT_EQ(doc_names(), (std::vector<Ansi>{to_ansi("ação.txt"), Ansi("arq-000001.txt"), Ansi("arq-000002.txt"),
                                            Ansi("NOTA.TXT")}));
  EXPECT_EQ(records::read_all<WordRecord>(folder / "NOTA.lpl"),
            (std::vector<WordRecord>{{Ansi("gol"), 0.5}, {Ansi("placa"), 0.5}}));
  EXPECT_EQ(records::read_all<WordRecord>(folder / "ação.lpl"), (std::vector<WordRecord>{{Ansi("gol"), 1.0}}));
  EXPECT_EQ(r.word_lists, 4u);
}

TEST_F(ImportTest, SingleFileIsSplitOnceAndBackedUp) {
  write_file(folder / "todos.txt", "XXX um\r\ntexto\r\nXXX dois\r\n");
  auto r = run_import(input(true), pt());
  EXPECT_TRUE(r.split_done);
  EXPECT_EQ(r.pieces, (std::vector<Ansi>{Ansi("000001.txt"), Ansi("000002.txt")}));
  EXPECT_EQ(read_file(folder / "000001.txt"), "XXX um\r\ntexto\r\n");
  EXPECT_TRUE(fs::exists(folder / "Projeto.bak"));
  EXPECT_FALSE(fs::exists(folder / "todos.txt"));
  EXPECT_EQ(doc_names(), (std::vector<Ansi>{Ansi("000001.txt"), Ansi("000002.txt")}));

  // With the flag set, a later run does not split again.
  ImportInput again = input(true);
  again.split_done = true;
  write_file(folder / "000001.txt", "XXX novo\r\nXXX outro\r\n");
  auto r2 = run_import(again, pt());
  EXPECT_TRUE(r2.pieces.empty());
  EXPECT_EQ(doc_names(), (std::vector<Ansi>{Ansi("000001.txt"), Ansi("000002.txt")}));
}

TEST_F(ImportTest, SplitNeedsExactlyOneTextFileAndATakenBackupNameKeepsTheInput) {
  write_file(folder / "a.txt", "XXX a");
  write_file(folder / "b.txt", "XXX b");
  auto r = run_import(input(true), pt());
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0].text, "Confira a existencia de 0 ou mais de 1 arquivo no diretorio de textos! ");
  EXPECT_FALSE(r.split_done);
  EXPECT_EQ(doc_names(), (std::vector<Ansi>{Ansi("a.txt"), Ansi("b.txt")}));

  fs::remove(folder / "b.txt");
  write_file(folder / "Projeto.bak", "antigo");
  auto r2 = run_import(input(true), pt());
  EXPECT_TRUE(r2.split_done);
  EXPECT_EQ(read_file(folder / "Projeto.bak"), "antigo");
  EXPECT_EQ(doc_names(), (std::vector<Ansi>{Ansi("000001.txt"), Ansi("a.txt")}));
  // The collection is then listed twice: the run warns, naming both files.
  ASSERT_EQ(r2.messages.size(), 1u);
  EXPECT_EQ(r2.messages[0].kind, MessageKind::Warning);
  EXPECT_NE(r2.messages[0].text.find("\"Projeto.bak\""), std::string::npos) << r2.messages[0].text;
  EXPECT_NE(r2.messages[0].text.find("\"a.txt\""), std::string::npos) << r2.messages[0].text;
}

TEST_F(ImportTest, OwnReportAndNamesAListCannotHoldAreNotDocuments) {
  write_file(folder / "a.txt", "casa");
  write_file(folder / mining::report_text_name(), "relatório");
  write_file(folder / "Relatorio.txt", "um documento do usuário");
  write_file(folder / " b.txt", "bola");
  write_file(folder / "c\td.txt", "gol");
  auto r = run_import(input(), pt());
  EXPECT_EQ(doc_names(), (std::vector<Ansi>{Ansi("a.txt"), Ansi("Relatorio.txt")}));
  ASSERT_EQ(r.first.unusable.size(), 2u);
  EXPECT_EQ(r.first.unusable[0].name, " b.txt");
  EXPECT_EQ(r.first.unusable[1].name, "c\\td.txt");
  ASSERT_EQ(r.messages.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(r.messages[i].kind, MessageKind::Warning);
    EXPECT_EQ(r.messages[i].text, unusable_message(r.first.unusable[i]));
  }
  EXPECT_FALSE(fs::exists(folder / " b.lpl"));
}

TEST_F(ImportTest, MissingStopwordListStopsAfterTheDocumentList) {
  write_file(folder / "a.txt", "casa");
  ImportInput in = input();
  in.stopwords = dir / "falta.stw";
  EXPECT_THROW(run_import(in, pt()), Stop);
  EXPECT_TRUE(fs::exists(folder / "Projeto.ldc"));
}

TEST(DocLists, OpenWithThresholdMergeSaveAndRowsToNames) {
  TempDir dir;
  records::write_all<DocRecord>(dir / "l.ldc", {{Ansi("a.txt"), 0.25}, {Ansi("b.txt"), 0.75}});
  std::vector<DocRow> rows;
  include_doc_list(rows, dir / "l.ldc", Ansi("0,5"), kList1Decimals, pt());
  EXPECT_EQ(doc_row_lines(rows), (std::vector<Ansi>{Ansi("b.txt | 0,750000000")}));
  include_doc_list(rows, dir / "l.ldc", Ansi(""), kList2Decimals, pt());
  EXPECT_EQ(rows.size(), 3u);
  EXPECT_EQ(doc_row_line(rows[1]), Ansi("a.txt | 0,2500000"));
  rows.push_back({Ansi("solto.txt"), Ansi()});
  EXPECT_EQ(doc_row_line(rows[3]), Ansi("solto.txt"));
  save_doc_list(dir / "m.ldc", rows, pt());
  EXPECT_EQ(records::read_all<DocRecord>(dir / "m.ldc"),
            (std::vector<DocRecord>{{Ansi("b.txt"), 0.75}, {Ansi("a.txt"), 0.25}, {Ansi("b.txt"), 0.75},
                                    {Ansi("solto.txt"), 0}}));
  EXPECT_EQ(doc_list_title(Ansi("vendas.ldc")), Ansi("vendas"));
  EXPECT_EQ(doc_list_title(Ansi(" vendas ")), Ansi("vendas"));
  // A row to its document name.
  struct {
    const char* name;
    const char* document;
  } cases[] = {{"noticia1.txt", "noticia1.txt"},
               {"a.txt.bak", "a.txt"},
               {"NOTA.TXT", "NOTA.txt"},
               {" sem barra.txt ", "sem barra.txt"},
               {"x.doc", "x.doc"},
               {"a|b.txt", "a|b.txt"},
               {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(document_of(DocRow{Ansi(c.name), Ansi("0,5")}), Ansi(c.document)) << c.name;
}

std::string html(std::vector<std::string> utf8_lines) {
  std::vector<Ansi> lines;
  for (auto& l : utf8_lines) lines.push_back(to_ansi(l));
  return to_utf8(html_to_text(lines));
}

TEST(HtmlText, ConvertsPagesAsTheImportDoes) {
  struct {
    std::vector<std::string> lines;
    std::string text;
  } cases[] = {
      {{"a > b"}, " a > b "},
      {{"x <b>y</b> z"}, " x y z "},
      {{"antes <a <b> c> depois"}, " antes  depois "},
      {{"texto <sem fim", "mais"}, " texto "},
      {{"&quot;citação&quot;"}, " .citação. "},
      {{"&amp;amp;amp; &NBSP;x"}, " &  x "},
      {{"&Aacute;gua, a&ccedil;&atilde;o, p&ecirc;ra"}, " água, ação, pêra "},
      {{"&lt;b&gt; &#233;"}, " &lt;b&gt; &#233; "},
      {{"ÁRVORE Grande"}, " Árvore grande "},  // only A to Z are lowered
      {{"<html>", "<body>Um", "dois</body>"}, "   um  dois "},
      {{}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(html(c.lines), c.text) << c.text;
}

// The one-pass tag removal and entity decoding give, byte for byte, what
// the step-by-step procedure gives (searching from the start after every
// replacement, a search of the rest for every bracket).
TEST(HtmlText, MatchesTheLiteralProcedureOnRandomPages) {
  const char* pieces[] = {"<", ">", "<", ">", "&", ";", "&amp;", "amp;", "&AMP;", "&nbsp;", "&NbSp;", "&quot;",
                          "&ccedil;", "&Ccedil;", "&atilde;", "&ecirc;", "&amp", "&lt;", "nbsp", "a", "B", "z",
                          " ", "\xC1", "\xE7", "&aacute;", "&eacute", "&ocirc;;", "cedil;", "&&"};
  std::mt19937 rng(2024);
  for (int round = 0; round < 20000; ++round) {
    Ansi page;
    for (int n = rng() % 24; n > 0; --n) page += Ansi(pieces[rng() % std::size(pieces)]);
    ASSERT_EQ(remove_tags(page), literal::remove_tags(page)) << page;
    ASSERT_EQ(decode_entities(page), literal::decode_entities(page)) << page;
  }
}

TEST(HtmlText, ToolNamesByTheFirstDotConvertsEveryEntryAndTheLaterOneWins) {
  struct {
    const char* entry;
    const char* out;
  } cases[] = {{"pagina.html", "pagina.txt"}, {"relatorio.2004.htm", "relatorio.txt"}, {"semponto", "txt"},
               {" a.htm ", "a.txt"}};
  for (const auto& c : cases) EXPECT_EQ(html_tool_output_name(Ansi(c.entry)), Ansi(c.out)) << c.entry;
  // Every entry is converted; of two with one name the later wins.
  TempDir dir;
  write_file(dir / "a.htm", "<b>Primeiro</b>");
  write_file(dir / "a.html", "<i>Segundo</i>\r\n");
  write_file(dir / "B.HTM", "b");
  write_file(dir / "c.txt", "");
  auto entries = list_html_files(dir.path(), pt());
  EXPECT_EQ(entries, (std::vector<Ansi>{Ansi("a.htm"), Ansi("a.html"), Ansi("B.HTM")}));
  convert_html_entries(dir.path(), entries);
  EXPECT_EQ(read_file(dir / "a.txt"), " segundo \r\n");
  EXPECT_EQ(read_file(dir / "B.txt"), " b \r\n");
  EXPECT_THROW(convert_html_entries(dir.path(), {Ansi("falta.htm")}), Stop);
  EXPECT_EQ(save_entry_list(dir / "lista.txt", entries), dir / "lista.txt.txt");
  EXPECT_EQ(read_entry_list(dir / "lista.txt.txt"), entries);
}

std::vector<std::vector<std::string>> split(std::vector<std::string> lines, const char* sep) {
  std::vector<Ansi> in;
  for (auto& l : lines) in.push_back(to_ansi(l));
  std::vector<std::vector<std::string>> out;
  for (auto& d : split_documents(in, to_ansi(sep))) {
    out.emplace_back();
    for (auto& l : d) out.back().push_back(to_utf8(l));
  }
  return out;
}

TEST(Split, FollowsEverySeparatorRuleAndNumbersHaveSixDigitsUntilAMillion) {
  using D = std::vector<std::vector<std::string>>;
  struct {
    std::vector<std::string> lines;
    const char* sep;
    D docs;
  } cases[] = {
      {{"XXX um", "texto", "XXX dois"}, "XXX", {{"XXX um", "texto"}, {"XXX dois"}}},
      {{"antes", "XXX um", "texto"}, "XXX", {{"antes"}, {"XXX um", "texto"}}},
      {{"XXX a XXX b"}, "XXX", {{"XXX ", " a "}, {"XXX b"}}},
      {{"XXX a XXX b XXX c"}, "XXX", {{"XXX ", " a "}, {"XXX ", " b "}, {"XXX c"}}},
      {{"XXXa XXX"}, "XXX", {{"XXX ", "a "}, {"XXX"}}},
      {{"um", "fim XXX dois", "tres"}, "XXX", {{"um", "fim "}, {"XXX dois", "tres"}}},
      {{"um", "XXX"}, "XXX", {{"um"}, {"XXX"}}},
      {{"uma linha"}, "XXX", {{"uma linha"}}},
      {{"a", "XXX b"}, "", {{"a", "XXX b"}}},
      {{"xxx a", "XXX b"}, "XXX", {{"xxx a"}, {"XXX b"}}},  // case-sensitive
      {{}, "XXX", {{}}},
  };
  for (const auto& c : cases) EXPECT_EQ(split(c.lines, c.sep), c.docs) << c.lines.size() << c.sep;
  // Numbers have six digits until a million.
  EXPECT_EQ(document_number(1), Ansi("000001"));
  EXPECT_EQ(document_number(999999), Ansi("999999"));
  EXPECT_EQ(document_number(1000000), Ansi("1000000"));
}

TEST(Split, ToolWritesPrefixedPiecesBesideTheInputAndKeepsIt) {
  TempDir dir;
  write_file(dir / "todos.txt", cp1252("XXX um\r\nação\r\nXXX dois\r\n"));
  for (int run = 0; run < 2; ++run) {  // a second run overwrites the same pieces
    auto names = separate_documents(dir / "todos.txt", Ansi(" noticia- "), Ansi(" XXX "));
    EXPECT_EQ(names, (std::vector<Ansi>{Ansi("noticia-000001.txt"), Ansi("noticia-000002.txt")}));
  }
  EXPECT_EQ(read_file(dir / "noticia-000001.txt"), cp1252("XXX um\r\nação\r\n"));
  EXPECT_EQ(read_file(dir / "noticia-000002.txt"), "XXX dois\r\n");
  EXPECT_TRUE(fs::exists(dir / "todos.txt"));
  EXPECT_FALSE(fs::exists(dir / "noticia-000003.txt"));
}

// A file named like one of its own pieces would be replaced by it: the
// split is refused before anything is written.
TEST(Split, ToolRefusesToReplaceItsInput) {
  struct {
    const char* input;
    const char* prefix;
  } cases[] = {{"arq-000001.txt", "arq-"}, {"ARQ-000002.TXT", "arq-"}, {"000001.txt", ""}};
  for (const auto& c : cases) {
    TempDir dir;
    const std::string text = "XXX um\r\nXXX dois\r\n";
    write_file(dir / c.input, text);
    std::string stop = stop_text([&] { separate_documents(dir / c.input, Ansi(c.prefix), Ansi("XXX")); });
    EXPECT_NE(stop.find(std::string("\"") + c.input + "\""), std::string::npos) << stop;
    EXPECT_EQ(read_file(dir / c.input), text);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1) << c.input;
  }
}

}  // namespace
}  // namespace lumeral::preparation
