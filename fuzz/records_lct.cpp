// Context lists (.lct): the record reader and the context manager's
// "Abre lista de contextos".
#include "core/contexts/contexts.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  auto p = fuzz::input_file(data, size, "lista.lct");
  fuzz::refusing([&] { (void)contexts::open_context_list(p, fuzz::regional()); });
  return 0;
}
