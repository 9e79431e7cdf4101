#include <gtest/gtest.h>

#include <sstream>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/classification/matrix.h"
#include "core/classification/rules.h"
#include "core/preparation/elimination.h"
#include "core/preparation/import.h"
#include "core/preparation/stemming.h"
#include "core/preparation/stopword_lists.h"
#include "core/preparation/stopword_search.h"
#include "core/preparation/tokenizer.h"
#include "core/preparation/word_lists.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::preparation {
namespace {

using namespace lumeral::testing;
using records::WordRecord;

std::vector<std::pair<std::string, double>> counted(std::string_view utf8, std::vector<Ansi> stop = {}) {
  StopwordSearch s(stop, pt());
  std::vector<std::pair<std::string, double>> out;
  for (const auto& r : count_words(to_ansi(utf8), s)) out.emplace_back(to_utf8(r.word), r.weight);
  return out;
}

TEST(WordLists, CountsInFirstOccurrenceOrderWithRelativeWeights) {
  using V = std::vector<std::pair<std::string, double>>;
  EXPECT_EQ(counted("casa casa casa"), (V{{"casa", 1.0}}));
  EXPECT_EQ(counted("b a b\nc b"), (V{{"b", 0.6}, {"a", 0.2}, {"c", 0.2}}));
  // The stopwords are dropped before the total is taken.
  EXPECT_EQ(counted("o gol e o jogo", {Ansi("e"), Ansi("o")}), (V{{"gol", 0.5}, {"jogo", 0.5}}));
  // Words sharing their first 15 characters are one entry, at the first one's place.
  EXPECT_EQ(counted("internacionalizacao x internacionalizadas"), (V{{"internacionaliz", 2.0 / 3}, {"x", 1.0 / 3}}));
  // A word of exactly 15 characters is one entry with the longer ones it begins.
  EXPECT_EQ(counted("a internacionaliz b internacionalizacao internacionalizar c"),
            (V{{"a", 1.0 / 6}, {"internacionaliz", 0.5}, {"b", 1.0 / 6}, {"c", 1.0 / 6}}));
  EXPECT_EQ(counted(""), V{});
  EXPECT_EQ(counted("o e", {Ansi("e"), Ansi("o")}), V{});
}

class BuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    save_stopwords(dir / "pt.stw", {Ansi("a"), Ansi("de"), Ansi("o")});
  }
  std::vector<WordRecord> list(const std::string& name) { return records::read_all<WordRecord>(dir / name); }
  TempDir dir;
};

TEST_F(BuildTest, WritesOneListPerDocumentBesideIt) {
  write_file(dir / "a.txt", cp1252("O preço de ação subiu.\r\nPreço alto"));
  write_file(dir / "NOTA.TXT", "gol gol");
  write_file(dir / "vazio.txt", "");
  // UTF-8: read through the shared reader, whose other encodings the
  // encoding test checks.
  write_file(dir / "utf8.txt", "O preço subiu");
  write_file(dir / "so-stop.txt", "a de o");
  std::vector<fs::path> docs;
  for (const char* n : {"a.txt", "NOTA.TXT", "vazio.txt", "utf8.txt", "so-stop.txt"}) docs.push_back(dir / n);
  ASSERT_EQ(build_word_lists(docs, dir / "pt.stw", std::nullopt, pt()), 5u);
  EXPECT_EQ(list("a.lpl"), (std::vector<WordRecord>{{to_ansi("preço"), 0.4},
                                                    {to_ansi("ação"), 0.2},
                                                    {Ansi("subiu"), 0.2},
                                                    {Ansi("alto"), 0.2}}));
  EXPECT_EQ(list("NOTA.lpl"), (std::vector<WordRecord>{{Ansi("gol"), 1.0}}));
  EXPECT_EQ(read_file(dir / "vazio.lpl"), "");
  EXPECT_EQ(read_file(dir / "so-stop.lpl"), "");
  EXPECT_EQ(list("utf8.lpl"), (std::vector<WordRecord>{{to_ansi("preço"), 0.5}, {Ansi("subiu"), 0.5}}));
}

TEST_F(BuildTest, ManyDocumentsGiveTheSameListsAsOneByOne) {
  std::vector<fs::path> docs;
  // The last ones are as long as a reader's buffer, a byte either side of
  // it, and several times it: read whole, never cut or read twice.
  const std::size_t lengths[] = {65535, 65536, 65537, 300001};
  for (int i = 0; i < 64; ++i) {
    std::string text;
    for (int k = 0; k < 50; ++k) text += "w" + std::to_string((i * 7 + k * k) % 23) + " de ";
    for (int k = 0; i >= 60 && text.size() < lengths[i - 60]; ++k) text += "v" + std::to_string(k % 997) + " ";
    if (i >= 60) text.resize(lengths[i - 60], 'z');
    auto name = "d" + std::to_string(i) + ".txt";
    write_file(dir / name, text);
    docs.push_back(dir / name);
  }
  build_word_lists(docs, dir / "pt.stw", shell::Project{dir.path(), Ansi("p")}, pt());
  StopwordSearch stop({Ansi("a"), Ansi("de"), Ansi("o")}, pt());
  for (int i = 0; i < 64; ++i) {
    auto name = "d" + std::to_string(i);
    EXPECT_EQ(list(name + ".lpl"), count_words(from_bytes(read_file(dir / (name + ".txt"))), stop)) << name;
  }
}

TEST_F(BuildTest, StopsOnMissingStopwordsOrDocuments) {
  write_file(dir / "a.txt", "casa");
  auto message = [&](const fs::path& stop, std::vector<fs::path> docs) {
    return stop_text([&] { build_word_lists(docs, stop, std::nullopt, pt()); });
  };
  EXPECT_EQ(message("", {dir / "a.txt"}), "Você deve escolher antes uma lista de stopwords");
  EXPECT_EQ(message(dir / "nada.stw", {dir / "a.txt"}), "Erro: arquivo de stopwords não existe !!");
  EXPECT_NE(message(dir / "pt.stw", {dir / "a.txt", dir / "falta.txt"}).find("falta.txt"), std::string::npos);
  EXPECT_TRUE(fs::exists(dir / "a.lpl"));
  EXPECT_THROW(require_stopword_field(Ansi("  ")), Stop);
  EXPECT_EQ(require_stopword_field(Ansi(" /x/pt.stw ")), fs::path("/x/pt.stw"));
}

TEST(WordLists, OpenShowsLinesAtOrAboveTheThresholdAndSavesThemAsRecords) {
  TempDir dir;
  records::write_all<WordRecord>(dir / "a.lpl", {{Ansi("casa"), 0.5}, {Ansi(" gol "), 0.25}, {Ansi("x"), 0.123456}});
  records::write_all<records::ContextRecord>(dir / "c.ctt", {{Ansi("bola -volei"), 1}});
  using L = std::vector<Ansi>;
  EXPECT_EQ(word_list_lines(open_word_list(dir / "a.lpl", Ansi(""), pt())),
            (L{Ansi("casa |  0,50000"), Ansi("gol |  0,25000"), Ansi("x |  0,12346")}));
  EXPECT_EQ(word_list_lines(open_word_list(dir / "a.lpl", Ansi(" 0,25 "), pt())), (L{Ansi("casa |  0,50000"), Ansi("gol |  0,25000")}));
  EXPECT_EQ(word_list_lines(open_word_list(dir / "c.ctt", Ansi("0,5"), pt())), (L{Ansi("bola -volei |  1,00000")}));
  EXPECT_EQ(word_list_lines(open_word_list(dir / "a.lpl", Ansi("0.5"), Regional::for_locale("en_US"))), (L{Ansi("casa |  0.50000")}));
  EXPECT_THROW(open_word_list(dir / "a.lpl", Ansi("meio"), pt()), Stop);
  write_file(dir / "a.dat", "");
  EXPECT_EQ(word_list_lines(open_word_list(dir / "a.dat", Ansi(""), pt())), L{});
  // Rows saved as records; a bad weight stops the save.
  std::vector<records::WeightedRow> lines = {{Ansi("casa"), Ansi("0,50000")},
                                             {Ansi("abcdefghijklmnopqrstuvwxyz0123456789"), Ansi("0,1")}};
  save_word_list(dir / "a.lpl", lines, pt());
  EXPECT_EQ(records::read_all<WordRecord>(dir / "a.lpl"),
            (std::vector<WordRecord>{{Ansi("casa"), 0.5}, {Ansi("abcdefghijklmno"), 0.1}}));
  save_word_list_as_context(dir / "a.ctt", lines, pt());
  EXPECT_EQ(records::read_all<records::ContextRecord>(dir / "a.ctt")[1].entry, Ansi("abcdefghijklmnopqrstuvwxyz0123"));
  EXPECT_THROW(save_word_list(dir / "a.lpl", {{Ansi("casa"), Ansi("0,5")}, {Ansi("sem peso"), Ansi()}}, pt()), Stop);
  EXPECT_EQ(records::read_all<WordRecord>(dir / "a.lpl").size(), 2u);  // the saved list stays whole
  save_word_list_as_text(dir / "a.txt", lines);
  EXPECT_EQ(read_file(dir / "a.txt"), "casa |  0,50000\r\nabcdefghijklmnopqrstuvwxyz0123456789 |  0,1\r\n");
}

std::vector<std::string> tokens_of(std::string_view utf8_line) {
  std::vector<std::string> out;
  for (const auto& t : tokenize(to_ansi(utf8_line))) out.push_back(to_utf8(t));
  return out;
}

TEST(Tokenizer, CutsLinesAsTheWordListBuilderDoes) {
  struct {
    const char* line;
    std::vector<std::string> tokens;
  } cases[] = {
      {"Em 12/05/2004, o PIB cresceu 3,5% (R$ 1.000).",
       {"em", "12/05/2004", "o", "pib", "cresceu", "3,5", "r", "1.000"}},
      // "AÇÃO ÉPOCA época" (Ç and Ã separate words, only A to Z are
      // lowered): the command line's `wordlists` test.
      {"Àquela", {"Àquela"}},
      {"guarda-chuva d'água", {"guarda", "chuva", "d", "água"}},
      {"fim. 3, 5 ,7 1,,2 1,2,3", {"fim", "3", "5", "7", "1", "2", "1,2,3"}},
      {",5 5, .", {"5", "5"}},                     // punctuation at the ends has no digit neighbour
      {"a/b 1/b a.1 1.a", {"a", "b", "1", "b", "a", "1", "1", "a"}},
      {"  muitos    brancos\tentre  ", {"muitos", "brancos", "entre"}},
      {"über Über ñandu", {"über", "ber", "andu"}},  // Ü and ñ are not word characters
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(tokens_of(c.line), c.tokens) << c.line;
  // Line breaks separate words and numbers.
  Ansi text = from_bytes("1,\r\n5 fim.\nx");
  prepare_for_tokens(text.data(), text.size());
  EXPECT_EQ(text, from_bytes("1   5 fim  x"));
  EXPECT_EQ(tokenize(from_bytes("1,\r\n5")), (std::vector<Ansi>{Ansi("1"), Ansi("5")}));
  for (unsigned char c : cp1252("ÀÉàáâãçéêíóôõúü")) EXPECT_TRUE(is_word_char(c)) << int(c);
  for (unsigned char c : cp1252("ÁÇÃÓÍÚÊÔÕÜèìòùñ-'_@\"ª")) EXPECT_FALSE(is_word_char(c)) << int(c);
}

// The one-pass scanner used by the word-list builder and the in-place
// blanking rule give the same tokens on texts mixing every kind of byte.
TEST(Tokenizer, ScannerAgreesWithTheBlankingRule) {
  const std::string alphabet = cp1252("aZ9 0.,/-\r\nÁÉçü'") + std::string("\t\x01\xff");
  std::uint32_t seed = 7;
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (int k = 0; k < 24; ++k) {
      seed = seed * 1103515245u + 12345u;
      text += alphabet[(seed >> 16) % alphabet.size()];
    }
    Ansi blanked = from_bytes(text);
    prepare_for_tokens(blanked.data(), blanked.size());
    std::vector<Ansi> expected;
    std::size_t i = 0;
    while (i < blanked.size()) {
      while (i < blanked.size() && blanked[i] == ' ') ++i;
      std::size_t start = i;
      while (i < blanked.size() && blanked[i] != ' ') ++i;
      if (i > start) expected.push_back(blanked.substr(start, i - start));
    }
    ASSERT_EQ(tokenize(from_bytes(text)), expected) << text;
    // The hash handed with each token is the one lookups compute.
    std::string scanned = text;
    for_each_token(scanned.data(), scanned.size(), [&](std::string_view t, std::uint32_t h) {
      ASSERT_EQ(h, token_hash(t)) << text;
    });
  }
}

// Three documents with word lists; `missing` (an index) has none.
fs::path collection(const TempDir& dir, int missing = -1) {
  std::vector<records::DocRecord> docs;
  for (int i = 0; i < 3; ++i) {
    std::string base = "d" + std::to_string(i) + ".";
    if (i != missing) records::write_all<WordRecord>(dir / (base + "lpl"), {{"casa", 0.5}, {"gol", 0.25}, {"x", 0.25}});
    docs.push_back({Ansi((base + "txt").c_str()), 0});
  }
  records::write_all(dir / "l.ldc", docs);
  return dir / "l.ldc";
}

TEST(Elimination, EveryListOrNone) {
  struct {
    int missing;            // document without a word list
    long long size_limit;   // file-size limit of the run (negative: none)
    bool eliminated;
  } cases[] = {{-1, -1, true}, {2, -1, false}, {1, -1, false}, {-1, 10, false}};
  for (const auto& c : cases) {
    TempDir dir;
    fs::path list = collection(dir, c.missing);
    auto before = folder_snapshot(dir.path());
    std::string stop = stop_text_confined([&] { eliminate_words(list, {Ansi(" gol "), Ansi("x")}); },
                                          Confinement{c.size_limit, false});
    if (c.eliminated) {
      EXPECT_EQ(stop, "");
      for (int i = 0; i < 3; ++i)
        EXPECT_EQ(records::read_all<WordRecord>(dir / ("d" + std::to_string(i) + ".lpl")),
                  (std::vector<WordRecord>{{"casa", 0.5}}));
      continue;
    }
    EXPECT_NE(stop.find(c.missing >= 0 ? "d" + std::to_string(c.missing) + ".lpl" : "d0.lpl"), std::string::npos)
        << stop;
    EXPECT_EQ(folder_snapshot(dir.path()), before) << stop;  // nothing changed, nothing left behind
  }
}

TEST(Elimination, WordsAreTrimmedCaseCountsAndAnEmptyFirstLineIsRefused) {
  TempDir dir;
  records::write_all<records::DocRecord>(dir / "l.ldc", {{Ansi("relatorio.2004.txt"), 0}, {Ansi(" NOTA.TXT "), 0}});
  records::write_all<WordRecord>(dir / "relatorio.2004.lpl", {{"casa", 0.5}, {"gol", 0.25}, {"Casa", 0.25}});
  records::write_all<WordRecord>(dir / "NOTA.lpl", {{"gol", 1}});
  EXPECT_EQ(eliminate_words(dir / "l.ldc", {Ansi(" casa "), Ansi("gol")}), 3u);
  EXPECT_EQ(records::read_all<WordRecord>(dir / "relatorio.2004.lpl"), (std::vector<WordRecord>{{"Casa", 0.25}}));
  EXPECT_EQ(fs::file_size(dir / "NOTA.lpl"), 0u);
  EXPECT_EQ(eliminate_words(dir / "l.ldc", {Ansi("casa"), Ansi("gol")}), 0u);  // a second run changes nothing
  for (const auto& lines : {std::vector<Ansi>{}, std::vector<Ansi>{Ansi("  "), Ansi("x")}})
    EXPECT_EQ(stop_text([&] { eliminate_words(dir / "l.ldc", lines); }), "Você precisa escrever palavras");
  EXPECT_TRUE(elimination_lines_from(dir / "falta.stw").empty());
}

TEST(StopwordLists, SaveRuleLowersTrimsAndCutsAndTheManagerKeepsCollationOrder) {
  std::vector<Ansi> lines = {to_ansi("Ônibus"), Ansi("  DE "), Ansi(""), Ansi("abcdefghijklmnopqrstu"), Ansi("O")};
  EXPECT_EQ(stopword_records(lines), (std::vector<Ansi>{to_ansi("Ônibus"), Ansi("de"), Ansi(""),
                                                        Ansi("abcdefghijklmno"), Ansi("o")}));
  TempDir dir;
  save_stopwords(dir / "s.stw", lines);
  EXPECT_EQ(read_stopwords(dir / "s.stw")[2], Ansi(""));  // an empty line is a record of length 0
  // The manager keeps its list in collation order.
  records::write_all<records::StopRecord>(dir / "s.stw", {{Ansi("zebra")}, {to_ansi("é")}, {Ansi("De")}, {Ansi("a")}});
  lines = open_stopword_list(dir / "s.stw", pt());
  EXPECT_EQ(lines, (std::vector<Ansi>{Ansi("a"), Ansi("De"), to_ansi("é"), Ansi("zebra")}));
  add_stopword_line(lines, Ansi("casa"), pt());
  add_stopword_line(lines, Ansi(""), pt());
  EXPECT_EQ(lines, (std::vector<Ansi>{Ansi(""), Ansi("a"), Ansi("casa"), Ansi("De"), to_ansi("é"), Ansi("zebra")}));
  EXPECT_EQ(stop_text([&] { open_stopword_list(dir / "falta.stw", pt()); }),
            "Não existe ainda uma lista de stop-words !!");
}

TEST(StopwordLists, StandardListsArePerLanguageAndFoundInTheStartFolderFirst) {
  EXPECT_EQ(standard_list_file(language_of_row(-1)), Ansi("stw-espanhol.stw"));
  TempDir dir;
  save_stopwords(dir / "stw-ingles.stw", {Ansi("the"), Ansi("of")});
  auto en = load_language_list(Language::English, dir.path(), pt());
  EXPECT_EQ(en.path, dir / "stw-ingles.stw");
  EXPECT_EQ(en.lines, (std::vector<Ansi>{Ansi("of"), Ansi("the")}));
}

TEST(StopwordSearch, FindsEveryEntryOfASortedTrimmedListAndMayMissOneOutOfOrder) {
  std::vector<Ansi> entries = {"a", "ao", "com", "da", "de", "do", "e", "em", "na", "no", "o", "os", "para", "um"};
  StopwordSearch s(entries, pt());
  for (const auto& e : entries) EXPECT_TRUE(s.contains(e)) << e;
  for (const char* w : {"casa", "zebra", "aa", "", "De"}) EXPECT_FALSE(s.contains(Ansi(w))) << w;
  // "zz" sits where the search, guided by collation, never looks for it.
  StopwordSearch unsorted({"a", "b", "zz", "c", "d", "e", "f", "g", "h"}, pt());
  EXPECT_FALSE(unsorted.contains(Ansi("zz")));
  EXPECT_TRUE(unsorted.contains(Ansi("a")));  // an end is always compared
  EXPECT_TRUE(unsorted.contains(Ansi("h")));
  EXPECT_FALSE(StopwordSearch({}, pt()).contains(Ansi("de")));
  StopwordSearch trimmed({Ansi(" de "), Ansi("o")}, pt());
  EXPECT_TRUE(trimmed.contains(Ansi("de")));
  EXPECT_TRUE(trimmed.contains(Ansi("o")));  // repeated lookups use the remembered answer
  EXPECT_TRUE(trimmed.contains(Ansi("o")));
}

TEST(Stemming, KnownStemsOfEachLanguage) {
  struct Case {
    Language language;
    const char* word;
    const char* stem;
  } cases[] = {
      // casas, eleição, eleições, running and connections: the command
      // line's `prepare --stem` and `wordlists --stem en` tests.
      {Language::Portuguese, "cidadãos", "cidadã"},
      {Language::Portuguese, "comando", "comand"},  // not "com" (come, comida)
      {Language::Portuguese, "Comandos", "comand"},  // capitals of Windows-1252 are lowered
      {Language::Portuguese, "ELEIÇÕES", "eleiçã"},
      {Language::Portuguese, "12/05/2004", "12/05/2004"},
      {Language::Spanish, "elecciones", "eleccion"},
      {Language::Spanish, "elección", "eleccion"},
  };
  for (const auto& c : cases) {
    Stemmer stemmer(c.language);
    EXPECT_EQ(stemmer.stem(to_ansi(c.word)), to_ansi(c.stem)) << c.word;
    EXPECT_EQ(stemmer.stem(to_ansi(c.word)), to_ansi(c.stem)) << c.word << " (remembered)";
  }
}

// Pairs of Portuguese words that must meet or stay apart (stem_pairs.txt).
TEST(Stemming, PortugueseWordPairsMeetOrStayApart) {
  Stemmer stemmer(Language::Portuguese);
  std::istringstream lines(read_file(source_dir() / "tests/core/preparation/stem_pairs.txt"));
  std::size_t pairs[2] = {0, 0};  // kept apart, meeting
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string kind, a, b;
    fields >> kind >> a >> b;
    ASSERT_FALSE(b.empty()) << line;
    const bool want_same = kind == "=";
    ++pairs[want_same];
    EXPECT_EQ(stemmer.stem(to_ansi(a)) == stemmer.stem(to_ansi(b)), want_same)
        << a << " -> " << to_utf8(stemmer.stem(to_ansi(a))) << ", " << b << " -> " << to_utf8(stemmer.stem(to_ansi(b)));
  }
  EXPECT_GE(pairs[true], 50u);
  EXPECT_GE(pairs[false], 50u);
}

TEST(Stemming, WordListsMergeVariantsAfterStopwordsAreRemoved) {
  const StopwordSearch stop({Ansi("casas")}, testing::pt());
  Stemmer stemmer(Language::Portuguese);
  const auto text = to_ansi("casa casas eleições eleição casa eleitoral");
  // "casas" is a stopword: removed before stemming, so it does not count
  // for "cas".
  EXPECT_EQ(count_words(text, stop, &stemmer),
            (std::vector<records::WordRecord>{{Ansi("cas"), 2.0 / 5}, {to_ansi("eleiçã"), 2.0 / 5},
                                              {Ansi("eleitoral"), 1.0 / 5}}));
}

TEST(Stemming, RulesMatchWholeWordsByTheirStemAndPartsAsWritten) {
  Stemmer stemmer(Language::Portuguese);
  struct Case {
    const char* rule;
    const char* sentence;
    bool holds;
  } cases[] = {
      {"eleição", "as eleições de 2022", true},
      {"eleições", "a eleição foi ontem", true},
      {"eleição -fraudes", "eleições com fraude", false},  // the forbidden stem is a word there
      {"eleição -fraude", "eleições limpas", true},
      {"$ção", "eleição", true},    // a word end: matched on the word as written
      {"$ção", "eleições", false},
      {"casa", "casamento", false},  // a whole word stays a whole word
  };
  for (const auto& c : cases) {
    classification::Rule rule = classification::parse_rule(to_ansi(c.rule));
    classification::stem_rule(rule, stemmer);
    const Ansi prepared = classification::prepare_sentence(to_ansi(c.sentence));
    Ansi stemmed;
    classification::stem_sentence(prepared, stemmer, stemmed);
    EXPECT_EQ(classification::rule_holds(rule, prepared, stemmed), c.holds) << c.rule << " / " << c.sentence;
  }
}

// A prepared project where one document speaks of "eleições" and a context
// holds the rule (or weighted word) "eleição".
class StemmedClassificationTest : public ::testing::TestWithParam<classification::Method> {
 protected:
  void SetUp() override {
    fs::create_directories(folder);
    save_stopwords(stop, {Ansi("as"), Ansi("de")});
    write_file(folder / "noticia.txt", cp1252("As eleições de outubro. Outro assunto."));
    records::write_all(folder / "politica.ctt", std::vector<records::ContextRecord>{{to_ansi("eleição"), 1.0}});
    records::write_all(folder / "Projeto.lct", std::vector<records::ContextListRecord>{{Ansi("politica"), 0.0}});
  }
  double degree(bool stems) {
    ImportInput in;
    in.folder = folder;
    in.title = Ansi("Projeto");
    in.stopwords = stop;
    if (stems) in.stem = Language::Portuguese;
    run_import(in, testing::pt());
    classification::ClassifyRun run;
    run.doc_list = folder / "Projeto.ldc";
    run.context_list = folder / "Projeto.lct";
    run.method = GetParam();
    if (stems) run.stem = Language::Portuguese;
    classification::classify(run);
    const auto m = classification::read_matrix(folder / "noticia.mtz");
    return m.empty() ? -1 : m[0].weight;
  }
  TempDir dir;
  fs::path folder = dir / "proj";
  fs::path stop = dir / "pt.stw";
};

// A rule on the singular finds the plural; entries of one stem count once.
TEST_P(StemmedClassificationTest, ARuleOnTheSingularFindsThePluralAndEntriesOfOneStemCountOnce) {
  EXPECT_EQ(degree(false), 0.0);
  const double once = degree(true);
  EXPECT_GT(once, 0.0);
  records::write_all(folder / "politica.ctt", std::vector<records::ContextRecord>{
                                                   {to_ansi("eleição"), 1.0}, {to_ansi("eleições"), 1.0}});
  EXPECT_EQ(degree(true), once);
  EXPECT_EQ(degree(false), once);  // without stems "eleições" alone matches, as before
}

INSTANTIATE_TEST_SUITE_P(BothMethods, StemmedClassificationTest,
                         ::testing::Values(classification::Method::Deterministic,
                                           classification::Method::Probabilistic));

}  // namespace
}  // namespace lumeral::preparation
