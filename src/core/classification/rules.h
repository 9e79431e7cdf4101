// Sentence rules of the deterministic classification: how a context entry
// becomes a rule of required and forbidden terms, how a document's text is
// cut into sentences and prepared, and when a rule holds in a sentence.
// RuleSet counts, for one document, the sentences that satisfy each rule of
// every context without testing every rule against every sentence: rules
// are indexed by one of their whole-word terms (or else by the start of a
// word beginning or the end of a word end), so a sentence only tests the
// rules whose key its words hold.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/language.h"
#include "core/base/reading.h"
#include "core/preparation/stemming.h"

namespace lumeral::classification {

// Terms as they are matched: required terms lowered (A to Z) with their
// blanks (' casa ' is a whole word, ' casa' a word beginning, 'casa ' a
// word end, 'casa' any part of a word); forbidden terms lowered and trimmed.
struct Rule {
  std::vector<Ansi> required;
  std::vector<Ansi> forbidden;
  // With word variants merged (stem_rule): terms matched against the
  // sentence whose words are replaced by their stems. Whole-word required
  // terms move here as " stem "; each one-word forbidden term also forbids
  // its stem as a whole word.
  std::vector<Ansi> stem_required;
  std::vector<Ansi> stem_forbidden;
  bool operator==(const Rule&) const = default;
};

// Cuts an entry into tokens at blanks: "-x" forbids x; "$" at the start or
// the end of a token lets the word go on on that side. Every term counts,
// however many there are; a token that is only "$" or only "-" is ignored
// (it would otherwise match every sentence, or forbid every one).
// Terms are lowered by `reading` (classic: A to Z).
Rule parse_rule(AnsiView entry, Reading reading = Reading::Classic);

// The document's text as the method reads it: its lines joined with
// nothing between them.
Ansi join_lines(AnsiView text);

// Sentences of a joined text: cut at the first "." or "?" (which belong to
// neither side), until nothing remains; "!" does not end a sentence.
std::vector<Ansi> split_sentences(AnsiView joined);

// A sentence ready for matching: lowered by the reading (classic: A to Z),
// one blank before and after, and tab ! " # ' ( ) * , - . / : ; [ \ ] { }
// turned into blanks.
Ansi prepare_sentence(AnsiView sentence, Reading reading = Reading::Classic);
void prepare_sentence(AnsiView sentence, Ansi& out, Reading reading = Reading::Classic);

// Matching by stems ("Agrupar variantes das palavras (radicais)"): a
// whole-word term " w " holds when a word of the sentence has the stem of
// w, so a rule on "eleição" finds "eleições". Terms with "$" (parts of
// words) keep matching the words as written.
void stem_rule(Rule& rule, preparation::Stemmer& stemmer);
// The prepared sentence with each blank-separated word replaced by its
// stem, one blank before, between and after them.
void stem_sentence(AnsiView prepared, preparation::Stemmer& stemmer, Ansi& out);

// No forbidden term occurs in the prepared sentence and every required one
// does (as substrings); the stem terms likewise in the stemmed sentence.
bool rule_holds(const Rule& rule, AnsiView prepared, AnsiView stemmed = AnsiView());

class RuleSet {
 public:
  struct Scratch {
    Ansi sentence;
    Ansi stemmed;
    std::unique_ptr<preparation::Stemmer> stemmer;  // one per worker
    std::vector<std::uint32_t> seen;
    std::uint32_t stamp = 0;
    std::string bytes;  // the document as read, reused from one to the next
    Ansi converted;     // the document converted from UTF-8, when it was
  };

  // Rules added from now on are matched by the stems of this language
  // (stem_rule); sentences are stemmed as they are counted.
  void use_stems(Language language);
  // Sentences are lowered by this reading (classic by default; the terms
  // must have been parsed with the same one). Under the complete reading a
  // line end inside a sentence is a blank, so the last word of a line and
  // the first of the next stay two words.
  void use_reading(Reading reading) { reading_ = reading; }
  // Adds the rule of a context (by its position in the context list). With
  // stems, a rule equal to an earlier rule of the same context once stemmed
  // ("pacote" and "pacotes") is not added: it would count every sentence
  // twice.
  void add(std::size_t context, Rule rule);
  // Counts, for every context, the (rule, sentence) pairs of the text in
  // which the rule holds, adding them to counts[context]. The text is read
  // as joined: its line ends are skipped while the sentences are cut and
  // prepared, so a text with line ends counts as join_lines() of it.
  void count(AnsiView text, std::vector<double>& counts, Scratch& scratch) const;
  std::size_t size() const { return rules_.size(); }

 private:
  // Key text -> rule numbers, looked up once per word of every sentence:
  // open addressing over a flat table (one hash, usually one slot read per
  // lookup; most words of a text are no key at all).
  class Index {
   public:
    void add(AnsiView key, std::uint32_t rule);
    const std::vector<std::uint32_t>* find(AnsiView key) const;
    bool empty() const { return keys_.empty(); }

   private:
    static std::uint32_t hash(AnsiView key);
    void grow();
    struct Slot {
      std::uint32_t hash = 0;
      std::uint32_t key = 0;  // 1 + position in keys_; 0: empty slot
    };
    std::vector<Slot> slots_;  // a power of two, at most half full
    std::vector<Ansi> keys_;
    std::vector<std::vector<std::uint32_t>> rules_;
  };
  std::optional<Language> stem_;
  Reading reading_ = Reading::Classic;
  std::unique_ptr<preparation::Stemmer> stemmer_;  // for the rules as they are added
  std::unordered_set<std::string> stemmed_rules_;  // context and terms of each stemmed rule added
  std::vector<Rule> rules_;
  std::vector<std::size_t> context_of_;
  // key word -> rules holding " word " among their required terms
  Index by_word_;
  // Rules without such a term but with a word beginning " tok" (or a word
  // end "tok "): by the first (last) min(3, length) characters of tok, one
  // index per key length 1 to 3. A word of the sentence that is at least
  // that long looks its own first (last) characters up.
  static constexpr std::size_t kAffix = 3;
  Index by_prefix_[kAffix];
  Index by_suffix_[kAffix];
  // rules with none of these terms: tested on every sentence
  std::vector<std::uint32_t> always_;
};

}  // namespace lumeral::classification
