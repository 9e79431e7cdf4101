// Word variants merged: the stem of a word, for the word lists of a
// project with "Agrupar variantes das palavras (radicais)" on and for the
// contexts and rules matched against those lists.
//
// A Stemmer takes and gives stored text (Windows-1252); the base is the
// Snowball algorithm of libstemmer, which works on UTF-8, so words cross
// over and back. A stem that would not fit Windows-1252 leaves the word as
// it is. Stems are remembered, so a collection stems each distinct word
// once. Not thread-safe: one Stemmer per worker.
//
// Portuguese words are normalised around the algorithm, deterministically
// (docs/formats.md, "Word list"):
//  1. lowered (every Windows-1252 capital), then taken to a singular key by
//     portuguese_singular(), so a noun and its plural always reach the
//     algorithm as one word ("comandos" -> "comando", "mensagens" ->
//     "mensagem", "disponíveis" -> "disponível", "eleições" -> "eleição");
//  2. stemmed by the algorithm;
//  3. a stem shorter than kMinStem characters, where the key without its
//     last vowel (or its infinitive ending) is longer, is replaced by that:
//     the algorithm cuts verb endings off nouns, "comando" -> "com", which
//     then meets "come" and "comida".
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "core/base/ansi.h"
#include "core/base/language.h"

struct sb_stemmer;

namespace lumeral::preparation {

// The Snowball algorithm of a language: "portuguese", "english", "spanish".
const char* stemming_algorithm(Language language);

// The singular key of a Portuguese word (Windows-1252 bytes): lowered, then
// one plural ending taken to its singular (-ões/-ães/-ãos -> -ão, -ns -> -m,
// -éis -> -el, -óis -> -ol, -ais -> -al, -veis -> -vel, -eis -> -il after a
// stressed syllable, -uis -> -ul, -is -> -il, -sses -> -sse, -res/-zes/-ses
// -> -r/-z/-s, otherwise the "s" after a vowel), but not the first person
// plural of verbs ("falamos"); singulars in -re/-ze/-se lose their "e" and
// a stressed -ês/-ás/-ís its mark, so both forms give one key. Words with
// other characters than letters are only lowered.
std::string portuguese_singular(std::string word);

class Stemmer {
 public:
  explicit Stemmer(Language language);  // Stop when the algorithm is missing
  ~Stemmer();
  Stemmer(const Stemmer&) = delete;
  Stemmer& operator=(const Stemmer&) = delete;

  Language language() const { return language_; }
  // The stem of one word (a token of the word lists: lowered A to Z).
  const Ansi& stem(AnsiView word);

  static constexpr std::size_t kMinStem = 4;

 private:
  Ansi compute(AnsiView word);
  Ansi snowball(AnsiView word);
  Language language_;
  sb_stemmer* stemmer_ = nullptr;
  std::unordered_map<Ansi, Ansi> cache_;
};

// A Stemmer when `language` is given (the option is on), else none.
std::unique_ptr<Stemmer> make_stemmer(const std::optional<Language>& language);

}  // namespace lumeral::preparation
