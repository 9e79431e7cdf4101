#include "core/classification/highest.h"

#include "core/base/files.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/records/records.h"
#include "core/records/document_list.h"

namespace lumeral::classification {

using namespace lumeral::literals;

Listing classify_highest(const fs::path& doc_list, const Regional& regional) {
  Listing out;
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
    out.lines.push_back(name + Ansi(" => "_a) + category + Ansi(" | "_a) + regional.format(best, "0.00000"));
  }
  return out;
}

std::vector<Ansi> select_category(const std::vector<Ansi>& lines, AnsiView category_field) {
  const Ansi wanted = trim(category_field);
  std::vector<Ansi> kept;
  for (const auto& line : lines) {
    AnsiView l = line;
    auto arrow = l.find("=>"_a);
    auto bar = l.find('|');
    AnsiView part;
    if (arrow != AnsiView::npos && bar != AnsiView::npos && bar >= arrow + 4) {
      std::size_t start = std::min(arrow + 3, l.size());
      part = l.substr(start, bar - 1 > start ? bar - 1 - start : 0);
    }
    if (trim_view(part) == AnsiView(wanted)) kept.push_back(line);
  }
  return kept;
}

std::vector<Ansi> open_result_text(const fs::path& file) { return read_document_lines(file); }

void save_highest_as_doc_list(const fs::path& out, const std::vector<Ansi>& lines) {
  records::Writer<records::DocRecord> writer(out);
  for (const auto& line : lines) {
    AnsiView l = line;
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
