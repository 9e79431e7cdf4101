// The concordance as an exported table: "Documento", "Linha", "Esquerda",
// "Palavra", "Direita", one row per occurrence in the view's order.
#pragma once

#include <functional>

#include "core/export/table.h"
#include "core/retrieval/concordance.h"

namespace lumeral::exporting {

// The rows of `view`, given row by row (never held whole). Handing them
// over drains the view; each row is also given to `each` (what the command
// prints beside the export). `view` must outlive the source.
TableSource concordance_source(retrieval::ConcordanceView& view,
                               std::function<void(const retrieval::ConcordanceRow&)> each);
// The same table of rows already gathered (what a window shows).
Table concordance_table(const std::vector<retrieval::ConcordanceRow>& rows);

}  // namespace lumeral::exporting
