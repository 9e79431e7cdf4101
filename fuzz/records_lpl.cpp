// Word lists (.lpl): the record reader and "Abre lista" with and without a
// threshold.
#include "core/preparation/word_lists.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  auto p = fuzz::input_file(data, size, "doc.lpl");
  for (const char* threshold : {"", "0,5"})
    fuzz::refusing([&] { (void)preparation::open_word_list(p, Ansi(threshold), fuzz::regional()); });
  return 0;
}
