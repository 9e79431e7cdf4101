// Boolean queries (.csb): the record reader and "Abre consulta".
#include "core/retrieval/boolean.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  auto p = fuzz::input_file(data, size, "consulta.csb");
  fuzz::refusing([&] { (void)retrieval::load_query(p); });
  return 0;
}
