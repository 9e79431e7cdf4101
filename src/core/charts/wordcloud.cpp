#include "core/charts/wordcloud.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <numbers>
#include <numeric>
#include <string>
#include <unordered_map>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/charts/concept_documents.h"
#include "core/comparison/centroid.h"
#include "core/records/document_list.h"
#include "core/records/records.h"
#include "core/records/weighted.h"
#include "core/variables/table_reader.h"
#include "core/variables/variables_file.h"

namespace lumeral::charts {

namespace {

// Sums the weights of repeated words at their first place; a word's group
// is the one that gave it most weight (the first such group on a tie).
class Collector {
 public:
  explicit Collector(std::size_t groups) : groups_(groups) {}

  void add(AnsiView text, double weight, int group = -1) {
    if (!(weight > 0)) return;
    Ansi word = trim(text);
    if (word.empty()) return;
    auto [it, added] = index_.try_emplace(word, words_.size());
    if (added) {
      words_.push_back({std::move(word), 0.0, -1});
      if (groups_ > 0) by_group_.resize(by_group_.size() + groups_, 0.0);
    }
    words_[it->second].weight += weight;
    if (groups_ > 0 && group >= 0) by_group_[it->second * groups_ + static_cast<std::size_t>(group)] += weight;
  }

  CloudSource finish(std::vector<Ansi> groups) {
    if (groups_ > 0) {
      for (std::size_t w = 0; w < words_.size(); ++w) {
        const double* row = &by_group_[w * groups_];
        const auto best = std::max_element(row, row + groups_);
        if (*best > 0) words_[w].group = static_cast<int>(best - row);
      }
    }
    return {std::move(words_), std::move(groups)};
  }

 private:
  std::size_t groups_;
  std::vector<CloudWord> words_;
  std::unordered_map<Ansi, std::size_t> index_;
  std::vector<double> by_group_;  // words x groups
};

}  // namespace

CloudSource cloud_of_word_rows(const std::vector<records::WeightedRow>& rows, const Regional& regional) {
  Collector collect(0);
  for (const auto& row : rows) {
    const Ansi word = trim(row.name);
    if (word.empty()) continue;
    collect.add(word, regional.parse(row.weight));
  }
  return collect.finish({});
}

CloudSource cloud_of_rows(const std::vector<comparison::ResultRow>& rows, const Regional& regional) {
  Collector collect(0);
  for (const auto& row : rows) collect.add(row.word, regional.parse(row.weight));
  return collect.finish({});
}

CloudSource cloud_of_documents(const std::vector<Ansi>& documents, const fs::path& folder, Progress& progress,
                               const std::vector<int>& group_of_document, std::vector<Ansi> groups) {
  if (documents.empty()) throw Stop("Nenhum documento para a nuvem de palavras");
  std::vector<fs::path> paths(documents.size());
  for (std::size_t i = 0; i < documents.size(); ++i) {
    paths[i] = lookup(folder, companion_name(documents[i], "lpl"));
    std::error_code ec;
    if (!fs::is_regular_file(paths[i], ec)) throw Stop("Preparar documentos antes ! Criar lista de pals");
  }
  Collector collect(groups.size());
  const std::string n = std::to_string(documents.size());
  ordered_pipeline(
      paths.size(), [&](std::size_t i) { return records::read_all<records::WordRecord>(paths[i]); },
      [&](std::size_t i, std::vector<records::WordRecord>& recs) {
        progress.status("Doc " + std::to_string(i + 1) + " (de " + n + ")");
        progress.bar(static_cast<long long>(i), static_cast<long long>(paths.size()) - 1);
        progress.checkpoint();
        const int group = i < group_of_document.size() ? group_of_document[i] : -1;
        for (const auto& r : recs) collect.add(r.word, r.weight, group);
      });
  return collect.finish(std::move(groups));
}

std::vector<Ansi> cluster_documents(const fs::path& table, std::size_t cluster) {
  const std::string wanted = "cluster" + std::to_string(cluster);
  std::vector<Ansi> members;
  bool header = true;
  bool clusters_seen = false;
  variables::read_table(table, {}, [&](variables::TableRow& row) {
    if (header) {
      header = false;
      if (row.cells.size() < 2 || row.cells[0] != "Cluster" || row.cells[1] != "Documento")
        throw Stop("O arquivo " + table.filename().string() +
                   " não é uma tabela de clusters (colunas \"Cluster\" e \"Documento\", como a exportação dos "
                   "clusters)");
      return;
    }
    if (row.cells.size() < 2) return;
    clusters_seen = true;
    if (row.cells[0] == wanted) members.push_back(trim(to_ansi(row.cells[1])));
  });
  if (members.empty())
    throw Stop(clusters_seen ? "A tabela " + table.filename().string() + " não tem o cluster " + std::to_string(cluster)
                             : "A tabela " + table.filename().string() + " não tem clusters");
  return members;
}

CloudSource cloud_of_variable(const std::vector<Ansi>& documents, const fs::path& folder,
                              const variables::Assignment& assignment, const std::optional<Ansi>& category,
                              Progress& progress) {
  if (category) {
    std::vector<Ansi> chosen;
    for (std::size_t i = 0; i < documents.size() && i < assignment.category_of_document.size(); ++i)
      if (assignment.category_of_document[i] == *category) chosen.push_back(documents[i]);
    if (chosen.empty()) {
      std::string names;
      for (const Ansi& c : assignment.categories) names += (names.empty() ? "" : ", ") + to_utf8(c);
      throw Stop("Nenhum documento da lista tem a categoria \"" + to_utf8(*category) + "\" da variável " +
                 to_utf8(assignment.variable) + " (categorias: " + names + ")");
    }
    return cloud_of_documents(chosen, folder, progress);
  }
  std::unordered_map<Ansi, int> index;
  for (std::size_t c = 0; c < assignment.categories.size(); ++c)
    index.emplace(assignment.categories[c], static_cast<int>(c));
  std::vector<int> group(documents.size(), -1);
  for (std::size_t i = 0; i < documents.size() && i < assignment.category_of_document.size(); ++i) {
    auto it = index.find(assignment.category_of_document[i]);
    if (it != index.end()) group[i] = it->second;
  }
  return cloud_of_documents(documents, folder, progress, group, assignment.categories);
}

CloudSource cloud_of_concept(const fs::path& list, const std::optional<shell::Project>& project, AnsiView concept_name,
                             Progress& progress) {
  const auto documents = ConceptDocuments::read(list, project, progress).documents_of(concept_name);
  if (documents.empty())
    throw Stop("Nenhum documento da lista " + list.filename().string() + " tem o conceito " + to_utf8(concept_name));
  return cloud_of_documents(documents, records::folder_of(list), progress);
}

CloudSource cloud_of_list_variable(const fs::path& list, AnsiView variable, const std::optional<Ansi>& category,
                                   const std::function<void(const std::string&)>& warn, Progress& progress) {
  const auto documents = records::read_document_names(list);
  const auto assignment =
      variables::assign(variables::read_variables(variables::variables_path_for(list)), variable, documents);
  for (const auto& warning : variables::assignment_warnings(assignment)) warn(warning);
  return cloud_of_variable(documents, records::folder_of(list), assignment, category, progress);
}

std::vector<CloudWord> heaviest_words(std::vector<CloudWord> words, std::size_t top, const Regional& regional) {
  auto before = [&regional](const CloudWord& a, const CloudWord& b) {
    if (a.weight != b.weight) return a.weight > b.weight;
    const int c = regional.collate(a.word, b.word);
    if (c != 0) return c < 0;
    return a.word < b.word;
  };
  const std::size_t k = top == 0 ? words.size() : std::min(top, words.size());
  std::partial_sort(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(k), words.end(), before);
  words.resize(k);
  return words;
}

double font_size(double weight, double lightest, double heaviest, const CloudOptions& options) {
  if (!(heaviest > lightest)) return options.max_size;
  double t;
  if (options.scale == CloudScale::Sqrt)
    t = (std::sqrt(weight) - std::sqrt(lightest)) / (std::sqrt(heaviest) - std::sqrt(lightest));
  else
    t = (weight - lightest) / (heaviest - lightest);
  t = std::clamp(t, 0.0, 1.0);
  return options.min_size + t * (options.max_size - options.min_size);
}

namespace {

struct Box {
  double x, y, w, h;
};

// The placed boxes, each listed in every cell of a uniform grid it covers
// (with the padding), so a candidate meets only its neighbours.
class Grid {
 public:
  Grid(double width, double height, double cell, double padding)
      : cell_(cell),
        padding_(padding),
        columns_(std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(width / cell)))),
        rows_(std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(height / cell)))),
        cells_(columns_ * rows_) {}

  bool free(const Box& b) const {
    bool clear = true;
    visit(b, [&](std::vector<std::uint32_t>& cell) {
      for (std::uint32_t i : cell) {
        const Box& o = boxes_[i];
        if (b.x < o.x + o.w + padding_ && o.x < b.x + b.w + padding_ && b.y < o.y + o.h + padding_ &&
            o.y < b.y + b.h + padding_)
          return clear = false;
      }
      return true;
    });
    return clear;
  }

  void add(const Box& b) {
    const auto i = static_cast<std::uint32_t>(boxes_.size());
    boxes_.push_back(b);
    visit(b, [&](std::vector<std::uint32_t>& cell) {
      cell.push_back(i);
      return true;
    });
  }

 private:
  // Calls `f` on each cell the box (grown by the padding) covers until it
  // returns false.
  template <class F>
  void visit(const Box& b, F&& f) const {
    const auto clampi = [](double v, std::size_t n) {
      return static_cast<std::size_t>(std::clamp(v, 0.0, static_cast<double>(n - 1)));
    };
    const std::size_t c0 = clampi(std::floor((b.x - padding_) / cell_), columns_);
    const std::size_t c1 = clampi(std::floor((b.x + b.w + padding_) / cell_), columns_);
    const std::size_t r0 = clampi(std::floor((b.y - padding_) / cell_), rows_);
    const std::size_t r1 = clampi(std::floor((b.y + b.h + padding_) / cell_), rows_);
    for (std::size_t r = r0; r <= r1; ++r)
      for (std::size_t c = c0; c <= c1; ++c)
        if (!f(cells_[r * columns_ + c])) return;
  }

  double cell_;
  double padding_;
  std::size_t columns_;
  std::size_t rows_;
  mutable std::vector<std::vector<std::uint32_t>> cells_;
  std::vector<Box> boxes_;
};

struct Point {
  double x, y;
};

// The points of an Archimedean spiral from the centre (offsets from it),
// `step` apart along the curve and turns `step` * 2 apart, stretched to the
// picture's proportions, out to where the spiral covers the whole picture.
std::vector<Point> spiral(const CloudOptions& o) {
  const double sx = o.width >= o.height ? o.width / o.height : 1.0;
  const double sy = o.height > o.width ? o.height / o.width : 1.0;
  const double reach = std::hypot(o.width / (2 * sx), o.height / (2 * sy)) + o.step;
  const double step = std::max(o.step, 0.25);
  const double a = 2 * step / (2 * std::numbers::pi);  // r = a * theta
  std::vector<Point> points;
  points.push_back({0, 0});
  for (double theta = step / a; a * theta <= reach;) {
    const double r = a * theta;
    points.push_back({r * std::cos(theta) * sx, r * std::sin(theta) * sy});
    theta += step / r;
  }
  return points;
}

}  // namespace

CloudLayout lay_out_cloud(const std::vector<CloudWord>& words, const std::vector<Ansi>& groups,
                          const MeasureWord& measure, const CloudOptions& o) {
  CloudLayout layout;
  layout.groups = groups;
  layout.width = o.width;
  layout.height = o.height;
  if (words.empty()) return layout;
  double lightest = words.front().weight, heaviest = words.front().weight;
  for (const auto& w : words) {
    lightest = std::min(lightest, w.weight);
    heaviest = std::max(heaviest, w.weight);
  }
  const std::vector<Point> points = spiral(o);
  Grid grid(o.width, o.height, std::max(8.0, o.min_size * 1.5), o.padding);
  // Sizes that found no room: a box at least as wide and as tall finds
  // none either, since placed boxes are never removed and the smaller box
  // would have fitted wherever the larger one does.
  std::vector<BoxSize> failed;
  const double cx = o.width / 2, cy = o.height / 2;
  for (const CloudWord& w : words) {
    const double size = font_size(w.weight, lightest, heaviest, o);
    const BoxSize box = measure(w.word, size);
    bool placed = false;
    const bool hopeless = box.width > o.width || box.height > o.height ||
                          std::any_of(failed.begin(), failed.end(), [&](const BoxSize& f) {
                            return box.width >= f.width && box.height >= f.height;
                          });
    if (!hopeless) {
      for (const Point& p : points) {
        const Box b{cx + p.x - box.width / 2, cy + p.y - box.height / 2, box.width, box.height};
        if (b.x < 0 || b.y < 0 || b.x + b.w > o.width || b.y + b.h > o.height) continue;
        if (!grid.free(b)) continue;
        grid.add(b);
        int colour = w.group;
        if (groups.empty()) {
          const double t = heaviest > lightest ? (heaviest - w.weight) / (heaviest - lightest) : 0.0;
          colour = std::min(o.bands - 1, static_cast<int>(t * o.bands));
        }
        layout.placed.push_back({w.word, w.weight, size, colour, b.x, b.y, b.w, b.h});
        placed = true;
        break;
      }
    }
    if (!placed) {
      failed.push_back(box);
      layout.unplaced.push_back(w.word);
    }
  }
  return layout;
}

std::string placed_line(const PlacedWord& w) {
  // to_chars: the "." whatever locale the program runs in.
  std::string line = to_utf8(w.word);
  for (double v : {w.size, w.x, w.y, w.width, w.height}) {
    char number[64];
    const auto end = std::to_chars(number, number + sizeof number, v, std::chars_format::fixed, 2).ptr;
    line += '\t';
    line.append(number, end);
  }
  return line;
}

std::string unplaced_message(const CloudLayout& layout) {
  if (layout.unplaced.empty()) return {};
  std::string names;
  const std::size_t shown = std::min<std::size_t>(layout.unplaced.size(), 10);
  for (std::size_t i = 0; i < shown; ++i) names += (i ? ", " : "") + to_utf8(layout.unplaced[i]);
  if (layout.unplaced.size() > shown) names += "...";
  return std::to_string(layout.unplaced.size()) + (layout.unplaced.size() == 1 ? " palavra sem lugar" : " palavras sem lugar") +
         " na figura: " + names;
}

}  // namespace lumeral::charts
