#include "core/statistics/crosstab.h"

#include <unordered_map>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/records/records.h"

namespace lumeral::statistics {

namespace {

using exporting::Cell;

// Names of categories joined for a table cell.
Ansi joined(const std::vector<Ansi>& categories, const std::vector<std::size_t>& which) {
  Ansi out;
  for (std::size_t i = 0; i < which.size(); ++i) {
    if (i) out += Ansi(", ");
    out += categories[which[i]];
  }
  return out;
}

}  // namespace

Crosstab crosstab(const fs::path& doc_list, const fs::path& context_list, AnsiView variable, double min_degree,
                  Progress& progress) {
  Crosstab out;
  std::unordered_map<Ansi, std::size_t> concept_index;
  for (const auto& r : records::read_all<records::ContextListRecord>(context_list)) {
    Ansi name = cut(trim(r.name), 15);
    if (name.empty() || !concept_index.emplace(name, out.rows.size()).second) continue;
    out.rows.push_back({name, {}, std::nullopt});
  }
  if (out.rows.empty()) throw Stop("A lista de contextos não tem nenhum conceito.");
  out.grouping = group_documents(doc_list, variable);
  const Grouping& g = out.grouping;
  const std::size_t k = g.categories.size();
  for (auto& row : out.rows) row.holding.assign(k, 0);

  const std::size_t n = g.documents.size();
  const std::string total = std::to_string(n);
  // Per concept: 0 absent from the matrix, 1 below the degree, 2 held; no
  // state at all when the matrix is missing. A document's fault is told
  // when its turn comes, so a run stops on the first in list order.
  ordered_pipeline(
      n,
      [&](std::size_t i) {
        const fs::path m = classification::matrix_path(g.folder, g.documents[i]);
        std::vector<char> state;
        std::error_code ec;
        if (!fs::is_regular_file(m, ec)) return state;
        state.assign(out.rows.size(), 0);
        for (const auto& r : records::read_all<records::WordRecord>(m)) {
          auto found = concept_index.find(trim(r.word));
          if (found == concept_index.end()) continue;
          state[found->second] = r.weight > 0 && r.weight >= min_degree ? 2 : 1;
        }
        return state;
      },
      [&](std::size_t i, std::vector<char>& state) {
        progress.status("Doc " + std::to_string(i + 1) + " (de " + total + ")");
        progress.bar(static_cast<long long>(i), static_cast<long long>(n) - 1);
        progress.checkpoint();
        if (state.empty()) throw Stop("Fazer classificação antes !");
        for (std::size_t c = 0; c < state.size(); ++c) {
          if (state[c] == 0)
            throw Stop("A matriz de \"" + to_utf8(g.documents[i]) + "\" não tem o conceito \"" +
                       to_utf8(out.rows[c].concept_name) +
                       "\": classifique os documentos com esta lista de contextos antes.");
          if (state[c] == 2) ++out.rows[c].holding[g.category_of[i]];
        }
      },
      2048);

  for (auto& row : out.rows) {
    Counts t{2, k, std::vector<double>(2 * k)};
    for (std::size_t j = 0; j < k; ++j) {
      t.cells[j] = static_cast<double>(row.holding[j]);
      t.cells[k + j] = static_cast<double>(g.documents_in[j] - row.holding[j]);
    }
    row.test = pearson_test(t);
  }
  return out;
}

std::vector<std::size_t> low_expected(const ConceptRow& row) {
  std::vector<std::size_t> low;
  if (!row.test) return low;
  const std::size_t k = row.holding.size();
  for (std::size_t j = 0; j < k; ++j)
    if (row.test->expected[j] < kMinimumExpected || row.test->expected[k + j] < kMinimumExpected) low.push_back(j);
  return low;
}

std::vector<std::size_t> low_expected_categories(const Crosstab& crosstab) {
  std::vector<char> low(crosstab.grouping.categories.size(), 0);
  for (const ConceptRow& row : crosstab.rows)
    for (std::size_t j : low_expected(row)) low[j] = 1;
  std::vector<std::size_t> out;
  for (std::size_t j = 0; j < low.size(); ++j)
    if (low[j]) out.push_back(j);
  return out;
}

exporting::Table crosstab_table(const Crosstab& crosstab, const Regional& regional) {
  const Grouping& g = crosstab.grouping;
  const std::size_t k = g.categories.size();
  exporting::Table t;
  t.headers.push_back("Conceito");
  for (const Ansi& c : g.categories) {
    const std::string name = to_utf8(c);
    t.headers.push_back(name + ": docs");
    t.headers.push_back(name + ": %");
    t.headers.push_back(name + ": resíduo");
  }
  for (const char* h : {"Qui-quadrado", "gl", "p", "Acima do esperado", "Abaixo do esperado", "Esperado < 5"})
    t.headers.push_back(h);

  std::vector<Cell> first{Cell::of_text(Ansi("(documentos)"))};
  for (std::size_t j = 0; j < k; ++j) {
    first.push_back(Cell::of_number(static_cast<double>(g.documents_in[j]), 0));
    first.push_back(Cell::of_number(100.0 * static_cast<double>(g.documents_in[j]) /
                                        static_cast<double>(g.documents.size()), 1));
    first.push_back(Cell::of_text({}));
  }
  t.rows.push_back(std::move(first));

  for (const ConceptRow& row : crosstab.rows) {
    std::vector<Cell> cells{Cell::of_text(row.concept_name)};
    std::vector<std::size_t> above, below;
    for (std::size_t j = 0; j < k; ++j) {
      cells.push_back(Cell::of_number(static_cast<double>(row.holding[j]), 0));
      cells.push_back(Cell::of_number(
          100.0 * static_cast<double>(row.holding[j]) / static_cast<double>(g.documents_in[j]), 1));
      if (!row.test) {
        cells.push_back(Cell::of_text({}));
        continue;
      }
      const double r = row.test->residuals[j];
      cells.push_back(Cell::of_number(r, 2));
      if (r > kResidualMark) above.push_back(j);
      if (r < -kResidualMark) below.push_back(j);
    }
    if (row.test) {
      cells.push_back(Cell::of_number(row.test->statistic, 2));
      cells.push_back(Cell::of_number(static_cast<double>(row.test->df), 0));
      cells.push_back(p_value_cell(row.test->p_value, regional));
      cells.push_back(Cell::of_text(joined(g.categories, above)));
      cells.push_back(Cell::of_text(joined(g.categories, below)));
      cells.push_back(Cell::of_text(joined(g.categories, low_expected(row))));
    }
    t.rows.push_back(std::move(cells));
  }
  return t;
}

Counts crosstab_counts(const Crosstab& crosstab) {
  Counts t{crosstab.rows.size(), crosstab.grouping.categories.size(), {}};
  for (const ConceptRow& row : crosstab.rows)
    for (std::size_t h : row.holding) t.cells.push_back(static_cast<double>(h));
  return t;
}

}  // namespace lumeral::statistics
