#include <gtest/gtest.h>

#include <random>

#include "core/base/encoding.h"
#include "core/classification/rules.h"
#include "support/fixtures.h"

namespace lumeral::classification {
namespace {

TEST(Rules, ParsingTable) {
  struct {
    const char* entry;
    std::vector<const char*> required;
    std::vector<const char*> forbidden;
  } cases[] = {
      {"casa", {" casa "}, {}},
      {"casa$", {" casa"}, {}},
      {"$casa", {"casa "}, {}},
      {"$casa$", {"casa"}, {}},
      {"Bola  -Vôlei  gol", {" bola ", " gol "}, {"vôlei"}},
      {"- x", {" x "}, {}},       // a lone "-" forbids nothing
      {"bola $ gol", {" bola ", " gol "}, {}},  // a lone "$" is ignored
      {"-  ", {}, {}},
  };
  for (const auto& c : cases) {
    Rule r = parse_rule(to_ansi(c.entry));
    std::vector<Ansi> req, forb;
    for (auto* t : c.required) req.push_back(to_ansi(t));
    for (auto* t : c.forbidden) forb.push_back(to_ansi(t));
    EXPECT_EQ(r.required, req) << c.entry;
    EXPECT_EQ(r.forbidden, forb) << c.entry;
  }
}

TEST(Rules, EveryTermCountsBeyondTwenty) {
  std::string entry;
  for (int i = 0; i < 25; ++i) entry += "w" + std::to_string(i) + " -f" + std::to_string(i) + " ";
  Rule r = parse_rule(to_ansi(entry));
  EXPECT_EQ(r.required.size(), 25u);
  EXPECT_EQ(r.forbidden.size(), 25u);
  std::string sentence;
  for (int i = 0; i < 25; ++i) sentence += " w" + std::to_string(i);
  EXPECT_TRUE(rule_holds(r, prepare_sentence(to_ansi(sentence))));
  EXPECT_FALSE(rule_holds(r, prepare_sentence(to_ansi(sentence + " f24"))));
  EXPECT_FALSE(rule_holds(r, prepare_sentence(to_ansi(sentence.substr(0, sentence.size() - 4)))));
}

TEST(Rules, SentencesAndPreparation) {
  auto split = [](const char* t) {
    std::vector<std::string> out;
    for (auto& s : split_sentences(to_ansi(t))) out.push_back(to_utf8(s));
    return out;
  };
  EXPECT_EQ(split("Fim?Sim."), (std::vector<std::string>{"Fim", "Sim"}));
  EXPECT_EQ(split("Fim!"), (std::vector<std::string>{"Fim!"}));
  EXPECT_EQ(split("a..b"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(split("."), (std::vector<std::string>{""}));
  EXPECT_TRUE(split("").empty());
  EXPECT_EQ(join_lines(to_ansi("bola\r\nde\nx\ry")), to_ansi("boladexy"));
  EXPECT_EQ(prepare_sentence(to_ansi("Fim!")), to_ansi(" fim  "));
  EXPECT_EQ(prepare_sentence(to_ansi("Água\t(mole),\"x\"")), to_ansi(" Água  mole   x  "));
  EXPECT_EQ(prepare_sentence(to_ansi("a#b'c*d-e/f:g;h[i\\j]k{l}m")), to_ansi(" a b c d e f g h i j k l m "));
}

// The indexed count must agree with testing every rule on every sentence.
TEST(Rules, IndexedCountAgreesWithPlainLoops) {
  std::mt19937 rng(7);
  const std::vector<std::string> words = {"bola", "gol", "casa", "casamento", "vôlei", "Bola", "água", "x"};
  auto pick = [&](const std::vector<std::string>& v) { return v[rng() % v.size()]; };
  for (int round = 0; round < 1000; ++round) {
    RuleSet set;
    std::vector<std::pair<std::size_t, Rule>> plain;
    const std::size_t contexts = 1 + rng() % 4;
    for (int k = 0, n = 1 + rng() % 8; k < n; ++k) {
      std::string entry;
      for (int t = 0, m = 1 + rng() % 3; t < m; ++t) {
        std::string w = pick(words);
        switch (rng() % 6) {
          case 0: w = "-" + w; break;
          case 1: w += "$"; break;
          case 2: w = "$" + w; break;
          default: break;
        }
        entry += w + " ";
      }
      std::size_t ctx = rng() % contexts;
      set.add(ctx, parse_rule(to_ansi(entry)));
      plain.emplace_back(ctx, parse_rule(to_ansi(entry)));
    }
    std::string text;
    const std::vector<std::string> seps = {" ", " ", ", ", ". ", "?", "!", "\n", "-", ".\r\n", "\r", "..", "\r\n."};
    for (int k = 0, n = rng() % 30; k < n; ++k) text += (rng() % 5 ? pick(words) : "") + pick(seps);
    Ansi joined = join_lines(to_ansi(text));
    std::vector<double> fast(contexts, 0), slow(contexts, 0);
    RuleSet::Scratch scratch;
    // The text with its line ends counts as the joined text.
    set.count(to_ansi(text), fast, scratch);
    for (const auto& s : split_sentences(joined)) {
      Ansi p = prepare_sentence(s);
      for (const auto& [ctx, rule] : plain)
        if (rule_holds(rule, p)) slow[ctx] += 1;
    }
    ASSERT_EQ(fast, slow) << text;
  }
}

}  // namespace
}  // namespace lumeral::classification
