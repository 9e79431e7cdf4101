// Stopword lists (.stw): the record reader and the binary search built on
// the entries (which may be in any order), asked for every entry and for
// words that are not in it.
#include "core/preparation/stopword_lists.h"
#include "core/preparation/stopword_search.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  auto p = fuzz::input_file(data, size, "lista.stw");
  fuzz::refusing([&] {
    std::vector<Ansi> entries = preparation::read_stopwords(p);
    preparation::StopwordSearch search(entries, fuzz::regional());
    for (const Ansi& e : entries) {
      (void)search.contains(trim(e));
      (void)search.contains(e);
    }
    for (const char* w : {"", "a", "de", "zzz", "\xE9"}) (void)search.contains(AnsiView(w));
  });
  return 0;
}
