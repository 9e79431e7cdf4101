// Tables a user brings (the variables file, `variables --set`,
// `import-table`): the input is read as a CSV from memory and from a file
// (the same rows both ways), as a worksheet's XML (with and without itself
// as the shared strings), as an ODS "content.xml", and as a workbook file
// of either kind. Every row has a number past the one before and no empty
// cell at its end.
#include <cstdlib>

#include "core/variables/table_reader.h"
#include "fuzz_support.h"

namespace {

using Rows = std::vector<std::pair<std::size_t, std::vector<std::string>>>;

lumeral::variables::RowSink collect(Rows& rows) {
  return [&rows](lumeral::variables::TableRow& row) {
    if (row.cells.empty() || row.cells.back().empty()) std::abort();
    if (!rows.empty() && row.number <= rows.back().first) std::abort();
    rows.emplace_back(row.number, row.cells);
  };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumeral;
  using namespace lumeral::variables;
  constexpr std::size_t kLimit = preparation::document_size_limit(1);
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  Rows in_memory, from_file;
  bool refused_in_memory = true, refused_from_file = true;
  fuzz::refusing([&] {
    read_csv_bytes(bytes, "tabela.csv", collect(in_memory));
    refused_in_memory = false;
  });
  fuzz::refusing([&] {
    read_table(fuzz::input_file(data, size, "tabela.csv"), {}, collect(from_file));
    refused_from_file = false;
  });
  if (refused_in_memory != refused_from_file || (!refused_in_memory && in_memory != from_file)) std::abort();

  TableOptions options;
  options.limit = kLimit;
  Rows ignored;
  fuzz::refusing([&] { read_xlsx_sheet_xml(bytes, "", "tabela.xlsx", kLimit, collect(ignored)); });
  ignored.clear();
  fuzz::refusing([&] { read_xlsx_sheet_xml(bytes, bytes, "tabela.xlsx", kLimit, collect(ignored)); });
  ignored.clear();
  fuzz::refusing([&] { read_ods_xml(bytes, "tabela.ods", options, collect(ignored)); });
  for (const char* name : {"tabela.xlsx", "tabela.ods"}) {
    ignored.clear();
    fuzz::refusing([&] { read_table(fuzz::input_file(data, size, name), options, collect(ignored)); });
  }
  return 0;
}
