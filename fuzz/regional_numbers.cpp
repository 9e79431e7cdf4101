// The number reader of the regional settings (every typed or stored number
// text), and the written form of what it reads, in the patterns the
// windows use.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  const AnsiView text = fuzz::bytes(data, size);
  for (const Regional* r : {&fuzz::regional()}) {
    fuzz::refusing([&] { (void)r->parse_threshold(text); });
    fuzz::refusing([&] {
      const double v = r->parse(text);
      for (const char* pattern : {"0.0000", "00.00", "0000", "0.0", "0.000"}) (void)r->format(v, pattern);
      (void)r->format_general(v);
    });
  }
  return 0;
}
