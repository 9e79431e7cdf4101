#include "core/mining/frequency.h"

#include <algorithm>
#include <unordered_map>

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/comparison/centroid.h"
#include "core/comparison/percentages.h"
#include "core/records/records.h"
#include "core/records/document_list.h"

namespace lumeral::mining {

namespace {

// A document's matrix; stops as the centroid does when it is missing.
std::filesystem::path classification_matrix(const std::filesystem::path& folder, AnsiView document) {
  std::filesystem::path m = classification::matrix_path(folder, document);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(m, ec)) throw Stop("Fazer classificação antes !");
  return m;
}

}  // namespace

std::vector<FrequencyRow> frequency_rows(const std::vector<Ansi>& centroid_lines,
                                         const std::vector<Ansi>& percentage_lines) {
  std::vector<FrequencyRow> rows;
  for (std::size_t i = 0; i < centroid_lines.size(); ++i) {
    AnsiView line = centroid_lines[i];
    FrequencyRow row;
    std::size_t bar = line.find('|');
    row.concept_name = trim(line.substr(0, bar));
    if (bar != AnsiView::npos) row.absolute = trim(line.substr(bar + 1));
    if (i < percentage_lines.size()) {
      AnsiView p = percentage_lines[i];
      std::size_t sep = p.rfind(AnsiView(" - "));
      Ansi rel = trim(sep == AnsiView::npos ? p : p.substr(sep + 3));
      if (!rel.empty()) rel.pop_back();
      row.relative = rel;
    }
    rows.push_back(std::move(row));
  }
  std::stable_sort(rows.begin(), rows.end(), [](const FrequencyRow& a, const FrequencyRow& b) {
    return lower_az(a.concept_name) < lower_az(b.concept_name);
  });
  return rows;
}

std::vector<FrequencyRow> frequency_at_degree(const std::filesystem::path& document_list,
                                              const std::filesystem::path& folder, double min_degree,
                                              const Regional& regional, Progress& progress) {
  namespace cmp = lumeral::comparison;
  const std::vector<Ansi> documents = records::read_document_names(document_list);
  if (documents.empty()) throw Stop("A lista de documentos está vazia.");
  // Concepts in the order they are first found above 0, each with the
  // documents that hold it at the minimum degree.
  std::vector<std::pair<Ansi, double>> counts;
  std::unordered_map<Ansi, std::size_t> index;
  const std::string total = std::to_string(documents.size());
  ordered_pipeline(
      documents.size(),
      [&](std::size_t i) { return records::read_all<records::WordRecord>(classification_matrix(folder, documents[i])); },
      [&](std::size_t i, std::vector<records::WordRecord>& recs) {
        progress.status("Doc " + std::to_string(i + 1) + " (de " + total + ")");
        progress.bar(static_cast<long long>(i), static_cast<long long>(documents.size()) - 1);
        progress.checkpoint();
        for (const auto& r : recs) {
          if (!(r.weight > 0)) continue;
          Ansi name = trim(r.word);
          if (name.empty()) continue;
          auto [it, added] = index.try_emplace(name, counts.size());
          if (added) counts.push_back({name, 0.0});
          if (r.weight >= min_degree) counts[it->second].second += 1;
        }
      });
  std::vector<Ansi> centroid_lines, percentage_lines;
  const double n = static_cast<double>(documents.size());
  for (const auto& [name, count] : counts) {
    centroid_lines.push_back(name + Ansi(" | ") + regional.format_general(count));
    percentage_lines.push_back(name + Ansi(" - ") + regional.format(count / n * 100.0, "0.0") + Ansi("%"));
  }
  return frequency_rows(centroid_lines, percentage_lines);
}

FrequencyRun frequency_of_list(const std::filesystem::path& document_list, const std::filesystem::path& folder,
                               const Regional& regional, Progress& progress,
                               const std::optional<shell::Project>& wizard_project) {
  namespace cmp = lumeral::comparison;
  cmp::CentroidOptions o;
  o.type = cmp::CentroidType::All;
  o.method = cmp::Method::Context;
  o.mode = cmp::Mode::Frequency;
  o.wizard_project = wizard_project;
  FrequencyRun run;
  run.documents = records::read_document_names(document_list);
  run.centroid = cmp::compute_centroid(run.documents, folder, o, regional, progress);
  run.percentages = cmp::compute_percentages(document_list, run.centroid.file, regional);
  run.rows = frequency_rows(cmp::row_lines(run.centroid.rows), cmp::percentage_lines(run.percentages.rows));
  return run;
}

FrequencyRun frequency_road(const shell::Project& project, const Regional& regional, Progress& progress,
                            double min_degree) {
  const std::filesystem::path list = project.doc_list();
  if (min_degree > 0) {
    FrequencyRun run;
    run.rows = frequency_at_degree(list, project.folder, min_degree, regional, progress);
    return run;
  }
  return frequency_of_list(list, project.folder, regional, progress, project);
}

std::vector<FrequencyRow> frequency_run(const shell::Project& project, const Regional& regional,
                                        Progress& progress, double min_degree) {
  return frequency_road(project, regional, progress, min_degree).rows;
}

void sort_frequency_rows(std::vector<FrequencyRow>& rows, int column, const Regional& regional) {
  if (column == 0) {
    std::stable_sort(rows.begin(), rows.end(), [](const FrequencyRow& a, const FrequencyRow& b) {
      return lower_az(a.concept_name) < lower_az(b.concept_name);
    });
    return;
  }
  std::vector<std::pair<double, std::size_t>> keys;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Ansi& v = column == 1 ? rows[i].absolute : rows[i].relative;
    keys.push_back({v.empty() ? 0.0 : regional.parse(v), i});
  }
  std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<FrequencyRow> sorted;
  for (auto& k : keys) sorted.push_back(std::move(rows[k.second]));
  rows = std::move(sorted);
}

}  // namespace lumeral::mining
