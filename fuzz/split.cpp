// The split of one file into documents at a separator: the first line of
// the input is the separator, the rest the file.
#include "core/preparation/split.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  auto lines = fuzz::lines(data, size);
  if (lines.empty()) return 0;
  const Ansi separator = trim(lines.front());
  lines.erase(lines.begin());
  fuzz::refusing([&] { (void)preparation::split_documents(lines, separator); });
  return 0;
}
