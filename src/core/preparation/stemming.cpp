#include "core/preparation/stemming.h"

#include <libstemmer.h>

#include <algorithm>
#include <array>

#include "core/base/encoding.h"
#include "core/base/message.h"

namespace lumeral::preparation {

namespace {

// Windows-1252 letters as bytes: the rules below work on stored text, one
// byte per character.
constexpr unsigned char kAAcute = 0xE1, kATilde = 0xE3, kEAcute = 0xE9, kIAcute = 0xED, kOAcute = 0xF3,
                        kOCirc = 0xF4, kUAcute = 0xFA;

// The small letter of a Windows-1252 capital (A-Z, À-Þ but ×, Š, Œ, Ž, Ÿ).
unsigned char lower1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A: return 0x9A;  // Š
    case 0x8C: return 0x9C;  // Œ
    case 0x8E: return 0x9E;  // Ž
    case 0x9F: return 0xFF;  // Ÿ
    default: return c;
  }
}

// A small letter with a diacritic (à to ÿ but ÷).
bool marked(unsigned char c) { return c >= 0xE0 && c != 0xF7; }
bool small_letter(unsigned char c) { return (c >= 'a' && c <= 'z') || marked(c) || c == 0x9A || c == 0x9C || c == 0x9E; }
bool plain_vowel(unsigned char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }
bool vowel(unsigned char c) { return plain_vowel(c) || (marked(c) && c != 0xE7 && c != 0xF1 && c != 0xFD && c != 0xFE); }

bool ends_with(const std::string& w, std::string_view tail) {
  return w.size() >= tail.size() && w.compare(w.size() - tail.size(), tail.size(), tail) == 0;
}
void replace_tail(std::string& w, std::size_t n, std::string_view by) { w.replace(w.size() - n, n, by); }
unsigned char at_end(const std::string& w, std::size_t k) {  // k = 1: the last byte
  return w.size() >= k ? static_cast<unsigned char>(w[w.size() - k]) : 0;
}
// Whether the first `n` bytes hold a vowel with a diacritic (the word is
// stressed before its ending, as "fáceis", "lápis").
bool marked_before(const std::string& w, std::size_t n) {
  for (std::size_t i = 0; i < n && i < w.size(); ++i)
    if (vowel(static_cast<unsigned char>(w[i])) && marked(static_cast<unsigned char>(w[i]))) return true;
  return false;
}

// Endings of the first and second person plural of verbs, whose "s" is no
// plural.
constexpr std::array<std::string_view, 18> kStressedPluralVerb = {
    "\xE1vamos", "\xED" "amos", "\xE1ramos", "\xE9ramos", "\xEDramos", "\xE1ssemos", "\xEAssemos",
    "\xEDssemos", "ar\xED" "amos", "er\xED" "amos", "ir\xED" "amos", "\xED" "eis", "\xE1reis",
    "\xE9reis", "\xEDreis", "\xE1sseis", "\xEAsseis", "\xEDsseis"};
constexpr std::array<std::string_view, 6> kPluralVerb = {"amos", "emos", "imos", "armos", "ermos", "irmos"};

// Endings of nouns that look like participles or gerunds.
constexpr std::array<std::string_view, 7> kNounLike = {"ando", "endo", "indo", "ado", "ido", "ada", "ida"};

// Word forms whose ending the rules would read wrongly.
struct Exception {
  std::string_view word, key;
};
constexpr std::array<Exception, 5> kExceptions = {{
    {"her\xF3is", "her\xF3i"},     // plural of "herói", not of "herol"
    {"t\xFAneis", "t\xFAnel"},     // "túnel", not "túnil"
    {"n\xEDqueis", "n\xEDquel"},   // "níquel"
    {"deus", "deus"},              // singular in "-eus"
    {"adeus", "adeus"},
}};

// Takes a plural ending of `w` (lowered, n >= 4, ends in "s") to its
// singular; false when the "s" is no plural ending.
bool take_plural(std::string& w) {
  const std::size_t n = w.size();
  const unsigned char before = at_end(w, 2);
  auto ends_any = [&](const auto& endings) {
    return std::any_of(endings.begin(), endings.end(), [&](std::string_view e) { return ends_with(w, e); });
  };
  // Verbs first: "falávamos", "faláreis" keep their "s"; so do "falamos",
  // "fazemos" (a stem of three letters or more, none marked), but not the
  // plurals "ramos", "termos", "mínimos".
  if (ends_any(kStressedPluralVerb)) return false;
  if (std::any_of(kPluralVerb.begin(), kPluralVerb.end(), [&](std::string_view e) {
        return ends_with(w, e) && n - e.size() >= 3 && !marked_before(w, n - e.size());
      }))
    return false;
  if (ends_with(w, "\xF5" "es") || ends_with(w, "\xE3" "es") || ends_with(w, "\xE3" "os")) {
    replace_tail(w, 3, "\xE3o");  // eleições, pães, mãos -> -ão
  } else if (before == 'n') {
    replace_tail(w, 2, "m");  // mensagens -> mensagem, bons -> bom
  } else if (before == 'i') {
    const bool stressed = marked_before(w, n - 3);
    if (ends_with(w, "veis") && marked_before(w, n - 4)) replace_tail(w, 4, "vel");  // disponíveis
    else if (ends_with(w, "\xE9is")) replace_tail(w, 3, "el");                       // papéis
    else if (ends_with(w, "\xF3is")) replace_tail(w, 3, "ol");                       // faróis
    else if (ends_with(w, "ais") && n >= 5) replace_tail(w, 3, "al");                // jornais
    else if (ends_with(w, "eis") && stressed) replace_tail(w, 3, "il");              // fáceis
    else if (ends_with(w, "uis")) replace_tail(w, 3, "ul");                          // azuis
    else if (ends_with(w, "ais") || ends_with(w, "eis") || ends_with(w, "ois")) replace_tail(w, 1, "");  // pais, reis, bois
    else if (!vowel(at_end(w, 3)) && !marked_before(w, n - 2)) replace_tail(w, 2, "il");  // civis; not lápis
    else return false;
  } else if (ends_with(w, "sses")) {
    replace_tail(w, 1, "");  // classes, interesses -> -sse
  } else if (ends_with(w, "eses") && !marked_before(w, n - 4)) {
    replace_tail(w, 4, "\xEAs");  // meses, ingleses -> mês, inglês
  } else if (ends_with(w, "res") || ends_with(w, "zes") || ends_with(w, "ses")) {
    replace_tail(w, 2, "");  // flores, luzes, países -> flor, luz, país
    // raízes, juízes -> raiz, juiz: the mark of the hiatus goes
    if (at_end(w, 1) == 'z' && (at_end(w, 2) == kIAcute || at_end(w, 2) == kUAcute))
      w[w.size() - 2] = at_end(w, 2) == kIAcute ? 'i' : 'u';
  } else if (before == 'a' || before == 'e' || before == 'o' || before == 'u' || before == kATilde ||
             before == kAAcute || before == kEAcute || before == kOAcute || before == kOCirc) {
    replace_tail(w, 1, "");  // comandos, maçãs, sofás, cafés, avós, céus, menus
  } else if (!vowel(before) && before != 's') {
    replace_tail(w, 1, "");  // borrowed plurals: drivers, kernels
  } else {
    return false;
  }
  return true;
}

}  // namespace

std::string portuguese_singular(std::string w) {
  for (char& c : w) c = static_cast<char>(lower1252(static_cast<unsigned char>(c)));
  if (w.size() < 3 || !std::all_of(w.begin(), w.end(), [](char c) { return small_letter(static_cast<unsigned char>(c)); }))
    return w;
  for (const auto& e : kExceptions)
    if (w == e.word) return std::string(e.key);
  const std::size_t n = w.size();
  const unsigned char last = at_end(w, 1), before = at_end(w, 2);
  const bool plural = n >= 4 && last == 's' && take_plural(w);
  // A singular ending in "-re", "-ze" or "-se" (one s) meets the plural
  // cut above: nobre and nobres give "nobr", base and bases "bas"; "-ese"
  // unstressed before meets "-eses" as "-ês" (tese, teses: "tês").
  if (!plural && n >= 4 && last == 'e' && (before == 'r' || before == 'z' || (before == 's' && at_end(w, 3) != 's'))) {
    if (ends_with(w, "ese") && !marked_before(w, n - 3)) replace_tail(w, 3, "\xEAs");
    else replace_tail(w, 1, "");
  }
  // A stressed last syllable "-ás" loses its mark, as in the plural: gás
  // and gases give "gas".
  if (w.size() >= 3 && at_end(w, 1) == 's' && at_end(w, 2) == kAAcute) w[w.size() - 2] = 'a';
  return w;
}

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

Ansi Stemmer::snowball(AnsiView word) {
  const std::string utf8 = to_utf8(word);
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

Ansi Stemmer::compute(AnsiView word) {
  if (word.empty()) return Ansi();
  if (language_ != Language::Portuguese) return snowball(word);
  const std::string key = portuguese_singular(std::string(bytes_of(word)));
  Ansi stem = snowball(from_bytes(key));
  // Over-short stems: the algorithm takes the endings of participles and
  // gerunds off nouns ("comando" -> "com", "marido" -> "mar"), merging them
  // with unrelated words. Below kMinStem characters such a word keeps its
  // singular without the last vowel ("comand", "marid").
  if (stem.size() < kMinStem && std::any_of(kNounLike.begin(), kNounLike.end(), [&](std::string_view e) {
        return ends_with(key, e);
      })) {
    const std::string light = key.substr(0, key.size() - 1);
    if (light.size() > stem.size()) stem = from_bytes(light);
  }
  return stem;
}

std::unique_ptr<Stemmer> make_stemmer(const std::optional<Language>& language) {
  if (!language) return nullptr;
  return std::make_unique<Stemmer>(*language);
}

}  // namespace lumeral::preparation
