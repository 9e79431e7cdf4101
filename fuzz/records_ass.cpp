// Association files (.ass, "temp.ass"): the record reader, "Abrir resultado
// gravado", and the listing of the records as a pair store is listed.
#include "core/association/association_files.h"
#include "core/association/pair_listing.h"
#include "core/records/records.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  auto p = fuzz::input_file(data, size, "pares.ass");
  fuzz::refusing([&] { (void)association::open_associations(p, fuzz::regional()); });
  fuzz::refusing(
      [&] { (void)association::list_pairs(records::read_all<records::PairRecord>(p), fuzz::regional()); });
  return 0;
}
