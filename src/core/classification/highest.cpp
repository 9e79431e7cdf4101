#include "core/classification/highest.h"

#include "core/base/files.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/records/records.h"
#include "core/records/document_list.h"

namespace lumeral::classification {

using namespace lumeral::literals;

Ansi highest_line(const HighestRow& row) {
  if (row.text) return *row.text;
  return row.matrix + Ansi(" => "_a) + row.category + Ansi(" | "_a) + row.degree;
}

std::vector<Ansi> highest_lines(const std::vector<HighestRow>& rows) {
  std::vector<Ansi> lines;
  lines.reserve(rows.size());
  for (const auto& r : rows) lines.push_back(highest_line(r));
  return lines;
}

Listing HighestListing::listing() const { return Listing{highest_lines(rows), stop}; }

HighestListing classify_highest(const fs::path& doc_list, const Regional& regional) {
  HighestListing out;
  const fs::path folder = doc_list.parent_path();
  const auto docs = records::read_document_names(doc_list);
  FolderIndex index(folder);
  for (std::size_t k = 0; k < docs.size(); ++k) {
    const Ansi name = matrix_name(docs[k]);
    const fs::path file = index.find(name);
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
      out.stop = Message{"Fazer classificação antes !", MessageKind::Error};
      return out;
    }
    double best = 0;
    Ansi category;
    for (const auto& r : read_matrix(file))
      if (r.weight > best) {
        best = r.weight;
        category = r.word;
      }
    out.rows.push_back({name, category, regional.format(best, "0.00000"), std::nullopt});
  }
  return out;
}

namespace {

// The category of a kept text: between "=> " and " |", trimmed.
Ansi category_of_line(AnsiView l) {
  auto arrow = l.find("=>"_a);
  auto bar = l.find('|');
  AnsiView part;
  if (arrow != AnsiView::npos && bar != AnsiView::npos && bar >= arrow + 4) {
    std::size_t start = std::min(arrow + 3, l.size());
    part = l.substr(start, bar - 1 > start ? bar - 1 - start : 0);
  }
  return trim(part);
}

// A line read back: a row when highest_line() gives it back and every
// reading of the row's parts agrees with the reading of the line.
HighestRow highest_of_line(AnsiView line) {
  const std::size_t arrow = line.find(" => "_a);
  const std::size_t bar = arrow == AnsiView::npos ? AnsiView::npos : line.find(" | "_a, arrow + 4);
  if (bar != AnsiView::npos) {
    HighestRow row{Ansi(line.substr(0, arrow)), Ansi(line.substr(arrow + 4, bar - arrow - 4)),
                   Ansi(line.substr(bar + 3)), std::nullopt};
    const bool plain = row.matrix.find("=>"_a) == Ansi::npos && row.matrix.find('|') == Ansi::npos &&
                       row.category.find('|') == Ansi::npos && row.degree.find('|') == Ansi::npos;
    if (plain && highest_line(row) == line) return row;
  }
  return {{}, {}, {}, Ansi(line)};
}

}  // namespace

std::vector<HighestRow> select_category(const std::vector<HighestRow>& rows, AnsiView category_field) {
  const Ansi wanted = trim(category_field);
  std::vector<HighestRow> kept;
  for (const auto& r : rows)
    if ((r.text ? category_of_line(*r.text) : trim(r.category)) == wanted) kept.push_back(r);
  return kept;
}

std::vector<HighestRow> open_result_text(const fs::path& file) {
  std::vector<HighestRow> rows;
  for (const Ansi& line : read_document_lines(file)) rows.push_back(highest_of_line(line));
  return rows;
}

void save_highest_as_doc_list(const fs::path& out, const std::vector<HighestRow>& rows) {
  records::Writer<records::DocRecord> writer(out);
  for (const auto& r : rows) {
    AnsiView l = r.text ? AnsiView(*r.text) : AnsiView(r.matrix);
    Ansi name = lower_az(trim_view(l.substr(0, l.find("=>"_a))));
    auto dot = find_ci(name, ".mtz"_a);
    if (dot != AnsiView::npos) name = name.substr(0, dot + 1) + Ansi("txt"_a);
    else if (name.size() >= 3 && equals_ci(AnsiView(name).substr(name.size() - 3), "mtz"_a))
      name.resize(name.size() - 3);
    writer.write({cut(name, 255), 0.0});
  }
  writer.close();
}

}  // namespace lumeral::classification
