#include <gtest/gtest.h>

#include <random>

#include "core/base/message.h"
#include "core/base/text.h"
#include "core/records/records.h"
#include "core/records/weighted.h"
#include "core/retrieval/boolean.h"
#include "core/retrieval/similar.h"
#include "core/retrieval/term_automaton.h"
#include "core/retrieval/text_viewer.h"
#include "core/summaries/sentences.h"
#include "support/fixtures.h"

namespace lumeral::retrieval {
namespace {

using namespace lumeral::testing;
using records::DocRecord;
using records::WordRecord;

std::vector<DocRecord> list_of(std::initializer_list<const char*> names) {
  std::vector<DocRecord> r;
  for (auto n : names) r.push_back({Ansi(n), 0});
  return r;
}

std::vector<Ansi> search(const fs::path& list, std::vector<Ansi> query, bool any) {
  Listing r = boolean_search(list, query, any);
  EXPECT_FALSE(r.stop);
  return r.lines;
}

TEST(BooleanSearch, SentencesLinesAndSubstrings) {
  TempDir dir;
  write_file(dir / "copa.txt", "O jogo da Copa\r\ndo Mundo foi bom.\r\n");
  write_file(dir / "ponto.txt", "A copa. do mundo\r\n");
  write_file(dir / "casamento.txt", "O casamento foi lindo\n");
  write_file(dir / "bola.txt", "Chutou a bola. Fez o gol.");
  write_file(dir / "acento.txt", cp1252("A ÁGUA mole\r\n"));
  // UTF-8 with a byte-order mark: read through the shared reader, whose
  // other encodings the encoding test checks.
  write_file(dir / "utf8.txt", "\xEF\xBB\xBF" "A ÁGUA\r\nviva.");
  records::write_all(dir / "l.ldc",
                     list_of({"copa.txt", "ponto.lpl", " casamento.txt ", "bola.txt", "acento.txt", "UTF8.TXT"}));
  struct {
    std::vector<Ansi> query;
    bool any;
    std::vector<Ansi> expected;
  } cases[] = {
      {{"casa"}, false, {"casamento.txt"}},
      {{"  ", "", "GOL  "}, false, {"bola.txt"}},
      {{}, false, {"copa.txt", "ponto.txt", "casamento.txt", "bola.txt", "acento.txt", "UTF8.txt"}},
      {{"", "   "}, true, {}},
      {{from_bytes(cp1252("água"))}, false, {}},          // accented capitals are not lowered
      {{from_bytes(cp1252("ÁGUA"))}, false, {"acento.txt", "UTF8.txt"}},
      {{from_bytes(cp1252("água viva."))}, false, {}},
      {{from_bytes(cp1252("ÁGUA viva."))}, false, {"UTF8.txt"}},
      {{"lindo", "foi bom"}, true, {"copa.txt", "casamento.txt"}},
  };
  for (const auto& c : cases) EXPECT_EQ(search(dir / "l.ldc", c.query, c.any), c.expected) << c.query.size();
}

// A missing text file (its message, the results before it kept): the
// command line's `boolean` test.
TEST(BooleanSearch, NoListSearchesNothing) {
  Listing r = boolean_search("", {"a", "", "  ", "b"}, false);
  EXPECT_TRUE(r.lines.empty());
  EXPECT_FALSE(r.stop);
  EXPECT_EQ(boolean_query({"a", "", "  ", "b"}), (std::vector<Ansi>{"a", "b"}));
}

// Random texts and terms over a small alphabet, so terms overlap, nest and
// share prefixes and suffixes (what failure links must get right); the
// alphabet holds capitals, an accented capital, blanks, line ends and both
// sentence marks.
Ansi random_text(std::mt19937& rng, const std::string& alphabet, int max_len) {
  Ansi s;
  int n = std::uniform_int_distribution<int>(0, max_len)(rng);
  for (int i = 0; i < n; ++i) s += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
  return s;
}

// The rule as stated: every term against the lowered text, or against every
// sentence of it, by plain substring search.
std::vector<char> expected_in_text(AnsiView text, const std::vector<Ansi>& terms) {
  Ansi lowered = lower_az(text);
  std::vector<char> found;
  for (const auto& t : terms) found.push_back(lowered.find(t) != Ansi::npos);
  return found;
}

std::vector<char> expected_in_sentences(AnsiView text, const std::vector<Ansi>& terms) {
  std::vector<char> found(terms.size(), 0);
  summaries::SentenceSplitter splitter(true);
  splitter.text(lower_az(text), [&](AnsiView sentence) {
    for (std::size_t t = 0; t < terms.size(); ++t)
      if (sentence.find(terms[t]) != AnsiView::npos) found[t] = 1;
  });
  return found;
}

// The search answers exactly what testing every term against every
// sentence answers, whatever shortcut it takes.
TEST(BooleanSearch, AgreesWithTheSentenceBySentenceRule) {
  TempDir dir;
  std::mt19937 rng(11);
  const char* pieces[] = {"copa", "Copa", "do", "mundo", ".", "?", " ", " ", "\r\n", "\n", "bola", "gol", "\t"};
  std::vector<DocRecord> list;
  std::vector<Ansi> texts;
  for (int d = 0; d < 60; ++d) {
    std::string t;
    int k = std::uniform_int_distribution<int>(0, 30)(rng);
    for (int i = 0; i < k; ++i) t += pieces[std::uniform_int_distribution<int>(0, 12)(rng)];
    std::string name = "d" + std::to_string(d) + ".txt";
    write_file(dir / name, t);
    list.push_back({Ansi(name.c_str()), 0});
    texts.push_back(lower_az(from_bytes(t)));
  }
  records::write_all(dir / "l.ldc", list);
  std::vector<std::vector<Ansi>> queries = {
      {"copa do"}, {"copa", "mundo"}, {"do mundo"}, {"mundo."}, {"bola", "gol?"}, {"copa\tdo"}, {"o m"}, {". "}};
  // And random queries of words, phrases and marks, several terms each.
  const char* words[] = {"copa", "do", "mundo", "bola", "gol", "o", "a m", "do mundo", "gol.", "?", "a", "la"};
  for (int q = 0; q < 40; ++q) {
    std::vector<Ansi> query;
    int k = std::uniform_int_distribution<int>(1, 4)(rng);
    for (int i = 0; i < k; ++i) query.push_back(words[std::uniform_int_distribution<int>(0, 11)(rng)]);
    queries.push_back(query);
  }
  for (const auto& q : queries) {
    std::vector<Ansi> terms;
    for (const auto& t : q) terms.push_back(lower_az(trim(t)));
    for (bool any : {false, true}) {
      std::vector<Ansi> expected;
      for (std::size_t d = 0; d < texts.size(); ++d) {
        const auto found = expected_in_sentences(texts[d], terms);
        const auto n = static_cast<std::size_t>(std::count(found.begin(), found.end(), 1));
        if (any ? n > 0 : n == q.size()) expected.push_back(list[d].name);
      }
      EXPECT_EQ(search(dir / "l.ldc", q, any), expected) << q[0] << any;
    }
  }
}

TEST(BooleanQueryFiles, SavedLoweredTrimmedCutAndLoaded) {
  TempDir dir;
  std::string fifty = "ABCDEFGHIJ" + std::string(40, 'x');
  save_query(dir / "q.csb", {"  Copa do Mundo ", "", Ansi(fifty.c_str())});
  EXPECT_EQ(load_query(dir / "q.csb"), (std::vector<Ansi>{"copa do mundo", "", Ansi(("abcdefghij" + std::string(30, 'x')).c_str())}));

  records::write_all<records::ContextRecord>(dir / "c.ctt", {{" bola ", 1}, {"gol de placa", 0.5}});
  EXPECT_EQ(context_query_lines(dir / "c.ctt"), (std::vector<Ansi>{"bola", "gol de placa"}));
  EXPECT_EQ(stop_text([&] { context_query_lines(dir / "nada.ctt"); }), "arquivo nada.ctt não existe");

  save_result_as_doc_list(dir / "r.ldc", {" a.txt ", "b.txt"});
  EXPECT_EQ(records::read_all<DocRecord>(dir / "r.ldc"), (std::vector<DocRecord>{{"a.txt", 0}, {"b.txt", 0}}));
}

TEST(TermAutomaton, FindsWhatSubstringSearchFinds) {
  std::mt19937 rng(7);
  const std::string text_alphabet = std::string("abAB. ?\r\n\t") + "\xC1";
  const std::string term_alphabet = std::string("ab. ?\t") + "\xC1";
  for (int round = 0; round < 3000; ++round) {
    std::vector<Ansi> terms;
    int k = std::uniform_int_distribution<int>(1, 6)(rng);
    for (int i = 0; i < k; ++i) {
      Ansi t = random_text(rng, term_alphabet, 4);
      if (t.empty()) t = Ansi("a");
      terms.push_back(t);
    }
    TermAutomaton automaton(terms);
    Ansi text = random_text(rng, text_alphabet, 40);
    std::vector<char> found;
    const auto in_text = expected_in_text(text, terms);
    const auto in_sentences = expected_in_sentences(text, terms);
    std::size_t n = automaton.find(text, found, terms.size());
    EXPECT_EQ(found, in_text) << text;
    EXPECT_EQ(n, static_cast<std::size_t>(std::count(in_text.begin(), in_text.end(), 1)));
    n = automaton.find_in_sentences(text, found, terms.size());
    EXPECT_EQ(found, in_sentences) << text;
    EXPECT_EQ(n, static_cast<std::size_t>(std::count(in_sentences.begin(), in_sentences.end(), 1)));
    // Stopping at the first term found answers "at least one" the same way.
    bool any = std::count(in_sentences.begin(), in_sentences.end(), 1) > 0;
    EXPECT_EQ(automaton.find_in_sentences(text, found, 1) >= 1, any) << text;
  }
}

TEST(TermAutomaton, RepeatedEmptyAndHighBytes) {
  // The same term twice is two terms; an empty term is in every text; a
  // query using all 256 byte values still builds.
  TermAutomaton twice({"casa", "casa", ""});
  std::vector<char> found;
  EXPECT_EQ(twice.find("O CASAMENTO", found, 3), 3u);
  EXPECT_EQ(found, (std::vector<char>{1, 1, 1}));
  EXPECT_EQ(twice.find_in_sentences("", found, 3), 1u);
  EXPECT_EQ(found, (std::vector<char>{0, 0, 1}));

  Ansi every;
  for (int b = 1; b < 256; ++b) every += static_cast<char>(b);
  TermAutomaton wide({every, "\xFF\xFE"});
  EXPECT_EQ(wide.find(Ansi("x\xFF\xFEy"), found, 2), 1u);
  EXPECT_EQ(found, (std::vector<char>{0, 1}));
}

class SimilarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    write_file(dir / "caso.txt", "O caso.\r\nSegunda linha\r\n");
    records::write_all<WordRecord>(dir / "caso.lpl", {{"casa", 0.25}, {"rio", 0.5}});
    records::write_all<WordRecord>(dir / "x.lpl", {{"casa", 0.5}, {"bola", 0.2}});  // 0.2917
    records::write_all<WordRecord>(dir / "y.lpl", {{"rua", 0.5}});                   // 0
    records::write_all<WordRecord>(dir / "z.lpl", {{"casa", 0.25}, {"rio", 0.5}});  // 1
    records::write_all<DocRecord>(dir / "cmp.ldc", {{"x.txt", 0}, {"y.lpl", 0}, {"z.txt", 0}});
  }
  TempDir dir;
};

TEST_F(SimilarTest, OneCaseRankedHighestFirst) {
  SimilarListing r = retrieve_one(dir / "cmp.ldc", dir / "caso.txt", {}, pt());
  EXPECT_EQ(similar_lines(r.rows), (std::vector<Ansi>{"z. | 1,000000", "x. | 0,194444", "y. | 0,000000"}));
  EXPECT_EQ(case_text(dir / "caso.txt"), (std::vector<Ansi>{"O caso.", "Segunda linha"}));
  EXPECT_TRUE(case_text(dir / "nenhum.txt").empty());
  r = retrieve_one(dir / "cmp.ldc", dir / "caso.txt", {SimilarMethod::Words, false}, pt());
  EXPECT_EQ(similar_lines(r.rows), (std::vector<Ansi>{"z. | 1,000000", "x. | 0,333333", "y. | 0,000000"}));
}

TEST_F(SimilarTest, ContextualDividesDegreesBy100) {
  records::write_all<WordRecord>(dir / "caso.mtz", {{"economia", 40}, {"esporte", 0}});
  records::write_all<WordRecord>(dir / "x.mtz", {{"economia", 40}});
  records::write_all<WordRecord>(dir / "y.mtz", {{"economia", 20}, {"esporte", 10}});
  records::write_all<WordRecord>(dir / "z.mtz", {{"politica", 40}});
  SimilarListing r = retrieve_one(dir / "cmp.ldc", dir / "caso.txt", {SimilarMethod::Contextual, true}, pt());
  // y: s(0.2, 0.4) = 0.625 over 2 + 1 - 1.
  EXPECT_EQ(similar_lines(r.rows), (std::vector<Ansi>{"x. | 1,000000", "y. | 0,312500", "z. | 0,000000"}));
}

TEST_F(SimilarTest, MissingListsStop) {
  EXPECT_EQ(listing_stop([&] { return retrieve_one("", dir / "caso.txt", {}, pt()).listing(); }),
            "Selecionar antes uma lista de docs");
  write_file(dir / "semext", "x");
  EXPECT_EQ(listing_stop([&] { return retrieve_one(dir / "cmp.ldc", dir / "semext", {}, pt()).listing(); }),
            "Criar lista de palavras para o caso");
  EXPECT_EQ(listing_stop([&] {
              return retrieve_one(dir / "cmp.ldc", dir / "caso.txt", {SimilarMethod::Contextual, true}, pt()).listing();
            }),
            "Classificar caso antes");
  fs::remove(dir / "y.lpl");
  SimilarListing r = retrieve_one(dir / "cmp.ldc", dir / "caso.txt", {}, pt());
  ASSERT_TRUE(r.stop);
  EXPECT_EQ(r.stop->text, "Criar lista de palavras para docs da lista");
  EXPECT_EQ(r.rows, (std::vector<SimilarRow>{{"x.", "0,194444"}}));  // made before the stop
  records::write_all<WordRecord>(dir / "caso.mtz", {{"economia", 40}});
  EXPECT_EQ(listing_stop([&] {
              return retrieve_one(dir / "cmp.ldc", dir / "caso.txt", {SimilarMethod::Contextual, true}, pt()).listing();
            }),
            "Fazer classificação da lista de docs");
}

TEST_F(SimilarTest, ListOfCasesWritesTheReport) {
  records::write_all<WordRecord>(dir / "t2.lpl", {{"bola", 0.2}, {"casa", 0.5}});
  records::write_all<DocRecord>(dir / "testes.ldc", {{"caso.txt", 0}, {"t2.txt", 0}});
  auto now = std::chrono::system_clock::now();
  SimilarListing r = retrieve_cases(dir / "cmp.ldc", dir / "testes.ldc", dir / "rel.txt", {}, pt(), now);
  std::string when = pt().short_date(now) + " " + pt().time_text(now);
  std::string expected = "lista de docs= " + (dir / "testes.ldc").string() +
                         "\r\n" + testing::cp1252("método por palavra") +
                         "\r\nsim, considera pesos\r\n" + testing::cp1252("função fuzzy") + "\r\n" + when + "\r\n" +
                         std::string(23, '-') + "\r\n1. caso.txt => z. | 1,000000\r\n2. t2.txt => x. | 1,000000\r\n" +
                         std::string(17, '-') + "\r\n" + when + "\r\n";
  EXPECT_EQ(testing::read_file(dir / "rel.txt"), expected);
  EXPECT_EQ(r.rows[0], (SimilarRow{"x.", "1,000000"}));  // the last test document's results

  // Ties with the best are listed under it.
  records::write_all<DocRecord>(dir / "cmp2.ldc", {{"z.txt", 0}, {"x.txt", 0}, {"z.txt", 0}});
  records::write_all<DocRecord>(dir / "um.ldc", {{"caso.txt", 0}});
  r = retrieve_cases(dir / "cmp2.ldc", dir / "um.ldc", dir / "rel2.txt", {}, pt(), now);
  EXPECT_FALSE(r.stop);
  auto lines = testing::lines_of(testing::read_file(dir / "rel2.txt"));
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines[6], "1. caso.txt => z. | 1,000000");
  EXPECT_EQ(lines[7], "      z. | 1,000000");
  EXPECT_EQ(lines[8], std::string(17, '-'));
}

TEST(SimilarRows, ThresholdSaveAndDocument) {
  const std::vector<SimilarRow> rows = {{"z.", "0,900000"}, {"y.", "0,500000"}, {"x.", "0,500000"}};
  auto all = select_by_threshold(rows, Ansi(" "), pt());
  EXPECT_EQ(all.rows, rows);
  EXPECT_EQ(all.field, Ansi("0"));
  auto some = select_by_threshold(rows, Ansi("0,5"), pt());
  EXPECT_EQ(some.rows.size(), 3u);
  EXPECT_EQ(select_by_threshold(rows, Ansi("0.6"), pt()).rows, (std::vector<SimilarRow>{{"z.", "0,900000"}}));
  EXPECT_THROW(select_by_threshold(rows, Ansi("abc"), pt()), Stop);

  TempDir dir;
  save_similar_as_doc_list(dir / "r.ldc", {{"z.", "0,900000"}, {"notas", "0,100000"}}, pt());
  EXPECT_EQ(records::read_all<DocRecord>(dir / "r.ldc"),
            (std::vector<DocRecord>{{"z.txt", 0.9}, {"notas.txt", 0.1}}));
  EXPECT_EQ(document_of(SimilarRow{"z.", "0,900000"}), Ansi("z.txt"));
}

TEST(SimilarReport, LinesThatNameADocument) {
  const struct {
    const char* line;
    std::optional<Ansi> document;
  } cases[] = {
      {"2. t2.txt => x. | 1,000000", Ansi("x.txt")},
      {"      z. | 0,500000", Ansi("z.txt")},
      {"1. caso.txt => (nenhum documento na lista de comparação)", std::nullopt},
      {"lista de docs= /tmp/casos.ldc", std::nullopt},
      {"-----------------------", std::nullopt},
      {"06/12/2026 14:30:15", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(document_of_report_line(Ansi(c.line)), c.document) << c.line;
}

TEST(TextViewer, LinesOrMessage) {
  TempDir dir;
  write_file(dir / "Doc.TXT", "um\r\ndois\r\n");
  EXPECT_EQ(text_viewer_lines(dir.path(), Ansi(" doc.txt ")), (std::vector<Ansi>{"um", "dois"}));
  EXPECT_EQ(stop_text([&] { text_viewer_lines(dir.path(), Ansi("nada.txt")); }),
            "Arquivo texto selecionado não existe");
}

}  // namespace
}  // namespace lumeral::retrieval
