#include <gtest/gtest.h>

#include <random>

#include "core/base/message.h"
#include "core/records/weighted.h"
#include "support/fixtures.h"

namespace lumeral::records {
namespace {

using namespace lumeral::testing;

class Recorder : public Progress {
 public:
  void status(std::string_view s) override { texts.emplace_back(s); }
  std::vector<std::string> texts;
};

TEST(Weighted, TakingALineApartAndTheKeysOfEachWindow) {
  auto p = split_weighted(Ansi("  casa azul |  0,01234 "));
  EXPECT_EQ(p.term, Ansi("casa azul"));
  EXPECT_EQ(p.weight_text, Ansi("0,01234"));
  EXPECT_TRUE(p.has_bar);
  EXPECT_EQ(split_weighted(Ansi("a | b | 3")).weight_text, Ansi("b | 3"));
  EXPECT_FALSE(split_weighted(Ansi("sem barra")).has_bar);
  EXPECT_EQ(key_after_bar(Ansi("casa |  0,5")), AnsiView("0,5"));
  EXPECT_EQ(key_after_equals(Ansi("bola | gol = 2,0000")), AnsiView("2,0000"));
  EXPECT_EQ(key_confidence(Ansi("a => b /conf= 66,67% /sup= 20,00% (0004)")), AnsiView("66,67"));
}

// The fast sort must give exactly what the plain selection sort gives.
TEST(Weighted, SortByWeightMatchesSelectionSortWithExchanges) {
  std::mt19937 rng(7);
  for (int round = 0; round < 50; ++round) {
    std::size_t n = rng() % 40;
    std::vector<Ansi> lines;
    for (std::size_t i = 0; i < n; ++i)
      lines.push_back(Ansi("w") + Ansi(std::to_string(i).c_str()) + " | " + Ansi(std::to_string(rng() % 4).c_str()));
    std::vector<Ansi> expect = lines;
    for (std::size_t i = 0; i + 1 < expect.size(); ++i) {
      std::size_t best = i;
      for (std::size_t j = i + 1; j < expect.size(); ++j)
        if (pt().parse(key_after_bar(expect[j])) > pt().parse(key_after_bar(expect[best]))) best = j;
      std::swap(expect[i], expect[best]);
    }
    sort_by_weight(lines, key_after_bar, pt());
    ASSERT_EQ(lines, expect) << "round " << round;
  }
}

// Ties keep their order; an unreadable key stops the sort and leaves the
// list as it was.
TEST(Weighted, SortByWeightKeepsTiesAndStopsOnAnUnreadableKey) {
  std::vector<Ansi> lines = {"a | 0,5", "b | 0,7", "c | 0,5", "d | 0,7"};
  Recorder rec;
  sort_by_weight(lines, key_after_bar, pt(), rec);
  EXPECT_EQ(lines, (std::vector<Ansi>{"b | 0,7", "d | 0,7", "c | 0,5", "a | 0,5"}));
  EXPECT_EQ(rec.texts.front(), "Ordenando linha 1 de 4");
  EXPECT_EQ(rec.texts.back(), "Terminou de ordenar as linhas");
  lines = {"a | 0,5", "sem barra", "c | 0,9"};
  auto before = lines;
  EXPECT_EQ(stop_text([&] { sort_by_weight(lines, key_after_bar, pt()); }),
            "'sem barra' não é um valor numérico válido");
  EXPECT_EQ(lines, before);
  std::vector<Ansi> one = {"sem barra"};
  EXPECT_NO_THROW(sort_by_weight(one, key_after_bar, pt()));
}

TEST(Weighted, AlphabeticalOrdersAndSavingAsRecords) {
  std::vector<Ansi> lines = {"zebra", "Abelha", "casa", "Casa", "\xE9gua"};
  auto bytewise = lines;
  sort_bytewise(bytewise);
  EXPECT_EQ(bytewise, (std::vector<Ansi>{"Abelha", "Casa", "casa", "zebra", "\xE9gua"}));
  auto kept = lines;
  sort_alphabetical(kept, pt());
  EXPECT_EQ(kept, (std::vector<Ansi>{"Abelha", "casa", "Casa", "\xE9gua", "zebra"}));
  EXPECT_EQ(alphabetical_position(kept, Ansi("bola"), pt()), 1u);
  // Saving as records stops at the first bad weight.
  TempDir dir;
  auto p = dir / "a.lpl";
  lines = {"casa |  0,50000", "um nome muito comprido demais | 1", "ruim | x", "depois | 1"};
  save_as_word_records(p, {lines[0], lines[1]}, pt());
  EXPECT_THROW(save_as_word_records(p, lines, pt()), Stop);  // the saved list stays whole
  EXPECT_EQ(read_all<WordRecord>(p), (std::vector<WordRecord>{{"casa", 0.5}, {"um nome muito c", 1}}));
  save_as_context_records(dir / "c.ctt", {"bola", "gol | 0,8"}, pt());
  EXPECT_EQ(read_all<ContextRecord>(dir / "c.ctt"), (std::vector<ContextRecord>{{"bola", 1}, {"gol", 0.8}}));
  save_as_doc_records(dir / "d.ldc", {"doc1.txt", "doc2.txt | 0,5"}, pt());
  EXPECT_EQ(read_all<DocRecord>(dir / "d.ldc"), (std::vector<DocRecord>{{"doc1.txt", 0}, {"doc2.txt", 0.5}}));
}

}  // namespace
}  // namespace lumeral::records
