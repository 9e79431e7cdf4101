// The sentence method of the term association on one text: sentences,
// tokens and the pairs counted by distinct words; on short sentences the
// store must be exactly what the loop over every pair of positions gives.
#include "core/association/pair_store.h"
#include "core/association/sentence_pairs.h"
#include "core/summaries/sentences.h"
#include "fuzz_support.h"
#include "support/literal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  association::PairStore store(fuzz::regional());
  association::SentencePairCounter counter;
  std::vector<records::PairRecord> expect;
  bool compare = size <= 2048;
  std::vector<association::PairStore::Feature> features;
  std::vector<Ansi> words;
  Ansi buffer;
  summaries::SentenceSplitter splitter(true);
  splitter.text(fuzz::bytes(data, size), [&](AnsiView sentence) {
    features.clear();
    words.clear();
    association::for_each_sentence_token(sentence, buffer, [&](AnsiView t) {
      if (t[0] >= '0' && t[0] <= '9') return;
      features.push_back(store.feature(t));
      words.emplace_back(t);
    });
    counter.count(store, features);
    if (compare && words.size() <= 64) literal::count_positions(expect, words, fuzz::regional());
    else compare = false;
  });
  if (compare && store.records() != expect) std::abort();
  return 0;
}
