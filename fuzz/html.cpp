// HTML conversion under both readings. Classic: a page's lines joined,
// tags removed and entities decoded; on small pages the result must be,
// byte for byte, what the step-by-step procedure gives. Complete: the page
// parsed as a browser reads it (any bytes, any declared charset): one
// non-empty line per paragraph, no line break or other control character
// but the tab inside a line, no blank at either end.
#include "core/preparation/html_page.h"
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
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  for (const Ansi& line : preparation::read_html_page(raw).lines) {
    if (line.empty() || line.front() == ' ' || line.back() == ' ') std::abort();
    for (char c : line)
      if (static_cast<unsigned char>(c) < 0x20 && c != '\t') std::abort();
  }
  return 0;
}
