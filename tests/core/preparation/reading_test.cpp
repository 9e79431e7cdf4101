// The two readings of a collection, side by side: the same page and the
// same text line read the classic way (as saved projects rely on) and the
// complete way (as a reader sees them); the complete reading of a folder of
// real-looking pages; what a processing run records beside its list.
#include <gtest/gtest.h>

#include <unordered_set>

#include "core/base/message.h"
#include "core/base/text.h"
#include "core/classification/rules.h"
#include "core/preparation/collection.h"
#include "core/preparation/html_page.h"
#include "core/preparation/html_text.h"
#include "core/preparation/import.h"
#include "core/preparation/stopword_lists.h"
#include "core/preparation/stopword_search.h"
#include "core/preparation/tokenizer.h"
#include "core/records/records.h"
#include "core/retrieval/term_automaton.h"
#include "core/shell/project_file.h"
#include "support/fixtures.h"

namespace lumeral::preparation {
namespace {

using namespace lumeral::testing;

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

class ReadingImport : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder);
    save_stopwords(stop, {Ansi("de")});
    for (const auto& p : real_looking_pages()) write_file(folder / p.name, p.bytes);
    write_file(folder / "nota.txt", "texto\r\n");
    write_file(folder / "ata.pdf", "%PDF-1.4 sem texto");
  }
  ImportResult run(Reading reading) {
    ImportInput in;
    in.folder = folder;
    in.title = Ansi("P");
    in.stopwords = stop;
    in.reading = reading;
    return run_import(in, pt());
  }
  std::vector<Ansi> listed() { return listed_documents(folder / "P.ldc"); }
  TempDir dir;
  fs::path folder = dir / "proj";
  fs::path stop = dir / "s.stw";
};

TEST_F(ReadingImport, DocumentsLeadBackToTheirSourcesAndTheReadingIsRecorded) {
  // The reading recorded and the PDF the default formats leave out, told
  // with how to include it: the command line's `prepare` tests.
  run(Reading::Complete);
  EXPECT_EQ(listed(), ansi_lines({"euro.htm.txt", "guia-rede.html.txt", "nota.txt", "sem-declaracao.html.txt"}));
  EXPECT_EQ(read_document_lines(folder / "euro.htm.txt"), real_looking_pages()[1].text);
  EXPECT_EQ(read_sources(folder), (std::vector<SourceEntry>{{Ansi("euro.htm.txt"), Ansi("euro.htm")},
                                                            {Ansi("guia-rede.html.txt"), Ansi("guia-rede.html")},
                                                            {Ansi("sem-declaracao.html.txt"), Ansi("sem-declaracao.html")}}));
  EXPECT_EQ(records::read_all<records::WordRecord>(folder / "guia-rede.html.lpl").at(0).word, to_ansi("configuração"));

  // Back to the classic reading: numbered names, the conversions named
  // after their sources are gone (their sources are converted again), and
  // the sources file still leads back.
  ImportResult classic = run(Reading::Classic);
  EXPECT_EQ(listed(), ansi_lines({"arq-000001.txt", "arq-000002.txt", "arq-000003.txt", "nota.txt"}));
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
  shell::ProjectSettings s;
  s.title = Ansi("T");
  s.project_folder = to_ansi(dir.path().string());
  s.reading = Reading::Complete;
  shell::write_project_file(dir / "T.ini", s);
  EXPECT_EQ(shell::read_project_file(dir / "T.ini"), s);
  write_file(dir / "T.ini", "[NOME]\r\nnome=T\r\n[IDIOMA_TEXTOS]\r\nidioma_textos=0\r\n[LUGAR_TEXTOS]\r\nlugar_textos=1\r\n"
                            "[LEITURA]\r\nleitura=moderna\r\n");
  EXPECT_THROW(shell::read_project_file(dir / "T.ini"), Stop);
  write_file(dir / kReadingFile, "[LEITURA]\r\nleitura=Completa\r\n");
  EXPECT_EQ(recorded_reading(dir.path()), Reading::Complete);
  EXPECT_EQ(recorded_reading(dir / "outra"), std::nullopt);
}

}  // namespace
}  // namespace lumeral::preparation
