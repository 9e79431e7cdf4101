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
    std::vector<Ansi> lines;
    preparation::include_doc_list(lines, p, Ansi(), 4, fuzz::regional());
    for (const Ansi& l : lines) (void)preparation::document_of_line(l);
  });
  fuzz::refusing([&] {
    for (const Ansi& name : records::read_document_names(p)) (void)companion_name(trim(name), Ansi("lpl"));
  });
  return 0;
}
