#include <gtest/gtest.h>

#include <random>

#include "core/association/association_files.h"
#include "core/association/association_lines.h"
#include "core/association/pair_listing.h"
#include "core/association/pair_store.h"
#include "core/association/sentence_pairs.h"
#include "core/association/term_association.h"
#include "core/preparation/stopword_search.h"
#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/records/records.h"
#include "support/fixtures.h"
#include "support/literal.h"

namespace lumeral::association {
namespace {

using namespace lumeral::testing;
using records::PairRecord;
using records::WordRecord;

fs::path word_lists(const TempDir& dir, const std::vector<std::vector<WordRecord>>& lists, const char* ext = "lpl") {
  std::vector<records::DocRecord> docs;
  for (std::size_t i = 0; i < lists.size(); ++i) {
    std::string base = "d" + std::to_string(i) + ".";
    records::write_all(dir / (base + ext), lists[i]);
    docs.push_back({Ansi((base + "txt").c_str()), 0});
  }
  records::write_all(dir / "lista.ldc", docs);
  return dir / "lista.ldc";
}

fs::path texts(const TempDir& dir, const std::vector<std::string>& bodies) {
  std::vector<records::DocRecord> docs;
  for (std::size_t i = 0; i < bodies.size(); ++i) {
    std::string name = "t" + std::to_string(i) + ".txt";
    write_file(dir / name, bodies[i]);
    docs.push_back({Ansi(name.c_str()), 0});
  }
  records::write_all(dir / "textos.ldc", docs);
  return dir / "textos.ldc";
}

AssociationResult run(const fs::path& list, AssociationMethod m, const fs::path& stw = {}) {
  AssociationInput in;
  in.document_list = list;
  in.method = m;
  in.stopwords = stw;
  return calculate_associations(in, pt());
}

TEST(TermAssociation, DocumentMethodListsPairsAndMirrors) {
  TempDir dir;
  auto list = word_lists(dir, {{{"gol", 0.5}, {"bola", 0.5}, {"zero", 0}, {"2004", 1}},
                               {{"bola", 0.3}, {"gol", 0.3}, {"time", 0.3}},
                               {{"time", 1}}});
  auto r = run(list, AssociationMethod::DocumentPresence);
  EXPECT_EQ(association_lines(r.rows()), (std::vector<Ansi>{"bola | gol = 2,0000", "bola | time = 1,0000", "gol | time = 1,0000",
                                        "gol | bola = 2,0000", "time | bola = 1,0000", "time | gol = 1,0000"}));
  EXPECT_EQ(records::read_all<PairRecord>(dir / "temp.ass"),
            (std::vector<PairRecord>{{"bola", "gol", 2}, {"bola", "time", 1}, {"gol", "time", 1}}));
}

TEST(TermAssociation, PairsAreStoredInCollationOrderIgnoringCase) {
  PairStore s(pt());
  s.count(Ansi("Zebra"), Ansi("abelha"));
  s.count(Ansi("abelha"), Ansi("Zebra"));
  s.count(Ansi("casa"), Ansi("Casa"));
  s.count(Ansi("Casa"), Ansi("casa"));
  EXPECT_EQ(s.records(), (std::vector<PairRecord>{{"abelha", "Zebra", 2}, {"casa", "Casa", 1}, {"Casa", "casa", 1}}));
}

TEST(TermAssociation, LongWordsAccumulateInOneRecord) {
  PairStore s(pt());
  s.count(Ansi("inconstitucionalissimamente"), Ansi("casa"));
  s.count(Ansi("casa"), Ansi("inconstitucionalissimamente"));
  EXPECT_EQ(s.records(), (std::vector<PairRecord>{{"casa", "inconstituciona", 2}}));
}

TEST(TermAssociation, SentenceTokens) {
  struct {
    const char* text;
    std::vector<const char*> tokens;
  } cases[] = {
      {"O gol, o gol!", {"o", "gol", "o", "gol"}},
      {"3,5 milhões em 1.000/2", {"3,5", "milhões", "em", "1.000/2"}},
      {"bem-vindo, 3,x", {"bem", "vindo", "3", "x"}},
      {"ÇÃO Àgua É éA", {"o", "Àgua", "É", "éa"}},
      {"", {}},
  };
  for (const auto& c : cases) {
    std::vector<Ansi> expect;
    for (const char* t : c.tokens) expect.push_back(to_ansi(t));
    EXPECT_EQ(sentence_tokens(to_ansi(c.text)), expect) << c.text;
  }
}

TEST(TermAssociation, SentenceMethodCountsEveryPairOfPositions) {
  TempDir dir;
  auto list = texts(dir, {"O gol, o gol!"});
  run(list, AssociationMethod::Sentence);
  EXPECT_EQ(records::read_all<PairRecord>(dir / "temp.ass"),
            (std::vector<PairRecord>{{"gol", "o", 4}, {"o", "o", 1}, {"gol", "gol", 1}}));

  // Stopwords, digits and a last sentence without a final dot.
  records::write_all<records::StopRecord>(dir / "s.stw", {{"a"}, {"de"}, {"o"}});
  auto list2 = texts(dir, {"O time de 2004 venceu. A bola\r\nrolou"});
  auto r = run(list2, AssociationMethod::Sentence, dir / "s.stw");
  EXPECT_EQ(association_lines(r.rows()), (std::vector<Ansi>{"bola | rolou = 1,0000", "time | venceu = 1,0000", "rolou | bola = 1,0000",
                                        "venceu | time = 1,0000"}));
}

// Words that meet every case of the counting: repeats, words that differ
// only in case (equal collation keys: their two orders are stored apart),
// in accents, and long words that share their first 15 characters.
const char* const kSentenceVocab[] = {"gol", "bola", "é", "É", "à", "À", "Àgua", "àgua", "agua", "água", "time",
                                      "inconstitucionalidade", "inconstitucionalismo", "zebra", "éé", "Éé", "éÉ"};

// Counting by distinct words gives the store that the loop over every pair
// of positions gives: the same records, weights and order, sentence after
// sentence into one store.
TEST(TermAssociation, SentencePairsMatchTheLoopOverPositions) {
  std::mt19937 rng(7);
  for (int round = 0; round < 300; ++round) {
    PairStore store(pt());
    SentencePairCounter counter;
    std::vector<PairRecord> expect;
    const int sentences = 1 + rng() % 4;
    for (int k = 0; k < sentences; ++k) {
      const int vocab = 2 + rng() % 16;  // small vocabularies repeat more
      std::vector<Ansi> words;
      for (int n = rng() % 14; n > 0; --n) words.push_back(to_ansi(kSentenceVocab[rng() % vocab]));
      std::vector<PairStore::Feature> features;
      for (const Ansi& w : words) features.push_back(store.feature(w));
      counter.count(store, features);
      literal::count_positions(expect, words, pt());
    }
    ASSERT_EQ(store.records(), expect) << "round " << round;
  }
}

// The sentence method as a whole (lines, sentences, tokens, stopwords,
// digits, pairs) against the literal procedure, on random texts.
TEST(TermAssociation, SentenceMethodMatchesTheLiteralProcedure) {
  TempDir dir;
  std::vector<records::StopRecord> stop = {{"a"}, {"de"}, {"o"}};
  records::write_all(dir / "s.stw", stop);
  preparation::StopwordSearch stopwords({Ansi("a"), Ansi("de"), Ansi("o")}, pt());
  const char* pieces[] = {"gol", "Bola", "é", "É", "À", "água", "o", "de", "a", "2004", "3,5", "1.000", ".", "?",
                          "!", ",", "-", " ", " ", " ", "\r\n", "\n", "\t", "inconstitucionalidade", "Gol."};
  std::mt19937 rng(3);
  for (int round = 0; round < 40; ++round) {
    std::vector<std::string> bodies;
    for (int doc = 0; doc < 3; ++doc) {
      std::string body;
      for (int n = rng() % 40; n > 0; --n) body += cp1252(pieces[rng() % std::size(pieces)]);
      bodies.push_back(body);
    }
    auto list = texts(dir, bodies);
    run(list, AssociationMethod::Sentence, dir / "s.stw");
    std::vector<PairRecord> expect;
    for (const std::string& body : bodies) {
      std::vector<Ansi> lines;
      for (const std::string& l : testing::lines_of(body)) lines.push_back(Ansi(l.c_str()));
      for (const Ansi& sentence : literal::association_sentences(lines)) {
        std::vector<Ansi> words;
        for (const Ansi& t : literal::sentence_tokens(sentence))
          if (!literal::is_digit(t[0]) && !stopwords.contains(t)) words.push_back(t);
        literal::count_positions(expect, words, pt());
      }
    }
    ASSERT_EQ(records::read_all<PairRecord>(dir / "temp.ass"), expect) << "round " << round;
  }
}

TEST(TermAssociation, MissingFilesAndUnavailableMethod) {
  TempDir dir;
  auto list = word_lists(dir, {{{"a", 1}, {"b", 1}}, {{"c", 1}, {"d", 1}}}, "mtz");
  fs::remove(dir / "d1.mtz");
  struct {
    AssociationMethod method;
    const char* message;
  } cases[] = {
      {AssociationMethod::Contexts, "É preciso fazer classificação antes"},
      {AssociationMethod::DocumentPresence, "Criar listas de palavras antes"},
      {AssociationMethod::DocumentFrequency, "Método ainda não disponível"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(stop_text([&] { run(list, c.method); }), c.message);
  }
}

// A run stopped by a missing file leaves the store of the previous run
// whole (no partial store, no temporary file beside it).
TEST(TermAssociation, MissingFileKeepsThePreviousStore) {
  TempDir dir;
  auto list = word_lists(dir, {{{"a", 1}, {"b", 1}}, {{"c", 1}, {"d", 1}}}, "mtz");
  run(list, AssociationMethod::Contexts);
  const std::string before = read_file(dir / "temp.ass");
  ASSERT_EQ(before.size(), 2 * records::Layout<PairRecord>::size);
  fs::remove(dir / "d1.mtz");
  EXPECT_THROW(run(list, AssociationMethod::Contexts), Stop);
  EXPECT_EQ(read_file(dir / "temp.ass"), before);
  std::size_t files = 0;
  for ([[maybe_unused]] auto& e : fs::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 3u);  // list, one matrix, the store
  auto tl = texts(dir, {"a b.", "c d."});
  fs::remove(dir / "t1.txt");
  EXPECT_EQ(stop_text([&] { run(tl, AssociationMethod::Sentence); }),
            "Não existe arquivo texto = " + (dir / "t1.txt").string());
}

// Counting in parallel parts and merging gives exactly what one linear
// store (the window's scan from the first record) gives.
TEST(TermAssociation, ParallelCountingMatchesTheLinearStore) {
  TempDir dir;
  std::mt19937 rng(11);
  const char* vocab[] = {"Casa", "casa", "bola", "Água", "agua", "zebra", "Zebra", "gol", "inconstitucionalidade",
                         "inconstitucionalismo", "time", "rio", "mar"};
  std::vector<std::vector<WordRecord>> lists(2300);
  for (auto& l : lists)
    for (int k = 0, n = rng() % 6; k < n; ++k) l.push_back({to_ansi(vocab[rng() % 13]), double(rng() % 3)});
  auto list = word_lists(dir, lists);
  run(list, AssociationMethod::DocumentPresence);
  std::vector<PairRecord> expect;
  for (auto& l : lists) {
    for (std::size_t i = 0; i + 1 < l.size(); ++i) {
      if (l[i].weight == 0) continue;
      for (std::size_t j = i + 1; j < l.size(); ++j) {
        if (l[j].weight == 0) continue;
        Ansi a = l[i].word, b = l[j].word;
        if (pt().collate(a, b) > 0) std::swap(a, b);
        a = cut(a, 15);
        b = cut(b, 15);
        auto it = std::find_if(expect.begin(), expect.end(),
                               [&](const PairRecord& p) { return p.first == a && p.second == b; });
        if (it != expect.end()) it->weight += 1;
        else expect.push_back({a, b, 1});
      }
    }
  }
  EXPECT_EQ(records::read_all<PairRecord>(dir / "temp.ass"), expect);
}

// The listing sorts by parts of the lines; it must give the order of the
// whole lines under the collation (equal lines in store order).
TEST(TermAssociation, ListingOrderIsTheOrderOfTheWholeLines) {
  const char* vocab[] = {"e", "é", "E", "ea", "éa", "eá", "ab", "a", "á", "Á", "b", "ç", "c", "cz", "ca", "1,5", "a1",
                         "a-b", "ab-", "meio-ambiente", "meioambiente", "z", "zz", "Zé", "ze", "ß", "ss", "À"};
  for (const char* locale : {"pt_BR", "en_US"}) {
    Regional regional = Regional::for_locale(locale);
    std::mt19937 rng(5);
    for (int round = 0; round < 20; ++round) {
      std::vector<PairRecord> pairs;
      for (int k = 0; k < 60; ++k)
        pairs.push_back({to_ansi(vocab[rng() % 28]), to_ansi(vocab[rng() % 28]), double(rng() % 12)});
      std::vector<Ansi> lines;
      for (auto& p : pairs)
        lines.push_back(p.first + Ansi(" | ") + p.second + Ansi(" = ") + regional.format(p.weight, "0.0000"));
      std::vector<std::size_t> order(lines.size());
      for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
      std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return regional.collation_key(lines[a]) < regional.collation_key(lines[b]);
      });
      std::vector<Ansi> expect;
      for (std::size_t i : order) expect.push_back(lines[i]);
      for (std::size_t i : order)
        expect.push_back(pairs[i].second + Ansi(" | ") + pairs[i].first + Ansi(" = ") +
                         regional.format(pairs[i].weight, "0.0000"));
      ASSERT_EQ(association_lines(list_pairs(pairs, regional)), expect) << locale << " round " << round;
    }
  }
  // Features with blanks take the whole lines' keys.
  EXPECT_EQ(association_lines(list_pairs({{"meio ambiente", "b", 1}, {"meio", "a", 1}}, pt())),
            (std::vector<Ansi>{"meio | a = 1,0000", "meio ambiente | b = 1,0000", "a | meio = 1,0000",
                               "b | meio ambiente = 1,0000"}));
}

TEST(TermAssociation, OpenSaveFilterAndSort) {
  TempDir dir;
  std::vector<AssociationRow> rows = {{"bola", "gol", "2,0000"}, {"bola", "time", "1,0000"}, {"gol", "time", "3,0000"}};
  save_associations(dir / "a.ass", rows, pt());
  EXPECT_EQ(records::read_all<PairRecord>(dir / "a.ass"),
            (std::vector<PairRecord>{{"bola", "gol", 2}, {"bola", "time", 1}, {"gol", "time", 3}}));
  EXPECT_EQ(association_lines(open_associations(dir / "a.ass", pt())),
            (std::vector<Ansi>{"bola | gol = 2,000", "bola | time = 1,000", "gol | time = 3,000"}));
  EXPECT_EQ(filter_by_threshold(rows, Ansi("2"), pt()), (std::vector<AssociationRow>{rows[0], rows[2]}));
  EXPECT_EQ(filter_by_threshold(rows, Ansi(""), pt()), rows);
  sort_associations(rows, pt());
  EXPECT_EQ(association_lines(rows), (std::vector<Ansi>{"gol | time = 3,0000", "bola | gol = 2,0000", "bola | time = 1,0000"}));
  // A weight that is not a number stops the save; the saved file stays whole.
  EXPECT_THROW(save_associations(dir / "a.ass", {{"a", "b", "1"}, {"c", "d", "x"}}, pt()), Stop);
  EXPECT_EQ(records::read_all<PairRecord>(dir / "a.ass").size(), 3u);
}

}  // namespace
}  // namespace lumeral::association
