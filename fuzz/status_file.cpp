// The status file ("resultados_n4.wiz") as a restore reads it.
#include "core/shell/status_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  auto p = fuzz::input_file(data, size, "resultados_n4.wiz");
  fuzz::refusing([&] {
    auto s = shell::read_status_file(p);
    (void)s.rule_count();
    (void)shell::status_file_lines(s);
  });
  return 0;
}
