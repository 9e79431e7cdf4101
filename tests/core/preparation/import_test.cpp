#include <gtest/gtest.h>

#include <random>
#include <unordered_set>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/classification/rules.h"
#include "core/mining/mine.h"
#include "core/preparation/collection.h"
#include "core/preparation/doc_lists.h"
#include "core/preparation/html_page.h"
#include "core/preparation/html_text.h"
#include "core/preparation/import.h"
#include "core/preparation/office_text.h"
#include "core/preparation/split.h"
#include "core/preparation/stopword_lists.h"
#include "core/preparation/stopword_search.h"
#include "core/preparation/tokenizer.h"
#include "core/records/records.h"
#include "core/retrieval/term_automaton.h"
#include "core/shell/project_file.h"
#include "support/fixtures.h"
#include "support/literal.h"
#include "support/office_files.h"

namespace lumeral::preparation {
namespace {

using namespace lumeral::testing;
using records::DocRecord;
using records::WordRecord;

class ImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder);
    save_stopwords(stop, {Ansi("de"), Ansi("em"), Ansi("o")});
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
  EXPECT_EQ(records::weighted_row_lines(rows), (std::vector<Ansi>{Ansi("b.txt | 0,750000000")}));
  include_doc_list(rows, dir / "l.ldc", Ansi(""), kList2Decimals, pt());
  EXPECT_EQ(records::weighted_row_line(rows[1]), Ansi("a.txt | 0,2500000"));
  rows.push_back({Ansi("solto.txt"), Ansi()});
  EXPECT_EQ(records::weighted_row_line(rows[3]), Ansi("solto.txt"));
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
      {{"texto <sem fim", "mais"}, " texto "},
      {{"&quot;citação&quot;"}, " .citação. "},
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

const std::string kDocxBody =
    "<w:p><w:r><w:t>Eleições</w:t></w:r><w:r><w:t xml:space=\"preserve\"> em </w:t></w:r>"
    "<w:r><w:t>São Paulo</w:t></w:r></w:p>"
    "<w:p><w:r><w:t>a</w:t><w:tab/><w:t>b</w:t><w:br/><w:t>c</w:t></w:r></w:p>"
    "<w:tbl><w:tr><w:tc><w:p><w:r><w:t>célula 1</w:t></w:r></w:p></w:tc>"
    "<w:tc><w:p><w:r><w:t>célula 2</w:t></w:r></w:p></w:tc></w:tr></w:tbl>"
    "<w:p/>"
    "<w:p><w:del><w:r><w:delText>apagado</w:delText></w:r></w:del><w:r><w:t>fica</w:t></w:r></w:p>";

const std::string kOdtText =
    "<text:h text:outline-level=\"1\">Título</text:h>"
    "<text:p>um<text:s text:c=\"3\"/>dois<text:tab/>três<text:line-break/>quatro</text:p>\n"
    "<text:list><text:list-item><text:p>item 1</text:p><text:list><text:list-item><text:p>item 1.1</text:p>"
    "</text:list-item></text:list></text:list-item><text:list-item><text:p>item 2</text:p></text:list-item>"
    "</text:list>"
    "<table:table><table:table-row><table:table-cell><text:p>A1</text:p></table:table-cell>"
    "<table:table-cell><text:p>B1</text:p></table:table-cell></table:table-row></table:table>"
    "<text:p>com <text:span>estilo</text:span>   e\n espaços<text:note><text:note-citation>1</text:note-citation>"
    "<text:note-body><text:p>nota</text:p></text:note-body></text:note></text:p>";

TEST(OfficeText, ParagraphsBecomeLinesInReadingOrder) {
  TempDir dir;
  write_docx(dir / "a.docx", kDocxBody);
  write_odt(dir / "b.odt", kOdtText);
  struct Case {
    OfficeFormat format;
    fs::path file;
    std::vector<std::string> lines;
  } cases[] = {
      {OfficeFormat::Docx, dir / "a.docx",
       {"Eleições em São Paulo", "a\tb", "c", "célula 1", "célula 2", "", "fica"}},
      {OfficeFormat::Odt, dir / "b.odt",
       {"Título", "um   dois\ttrês", "quatro", "item 1", "item 1.1", "item 2", "A1", "B1", "com estilo e espaços"}},
  };
  for (const auto& c : cases) EXPECT_EQ(extract_office_text(c.format, c.file), c.lines) << c.file;
}

std::string repeat(const std::string& s, std::size_t n) {
  std::string out;
  out.reserve(s.size() * n);
  for (std::size_t i = 0; i < n; ++i) out += s;
  return out;
}

TEST(OfficeText, AnyDepthOfNestedElementsIsRead) {
  TempDir dir;
  const std::size_t n = 100000;
  write_docx(dir / "fundo.docx", "<w:p><w:r><w:t>antes</w:t></w:r></w:p>" + repeat("<w:x>", n) +
                                     "<w:p><w:r><w:t>dentro</w:t></w:r></w:p>" + repeat("</w:x>", n));
  write_docx(dir / "paragrafos.docx", repeat("<w:p><w:r><w:t>a</w:t></w:r>", 3) + repeat("</w:p>", 3));
  write_odt(dir / "fundo.odt", "<text:p>" + repeat("<text:span>", n) + "um  dois" + repeat("</text:span>", n) +
                                   "</text:p>");
  struct Case {
    OfficeFormat format;
    const char* name;
    std::vector<std::string> lines;
  } cases[] = {
      {OfficeFormat::Docx, "fundo.docx", {"antes", "dentro"}},
      // A paragraph inside another ends the text before it as a line.
      {OfficeFormat::Docx, "paragrafos.docx", {"a", "a", "a", "", ""}},
      {OfficeFormat::Odt, "fundo.odt", {"um dois"}},
  };
  for (const auto& c : cases) EXPECT_EQ(extract_office_text(c.format, dir / c.name), c.lines) << c.name;
}

TEST(OfficeText, ADocumentThatWouldGrowPastTheLimitIsRefusedNamingIt) {
  const std::size_t limit = document_size_limit(1);  // the smallest: 8 MB
  TempDir dir;
  // Its XML inflates past the limit; its tree does (tiny elements, each a
  // node of the parsed tree); its text does (a blank that stands for 1000).
  write_docx(dir / "xml.docx", "<w:p><w:r><w:t>" + std::string(limit, ' ') + "</w:t></w:r></w:p>");
  write_docx(dir / "arvore.docx", repeat("<w:x/>", limit / 8));
  write_odt(dir / "texto.odt", "<text:p>" + repeat("<text:s text:c=\"1000\"/>", limit / 1000 + 1) + "</text:p>");
  for (const auto& [format, name] : {std::pair{OfficeFormat::Docx, "xml.docx"}, {OfficeFormat::Docx, "arvore.docx"},
                                     {OfficeFormat::Odt, "texto.odt"}}) {
    const std::string said = stop_text([&] { extract_office_text(format, dir / name, limit); });
    for (const std::string& part : {std::string(name), std::string("grande demais"), std::string("8 MB")})
      EXPECT_NE(said.find(part), std::string::npos) << name << ": " << said;
  }
  // Under a larger limit the same files are read.
  EXPECT_EQ(extract_office_text(OfficeFormat::Docx, dir / "arvore.docx", kDefaultDocumentLimit).size(), 0u);
}

TEST(OfficeText, CharactersOutsideTheCodePageGetTheirClosestEquivalentAndAreCounted) {
  const StoredLines s = to_stored_lines({"“aspas” – ﬁm Łódź", "ok", "😀\xFF"});
  EXPECT_EQ(s.lines, (std::vector<Ansi>{to_ansi("“aspas” – fim Lódz"), Ansi("ok"), Ansi("??")}));
  EXPECT_EQ(s.replaced, 5u);  // ﬁ, Ł, ź, the emoji and the invalid byte (ó is in the code page)
}

TEST(OfficeText, UnreadableFilesStopWithAMessageNamingThem) {
  TempDir dir;
  write_file(dir / "lixo.docx", "isto não é um zip");
  write_zip(dir / "vazio.odt", {{"mimetype", "x"}});
  write_docx(dir / "quebrado.docx", "<w:p><w:r><w:t>sem fim");
  write_file(dir / "lixo.pdf", "%PDF-1.4\nnada aqui\n");
  // A password-protected ODT: its content encrypted by the format, as the
  // manifest says; a protected DOCX is a compound file, not a ZIP.
  write_zip(dir / "senha.odt", {{"content.xml", "\x8F\x01binario"},
                                {"META-INF/manifest.xml", "<manifest:encryption-data/>"}});
  write_file(dir / "senha.docx", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + "resto");
  struct Case {
    OfficeFormat format;
    const char* name;
    const char* says;
  } cases[] = {
      {OfficeFormat::Docx, "lixo.docx", "danificado"},
      {OfficeFormat::Odt, "vazio.odt", "danificado"},
      {OfficeFormat::Docx, "quebrado.docx", "danificado"},
      {OfficeFormat::Pdf, "lixo.pdf", "danificado"},
      {OfficeFormat::Pdf, "falta.pdf", "não existe"},
      {OfficeFormat::Odt, "senha.odt", "protegido por senha"},
      {OfficeFormat::Docx, "senha.docx", "protegido por senha"},
  };
  for (const auto& c : cases) {
    const std::string said = stop_text([&] { extract_office_text(c.format, dir / c.name); });
    EXPECT_NE(said.find(c.name), std::string::npos) << said;
    EXPECT_NE(said.find(c.says), std::string::npos) << said;
  }
  if (write_zip(dir / "cifrado.docx", {{"word/document.xml", "<w:document/>"}}, "segredo")) {
    EXPECT_NE(stop_text([&] { extract_docx(dir / "cifrado.docx"); }).find("protegido por senha"), std::string::npos);
  }
}

bool said(const ImportResult& r, const std::string& text) {
  for (const auto& m : r.messages)
    if (m.text.find(text) != std::string::npos) return true;
  ADD_FAILURE() << "no message says " << text;
  return false;
}

class OfficeImportTest : public ImportTest {
 protected:
  void SetUp() override {
    ImportTest::SetUp();
    write_docx(folder / "b.docx", "<w:p><w:r><w:t>Segundo documento</w:t></w:r></w:p>");
    write_docx(folder / "A.DOCX", "<w:p><w:r><w:t>Eleições em São Paulo ﬁm</w:t></w:r></w:p>");
    write_odt(folder / "nota.odt", "<text:p>Texto do LibreOffice</text:p>");
    write_file(folder / "quebrado.pdf", "%PDF-1.4 truncado");
    write_file(folder / "solto.txt", "texto simples");
  }
  ImportInput input(DocumentFormats formats) {
    ImportInput in = ImportTest::input();
    in.formats = formats;
    return in;
  }
};

TEST_F(OfficeImportTest, ConvertedDocumentsAreListedAndGetWordListsAndARerunGivesTheSameFiles) {
  const auto r = run_import(input(all_formats()), testing::pt());
  EXPECT_EQ(r.office_converted,
            (std::vector<Ansi>{Ansi("docx-000001.txt"), Ansi("docx-000002.txt"), Ansi("odt-000001.txt")}));
  EXPECT_EQ(doc_names(), (std::vector<Ansi>{Ansi("docx-000001.txt"), Ansi("docx-000002.txt"), Ansi("odt-000001.txt"),
                                            Ansi("solto.txt")}));
  EXPECT_EQ(read_file(folder / "docx-000001.txt"), cp1252("Eleições em São Paulo fim\r\n"));
  const auto words = records::read_all<records::WordRecord>(folder / "docx-000001.lpl");
  ASSERT_EQ(words.size(), 4u);  // "em" is a stopword
  EXPECT_EQ(words[0].word, to_ansi("eleições"));
  // One warning for the damaged PDF, one note for the replaced ligature.
  std::vector<std::string> texts;
  for (const auto& m : r.messages) texts.push_back(m.text);
  ASSERT_EQ(texts.size(), 2u) << ::testing::PrintToString(texts);
  EXPECT_NE(texts[0].find("A.DOCX"), std::string::npos);
  EXPECT_NE(texts[0].find(" 1 caractere"), std::string::npos);
  EXPECT_NE(texts[1].find("quebrado.pdf"), std::string::npos);

  const auto before = folder_snapshot(folder);
  const auto again = run_import(input(all_formats()), testing::pt());
  EXPECT_EQ(again.office_converted, r.office_converted);
  EXPECT_EQ(folder_snapshot(folder), before);
}

TEST_F(OfficeImportTest, ADocumentPastTheMemoryBudgetsShareIsSkippedAndTheOthersArePrepared) {
  write_docx(folder / "bomba.docx", "<w:p><w:r><w:t>" + std::string(9 * kMegabyte, 'a') + "</w:t></w:r></w:p>");
  ImportInput in = input(all_formats());
  in.memory_budget = 32 * kMegabyte;
  const auto r = run_import(in, testing::pt());
  EXPECT_EQ(r.office_converted,
            (std::vector<Ansi>{Ansi("docx-000001.txt"), Ansi("docx-000002.txt"), Ansi("odt-000001.txt")}));
  ASSERT_EQ(r.messages.size(), 3u);
  EXPECT_NE(r.messages[1].text.find("\"bomba.docx\" é grande demais"), std::string::npos) << r.messages[1].text;
  EXPECT_EQ(r.messages[1].kind, MessageKind::Warning);
}

TEST_F(OfficeImportTest, AUsersTextIsNeverOverwrittenAndADocumentWhoseSourceIsGoneIsRemoved) {
  write_file(folder / "docx-000001.txt", "meu texto\r\n");
  write_file(folder / "arq-000001.txt", "minha página\r\n");
  write_file(folder / "p.htm", "<p>pagina</p>");
  const auto users = [&] { return read_file(folder / "docx-000001.txt") + read_file(folder / "arq-000001.txt"); };
  const std::string before = users();
  auto r = run_import(input(all_formats()), testing::pt());
  // The first DOCX and the page take the first numbers past their lists.
  EXPECT_EQ(r.office_converted,
            (std::vector<Ansi>{Ansi("docx-000003.txt"), Ansi("docx-000002.txt"), Ansi("odt-000001.txt")}));
  EXPECT_EQ(r.converted, std::vector<Ansi>{Ansi("arq-000002.txt")});
  EXPECT_EQ(users(), before);
  EXPECT_TRUE(said(r, "2 textos desta pasta têm o nome que uma conversão tomaria"));
  const auto files = folder_snapshot(folder);
  r = run_import(input(all_formats()), testing::pt());
  EXPECT_EQ(folder_snapshot(folder), files);  // the same names again, nothing more said
  EXPECT_EQ(r.messages.size(), 2u);

  // Sources deleted: their documents go, the others keep their names.
  fs::remove(folder / "A.DOCX");
  fs::remove(folder / "p.htm");
  r = run_import(input(all_formats()), testing::pt());
  EXPECT_EQ(r.removed, (std::vector<Ansi>{Ansi("arq-000002.txt"), Ansi("docx-000003.txt")}));
  EXPECT_FALSE(fs::exists(folder / "docx-000003.lpl"));
  EXPECT_EQ(doc_names(), (std::vector<Ansi>{Ansi("arq-000001.txt"), Ansi("docx-000001.txt"), Ansi("docx-000002.txt"),
                                            Ansi("odt-000001.txt"), Ansi("solto.txt")}));
  EXPECT_TRUE(said(r, "2 documentos convertidos antes (como \"arq-000002.txt\", de \"p.htm\") foram apagados"));
  EXPECT_EQ(users(), before);
}

TEST_F(OfficeImportTest, AFolderPreparedBeforeSourcesWereRecordedHasItsConversionsWrittenAgain) {
  write_file(folder / "docx-000001.txt", "conversão antiga\r\n");
  write_document_list(folder, Ansi("Projeto"), {Ansi("docx-000001.txt")});
  run_import(input(all_formats()), testing::pt());
  EXPECT_EQ(read_file(folder / "docx-000001.txt"), cp1252("Eleições em São Paulo fim\r\n"));
}

TEST_F(OfficeImportTest, WithoutTheOptionOfficeFilesAreLeftAloneAndAloneTheyMakeAnEmptyFolder) {
  const auto r = run_import(input(formats_without_office()), testing::pt());
  EXPECT_TRUE(r.office_converted.empty());
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(doc_names(), std::vector<Ansi>{Ansi("solto.txt")});

  fs::remove(folder / "solto.txt");
  EXPECT_TRUE(run_import(input(formats_without_office()), testing::pt()).empty_folder);
  EXPECT_FALSE(run_import(input(all_formats()), testing::pt()).empty_folder);
}

// The two readings of a collection, side by side: the same page and the
// same text line read the classic way (as saved projects rely on) and the
// complete way (as a reader sees them); the complete reading of a folder of
// real-looking pages; what a processing run records beside its list.

std::vector<Ansi> tokens_of(const std::vector<Ansi>& lines, Reading reading) {
  std::vector<Ansi> all;
  for (const auto& l : lines)
    for (auto& t : tokenize(l, reading)) all.push_back(std::move(t));
  return all;
}

const char* const kPage =
    "<html><head><title>Guia</title><style>p{color:red}</style><script>var x=1;</script></head><body>"
    "<h1>\xC3\x9ALTIMA P\xC3\x81GINA</h1><p>ebook</p><p>anterior</p><div>pacotes<br>rede</div>"
    "<p>a &lt;b&gt; c &eacute; &#233; &mdash; fim</p></body></html>";

TEST(Reading, ThePageAndTheTextLineUnderBothReadings) {
  struct Row {
    const char* what;
    Reading reading;
    bool page;  // the page above, else the text line
    std::vector<Ansi> document;
    std::vector<Ansi> words;
  };
  const std::vector<Ansi> text_line = ansi_lines({"Índice de AÇÃO e É isso"});
  const Row rows[] = {
      {"page, classic", Reading::Classic, true,
       ansi_lines({" guiap{color:red}var x=1;Última pÁginaebookanteriorpacotesredea &lt;b&gt; c é &#233; &mdash; fim "}),
       ansi_lines({"guiap", "color", "red", "var", "x", "1", "ltima", "p", "ginaebookanteriorpacotesredea", "lt", "b",
                   "gt", "c", "é", "233", "mdash", "fim"})},
      {"page, complete", Reading::Complete, true,
       ansi_lines({"Guia", "ÚLTIMA PÁGINA", "ebook", "anterior", "pacotes", "rede", "a <b> c é é — fim"}),
       ansi_lines({"guia", "última", "página", "ebook", "anterior", "pacotes", "rede", "a", "b", "c", "é", "é", "fim"})},
      {"text, classic", Reading::Classic, false, text_line,
       ansi_lines({"ndice", "de", "a", "o", "e", "É", "isso"})},
      {"text, complete", Reading::Complete, false, text_line,
       ansi_lines({"índice", "de", "ação", "e", "é", "isso"})},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    std::vector<Ansi> document = r.document;
    if (r.page) {
      const std::string page = kPage;
      document = r.reading == Reading::Classic ? std::vector<Ansi>{html_to_text(split_lines(to_ansi(page)))}
                                               : read_html_page(page).lines;
      EXPECT_EQ(document, r.document);
    }
    EXPECT_EQ(tokens_of(document, r.reading), r.words);
  }
}

TEST(Reading, LettersLowerAndStopwordsFollowTheReading) {
  // Every capital of Windows-1252 has its small letter under the complete
  // reading; the classic one lowers A to Z only.
  const Ansi capitals = to_ansi("ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞŠŒŽŸ");
  const Ansi small = to_ansi("àáâãäåæçèéêëìíîïðñòóôõöøùúûüýþšœžÿ");
  EXPECT_EQ(lower(Reading::Complete, capitals), small);
  EXPECT_EQ(lower(Reading::Classic, capitals), capitals);
  EXPECT_EQ(tokenize(capitals + Ansi(" ") + small, Reading::Complete), (std::vector<Ansi>{small, small}));
  for (const char* separator : {"×", "÷", "«", "»", "–", "—", "·", "¿"})
    EXPECT_FALSE(is_word_char(static_cast<unsigned char>(to_ansi(separator)[0]), Reading::Complete)) << separator;

  // "É" is the stopword "é"; a list out of collation order still finds
  // its words (the classic search may miss them, as it always did).
  const std::vector<Ansi> list = ansi_lines({"zero", "é", "de", "a"});
  const StopwordSearch complete(list, pt(), Reading::Complete);
  for (const char* w : {"é", "de", "a", "zero"}) EXPECT_TRUE(complete.contains(to_ansi(w))) << w;
  EXPECT_FALSE(complete.contains(to_ansi("ação")));
  const StopwordSearch capital_entry(ansi_lines({"É"}), pt(), Reading::Complete);
  EXPECT_TRUE(capital_entry.contains(to_ansi("é")));
}

TEST(Reading, RulesAndRetrievalLowerEveryCapitalUnderTheCompleteReading) {
  using classification::RuleSet;
  // A rule on "última" and "rede" in one sentence: under the complete
  // reading "ÚLTIMA" is "última", and the line end between two paragraphs
  // keeps their words apart.
  const Ansi text = to_ansi("ÚLTIMA versão\r\nrede nova. Fim.");
  for (Reading reading : {Reading::Classic, Reading::Complete}) {
    RuleSet rules;
    rules.use_reading(reading);
    rules.add(0, classification::parse_rule(to_ansi("última rede"), reading));
    rules.add(1, classification::parse_rule(to_ansi("versão"), reading));
    std::vector<double> counts(2, 0.0);
    RuleSet::Scratch scratch;
    rules.count(text, counts, scratch);
    EXPECT_EQ(counts[0], reading == Reading::Complete ? 1.0 : 0.0);
    EXPECT_EQ(counts[1], reading == Reading::Complete ? 1.0 : 0.0);  // classic: "versãorede"
  }
  const retrieval::TermAutomaton classic({to_ansi("última")}, Reading::Classic);
  const retrieval::TermAutomaton complete({to_ansi("última")}, Reading::Complete);
  std::vector<char> found;
  EXPECT_EQ(classic.find(to_ansi("ÚLTIMA"), found, 1), 0u);
  EXPECT_EQ(complete.find(to_ansi("ÚLTIMA"), found, 1), 1u);
}

// Pages as sites write them, with the text a reader sees.
struct Page {
  const char* name;
  std::string bytes;
  std::vector<Ansi> text;
};

std::vector<Page> real_looking_pages() {
  return {
      {"guia-rede.html",
       cp1252("<!DOCTYPE html>\n<html><head>\n"
              "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\n"
              "<title>Configura\xC3\xA7\xC3\xA3o da rede</title>\n<link rel=stylesheet href=x.css>\n"
              "<script type=\"text/javascript\">if (a < b && c > d) document.write('<p>x</p>');</script>\n"
              "</head><body><!-- menu <p>escondido</p> -->\n"
              "<h2>SE\xC3\x87\xC3\x83O 1</h2><p>O <b>servidor</b> usa a <a href=\"#p\">porta</a> 80&nbsp;e "
              "n\xC3\xA3o a 8080&hellip;</p>\n"
              "<table><tr><th>Nome</th><th>Valor</th></tr>\n<tr><td>rede</td><td><table><tr><td>interna</td>"
              "<td>externa</td></tr></table></td></tr></table>\n"
              "<ul><li>primeiro<li>segundo</ul><noscript>ative o JavaScript</noscript></body></html>\n"),
       ansi_lines({"Configuração da rede", "SEÇÃO 1", "O servidor usa a porta 80 e não a 8080…", "Nome Valor",
                   "rede", "interna externa", "primeiro", "segundo"})},
      {"euro.htm",
       std::string("<html><head><meta charset=\"ISO-8859-15\"><title>Pre\xE7o</title></head>\n"
                   "<body><p>Custa 5 \xA4 &ndash; &#x201C;barato&#8221;</p><pre>linha 1\nlinha  2</pre>"
                   "<p>Ol\xE1</p></body></html>"),
       ansi_lines({"Preço", "Custa 5 € – “barato”", "linha 1", "linha 2", "Olá"})},
      {"sem-declaracao.html",
       std::string("<p>cora\xC3\xA7\xC3\xA3o &amp; ra&shy;z\xC3\xA3o<br>\xC5\x81\xC3\xB3" "d\xC5\xBA</p>"
                   "<p>fi\xE2\x80\x8Bm <span>de</span><span>le</span></p>"),
       ansi_lines({"coração & razão", "Lódz", "fim dele"})},
  };
}

TEST(Reading, RealLookingPagesGiveTheTextAReaderSees) {
  for (const auto& p : real_looking_pages()) {
    SCOPED_TRACE(p.name);
    EXPECT_EQ(read_html_page(p.bytes).lines, p.text);
  }
  // An empty page (an empty file in the folder) is an empty document.
  EXPECT_TRUE(read_html_page("").lines.empty());
  // Control characters, a wide space and a syllable the code page lacks
  // (stored as "nan ") at the ends of paragraphs: no blank is left at either
  // end and a paragraph of blanks is no line.
  EXPECT_EQ(read_html_page("<p>\x01um dois\x7F</p><p>\xE2\x80\x83</p><p>tr\xC3\xAAs \xE5\x8D\x97</p>").lines,
            ansi_lines({"um dois", "três nan"}));
  EXPECT_EQ(declared_charset("<meta charset='Windows-1252'>"), "windows-1252");
  EXPECT_EQ(declared_charset("<META HTTP-EQUIV=\"content-type\" CONTENT=\"text/html;charset=utf-8\">"), "utf-8");
  EXPECT_EQ(declared_charset("<p>charset=utf-8</p>"), "");
}

class ReadingImport : public ImportTest {
 protected:
  void SetUp() override {
    ImportTest::SetUp();
    for (const auto& p : real_looking_pages()) write_file(folder / p.name, p.bytes);
    write_file(folder / "nota.txt", "texto\r\n");
    write_file(folder / "ata.pdf", "%PDF-1.4 sem texto");
  }
  ImportResult run(Reading reading) {
    ImportInput in = input();
    in.reading = reading;
    return run_import(in, pt());
  }
};

TEST_F(ReadingImport, DocumentsLeadBackToTheirSourcesAndTheReadingIsRecorded) {
  // The reading recorded and the PDF the default formats leave out, told
  // with how to include it: the command line's `prepare` tests.
  run(Reading::Complete);
  EXPECT_EQ(doc_names(), ansi_lines({"euro.htm.txt", "guia-rede.html.txt", "nota.txt", "sem-declaracao.html.txt"}));
  EXPECT_EQ(read_document_lines(folder / "euro.htm.txt"), real_looking_pages()[1].text);
  EXPECT_EQ(read_sources(folder), (std::vector<SourceEntry>{{Ansi("euro.htm.txt"), Ansi("euro.htm")},
                                                            {Ansi("guia-rede.html.txt"), Ansi("guia-rede.html")},
                                                            {Ansi("sem-declaracao.html.txt"), Ansi("sem-declaracao.html")}}));
  EXPECT_EQ(records::read_all<records::WordRecord>(folder / "guia-rede.html.lpl").at(0).word, to_ansi("configuração"));

  // Back to the classic reading: numbered names, the conversions named
  // after their sources are gone (their sources are converted again), and
  // the sources file still leads back.
  ImportResult classic = run(Reading::Classic);
  EXPECT_EQ(doc_names(), ansi_lines({"arq-000001.txt", "arq-000002.txt", "arq-000003.txt", "nota.txt"}));
  EXPECT_EQ(classic.removed.size(), 3u);
  EXPECT_FALSE(fs::exists(folder / "guia-rede.html.lpl"));
  EXPECT_EQ(SourceNames(folder).of(Ansi("arq-000002.mtz")), Ansi("guia-rede.html"));
}

TEST_F(ReadingImport, ANameTakenByAUserTextIsNotOverwritten) {
  write_file(folder / "euro.htm.txt", "meu texto\r\n");
  run(Reading::Complete);
  EXPECT_EQ(read_file(folder / "euro.htm.txt"), "meu texto\r\n");
  EXPECT_EQ(read_document_lines(folder / "euro.htm (2).txt"), real_looking_pages()[1].text);
  run(Reading::Complete);  // stable: the same names again
  EXPECT_FALSE(fs::exists(folder / "euro.htm (3).txt"));
  EXPECT_EQ(SourceNames(folder).of(Ansi("euro.htm (2).txt")), Ansi("euro.htm"));
  // Names the companion rule would cut, or that no list can hold, keep the
  // numbered name.
  const std::unordered_set<Ansi> none;
  EXPECT_EQ(source_document_name(Ansi("notas.txt.html"), none, Ansi()), Ansi());
  EXPECT_EQ(source_document_name(Ansi(" x.html"), none, Ansi()), Ansi());
  EXPECT_EQ(source_document_name(Ansi(252, 'a'), none, Ansi()), Ansi());
}

TEST(Reading, TheProjectFileKeepsTheReadingAndAnOldFileIsClassic) {
  TempDir dir;
  write_project(dir / "T.ini", [](shell::ProjectSettings& s) { s.reading = Reading::Complete; });
  EXPECT_EQ(shell::read_project_file(dir / "T.ini").reading, Reading::Complete);
  write_file(dir / "T.ini", "[NOME]\r\nnome=T\r\n[IDIOMA_TEXTOS]\r\nidioma_textos=0\r\n[LUGAR_TEXTOS]\r\nlugar_textos=1\r\n"
                            "[LEITURA]\r\nleitura=moderna\r\n");
  EXPECT_THROW(shell::read_project_file(dir / "T.ini"), Stop);
  write_file(dir / kReadingFile, "[LEITURA]\r\nleitura=Completa\r\n");
  EXPECT_EQ(recorded_reading(dir.path()), Reading::Complete);
  EXPECT_EQ(recorded_reading(dir / "outra"), std::nullopt);
}

}  // namespace
}  // namespace lumeral::preparation
