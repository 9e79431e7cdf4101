#include "core/clustering/matrix.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/clustering/similarity.h"
#include "core/records/records.h"

namespace lumeral::clustering {

namespace {

const char* kNoList = "Você deve selecionar antes uma lista de docs";

struct Posting {
  std::size_t doc;
  double weight;  // scaled
};

}  // namespace

std::vector<Ansi> read_doc_names(const fs::path& list) {
  std::vector<Ansi> names;
  for (auto& r : records::read_all<records::DocRecord>(list)) names.push_back(std::move(r.name));
  return names;
}

void check_matrix_fits(const SimilarityMatrix& m, std::size_t n) {
  if (n == 0) throw Stop(kNoList);
  if (m.n != n || m.values.size() != n * n) {
    if (m.n == 0) throw Stop("Crie ou abra antes a matriz de similaridades desta lista de docs.");
    throw Stop("A matriz de similaridades é de uma lista de " + std::to_string(m.n) +
               " docs, mas a lista carregada tem " + std::to_string(n) +
               ". Crie ou abra a matriz desta lista antes.");
  }
}

SimilarityMatrix create_matrix(const fs::path& folder, const std::vector<Ansi>& entries, Method method,
                               Progress& progress) {
  const std::size_t n = entries.size();
  if (n == 0) throw Stop(kNoList);
  const Ansi ext = method == Method::Words ? Ansi("lpl") : Ansi("mtz");
  std::vector<fs::path> paths(n);
  for (std::size_t i = 0; i < n; ++i) {
    paths[i] = method == Method::Words ? lookup(folder, companion_name(entries[i], ext))
                                       : classification::matrix_path(folder, entries[i]);
    std::error_code ec;
    if (!fs::is_regular_file(paths[i], ec))
      throw Stop(method == Method::Words ? "Criar lista de palavras antes" : "Fazer classificação antes");
  }

  // Read every list once (both cores), then turn names into numbers.
  std::vector<std::vector<records::WordRecord>> lists(n);
  parallel_for(n, [&](std::size_t i) { lists[i] = read_weight_list(paths[i]); });

  const double scale = method == Method::Words ? 1.0 : 100.0;
  std::unordered_map<Ansi, std::size_t> ids;
  // Per document: its positive entries as (word id, scaled weight), in order.
  std::vector<std::vector<std::pair<std::size_t, double>>> docs(n);
  std::vector<std::vector<Posting>> postings;
  std::vector<std::size_t> count(n), positive(n);
  for (std::size_t i = 0; i < n; ++i) {
    count[i] = lists[i].size();
    for (const auto& r : lists[i]) {
      if (!(r.weight > 0)) continue;
      ++positive[i];
      auto [it, added] = ids.try_emplace(r.word, ids.size());
      if (added) postings.emplace_back();
      double w = r.weight / scale;
      docs[i].emplace_back(it->second, w);
      postings[it->second].push_back({i, w});
    }
    lists[i].clear();
    lists[i].shrink_to_fit();
  }

  // Row i: for each positive entry of i in order, every later document
  // holding that word, in its record order. For one pair (i, j) the fuzzy
  // similarities are therefore added in the order of the pairwise scan.
  SimilarityMatrix m;
  m.n = n;
  m.values.assign(n * n, 0.0);
  const Denominator den = method == Method::Words ? Denominator::AllEntries : Denominator::PositiveEntries;
  struct Scratch {
    std::vector<double> sum;
    std::vector<std::size_t> common;
    std::vector<std::size_t> touched;
  };
  std::vector<Scratch> scratch(parallel_workers(n));
  for (auto& s : scratch) {
    s.sum.assign(n, 0.0);
    s.common.assign(n, 0);
  }
  auto row = [&](std::size_t worker, std::size_t i) {
    Scratch& s = scratch[worker];
    for (auto [word, x] : docs[i]) {
      const auto& plist = postings[word];
      auto it = std::upper_bound(plist.begin(), plist.end(), i,
                                 [](std::size_t d, const Posting& p) { return d < p.doc; });
      for (; it != plist.end(); ++it) {
        if (s.common[it->doc] == 0) s.touched.push_back(it->doc);
        ++s.common[it->doc];
        s.sum[it->doc] += fuzzy_similarity(x, it->weight);
      }
    }
    for (std::size_t j : s.touched) {
      Comparison c;
      c.common = s.common[j];
      c.sum = s.sum[j];
      c.count_a = count[i];
      c.count_b = count[j];
      c.positive_a = positive[i];
      c.positive_b = positive[j];
      m.values[i * n + j] = similarity_of(c, Numerator::FuzzySum, den).value_or(0.0);
      s.common[j] = 0;
      s.sum[j] = 0;
    }
    s.touched.clear();
  };
  parallel_for_worker(n, row, [&](std::size_t done) {
    progress.status("Analisando doc " + std::to_string(std::min(done + 1, n)) + " de " + std::to_string(n) + " X");
    progress.checkpoint();
  });

  for (std::size_t i = 0; i < n; ++i) {
    m.values[i * n + i] = 0;
    for (std::size_t j = i + 1; j < n; ++j) m.values[j * n + i] = m.values[i * n + j];
  }
  progress.status("Terminou de criar a matriz de similaridades");
  return m;
}

std::vector<Ansi> show_matrix(const std::vector<Ansi>& entries, const SimilarityMatrix& m, const Regional& regional) {
  const std::size_t n = entries.size();
  check_matrix_fits(m, n);
  std::vector<Ansi> labels(n);
  for (std::size_t i = 0; i < n; ++i) {
    Ansi label = cut(entries[i], 15);
    std::size_t dot = label.find('.');
    std::size_t p = dot == Ansi::npos ? 0 : dot + 1;
    if (p < 9) label.append(12 - p, ' ');
    labels[i] = std::move(label);
  }
  std::vector<Ansi> lines;
  lines.reserve(n + 1);
  Ansi head(15, ' ');
  for (const auto& l : labels) head += Ansi("  |  ") + l;
  lines.push_back(std::move(head));
  for (std::size_t i = 0; i < n; ++i) {
    Ansi line = labels[i];
    for (std::size_t j = 0; j < n; ++j) line += Ansi("  |  ") + regional.format(m.at(i, j), "0.0000000000");
    lines.push_back(std::move(line));
  }
  return lines;
}

void save_matrix(const fs::path& p, const std::vector<Ansi>& entries, const SimilarityMatrix& m) {
  check_matrix_fits(m, entries.size());
  records::write_doubles(p, m.values);
}

SimilarityMatrix open_matrix(const fs::path& p, const std::vector<Ansi>& entries) {
  const std::size_t n = entries.size();
  if (n == 0) throw Stop(kNoList);
  auto values = records::read_doubles(p);
  if (values.size() != n * n) {
    throw Stop("O arquivo \"" + display_path(p) + "\" tem " + std::to_string(values.size()) +
               " valores, mas a lista carregada, com " + std::to_string(n) + " docs, precisa de " +
               std::to_string(n * n) + ". A matriz não foi aberta.");
  }
  SimilarityMatrix m;
  m.n = n;
  m.values = std::move(values);
  return m;
}

}  // namespace lumeral::clustering
