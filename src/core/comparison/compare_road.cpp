#include "core/comparison/compare_road.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <unordered_set>

#include "core/base/encoding.h"
#include "core/base/existence.h"
#include "core/base/files.h"
#include "core/base/text.h"
#include "core/comparison/centroid.h"
#include "core/preparation/import.h"
#include "core/preparation/stopword_lists.h"
#include "core/records/records.h"
#include "core/shell/project_file.h"
#include "core/shell/saved_project.h"
#include "core/records/document_list.h"

namespace lumeral::comparison {

const char* const kBadDocumentList = "Erro na seleção de documentos";
const char* const kRedoPreparation = "Faça novamente o processamento de textos - passo 2";
const char* const kNoResults = "Não existe resultados para serem mostrados";
const char* const kSharedWords = "palavras que aparecem em mais de 1 texto";
const char* const kExclusiveWordsOf = "ver palavras exclusivas de ";

namespace {

// Shows one line per item of an inner run: the inner run's own status texts
// are dropped, each bar(i, max) becomes the line made for item i.
class ItemLines : public Progress {
 public:
  ItemLines(Progress& target, std::function<std::string(long long)> line)
      : target_(target), line_(std::move(line)) {}
  void bar(long long position, long long maximum) override {
    target_.status(line_(position));
    target_.bar(position, maximum);
  }

 private:
  Progress& target_;
  std::function<std::string(long long)> line_;
};

// The name up to its final dot ("noticia1.txt" gives "noticia1").
Ansi without_extension(AnsiView name) {
  Ansi base = companion_base(name);
  if (!base.empty() && base.back() == '.') base.pop_back();
  return base;
}

}  // namespace

fs::path comparison_centroid_file(const shell::Project& project) {
  return project.file(Ansi("centroide-2_") + project.title + Ansi(".lpl"));
}

std::vector<Ansi> comparison_documents(const shell::Project& project, Progress& progress) {
  if (project.title.empty()) throw Stop(kBadDocumentList);
  const fs::path list = project.doc_list();
  if (!is_existing_file(list)) throw RedoPreparation();
  std::vector<Ansi> documents = records::read_document_names(list);
  const long long last = static_cast<long long>(documents.size()) - 1;
  for (long long k = 0; k <= last; ++k) {
    progress.status("Processando " + std::to_string(last) + " documentos");
    progress.detail("Processados " + std::to_string(k) + " documentos até o momento");
    progress.bar(k, last);
  }
  return documents;
}

fs::path comparison_centroid(const shell::Project& project, const std::vector<Ansi>& documents,
                             const Regional& regional, Progress& progress) {
  CentroidOptions options;
  options.type = CentroidType::Two;
  options.method = Method::Word;
  options.mode = Mode::Weight;
  options.wizard_project = project;
  options.output = comparison_centroid_file(project);
  const std::string n = std::to_string(documents.size());
  ItemLines lines(progress, [&](long long i) {
    return "Processando arquivo " + to_utf8(companion_name(documents[static_cast<std::size_t>(i)], Ansi("lpl"))) +
           " - " + std::to_string(i + 1) + " de " + n;
  });
  return compute_centroid(documents, project.folder, options, regional, lines).file;
}

std::vector<Exclusive> comparison_differences(const shell::Project& project, const std::vector<Ansi>& documents,
                                              const fs::path& centroid, Progress& progress) {
  const std::string n = std::to_string(documents.size());
  ItemLines lines(progress, [&](long long i) {
    return "Processando arquivo " + to_utf8(companion_name(documents[static_cast<std::size_t>(i)], Ansi("lpl"))) +
           " - " + std::to_string(i + 1) + " de " + n;
  });
  compute_differences(documents, project.folder, centroid, Method::Word, lines);
  std::vector<Exclusive> out;
  std::unordered_set<Ansi> seen;
  for (const Ansi& doc : documents) {
    fs::path dif = project.folder / to_path(companion_name(doc, difference_extension(Method::Word)));
    std::error_code ec;
    const auto size = fs::file_size(dif, ec);
    if (ec || size < records::Layout<records::WordRecord>::size) continue;
    Ansi name = without_extension(doc);
    if (seen.insert(name).second) out.push_back({std::move(name), std::move(dif)});
  }
  return out;
}

std::vector<ResultSet> result_sets(const fs::path& centroid, const std::vector<Exclusive>& exclusives) {
  std::vector<ResultSet> sets;
  if (exclusives.empty()) return sets;
  sets.push_back({to_ansi(kSharedWords), centroid});
  for (const Exclusive& e : exclusives) sets.push_back({to_ansi(kExclusiveWordsOf) + e.name, e.file});
  return sets;
}

std::optional<std::vector<ResultRow>> result_rows(const fs::path& file, const Regional& regional) {
  if (!is_existing_file(file)) return std::nullopt;
  std::vector<ResultRow> rows;
  for (const auto& r : records::read_all<records::WordRecord>(file))
    rows.push_back({trim(r.word), regional.format(r.weight, "0.0000")});
  return rows;
}

void sort_rows_by_word(std::vector<ResultRow>& rows, const Regional& regional) {
  std::vector<std::string> keys;
  keys.reserve(rows.size());
  for (const ResultRow& r : rows) keys.push_back(regional.collation_key(r.word));
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<ResultRow> sorted;
  sorted.reserve(rows.size());
  for (std::size_t i : order) sorted.push_back(std::move(rows[i]));
  rows = std::move(sorted);
}

void sort_rows_by_weight(std::vector<ResultRow>& rows, const Regional& regional) {
  std::vector<double> weights;
  weights.reserve(rows.size());
  for (const ResultRow& r : rows) weights.push_back(regional.parse(r.weight));
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return weights[a] > weights[b]; });
  std::vector<ResultRow> sorted;
  sorted.reserve(rows.size());
  for (std::size_t i : order) sorted.push_back(std::move(rows[i]));
  rows = std::move(sorted);
}

std::vector<Ansi> result_text_lines(const std::vector<ResultRow>& rows, Progress& progress) {
  std::vector<Ansi> lines;
  lines.reserve(rows.size());
  const long long last = static_cast<long long>(rows.size()) - 1;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    progress.status("Processando Arquivo de Resultados");
    progress.bar(static_cast<long long>(i), last);
    lines.push_back(trim(rows[i].word) + Ansi(" ") + trim(rows[i].weight));
  }
  return lines;
}

void save_result_text(const fs::path& file, const std::vector<ResultRow>& rows, Progress& progress) {
  write_text_file(file, result_text_lines(rows, progress));
}

Comparison compare_collection(const shell::Project& project, const Regional& regional, Progress& progress) {
  Comparison c;
  c.documents = comparison_documents(project, progress);
  c.centroid = comparison_centroid(project, c.documents, regional, progress);
  c.exclusives = comparison_differences(project, c.documents, c.centroid, progress);
  c.sets = result_sets(c.centroid, c.exclusives);
  return c;
}

CompareOutcome compare_project(const fs::path& project_file, const fs::path& start_folder, const Regional& regional,
                               Progress& progress, std::size_t memory_budget) {
  CompareOutcome out;
  const shell::SavedProject saved = shell::open_saved_project(project_file, out.notes);
  const shell::ProjectSettings& s = saved.settings;
  out.project = {fs::absolute(saved.folder), s.title};

  if (!is_existing_file(out.project.doc_list())) {
    preparation::ImportInput input;
    input.folder = out.project.folder;
    input.title = s.title;
    input.single_file = s.text_location == shell::kSingleFile;
    input.separator = s.separator;
    input.stopwords = preparation::find_standard_list(language_of_row(s.language), start_folder);
    input.formats = preparation::project_formats(s);
    input.stem = preparation::project_stem(s);
    input.reading = s.reading;
    input.memory_budget = memory_budget;
    if (!is_existing_file(input.stopwords)) throw Stop(preparation::kNoStopwordList);
    preparation::ImportResult result = preparation::run_import(input, regional, progress);
    if (result.empty_folder) throw Stop(preparation::kEmptyFolder);
    for (const Message& m : result.messages) out.notes.push_back(m.text);
    const std::string left_out = preparation::left_out_message(
        result, "Para incluí-los, marque \"Converter também documentos DOCX, ODT e PDF\" no projeto.");
    if (!left_out.empty()) out.notes.push_back(left_out);
    out.prepared = true;
  }
  out.comparison = compare_collection(out.project, regional, progress);
  return out;
}

}  // namespace lumeral::comparison
