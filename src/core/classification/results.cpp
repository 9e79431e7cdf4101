#include "core/classification/results.h"

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/records/records.h"
#include "core/records/weighted.h"
#include "core/records/document_list.h"

namespace lumeral::classification {

using namespace lumeral::literals;

Ansi initial_threshold(const Regional& regional) { return regional.format(0.00001, "0.00000"); }

Ansi shown_base(AnsiView entry) {
  AnsiView t = trim_view(entry);
  Ansi base = companion_base(t);
  if (base.size() < t.size()) base.pop_back();  // the dot of ".txt" / ".lpl"
  return base;
}

fs::path matrix_of_shown_name(const fs::path& folder, AnsiView name) {
  Ansi n = trim(name);
  if (find_ci(n, ".txt"_a) != AnsiView::npos || find_ci(n, ".lpl"_a) != AnsiView::npos)
    return matrix_path(folder, n);
  fs::path dotted = lookup(folder, n + Ansi(".mtz"_a));
  std::error_code ec;
  if (fs::is_regular_file(dotted, ec)) return dotted;
  fs::path plain = lookup(folder, n + Ansi("mtz"_a));
  if (fs::is_regular_file(plain, ec)) return plain;
  return dotted;
}

Listing RowListing::listing() const { return Listing{records::weighted_row_lines(rows), stop}; }

std::vector<WeightedRow> doc_contexts(const fs::path& folder, AnsiView name_field, AnsiView threshold_field,
                               const Regional& regional) {
  if (trim_view(name_field).empty()) throw Stop("Você deve fornecer o nome de um documento");
  const double threshold = regional.parse_threshold(threshold_field);
  Ansi name = cut(trim(lower_az(name_field)), 255);
  std::vector<WeightedRow> rows;
  for (const auto& r : read_matrix(matrix_of_shown_name(folder, name)))
    if (r.weight >= threshold) rows.push_back({r.word, regional.format(r.weight, "0.0000000")});
  return rows;
}

RowListing context_docs(const fs::path& doc_list, AnsiView name_field, AnsiView threshold_field,
                     const Regional& regional) {
  if (trim_view(name_field).empty()) throw Stop("Você deve fornecer o nome de um contexto");
  const double threshold = regional.parse_threshold(threshold_field);
  const Ansi context = trim(lower_az(name_field));
  const fs::path folder = doc_list.parent_path();
  RowListing out;
  for (const Ansi& doc : records::read_document_names(doc_list)) {
    AnsiView entry = doc;
    Ansi shown(entry.substr(0, find_ci(entry, ".txt"_a)));
    std::vector<records::WordRecord> matrix;
    try {
      matrix = read_matrix(matrix_path(folder, entry));
    } catch (const Stop& stop) {
      out.stop = Message{stop.text(), stop.kind()};
      return out;
    }
    for (const auto& r : matrix)
      if (r.word == context && r.weight >= threshold)
        out.rows.push_back({shown, regional.format(r.weight, "0.00000000000000")});
  }
  return out;
}

namespace {
template <class R>
std::vector<Ansi> names_of(const fs::path& list, const char* empty_message) {
  if (list.empty()) throw Stop(empty_message);
  std::vector<Ansi> names;
  for (const auto& r : records::read_all<R>(list)) names.push_back(trim(r.name));
  return names;
}
}  // namespace

std::vector<Ansi> doc_list_names(const fs::path& doc_list) {
  return names_of<records::DocRecord>(doc_list, "Você deve selecionar uma lista de documentos");
}

std::vector<Ansi> context_list_names(const fs::path& context_list) {
  return names_of<records::ContextListRecord>(context_list, "Você deve selecionar uma lista de contexto");
}

Ansi copy_selected(AnsiView line) {
  auto txt = line.find(".txt"_a);
  if (txt != AnsiView::npos) return Ansi(line.substr(0, txt));
  return trim(line);
}

void save_result_as_doc_list(const fs::path& out, const std::vector<WeightedRow>& rows, const Regional& regional) {
  records::Writer<records::DocRecord> writer(out);
  for (const auto& row : rows) {
    Ansi name = companion_base(trim_view(row.name));
    name += (!name.empty() && name.back() == '.') ? Ansi("txt"_a) : Ansi(".txt"_a);
    double weight = row.weight.empty() ? 0.0 : regional.parse(row.weight);
    writer.write({cut(name, 255), weight});
  }
  writer.close();
}

}  // namespace lumeral::classification
