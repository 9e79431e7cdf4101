#include "core/export/concordance_table.h"

namespace lumeral::exporting {

namespace {

const std::vector<std::string> kHeaders = {"Documento", "Linha", "Esquerda", "Palavra", "Direita"};

void fill(std::vector<Cell>& cells, const retrieval::ConcordanceRow& r) {
  cells[0] = Cell::of_text(r.name);
  cells[1] = Cell::of_number(static_cast<double>(r.line), 0);
  cells[2] = Cell::of_text(r.left);
  cells[3] = Cell::of_text(r.keyword);
  cells[4] = Cell::of_text(r.right);
}

}  // namespace

TableSource concordance_source(retrieval::ConcordanceView& view,
                               std::function<void(const retrieval::ConcordanceRow&)> each) {
  TableSource s;
  s.headers = kHeaders;
  s.rows = static_cast<std::size_t>(view.total().shown);
  s.columns = s.headers.size();
  s.each_row = [&view, each = std::move(each)](const TableSource::Row& put) {
    std::vector<Cell> cells(5);
    view.rows([&](const retrieval::ConcordanceRow& r) {
      if (each) each(r);
      fill(cells, r);
      put(cells);
    });
  };
  return s;
}

Table concordance_table(const std::vector<retrieval::ConcordanceRow>& rows) {
  Table t;
  t.headers = kHeaders;
  t.rows.reserve(rows.size());
  for (const auto& r : rows) {
    t.rows.emplace_back(kHeaders.size());
    fill(t.rows.back(), r);
  }
  return t;
}

}  // namespace lumeral::exporting
