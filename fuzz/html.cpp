// HTML conversion: a page's lines joined, tags removed and entities
// decoded; on small pages the result must be, byte for byte, what the
// step-by-step procedure gives.
#include "core/preparation/html_text.h"
#include "fuzz_support.h"
#include "support/literal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  (void)preparation::html_to_text(fuzz::lines(data, size));
  if (size <= 4096) {
    const AnsiView page = fuzz::bytes(data, size);
    if (preparation::remove_tags(page) != literal::remove_tags(page)) std::abort();
    if (preparation::decode_entities(page) != literal::decode_entities(page)) std::abort();
  }
  return 0;
}
