#include <gtest/gtest.h>

#include <random>

#include "core/base/text.h"
#include "core/retrieval/term_automaton.h"
#include "core/summaries/sentences.h"
#include "support/fixtures.h"

namespace lumeral::retrieval {
namespace {

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

}  // namespace
}  // namespace lumeral::retrieval
