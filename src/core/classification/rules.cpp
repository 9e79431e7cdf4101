#include "core/classification/rules.h"

#include <array>

#include "core/base/text.h"

namespace lumeral::classification {

Rule parse_rule(AnsiView entry) {
  Rule rule;
  AnsiView rest = trim_view(entry);
  while (!rest.empty()) {
    auto blank = rest.find(' ');
    AnsiView token = trim_view(rest.substr(0, blank));
    rest = blank == AnsiView::npos ? AnsiView() : trim_view(rest.substr(blank + 1));
    if (!token.empty() && token.front() == '-') {
      Ansi term = lower_az(trim_view(token.substr(1)));
      if (!term.empty()) rule.forbidden.push_back(std::move(term));
      continue;
    }
    if (token == AnsiView("$")) continue;
    Ansi term;
    if (!token.empty() && token.front() == '$') term = Ansi(token.substr(1));
    else term = Ansi(" ") + Ansi(token);
    if (!term.empty() && term.back() == '$') term.pop_back();
    else term += ' ';
    rule.required.push_back(lower_az(term));
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
constexpr std::array<char, 256> kPrepared = [] {
  std::array<char, 256> t{};
  for (int i = 0; i < 256; ++i) {
    char c = static_cast<char>(i);
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    t[i] = c;
  }
  for (char c : {'\t', '!', '"', '#', '\'', '(', ')', '*', ',', '-', '.', '/', ':', ';', '[', '\\', ']', '{', '}'})
    t[static_cast<unsigned char>(c)] = ' ';
  return t;
}();
}  // namespace

void prepare_sentence(AnsiView sentence, Ansi& out) {
  out.resize(sentence.size() + 2);
  out[0] = ' ';
  for (std::size_t i = 0; i < sentence.size(); ++i) out[i + 1] = kPrepared[static_cast<unsigned char>(sentence[i])];
  out[sentence.size() + 1] = ' ';
}

Ansi prepare_sentence(AnsiView sentence) {
  Ansi out;
  prepare_sentence(sentence, out);
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

void RuleSet::use_stems(Language language) {
  stem_ = language;
  stemmer_ = std::make_unique<preparation::Stemmer>(language);
}

void RuleSet::add(std::size_t context, Rule rule) {
  auto id = static_cast<std::uint32_t>(rules_.size());
  if (stemmer_) stem_rule(rule, *stemmer_);
  // The key: a whole-word term " w " holds exactly when the sentence has
  // the blank-separated word w (with stems: the stemmed sentence has w).
  const Ansi* key = nullptr;
  for (const auto& t : stemmer_ ? rule.stem_required : rule.required)
    if (whole_word(t)) {
      key = &t;
      break;
    }
  if (key) by_word_[key->substr(1, key->size() - 2)].push_back(id);
  else always_.push_back(id);
  rules_.push_back(std::move(rule));
  context_of_.push_back(context);
}

void RuleSet::count(AnsiView joined, std::vector<double>& counts, Scratch& scratch) const {
  if (rules_.empty()) return;
  if (scratch.seen.size() != rules_.size()) {
    scratch.seen.assign(rules_.size(), 0);
    scratch.stamp = 0;
  }
  if (stem_ && !scratch.stemmer) scratch.stemmer = std::make_unique<preparation::Stemmer>(*stem_);
  auto test = [&](std::uint32_t id, AnsiView prepared) {
    if (rule_holds(rules_[id], prepared, scratch.stemmed)) counts[context_of_[id]] += 1;
  };
  std::size_t pos = 0;
  while (pos < joined.size()) {
    auto cut_at = joined.find_first_of(AnsiView(".?"), pos);
    if (cut_at == AnsiView::npos) cut_at = joined.size();
    prepare_sentence(joined.substr(pos, cut_at - pos), scratch.sentence);
    pos = cut_at + 1;
    if (++scratch.stamp == 0) {  // wrapped: forget every mark
      std::fill(scratch.seen.begin(), scratch.seen.end(), 0);
      scratch.stamp = 1;
    }
    AnsiView s = scratch.sentence;
    if (scratch.stemmer) stem_sentence(s, *scratch.stemmer, scratch.stemmed);
    // Key words are looked up among the words of the sentence the keys
    // were taken from.
    AnsiView words = scratch.stemmer ? AnsiView(scratch.stemmed) : s;
    if (!by_word_.empty()) {
      std::size_t i = 0;
      while (i < words.size()) {
        while (i < words.size() && words[i] == ' ') ++i;
        std::size_t j = i;
        while (j < words.size() && words[j] != ' ') ++j;
        if (j > i) {
          auto it = by_word_.find(words.substr(i, j - i));
          if (it != by_word_.end())
            for (auto id : it->second)
              if (scratch.seen[id] != scratch.stamp) {
                scratch.seen[id] = scratch.stamp;
                test(id, s);
              }
        }
        i = j;
      }
    }
    for (auto id : always_) test(id, s);
  }
}

}  // namespace lumeral::classification
