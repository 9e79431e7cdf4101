// Word variants merged: the Snowball stem of a word (libstemmer), for the
// word lists of a project with "Agrupar variantes das palavras (radicais)"
// on and for the contexts and rules matched against those lists.
//
// A Stemmer takes and gives stored text (Windows-1252); libstemmer works on
// UTF-8, so words cross over and back. Portuguese plurals in "-ões" are
// first taken to their singular "-ão" (the Snowball algorithm leaves
// "eleições" and "eleição" apart, while it merges "-ãos"/"-ães" with
// "-ão"). A stem that would not fit Windows-1252 leaves the word as it is.
// Stems are remembered, so a collection stems each distinct word once.
// Not thread-safe: one Stemmer per worker.
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

class Stemmer {
 public:
  explicit Stemmer(Language language);  // Stop when the algorithm is missing
  ~Stemmer();
  Stemmer(const Stemmer&) = delete;
  Stemmer& operator=(const Stemmer&) = delete;

  Language language() const { return language_; }
  // The stem of one word (a token of the word lists: lowered A to Z).
  const Ansi& stem(AnsiView word);

 private:
  Ansi compute(AnsiView word);
  Language language_;
  sb_stemmer* stemmer_ = nullptr;
  std::unordered_map<Ansi, Ansi> cache_;
};

// A Stemmer when `language` is given (the option is on), else none.
std::unique_ptr<Stemmer> make_stemmer(const std::optional<Language>& language);

}  // namespace lumeral::preparation
