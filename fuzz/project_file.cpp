// The project file (title + ".ini"), as the wizard reads a possibly
// hand-edited one.
#include "core/shell/project_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  auto p = fuzz::input_file(data, size, "projeto.ini");
  fuzz::refusing([&] {
    auto s = shell::read_project_file(p);
    (void)shell::project_file_lines(s);
  });
  return 0;
}
