// How the texts of a collection are read: one value chosen per project (or
// per folder prepared without a project) and handed to every step that cuts
// or lowers text, so a collection is never read half one way and half the
// other.
//
//   Classic  ("clássica"): the long-standing rules, which saved projects
//            rely on: word characters are 0-9, A-Z, a-z and fifteen
//            accented letters (À É à á â ã ç é ê í ó ô õ ú ü); lowering
//            changes A to Z only; HTML pages lose their tags without a
//            blank; converted documents get numbered names.
//   Complete ("completa"): every letter of Windows-1252 is a word character
//            and lowering maps every capital to its small letter (É to é,
//            Ç to ç, Š to š, Ÿ to ÿ); HTML is read as a browser shows it;
//            converted documents are named after their source.
//
// A project file or a folder without a record of it reads as Classic.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/ansi.h"

namespace lumeral {

enum class Reading { Classic, Complete };

// Stored form: "classica", "completa". The reader also takes the accented
// "clássica" (UTF-8 or Windows-1252) and any letter case; anything else is
// no reading.
const char* reading_key(Reading r);
std::optional<Reading> reading_of_key(std::string_view text);
// As shown to the user (UTF-8): "clássica", "completa".
std::string reading_caption(Reading r);

// The byte tables of a reading. `classes`: 0 separator, 1 word character,
// 2 number punctuation (",", ".", "/": kept between two digits). `lower`:
// each byte's small letter (itself when it has none).
struct TextRules {
  std::array<unsigned char, 256> classes;
  std::array<unsigned char, 256> lower;
  unsigned char lowered(unsigned char c) const { return lower[c]; }
  bool is_word_char(unsigned char c) const { return classes[c] == 1; }
};
const TextRules& text_rules(Reading r);

// Lowering by a reading's rule (Classic: A to Z only).
char lower(Reading r, char c);
Ansi lower(Reading r, AnsiView text);
void lower_in_place(Reading r, Ansi& text);

}  // namespace lumeral
