// Weighted lines ("term | weight") as every list window reads them: taken
// apart, their weights read, and the sort by weight over all of them (each
// key kind).
#include "core/records/weighted.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  auto lines = fuzz::lines(data, size);
  for (const Ansi& l : lines) {
    auto parts = records::split_weighted(l);
    fuzz::refusing([&] { (void)records::line_weight(parts, fuzz::regional(), records::NoBar::ConversionError); });
    (void)records::key_after_bar(l);
    (void)records::key_after_equals(l);
    (void)records::key_confidence(l);
  }
  for (const records::KeyFn& key : {records::KeyFn(records::key_after_bar), records::KeyFn(records::key_after_equals),
                                    records::KeyFn(records::key_confidence)}) {
    auto copy = lines;
    fuzz::refusing([&] { records::sort_by_weight(copy, key, fuzz::regional()); });
  }
  auto sorted = lines;
  records::sort_alphabetical(sorted, fuzz::regional());
  return 0;
}
