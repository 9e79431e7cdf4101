#include <gtest/gtest.h>

#include "core/preparation/tokenizer.h"
#include "support/fixtures.h"

namespace lumeral::preparation {
namespace {

using testing::cp1252;

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
      {"AÇÃO", {"a", "o"}},                        // Ç and Ã separate words
      {"ÉPOCA época", {"Época", "época"}},         // only A to Z are lowered
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

}  // namespace
}  // namespace lumeral::preparation
