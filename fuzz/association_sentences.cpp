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
  // One store for the whole run (a store copies the regional settings,
  // which is slow); take() empties it after each input.
  static association::PairStore& store = *new association::PairStore(fuzz::regional());
  association::SentencePairCounter counter;
  std::vector<records::PairRecord> expect;
  bool compare = size <= 256;  // the literal store is scanned pair by pair
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
    if (compare && words.size() <= 24) literal::count_positions(expect, words, fuzz::regional());
    else compare = false;
  });
  const bool same = !compare || store.records() == expect;
  (void)store.take();
  if (!same) std::abort();
  return 0;
}
