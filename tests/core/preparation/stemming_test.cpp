#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "core/base/encoding.h"
#include "core/classification/matrix.h"
#include "core/classification/rules.h"
#include "core/preparation/import.h"
#include "core/preparation/stemming.h"
#include "core/preparation/stopword_lists.h"
#include "core/preparation/word_lists.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral::preparation {
namespace {

using namespace lumeral::testing;

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

// Pairs of Portuguese words that must meet or stay apart
// (stem_pairs.txt); pairs marked "?" are known limits, counted in the hit
// rate printed but not required.
TEST(Stemming, PortugueseWordPairsMeetOrStayApart) {
  Stemmer stemmer(Language::Portuguese);
  std::istringstream lines(read_file(source_dir() / "tests/core/preparation/stem_pairs.txt"));
  std::size_t meet = 0, must_meet = 0, apart = 0, must_part = 0;
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string kind, a, b;
    fields >> kind >> a >> b;
    ASSERT_FALSE(b.empty()) << line;
    const bool same = stemmer.stem(to_ansi(a)) == stemmer.stem(to_ansi(b));
    const bool want_same = kind[0] == '=';
    (want_same ? must_meet : must_part) += 1;
    (want_same ? meet : apart) += want_same == same ? 1 : 0;
    if (kind.size() == 1) {
      EXPECT_EQ(same, want_same) << a << " -> " << to_utf8(stemmer.stem(to_ansi(a))) << ", " << b << " -> "
                                 << to_utf8(stemmer.stem(to_ansi(b)));
    }
  }
  EXPECT_GE(must_meet, 100u);
  EXPECT_GE(must_part, 50u);
  std::cout << "pairs that meet: " << meet << "/" << must_meet << "; pairs kept apart: " << apart << "/" << must_part
            << "\n";
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
  EXPECT_EQ(count_words(text, stop).size(), 4u);  // without stems: casa, eleições, eleição, eleitoral
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
