// The dendrogram file (".dnd") as a drawing of the tree would read it, and
// the cuts of a tree read back.
#include "core/clustering/hierarchical.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  fuzz::refusing([&] {
    const clustering::Dendrogram d = clustering::parse_dendrogram(text, "f.dnd");
    if (d.n == 0) return;
    (void)clustering::cut_into(d, 1);
    (void)clustering::cut_into(d, d.n);
    if (!d.merges.empty()) (void)clustering::cut_at(d, d.merges[d.merges.size() / 2].height);
  });
  return 0;
}
