#include "core/export/concordance_table.h"

namespace lumeral::exporting {

TableSource concordance_source(retrieval::ConcordanceView& view,
                               std::function<void(const retrieval::ConcordanceRow&)> each) {
  TableSource s;
  s.headers = {"Documento", "Linha", "Esquerda", "Palavra", "Direita"};
  s.rows = static_cast<std::size_t>(view.total().shown);
  s.columns = s.headers.size();
  s.each_row = [&view, each = std::move(each)](const TableSource::Row& put) {
    std::vector<Cell> cells(5);
    view.rows([&](const retrieval::ConcordanceRow& r) {
      if (each) each(r);
      cells[0] = Cell::of_text(r.name);
      cells[1] = Cell::of_number(static_cast<double>(r.line), 0);
      cells[2] = Cell::of_text(r.left);
      cells[3] = Cell::of_text(r.keyword);
      cells[4] = Cell::of_text(r.right);
      put(cells);
    });
  };
  return s;
}

}  // namespace lumeral::exporting
