#include "core/clustering/hierarchical.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>
#include <new>
#include <string>

#include <sys/mman.h>

#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/base/text.h"

namespace lumeral::clustering {

namespace {

constexpr const char* kMagic = "lumeral-dendrograma 1";

// Position of d(i, j), i < j, in the condensed distances.
inline std::size_t at(std::size_t n, std::size_t i, std::size_t j) {
  if (i > j) std::swap(i, j);
  return i * (2 * n - i - 1) / 2 + (j - i - 1);
}

// The distance to the cluster i + j from k, by Lance-Williams (squared
// distances for Ward).
double update(Linkage l, double dki, double dkj, double dij, double ni, double nj, double nk) {
  switch (l) {
    case Linkage::Single:
      return std::min(dki, dkj);
    case Linkage::Complete:
      return std::max(dki, dkj);
    case Linkage::Average:
      return (ni * dki + nj * dkj) / (ni + nj);
    case Linkage::Ward:
      return ((ni + nk) * dki + (nj + nk) * dkj - nk * dij) / (ni + nj + nk);
  }
  return dki;
}

// Union-find over the documents, to renumber the merges and to cut.
struct Sets {
  std::vector<std::size_t> parent;
  explicit Sets(std::size_t n) : parent(n) { std::iota(parent.begin(), parent.end(), std::size_t{0}); }
  std::size_t find(std::size_t x) {
    while (parent[x] != x) x = parent[x] = parent[parent[x]];
    return x;
  }
};

// The nearest-neighbour chain over the condensed distances `d`.
Dendrogram chain_merges(std::size_t n, float* d, Linkage linkage, Progress& progress);

// The working copy: its own mapping, asked for large pages before it is
// first touched. The chain reads a column of the triangle (one value per
// row, far apart) at every step; with 4 KB pages nearly each of those
// reads also misses the address cache.
class WorkingCopy {
 public:
  explicit WorkingCopy(std::size_t count) : bytes_(std::max<std::size_t>(count, 1) * sizeof(float)) {
    void* p = mmap(nullptr, bytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    madvise(p, bytes_, MADV_HUGEPAGE);  // a hint: without it the pages are small
    data_ = static_cast<float*>(p);
  }
  ~WorkingCopy() { munmap(data_, bytes_); }
  WorkingCopy(const WorkingCopy&) = delete;
  WorkingCopy& operator=(const WorkingCopy&) = delete;
  float* data() { return data_; }

 private:
  std::size_t bytes_;
  float* data_ = nullptr;
};

}  // namespace

const char* linkage_key(Linkage l) {
  switch (l) {
    case Linkage::Average: return "average";
    case Linkage::Complete: return "complete";
    case Linkage::Single: return "single";
    case Linkage::Ward: return "ward";
  }
  return "average";
}

std::optional<Linkage> linkage_of_key(std::string_view key) {
  for (Linkage l : {Linkage::Average, Linkage::Complete, Linkage::Single, Linkage::Ward})
    if (key == linkage_key(l)) return l;
  return std::nullopt;
}

std::size_t hierarchical_bytes(std::size_t n) { return n < 2 ? 0 : n * (n - 1) / 2 * sizeof(float); }

void check_hierarchical_memory(std::size_t n, std::size_t memory_budget) {
  const std::size_t need = hierarchical_bytes(n);
  if (need <= memory_budget) return;
  const std::size_t mb = 1024 * 1024;
  throw Stop("O agrupamento hierárquico de " + std::to_string(n) + " documentos precisa de " +
             std::to_string((need + mb - 1) / mb) + " MB, mais que a memória para as análises (" +
             std::to_string(memory_budget / mb) + " MB); aumente-a (--memory) ou use uma lista menor.");
}

Dendrogram hierarchical(const SimilarityMatrix& m, std::size_t n, Linkage linkage, std::size_t memory_budget,
                        Progress& progress) {
  check_matrix_fits(m, n);
  check_hierarchical_memory(n, memory_budget);
  WorkingCopy copy(hierarchical_bytes(n) / sizeof(float));
  float* const d = copy.data();
  const bool squared = linkage == Linkage::Ward;
  progress.status("Lendo a matriz de similaridades");
  for (std::size_t i = 0; i < n; ++i) {
    if (i % 256 == 0) progress.checkpoint();
    for (std::size_t j = i + 1; j < n; ++j) {
      const double dist = 1.0 - m.at(i, j);
      d[at(n, i, j)] = static_cast<float>(squared ? dist * dist : dist);
    }
    m.release_rows(i, i + 1);
  }
  return chain_merges(n, d, linkage, progress);
}

Dendrogram hierarchical_of_distances(std::size_t n, std::vector<float> distances, Linkage linkage,
                                     Progress& progress) {
  return chain_merges(n, distances.data(), linkage, progress);
}

namespace {

Dendrogram chain_merges(std::size_t n, float* d, Linkage linkage, Progress& progress) {
  Dendrogram out;
  out.n = n;
  out.linkage = linkage;
  if (n < 2) return out;
  // The nearest-neighbour chain. A merged cluster takes the slot of its
  // smaller index; `id` is the cluster each slot holds now.
  std::vector<std::size_t> size(n, 1);
  // The slots still holding a cluster, in increasing order: the scans
  // shorten as clusters merge.
  std::vector<std::size_t> alive(n);
  std::iota(alive.begin(), alive.end(), std::size_t{0});
  std::vector<std::size_t> chain;
  chain.reserve(n);
  struct Found {
    std::size_t a, b;  // slots
    double height;
  };
  std::vector<Found> found;
  found.reserve(n - 1);
  progress.status("Agrupando documentos");
  while (found.size() + 1 < n) {
    if (found.size() % 64 == 0) progress.checkpoint();
    if (chain.empty()) chain.push_back(alive.front());
    std::size_t a = 0, b = 0;
    double best = 0;
    for (;;) {
      a = chain.back();
      const std::size_t before = chain.size() >= 2 ? chain[chain.size() - 2] : n;
      b = before;
      best = before < n ? d[at(n, a, before)] : std::numeric_limits<double>::infinity();
      for (std::size_t x : alive) {
        if (x == a) continue;
        const double dx = d[at(n, a, x)];
        if (dx < best) {
          best = dx;
          b = x;
        }
      }
      if (b == before) break;  // a and b are each other's nearest
      chain.push_back(b);
    }
    chain.pop_back();
    chain.pop_back();
    const std::size_t keep = std::min(a, b), gone = std::max(a, b);
    const double ni = static_cast<double>(size[keep]), nj = static_cast<double>(size[gone]);
    const double dij = d[at(n, keep, gone)];
    for (std::size_t x : alive) {
      if (x == keep || x == gone) continue;
      float& dk = d[at(n, keep, x)];
      dk = static_cast<float>(update(linkage, dk, d[at(n, gone, x)], dij, ni, nj, static_cast<double>(size[x])));
    }
    alive.erase(std::lower_bound(alive.begin(), alive.end(), gone));
    size[keep] += size[gone];
    found.push_back({keep, gone, linkage == Linkage::Ward ? std::sqrt(std::max(0.0, best)) : best});
  }

  // In order of height, clusters renumbered: the slots' documents are
  // joined in a union-find whose roots carry their cluster's number.
  std::vector<std::size_t> order(found.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t x, std::size_t y) { return found[x].height < found[y].height; });
  Sets sets(n);
  std::vector<std::size_t> cluster(n), members(n, 1);
  std::iota(cluster.begin(), cluster.end(), std::size_t{0});
  for (std::size_t k = 0; k < order.size(); ++k) {
    const Found& f = found[order[k]];
    const std::size_t ra = sets.find(f.a), rb = sets.find(f.b);
    Merge mg;
    mg.a = std::min(cluster[ra], cluster[rb]);
    mg.b = std::max(cluster[ra], cluster[rb]);
    mg.height = f.height;
    mg.size = members[ra] + members[rb];
    out.merges.push_back(mg);
    sets.parent[rb] = ra;
    cluster[ra] = n + k;
    members[ra] = mg.size;
  }
  progress.status("Terminou de agrupar documentos");
  return out;
}

}  // namespace

namespace {

std::vector<std::size_t> labels_after(const Dendrogram& d, std::size_t merges) {
  Sets sets(d.n);
  // The document standing for each cluster made so far.
  std::vector<std::size_t> member(d.n + d.merges.size());
  std::iota(member.begin(), member.begin() + static_cast<std::ptrdiff_t>(d.n), std::size_t{0});
  for (std::size_t k = 0; k < merges; ++k) {
    const Merge& mg = d.merges[k];
    const std::size_t ra = sets.find(member[mg.a]), rb = sets.find(member[mg.b]);
    sets.parent[std::max(ra, rb)] = std::min(ra, rb);
    member[d.n + k] = std::min(ra, rb);
  }
  // Clusters numbered by their first document.
  std::vector<std::size_t> number(d.n, d.n), labels(d.n);
  std::size_t next = 0;
  for (std::size_t i = 0; i < d.n; ++i) {
    const std::size_t r = sets.find(i);
    if (number[r] == d.n) number[r] = next++;
    labels[i] = number[r];
  }
  return labels;
}

}  // namespace

void check_cluster_count(std::size_t k, std::size_t n) {
  if (k < 1 || k > n)
    throw Stop("O número de clusters deve estar entre 1 e o número de documentos (" + std::to_string(n) + ").");
}

std::vector<std::size_t> cut_into(const Dendrogram& d, std::size_t k) {
  check_cluster_count(k, d.n);
  return labels_after(d, std::min(d.merges.size(), d.n - k));
}

std::vector<std::size_t> cut_at(const Dendrogram& d, double height) {
  std::size_t k = 0;
  while (k < d.merges.size() && d.merges[k].height <= height) ++k;
  return labels_after(d, k);
}

Clusters clusters_of(const std::vector<Ansi>& entries, const std::vector<std::size_t>& labels) {
  Clusters c;
  c.n = entries.size();
  for (std::size_t i = 0; i < entries.size() && i < labels.size(); ++i) {
    if (labels[i] >= c.members.size()) c.members.resize(labels[i] + 1);
    c.members[labels[i]].push_back(trim(entries[i]));
  }
  return c;
}

std::string dendrogram_text(const Dendrogram& d) {
  std::string out = std::string(kMagic) + "\r\nligacao " + linkage_key(d.linkage) + "\r\ndocumentos " +
                    std::to_string(d.n) + "\r\n";
  char buffer[64];
  for (const Merge& mg : d.merges) {
    auto r = std::to_chars(buffer, buffer + sizeof buffer, mg.height);
    out += std::to_string(mg.a) + ' ' + std::to_string(mg.b) + ' ' + std::string(buffer, r.ptr) + ' ' +
           std::to_string(mg.size) + "\r\n";
  }
  return out;
}

void save_dendrogram(const fs::path& p, const Dendrogram& d) { write_bytes_atomic(p, dendrogram_text(d)); }

namespace {

// The lines of a text ended by CR LF or LF (the last may lack its end).
std::vector<std::string_view> text_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

template <class T>
bool read_number(std::string_view& s, T& value) {
  auto r = std::from_chars(s.data(), s.data() + s.size(), value);
  if (r.ec != std::errc() || r.ptr == s.data()) return false;
  s.remove_prefix(static_cast<std::size_t>(r.ptr - s.data()));
  return true;
}

bool blank(std::string_view& s) {
  if (s.empty() || s.front() != ' ') return false;
  s.remove_prefix(1);
  return true;
}

}  // namespace

Dendrogram parse_dendrogram(std::string_view text, const std::string& name) {
  auto bad = [&](std::size_t line) {
    return Stop("O arquivo " + name + " não é um dendrograma válido (linha " + std::to_string(line) + ").");
  };
  const auto lines = text_lines(text);
  if (lines.size() < 3 || lines[0] != kMagic) throw bad(1);
  Dendrogram d;
  std::string_view s = lines[1];
  if (s.substr(0, 8) != "ligacao ") throw bad(2);
  auto linkage = linkage_of_key(s.substr(8));
  if (!linkage) throw bad(2);
  d.linkage = *linkage;
  s = lines[2];
  if (s.substr(0, 11) != "documentos ") throw bad(3);
  s.remove_prefix(11);
  if (!read_number(s, d.n) || !s.empty()) throw bad(3);
  const std::size_t count = d.n < 2 ? 0 : d.n - 1;
  if (lines.size() != 3 + count) throw bad(std::min(lines.size(), 3 + count) + 1);
  std::vector<std::size_t> sizes(d.n, 1);
  std::vector<char> used(d.n + count, 0);
  sizes.resize(d.n + count, 0);
  double last = -std::numeric_limits<double>::infinity();
  for (std::size_t k = 0; k < count; ++k) {
    s = lines[3 + k];
    Merge mg;
    if (!read_number(s, mg.a) || !blank(s) || !read_number(s, mg.b) || !blank(s) || !read_number(s, mg.height) ||
        !blank(s) || !read_number(s, mg.size) || !s.empty())
      throw bad(4 + k);
    // Two distinct clusters made before, each joined once, sizes adding
    // up, heights never going down.
    if (mg.a >= mg.b || mg.b >= d.n + k || used[mg.a] || used[mg.b] || !std::isfinite(mg.height) ||
        mg.height < last || mg.size != sizes[mg.a] + sizes[mg.b])
      throw bad(4 + k);
    used[mg.a] = used[mg.b] = 1;
    sizes[d.n + k] = mg.size;
    last = mg.height;
    d.merges.push_back(mg);
  }
  return d;
}

Dendrogram read_dendrogram(const fs::path& p) { return parse_dendrogram(read_bytes(p), message_name(p)); }

}  // namespace lumeral::clustering
