// The tokenizers of a text: the word-list count, the term association's
// sentences and tokens, and the classification's sentences and their
// preparation for matching.
#include "core/association/sentence_pairs.h"
#include "core/classification/rules.h"
#include "core/preparation/stopword_search.h"
#include "core/preparation/tokenizer.h"
#include "core/preparation/word_lists.h"
#include "core/summaries/sentences.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  static const preparation::StopwordSearch* stopwords =
      new preparation::StopwordSearch({Ansi("a"), Ansi("de"), Ansi("o"), Ansi("que")}, fuzz::regional());
  const AnsiView text = fuzz::bytes(data, size);
  (void)preparation::tokenize(text);
  (void)preparation::count_words(text, *stopwords);
  for (bool question_ends : {false, true}) {
    summaries::SentenceSplitter splitter(question_ends);
    Ansi buffer;
    std::size_t tokens = 0;
    splitter.text(text, [&](AnsiView s) {
      association::for_each_sentence_token(s, buffer, [&](AnsiView) { ++tokens; });
    });
  }
  for (const Ansi& s : classification::split_sentences(classification::join_lines(text)))
    (void)classification::prepare_sentence(s);
  return 0;
}
