#include "core/preparation/stemming.h"

#include <libstemmer.h>

#include "core/base/encoding.h"
#include "core/base/message.h"

namespace lumeral::preparation {

const char* stemming_algorithm(Language language) {
  switch (language) {
    case Language::English: return "english";
    case Language::Spanish: return "spanish";
    case Language::Portuguese: break;
  }
  return "portuguese";
}

Stemmer::Stemmer(Language language) : language_(language) {
  stemmer_ = sb_stemmer_new(stemming_algorithm(language), "UTF_8");
  if (!stemmer_)
    throw Stop(std::string("O agrupamento de variantes das palavras não está disponível para o idioma \"") +
               stemming_algorithm(language) + "\".");
}

Stemmer::~Stemmer() { sb_stemmer_delete(stemmer_); }

const Ansi& Stemmer::stem(AnsiView word) {
  auto it = cache_.find(Ansi(word));
  if (it != cache_.end()) return it->second;
  // A long run over many distinct words (numbers, names) keeps memory bounded.
  if (cache_.size() >= 500000) cache_.clear();
  return cache_.emplace(Ansi(word), compute(word)).first->second;
}

Ansi Stemmer::compute(AnsiView word) {
  if (word.empty()) return Ansi();
  std::string utf8 = to_utf8(word);
  if (language_ == Language::Portuguese) {
    // "-ões" plurals to their singular "-ão" ("eleições" -> "eleição").
    static const std::string plural = "\xC3\xB5" "es", singular = "\xC3\xA3" "o";
    if (utf8.size() > plural.size() && utf8.compare(utf8.size() - plural.size(), plural.size(), plural) == 0)
      utf8.replace(utf8.size() - plural.size(), plural.size(), singular);
  }
  const sb_symbol* out =
      sb_stemmer_stem(stemmer_, reinterpret_cast<const sb_symbol*>(utf8.data()), static_cast<int>(utf8.size()));
  if (!out) return Ansi(word);  // out of memory inside the stemmer: the word stays whole
  std::string stem(reinterpret_cast<const char*>(out), static_cast<std::size_t>(sb_stemmer_length(stemmer_)));
  Ansi back = to_ansi(stem);
  // A stem the code page cannot hold would turn into "?" and merge with
  // unrelated words: the word is kept instead.
  if (back.empty() || to_utf8(back) != stem) return Ansi(word);
  return back;
}

std::unique_ptr<Stemmer> make_stemmer(const std::optional<Language>& language) {
  if (!language) return nullptr;
  return std::make_unique<Stemmer>(*language);
}

}  // namespace lumeral::preparation
