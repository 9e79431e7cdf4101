// Similarity matrices (.msm): "Abre matriz gravada" for a list of n
// documents (n from the first byte), then "Mostra matriz".
#include "core/clustering/matrix.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  if (size == 0) return 0;
  const std::size_t n = data[0] % 16;
  auto p = fuzz::input_file(data + 1, size - 1, "matriz.msm");
  std::vector<Ansi> entries;
  for (std::size_t i = 0; i < n; ++i) entries.push_back(Ansi("doc") + Ansi(std::to_string(i).c_str()) + Ansi(".txt"));
  fuzz::refusing([&] {
    auto m = clustering::open_matrix(p, entries);
    (void)clustering::show_matrix(entries, m, fuzz::regional());
  });
  return 0;
}
