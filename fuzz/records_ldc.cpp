// Document lists (.ldc): the record reader, the document-list manager's
// listing and the names every analysis reads.
#include "core/base/files.h"
#include "core/base/text.h"
#include "core/preparation/doc_lists.h"
#include "core/records/document_list.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  auto p = fuzz::input_file(data, size, "lista.ldc");
  fuzz::refusing([&] {
    std::vector<preparation::DocRow> rows;
    preparation::include_doc_list(rows, p, Ansi(), 4, fuzz::regional());
    for (const auto& row : rows) {
      (void)records::weighted_row_line(row);
      (void)preparation::document_of(row);
    }
  });
  fuzz::refusing([&] {
    for (const Ansi& name : records::read_document_names(p)) (void)companion_name(trim(name), Ansi("lpl"));
  });
  return 0;
}
