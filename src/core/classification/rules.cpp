#include "core/classification/rules.h"

#include <algorithm>
#include <array>

#include "core/base/text.h"

namespace lumeral::classification {

Rule parse_rule(AnsiView entry, Reading reading) {
  Rule rule;
  AnsiView rest = trim_view(entry);
  while (!rest.empty()) {
    auto blank = rest.find(' ');
    AnsiView token = trim_view(rest.substr(0, blank));
    rest = blank == AnsiView::npos ? AnsiView() : trim_view(rest.substr(blank + 1));
    if (!token.empty() && token.front() == '-') {
      Ansi term = lower(reading, trim_view(token.substr(1)));
      if (!term.empty()) rule.forbidden.push_back(std::move(term));
      continue;
    }
    if (token == AnsiView("$")) continue;
    Ansi term;
    if (!token.empty() && token.front() == '$') term = Ansi(token.substr(1));
    else term = Ansi(" ") + Ansi(token);
    if (!term.empty() && term.back() == '$') term.pop_back();
    else term += ' ';
    rule.required.push_back(lower(reading, term));
  }
  return rule;
}

Ansi join_lines(AnsiView text) {
  Ansi out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '\r' && c != '\n') out += c;
  return out;
}

std::vector<Ansi> split_sentences(AnsiView joined) {
  std::vector<Ansi> sentences;
  std::size_t pos = 0;
  while (pos < joined.size()) {
    auto cut_at = joined.find_first_of(AnsiView(".?"), pos);
    if (cut_at == AnsiView::npos) cut_at = joined.size();
    sentences.emplace_back(joined.substr(pos, cut_at - pos));
    pos = cut_at + 1;
  }
  return sentences;
}

namespace {
std::array<char, 256> prepared_table(Reading reading) {
  std::array<char, 256> t{};
  const TextRules& rules = text_rules(reading);
  for (int i = 0; i < 256; ++i) t[i] = static_cast<char>(rules.lower[i]);
  for (char c : {'\t', '!', '"', '#', '\'', '(', ')', '*', ',', '-', '.', '/', ':', ';', '[', '\\', ']', '{', '}'})
    t[static_cast<unsigned char>(c)] = ' ';
  return t;
}
const std::array<char, 256> kPreparedClassic = prepared_table(Reading::Classic);
const std::array<char, 256> kPreparedComplete = prepared_table(Reading::Complete);
const std::array<char, 256>& prepared(Reading reading) {
  return reading == Reading::Complete ? kPreparedComplete : kPreparedClassic;
}
}  // namespace

void prepare_sentence(AnsiView sentence, Ansi& out, Reading reading) {
  const auto& table = prepared(reading);
  out.resize(sentence.size() + 2);
  out[0] = ' ';
  for (std::size_t i = 0; i < sentence.size(); ++i) out[i + 1] = table[static_cast<unsigned char>(sentence[i])];
  out[sentence.size() + 1] = ' ';
}

Ansi prepare_sentence(AnsiView sentence, Reading reading) {
  Ansi out;
  prepare_sentence(sentence, out, reading);
  return out;
}

namespace {
// " w ": one whole word.
bool whole_word(AnsiView t) { return t.size() >= 3 && t.front() == ' ' && t.back() == ' ' && t.find(' ', 1) == t.size() - 1; }
}  // namespace

void stem_rule(Rule& rule, preparation::Stemmer& stemmer) {
  std::vector<Ansi> kept;
  for (auto& t : rule.required) {
    if (whole_word(t)) rule.stem_required.push_back(Ansi(" ") + stemmer.stem(AnsiView(t).substr(1, t.size() - 2)) + Ansi(" "));
    else kept.push_back(std::move(t));
  }
  rule.required = std::move(kept);
  for (const auto& t : rule.forbidden)
    if (t.find(' ') == Ansi::npos) rule.stem_forbidden.push_back(Ansi(" ") + stemmer.stem(t) + Ansi(" "));
}

void stem_sentence(AnsiView prepared, preparation::Stemmer& stemmer, Ansi& out) {
  out.assign(1, ' ');
  std::size_t i = 0;
  while (i < prepared.size()) {
    while (i < prepared.size() && prepared[i] == ' ') ++i;
    std::size_t j = i;
    while (j < prepared.size() && prepared[j] != ' ') ++j;
    if (j > i) {
      out += stemmer.stem(prepared.substr(i, j - i));
      out += ' ';
    }
    i = j;
  }
}

bool rule_holds(const Rule& rule, AnsiView prepared, AnsiView stemmed) {
  for (const auto& t : rule.forbidden)
    if (prepared.find(t) != AnsiView::npos) return false;
  for (const auto& t : rule.stem_forbidden)
    if (stemmed.find(t) != AnsiView::npos) return false;
  for (const auto& t : rule.required)
    if (prepared.find(t) == AnsiView::npos) return false;
  for (const auto& t : rule.stem_required)
    if (stemmed.find(t) == AnsiView::npos) return false;
  return true;
}

namespace {
// A rule's terms, each kind sorted (their order does not change what the
// rule matches), after its context: equal keys, equal rules.
std::string rule_key(std::size_t context, const Rule& rule) {
  std::string key = std::to_string(context);
  for (const auto* terms : {&rule.required, &rule.forbidden, &rule.stem_required, &rule.stem_forbidden}) {
    std::vector<Ansi> sorted = *terms;
    std::sort(sorted.begin(), sorted.end());
    key += '\x01';
    for (const Ansi& t : sorted) {
      key.append(t.data(), t.size());
      key += '\x02';
    }
  }
  return key;
}
}  // namespace

void RuleSet::use_stems(Language language) {
  stem_ = language;
  stemmer_ = std::make_unique<preparation::Stemmer>(language);
}

std::uint32_t RuleSet::Index::hash(AnsiView key) {
  std::uint32_t h = 2166136261u;  // FNV-1a
  for (char c : key) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h;
}

void RuleSet::Index::grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& o : old) {
    if (!o.key) continue;
    std::size_t i = o.hash & mask;
    while (slots_[i].key) i = (i + 1) & mask;
    slots_[i] = o;
  }
}

void RuleSet::Index::add(AnsiView key, std::uint32_t rule) {
  const std::uint32_t h = hash(key);
  if (!slots_.empty()) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = h & mask; slots_[i].key; i = (i + 1) & mask)
      if (slots_[i].hash == h && keys_[slots_[i].key - 1] == key) {
        rules_[slots_[i].key - 1].push_back(rule);
        return;
      }
  }
  if ((keys_.size() + 1) * 2 > slots_.size()) grow();
  keys_.emplace_back(key);
  rules_.push_back({rule});
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = h & mask;
  while (slots_[i].key) i = (i + 1) & mask;
  slots_[i] = {h, static_cast<std::uint32_t>(keys_.size())};
}

const std::vector<std::uint32_t>* RuleSet::Index::find(AnsiView key) const {
  if (keys_.empty()) return nullptr;
  const std::uint32_t h = hash(key);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = h & mask; slots_[i].key; i = (i + 1) & mask)
    if (slots_[i].hash == h && keys_[slots_[i].key - 1] == key) return &rules_[slots_[i].key - 1];
  return nullptr;
}

void RuleSet::add(std::size_t context, Rule rule) {
  auto id = static_cast<std::uint32_t>(rules_.size());
  // With stems, whole-word terms move to stem_required and are keyed by
  // their stem, looked up among the words of the stemmed sentence.
  if (stemmer_) {
    stem_rule(rule, *stemmer_);
    if (!stemmed_rules_.insert(rule_key(context, rule)).second) return;
  }
  // A term is one token: blanks only at its ends. " w " holds exactly when
  // the sentence has the blank-separated word w; " w" when some word begins
  // with w, "w " when some word ends with it.
  auto inner_blank = [](const Ansi& t, std::size_t from, std::size_t to) {
    return t.substr(from, to - from).find(' ') != Ansi::npos;
  };
  const Ansi* word = nullptr;
  const Ansi* prefix = nullptr;
  const Ansi* suffix = nullptr;
  if (stemmer_)
    for (const auto& t : rule.stem_required)
      if (whole_word(t)) {
        word = &t;
        break;
      }
  for (const auto& t : rule.required) {
    if (word) break;
    const bool front = !t.empty() && t.front() == ' ';
    const bool back = t.size() >= 2 && t.back() == ' ';
    if (front && back && t.size() >= 3 && !inner_blank(t, 1, t.size() - 1)) {
      word = &t;
      break;
    }
    if (front && !back && t.size() >= 2 && !inner_blank(t, 1, t.size()) && !prefix) prefix = &t;
    if (back && !front && !inner_blank(t, 0, t.size() - 1) && !suffix) suffix = &t;
  }
  if (word) {
    by_word_.add(AnsiView(*word).substr(1, word->size() - 2), id);
  } else if (prefix) {
    AnsiView tok = AnsiView(*prefix).substr(1);
    std::size_t k = std::min(kAffix, tok.size());
    by_prefix_[k - 1].add(tok.substr(0, k), id);
  } else if (suffix) {
    AnsiView tok = AnsiView(*suffix).substr(0, suffix->size() - 1);
    std::size_t k = std::min(kAffix, tok.size());
    by_suffix_[k - 1].add(tok.substr(tok.size() - k), id);
  } else {
    always_.push_back(id);
  }
  rules_.push_back(std::move(rule));
  context_of_.push_back(context);
}

void RuleSet::count(AnsiView text, std::vector<double>& counts, Scratch& scratch) const {
  if (rules_.empty()) return;
  if (scratch.seen.size() != rules_.size()) {
    scratch.seen.assign(rules_.size(), 0);
    scratch.stamp = 0;
  }
  if (stem_ && !scratch.stemmer) scratch.stemmer = std::make_unique<preparation::Stemmer>(*stem_);
  auto test = [&](std::uint32_t id, AnsiView prepared) {
    if (rule_holds(rules_[id], prepared, scratch.stemmed)) counts[context_of_[id]] += 1;
  };
  AnsiView s;
  // The rules of a key the sentence holds, each tested once per sentence.
  auto lookup = [&](const Index& index, AnsiView key) {
    if (index.empty()) return;
    const auto* rules = index.find(key);
    if (!rules) return;
    for (auto id : *rules)
      if (scratch.seen[id] != scratch.stamp) {
        scratch.seen[id] = scratch.stamp;
        test(id, s);
      }
  };
  bool indexed = !by_word_.empty();
  for (std::size_t k = 0; k < kAffix; ++k) indexed = indexed || !by_prefix_[k].empty() || !by_suffix_[k].empty();
  // Room for the longest sentence: the whole text and its two blanks.
  if (scratch.sentence.size() < text.size() + 2) scratch.sentence.resize(text.size() + 2);
  const auto& table = prepared(reading_);
  const bool line_end_blank = reading_ == Reading::Complete;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (true) {
    // A sentence starts where joined text remains (line ends are not text).
    while (p < end && (*p == '\r' || *p == '\n')) ++p;
    if (p == end) break;
    // Cut at the next "." or "?" (neither kept) and prepare it on the way.
    char* out = scratch.sentence.data();
    *out++ = ' ';
    while (p < end) {
      const char c = *p++;
      if (c == '.' || c == '?') break;
      if (c == '\r' || c == '\n') {
        if (line_end_blank && out[-1] != ' ') *out++ = ' ';
        continue;
      }
      *out++ = table[static_cast<unsigned char>(c)];
    }
    *out++ = ' ';
    s = AnsiView(scratch.sentence.data(), static_cast<std::size_t>(out - scratch.sentence.data()));
    if (++scratch.stamp == 0) {  // wrapped: forget every mark
      std::fill(scratch.seen.begin(), scratch.seen.end(), 0);
      scratch.stamp = 1;
    }
    if (scratch.stemmer) stem_sentence(s, *scratch.stemmer, scratch.stemmed);
    // Word keys are looked up among the words of the sentence they were
    // taken from: the stemmed one when rules are matched by stems.
    if (scratch.stemmer && !by_word_.empty()) {
      const AnsiView words = scratch.stemmed;
      std::size_t i = 0;
      while (i < words.size()) {
        while (i < words.size() && words[i] == ' ') ++i;
        std::size_t j = i;
        while (j < words.size() && words[j] != ' ') ++j;
        if (j > i) lookup(by_word_, words.substr(i, j - i));
        i = j;
      }
    }
    if (indexed) {
      std::size_t i = 0;
      while (i < s.size()) {
        while (i < s.size() && s[i] == ' ') ++i;
        std::size_t j = i;
        while (j < s.size() && s[j] != ' ') ++j;
        if (j > i) {
          const AnsiView w = s.substr(i, j - i);
          if (!scratch.stemmer) lookup(by_word_, w);
          for (std::size_t k = 1; k <= kAffix && k <= w.size(); ++k) {
            lookup(by_prefix_[k - 1], w.substr(0, k));
            lookup(by_suffix_[k - 1], w.substr(w.size() - k));
          }
        }
        i = j;
      }
    }
    for (auto id : always_) test(id, s);
  }
}

}  // namespace lumeral::classification
