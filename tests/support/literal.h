// Slow, literal versions of procedures whose fast versions must give the
// same bytes: each step done exactly as the procedure says it, however
// costly (searches from the start, scans of the whole store). Tests and
// fuzz targets compare the fast versions with these on small inputs.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/regional.h"
#include "core/records/records.h"

namespace lumeral::literal {

inline bool is_digit(char c) { return c >= '0' && c <= '9'; }

inline void lower_in_place(Ansi& s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
}

// Blanks and control characters off both ends.
inline Ansi trimmed(AnsiView s) {
  std::size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return Ansi(s.substr(b, e - b));
}

// Tag removal: the rest of the text consumed from the left with a depth;
// at depth 0 the first "<" opens, deeper the first "<" or ">" of the rest
// decides, and neither ends the text.
inline Ansi remove_tags(AnsiView text) {
  Ansi rest(text), out;
  int depth = 0;
  while (!rest.empty()) {
    if (depth == 0) {
      std::size_t lt = rest.find('<');
      if (lt == Ansi::npos) {
        out += rest;
        break;
      }
      out += rest.substr(0, lt);
      ++depth;
      rest = rest.substr(lt + 1);
    } else {
      std::size_t lt = rest.find('<');
      std::size_t gt = rest.find('>');
      if (lt == Ansi::npos && gt == Ansi::npos) break;
      if (gt == Ansi::npos || (lt != Ansi::npos && lt < gt)) {
        ++depth;
        rest = rest.substr(lt + 1);
      } else {
        --depth;
        rest = rest.substr(gt + 1);
      }
    }
  }
  return out;
}

// Entity decoding: for each entity of the table, in order, lower the whole
// text and replace its first occurrence, searching again from the start
// after every replacement.
inline Ansi decode_entities(AnsiView text) {
  static const std::pair<const char*, const char*> kTable[] = {
      {"&nbsp;", " "},      {"&quot;", "."},      {"&aacute;", "\xE1"}, {"&eacute;", "\xE9"}, {"&iacute;", "\xED"},
      {"&oacute;", "\xF3"}, {"&uacute;", "\xFA"}, {"&ccedil;", "\xE7"}, {"&otilde;", "\xF5"}, {"&atilde;", "\xE3"},
      {"&ecirc;", "\xEA"},  {"&acirc;", "\xE2"},  {"&ocirc;", "\xF4"},  {"&amp;", "&"},
  };
  Ansi s(text);
  for (const auto& [entity, value] : kTable) {
    while (true) {
      lower_in_place(s);
      std::size_t at = s.find(entity);
      if (at == Ansi::npos) break;
      s.replace(at, std::char_traits<char>::length(entity), value);
    }
  }
  return s;
}

// Sentences of a text for the term association: each line trimmed, cut
// after the first "." or "?" again and again; the remaining text (even an
// empty one) is appended to the pending start after one blank; a non-empty
// pending start is a last sentence.
inline std::vector<Ansi> association_sentences(const std::vector<Ansi>& lines) {
  std::vector<Ansi> out;
  Ansi pending;
  for (const Ansi& raw : lines) {
    Ansi line = trimmed(raw);
    std::size_t p;
    while ((p = line.find_first_of(".?")) != Ansi::npos) {
      out.push_back(pending + Ansi(" ") + line.substr(0, p + 1));
      line = trimmed(line.substr(p + 1));
      pending.clear();
    }
    pending += ' ';
    pending += line;
  }
  if (!pending.empty()) out.push_back(pending);
  return out;
}

// Tokens of a sentence: unkept characters become blanks ("," "." "/"
// between digits stay), the sentence is trimmed and lowered, and the first
// token (up to the first blank) is taken off again and again.
inline std::vector<Ansi> sentence_tokens(AnsiView sentence) {
  auto kept = [](unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || is_digit(static_cast<char>(c))) return true;
    for (unsigned char k : {0xC0, 0xC9, 0xE0, 0xE1, 0xE2, 0xE3, 0xE7, 0xE9, 0xEA, 0xED, 0xF3, 0xF4, 0xF5, 0xFA, 0xFC})
      if (c == k) return true;
    return false;
  };
  Ansi s(sentence);
  for (std::size_t i = 0; i < s.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(sentence[i]);
    if (kept(c)) continue;
    bool between = (c == ',' || c == '.' || c == '/') && i > 0 && i + 1 < s.size() && is_digit(sentence[i - 1]) &&
                   is_digit(sentence[i + 1]);
    if (!between) s[i] = ' ';
  }
  // Blanks are the only separators left; control characters became blanks.
  s = trimmed(s);
  lower_in_place(s);
  std::vector<Ansi> tokens;
  while (!s.empty()) {
    std::size_t blank = s.find(' ');
    tokens.push_back(s.substr(0, blank));
    s = blank == Ansi::npos ? Ansi() : trimmed(s.substr(blank));
  }
  return tokens;
}

// The pair store as a list scanned from its first record: the pair swapped
// into collation order, looked up by its features cut to 15 characters,
// weight + 1 or appended.
inline void count_pair(std::vector<records::PairRecord>& store, Ansi a, Ansi b, const Regional& regional) {
  if (regional.collate(a, b) > 0) std::swap(a, b);
  a = trimmed(a.substr(0, 15));
  b = trimmed(b.substr(0, 15));
  for (auto& r : store) {
    if (r.first == a && r.second == b) {
      r.weight += 1;
      return;
    }
  }
  store.push_back({a, b, 1});
}

// Every pair of positions i < j of a sentence's words, i then j from left
// to right.
inline void count_positions(std::vector<records::PairRecord>& store, const std::vector<Ansi>& words,
                            const Regional& regional) {
  for (std::size_t i = 0; i + 1 < words.size(); ++i)
    for (std::size_t j = i + 1; j < words.size(); ++j) count_pair(store, words[i], words[j], regional);
}

}  // namespace lumeral::literal
