// DOCX, ODT and PDF documents of a project folder, as the preparation
// reads them (ZIP, XML and PDF readers of the libraries, and the walk over
// their text): the input is taken as each of the three formats in turn,
// under the smallest per-document limit, so inflation bombs are cheap.
#include "core/preparation/office_text.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  using preparation::OfficeFormat;
  constexpr std::size_t kLimit = preparation::document_size_limit(1);
  const std::pair<OfficeFormat, const char*> as[] = {
      {OfficeFormat::Docx, "documento.docx"}, {OfficeFormat::Odt, "documento.odt"}, {OfficeFormat::Pdf, "documento.pdf"}};
  for (const auto& a : as) {
    const OfficeFormat format = a.first;
    auto p = fuzz::input_file(data, size, a.second);
    fuzz::refusing([&] { (void)preparation::to_stored_lines(preparation::extract_office_text(format, p, kLimit)); });
  }
  return 0;
}
