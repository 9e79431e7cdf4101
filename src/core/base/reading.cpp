#include "core/base/reading.h"

namespace lumeral {

namespace {

constexpr TextRules make_rules(bool complete) {
  TextRules t{};
  for (int c = 0; c < 256; ++c) t.lower[c] = static_cast<unsigned char>(c);
  for (int c = 'A'; c <= 'Z'; ++c) t.lower[c] = static_cast<unsigned char>(c + ('a' - 'A'));
  for (int c = '0'; c <= '9'; ++c) t.classes[c] = 1;
  for (int c = 'A'; c <= 'Z'; ++c) t.classes[c] = 1;
  for (int c = 'a'; c <= 'z'; ++c) t.classes[c] = 1;
  t.classes[','] = t.classes['.'] = t.classes['/'] = 2;
  if (!complete) {
    // À É à á â ã ç é ê í ó ô õ ú ü.
    for (int c : {0xC0, 0xC9, 0xE0, 0xE1, 0xE2, 0xE3, 0xE7, 0xE9, 0xEA, 0xED, 0xF3, 0xF4, 0xF5, 0xFA, 0xFC})
      t.classes[c] = 1;
    return t;
  }
  // The letters of Windows-1252: ƒ Š Œ Ž š œ ž Ÿ ª µ º, À to Ö, Ø to ö and
  // ø to ÿ (× and ÷ are not letters).
  for (int c : {0x83, 0x8A, 0x8C, 0x8E, 0x9A, 0x9C, 0x9E, 0x9F, 0xAA, 0xB5, 0xBA}) t.classes[c] = 1;
  for (int c = 0xC0; c <= 0xFF; ++c)
    if (c != 0xD7 && c != 0xF7) t.classes[c] = 1;
  // Capitals to small letters: À-Þ (but ×) by 0x20, and the four capitals
  // of the 0x80 row.
  for (int c = 0xC0; c <= 0xDE; ++c)
    if (c != 0xD7) t.lower[c] = static_cast<unsigned char>(c + 0x20);
  t.lower[0x8A] = 0x9A;  // Š š
  t.lower[0x8C] = 0x9C;  // Œ œ
  t.lower[0x8E] = 0x9E;  // Ž ž
  t.lower[0x9F] = 0xFF;  // Ÿ ÿ
  return t;
}

constexpr TextRules kClassic = make_rules(false);
constexpr TextRules kComplete = make_rules(true);

}  // namespace

const TextRules& text_rules(Reading r) { return r == Reading::Complete ? kComplete : kClassic; }

const char* reading_key(Reading r) { return r == Reading::Complete ? "completa" : "classica"; }

std::optional<Reading> reading_of_key(std::string_view text) {
  std::string t;
  for (char c : text) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u <= 32) continue;  // blanks around it
    t += static_cast<char>(u >= 'A' && u <= 'Z' ? u + ('a' - 'A') : u);
  }
  if (t == "completa") return Reading::Complete;
  if (t == "classica" || t == "cl\xC3\xA1ssica" || t == "cl\xE1ssica" || t == "cl\xC3\x81ssica" ||
      t == "cl\xC1ssica")
    return Reading::Classic;
  return std::nullopt;
}

std::string reading_caption(Reading r) { return r == Reading::Complete ? "completa" : "cl\xC3\xA1ssica"; }

char lower(Reading r, char c) { return static_cast<char>(text_rules(r).lowered(static_cast<unsigned char>(c))); }

void lower_in_place(Reading r, Ansi& text) {
  const TextRules& t = text_rules(r);
  for (char& c : text) c = static_cast<char>(t.lowered(static_cast<unsigned char>(c)));
}

Ansi lower(Reading r, AnsiView text) {
  Ansi out(text);
  lower_in_place(r, out);
  return out;
}

}  // namespace lumeral
