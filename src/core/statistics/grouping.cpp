#include "core/statistics/grouping.h"

#include <unordered_map>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/records/document_list.h"
#include "core/variables/variables_file.h"

namespace lumeral::statistics {

Grouping group_documents(const fs::path& doc_list, AnsiView variable) {
  Grouping g;
  g.folder = doc_list.parent_path();
  if (g.folder.empty()) g.folder = ".";
  g.documents = records::read_document_names(doc_list);
  if (g.documents.empty()) throw Stop("A lista de documentos está vazia.");
  const variables::Variables vars = variables::read_variables(variables::variables_path_for(doc_list));
  const variables::Assignment a = variables::assign(vars, variable, g.documents);
  g.categories = a.categories;
  g.warnings = variables::assignment_warnings(a);
  std::unordered_map<Ansi, std::size_t> index;
  for (std::size_t c = 0; c < g.categories.size(); ++c) index.emplace(g.categories[c], c);
  g.documents_in.assign(g.categories.size(), 0);
  for (const Ansi& category : a.category_of_document) {
    const std::size_t c = index.at(category);
    g.category_of.push_back(c);
    ++g.documents_in[c];
  }
  if (g.categories.size() < 2)
    throw Stop("A variável \"" + to_utf8(trim(variable)) + "\" tem uma só categoria nos documentos da lista (\"" +
               (g.categories.empty() ? std::string() : to_utf8(g.categories[0])) +
               "\"): não há o que comparar.");
  return g;
}

Ansi cell_text(const exporting::Cell& cell, const Regional& regional) {
  if (!cell.is_number()) return cell.text;
  if (cell.decimals < 0) return regional.format_general(*cell.number);
  return regional.format(*cell.number, cell.decimals ? "0." + std::string(cell.decimals, '0') : "0");
}

std::vector<Ansi> table_lines(const exporting::Table& table, const Regional& regional) {
  std::vector<Ansi> lines;
  Ansi header;
  for (std::size_t i = 0; i < table.headers.size(); ++i) {
    if (i) header += '\t';
    header += to_ansi(table.headers[i]);
  }
  lines.push_back(std::move(header));
  for (const auto& row : table.rows) {
    Ansi line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i) line += '\t';
      line += cell_text(row[i], regional);
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

exporting::Cell p_value_cell(double p, const Regional& regional) {
  if (p < 0.0001) return exporting::Cell::of_text(Ansi("< ") + regional.format(0.0001, "0.0000"));
  return exporting::Cell::of_number(p, 4);
}

}  // namespace lumeral::statistics
