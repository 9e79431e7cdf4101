// Centroids and differences; file formats in docs/formats.md ("Word list",
// "Differences .dif and .dfc").
#include "core/comparison/centroid.h"

#include <string>
#include <unordered_map>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/records/records.h"

namespace lumeral::comparison {

using namespace lumeral::literals;
using records::WordRecord;

AnsiView source_extension(Method m) { return m == Method::Word ? "lpl"_a : "mtz"_a; }
AnsiView difference_extension(Method m) { return m == Method::Word ? "dif"_a : "dfc"_a; }

const char* centroid_file_name(CentroidType t) {
  switch (t) {
    case CentroidType::Two: return "centroide-2.lpl";
    case CentroidType::Every: return "centroide-3.lpl";
    default: return "centro-temp.lpl";
  }
}

namespace {

std::string missing_companion_message(Method m) {
  return m == Method::Word ? "Preparar documentos antes ! Criar lista de pals" : "Fazer classificação antes !";
}

// One record of a companion, its word interned.
struct Entry {
  std::uint32_t id;
  double weight;
};

// Words of a collection, numbered in order of first sight.
struct Dictionary {
  std::unordered_map<Ansi, std::uint32_t> ids;
  std::vector<Ansi> words;  // trimmed
  std::uint32_t intern(Ansi word) {
    auto [it, added] = ids.try_emplace(std::move(word), static_cast<std::uint32_t>(words.size()));
    if (added) words.push_back(it->first);
    return it->second;
  }
};

// The companion paths of every document (entries lowered, as the centroid
// computations do), checked to exist before anything is counted.
std::vector<fs::path> companion_paths(const std::vector<Ansi>& documents, const fs::path& folder, Method m) {
  std::vector<fs::path> paths(documents.size());
  parallel_for(documents.size(), [&](std::size_t i) {
    Ansi name = companion_name(lower_az(documents[i]), source_extension(m));
    fs::path p = lookup(folder, name);
    std::error_code ec;
    if (!fs::is_regular_file(p, ec)) throw Stop(missing_companion_message(m));
    paths[i] = p;
  });
  return paths;
}

// Reads every companion once, in order: consume(doc index, records).
template <class Consume>
void scan(const std::vector<fs::path>& paths, const std::vector<Ansi>& documents, Progress& progress,
          Consume&& consume) {
  const std::string n = std::to_string(documents.size());
  ordered_pipeline(
      paths.size(), [&](std::size_t i) { return records::read_all<WordRecord>(paths[i]); },
      [&](std::size_t i, std::vector<WordRecord>& recs) {
        progress.status("Doc " + std::to_string(i + 1) + " (de " + n + ")");
        progress.bar(static_cast<long long>(i), static_cast<long long>(paths.size()) - 1);
        progress.checkpoint();
        consume(i, recs);
      });
}

CentroidResult centroid_all(const std::vector<Ansi>& documents, const fs::path& folder, const CentroidOptions& o,
                            const Regional& regional, Progress& progress) {
  CentroidResult result;
  result.file = o.output.empty() ? folder / centroid_file_name(CentroidType::All) : o.output;
  std::vector<fs::path> paths = companion_paths(documents, folder, o.method);
  // Output records in file order, and the first record of each trimmed word.
  std::vector<WordRecord> out;
  std::unordered_map<Ansi, std::size_t> first;
  scan(paths, documents, progress, [&](std::size_t doc, std::vector<WordRecord>& recs) {
    for (auto& r : recs) {
      if (!(r.weight > 0)) continue;
      Ansi w = trim(r.word);
      if (doc == 0) {
        // The first document's records are appended as they are, repeated
        // words included; later counts go to the first of them.
        if (w.empty()) continue;
        first.try_emplace(w, out.size());
        out.push_back({r.word, 1.0});
        continue;
      }
      auto it = first.find(w);
      if (it != first.end()) {
        out[it->second].weight += 1.0;
      } else if (!w.empty()) {
        first.emplace(w, out.size());
        out.push_back({r.word, 1.0});
      }
    }
  });
  records::write_all(result.file, out);
  for (const auto& r : out) result.rows.push_back({trim(r.word), regional.format_general(r.weight)});
  return result;
}

CentroidResult centroid_two(const std::vector<Ansi>& documents, const fs::path& folder, const CentroidOptions& o,
                            const Regional& regional, Progress& progress) {
  CentroidResult result;
  result.file = o.output.empty() ? folder / centroid_file_name(CentroidType::Two) : o.output;
  std::vector<fs::path> paths = companion_paths(documents, folder, o.method);
  const std::size_t n = documents.size();
  // A word is taken up at the first document (before the last) that holds
  // it: its weight there, plus every record of it in later documents.
  struct Word {
    Ansi text;
    std::size_t first_doc;
    double sum;
    std::size_t count = 0;
  };
  std::vector<Word> words;
  std::unordered_map<Ansi, std::size_t> index;
  scan(paths, documents, progress, [&](std::size_t doc, std::vector<WordRecord>& recs) {
    for (auto& r : recs) {
      if (r.weight == 0) continue;
      Ansi w = trim(r.word);
      if (w.empty()) continue;
      auto it = index.find(w);
      if (it == index.end()) {
        if (doc + 1 < n) {
          index.emplace(w, words.size());
          words.push_back({std::move(w), doc, r.weight});
        }
        continue;
      }
      Word& word = words[it->second];
      if (doc > word.first_doc) {
        word.sum += r.weight;
        ++word.count;
      }
    }
  });
  std::vector<WordRecord> out;
  for (const Word& w : words) {
    if (w.count == 0) continue;
    double average = w.sum / static_cast<double>(n);
    double weight = o.mode == Mode::Weight ? average : static_cast<double>(w.count + 1);
    out.push_back({w.text, weight});
    if (average > 0) result.rows.push_back({w.text, regional.format(weight, "0.000000")});
  }
  records::write_all(result.file, out);
  return result;
}

CentroidResult centroid_every(const std::vector<Ansi>& documents, const fs::path& folder, const CentroidOptions& o,
                              const Regional& regional, Progress& progress) {
  CentroidResult result;
  result.file = o.output.empty() ? folder / centroid_file_name(CentroidType::Every) : o.output;
  std::vector<fs::path> paths = companion_paths(documents, folder, o.method);
  const std::size_t n = documents.size();
  std::vector<WordRecord> head;  // the first document's non-zero records
  struct Tally {
    double sum = 0;
    std::size_t count = 0;
    std::size_t docs = 0;
    std::size_t last_doc = 0;
  };
  std::unordered_map<Ansi, Tally> tally;
  const std::string total = std::to_string(n);
  ordered_pipeline(
      paths.size(), [&](std::size_t i) { return records::read_all<WordRecord>(paths[i]); },
      [&](std::size_t doc, std::vector<WordRecord>& recs) {
        if (doc > 0) progress.status("Analisando doc " + std::to_string(doc) + " de " + total);
        progress.checkpoint();
        for (auto& r : recs) {
          if (r.weight == 0) continue;
          if (doc == 0) {
            head.push_back({trim(r.word), r.weight});
            tally.try_emplace(head.back().word);
            continue;
          }
          auto it = tally.find(trim(r.word));
          if (it == tally.end()) continue;
          Tally& t = it->second;
          t.sum += r.weight;
          ++t.count;
          if (t.docs == 0 || t.last_doc != doc) {
            ++t.docs;
            t.last_doc = doc;
          }
        }
      });
  std::vector<WordRecord> out;
  for (const WordRecord& r : head) {
    const Tally& t = tally[r.word];
    if (t.docs + 1 != n) continue;  // absent from some document
    double average = (r.weight + t.sum) / static_cast<double>(n);
    double weight = o.mode == Mode::Weight ? average : static_cast<double>(t.count + 1);
    out.push_back({r.word, weight});
    result.rows.push_back({r.word, regional.format(weight, "0.000000")});
  }
  records::write_all(result.file, out);
  return result;
}

}  // namespace

CentroidResult compute_centroid(const std::vector<Ansi>& documents, const fs::path& list_folder,
                                const CentroidOptions& options, const Regional& regional, Progress& progress) {
  const fs::path folder = options.wizard_project ? options.wizard_project->folder : list_folder;
  CentroidResult result;
  switch (options.type) {
    case CentroidType::All:
      if (!options.document_selected && !options.wizard_project)
        throw Stop("Selecione arquivo antes de calcular.", MessageKind::Information);
      result = centroid_all(documents, folder, options, regional, progress);
      break;
    case CentroidType::Two: result = centroid_two(documents, folder, options, regional, progress); break;
    case CentroidType::Every: result = centroid_every(documents, folder, options, regional, progress); break;
  }
  progress.status("Terminou de calcular o centróide");
  return result;
}

std::size_t compute_differences(const std::vector<Ansi>& documents, const fs::path& folder,
                                const fs::path& centroid, Method method, Progress& progress) {
  if (documents.empty()) throw Stop("Selecionar lista de documentos");
  std::unordered_map<Ansi, bool> in_centroid;
  for (auto& r : records::read_all<WordRecord>(centroid)) in_centroid.emplace(trim(r.word), true);
  // Sources are read in parallel, files written in list order, so a
  // missing source stops after the files of the documents before it.
  std::size_t written = 0;
  ordered_pipeline(
      documents.size(),
      [&](std::size_t i) -> std::optional<std::vector<WordRecord>> {
        fs::path src = lookup(folder, companion_name(documents[i], source_extension(method)));
        std::error_code ec;
        if (!fs::is_regular_file(src, ec)) return std::nullopt;
        return records::read_all<WordRecord>(src);
      },
      [&](std::size_t i, std::optional<std::vector<WordRecord>>& recs) {
        progress.status("Calculando diferenças doc " + std::to_string(i + 1));
        progress.bar(static_cast<long long>(i), static_cast<long long>(documents.size()) - 1);
        progress.checkpoint();
        if (!recs) {
          Ansi name = companion_name(documents[i], source_extension(method));
          throw Stop("Arquivo não encontrado: \"" + display_path(folder / to_path(name)) + "\".");
        }
        std::vector<WordRecord> out;
        for (auto& r : *recs)
          if (r.weight > 0 && !in_centroid.count(trim(r.word))) out.push_back(r);
        records::write_all(folder / to_path(companion_name(documents[i], difference_extension(method))), out);
        ++written;
      });
  progress.status("Terminou de calcular as diferenças");
  return written;
}

std::vector<ResultRow> open_centroid(const fs::path& centroid, AnsiView threshold_text, const Regional& regional) {
  double threshold = regional.parse_threshold(threshold_text);
  std::vector<ResultRow> rows;
  for (auto& r : records::read_all<WordRecord>(centroid))
    if (r.weight >= threshold) rows.push_back({trim(r.word), regional.format(r.weight, "0.000000")});
  return rows;
}

namespace {
void difference_rows(const fs::path& file, const Regional& regional, std::vector<ResultRow>& rows) {
  for (auto& r : records::read_all<WordRecord>(file)) rows.push_back({trim(r.word), regional.format(r.weight, "0.0000")});
}
}  // namespace

std::vector<ResultRow> show_differences(const std::vector<Ansi>& documents, std::optional<std::size_t> selected,
                                   const fs::path& folder, Method method, const Regional& regional) {
  if (!selected || *selected >= documents.size()) throw Stop("Você deve selecionar um documento da lista");
  fs::path file = lookup(folder, companion_name(documents[*selected], difference_extension(method)));
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) throw Stop("Você deve antes calcular as diferenças");
  std::vector<ResultRow> rows;
  difference_rows(file, regional, rows);
  return rows;
}

std::vector<ResultRow> sum_differences(const std::vector<fs::path>& files, const Regional& regional) {
  std::vector<ResultRow> rows;
  for (const auto& f : files) difference_rows(f, regional, rows);
  return rows;
}

Ansi row_line(const ResultRow& row) { return row.word + Ansi(" | ") + row.weight; }

std::vector<Ansi> row_lines(const std::vector<ResultRow>& rows) {
  std::vector<Ansi> lines;
  lines.reserve(rows.size());
  for (const ResultRow& r : rows) lines.push_back(row_line(r));
  return lines;
}

void save_rows_as_word_list(const fs::path& p, const std::vector<ResultRow>& rows, const Regional& regional) {
  // Written nameless and put in place at the end: a stop leaves the old file.
  records::Writer<WordRecord> out(p);
  for (const ResultRow& r : rows) out.write({cut(r.word, 15), regional.parse(r.weight)});
  out.close();
}

}  // namespace lumeral::comparison
