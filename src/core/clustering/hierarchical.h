// Hierarchical clustering over the similarity matrix, on the distance
// 1 - similarity (the upper triangle of the matrix, row i < column j), and
// the dendrogram file that keeps its merges (docs/formats.md, "Dendrogram").
//
// Linkages: single (nearest members), complete (farthest members), average
// (mean distance between the members, UPGMA) and Ward (the Lance-Williams
// update on squared distances; heights are distances, as for the others).
// All four are reducible, so the nearest-neighbour chain finds the same
// merges as merging the closest pair at every step: O(n^2) time. Ties go to
// the smallest index (and, in the chain, to the element before, which the
// algorithm needs to stop).
//
// Memory: a working copy of the n(n-1)/2 distances as 4-byte floats (the
// updates are computed in double and stored rounded), so 20,000 documents
// take 800 MB; the matrix itself stays mapped from its file and is read
// once. A working copy larger than the memory budget is refused before it
// is made. Floats at every budget keep the merges the same at any budget.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/files.h"
#include "core/base/memory_budget.h"
#include "core/base/progress.h"
#include "core/clustering/clusters.h"
#include "core/clustering/matrix.h"

namespace lumeral::clustering {

enum class Linkage { Average, Complete, Single, Ward };

// "average", "complete", "single", "ward" and back (none for another text).
const char* linkage_key(Linkage l);
std::optional<Linkage> linkage_of_key(std::string_view key);

// One merge: clusters `a` < `b` (0 .. n-1 the documents in list order,
// n + k the cluster made by merge k) joined at `height` into a cluster of
// `size` documents.
struct Merge {
  std::size_t a = 0, b = 0;
  double height = 0;
  std::size_t size = 0;
  bool operator==(const Merge&) const = default;
};

// The n - 1 merges in order of height (equal heights in the order the
// chain found them).
struct Dendrogram {
  std::size_t n = 0;
  Linkage linkage = Linkage::Average;
  std::vector<Merge> merges;
  bool operator==(const Dendrogram&) const = default;
};

// The bytes the working copy of n documents takes, and the stop when they
// pass the budget.
std::size_t hierarchical_bytes(std::size_t n);
void check_hierarchical_memory(std::size_t n, std::size_t memory_budget);

// The dendrogram of the matrix. Stops with a message when the working copy
// would pass `memory_budget`, and (as the threshold clustering) when the
// matrix was not made for a list of `n` documents.
Dendrogram hierarchical(const SimilarityMatrix& m, std::size_t n, Linkage linkage,
                        std::size_t memory_budget = kDefaultMemoryBudget, Progress& progress = Progress::none());
// The same over distances already condensed: d(i, j), i < j, at
// i * (2n - i - 1) / 2 + j - i - 1 (squared for Ward, as the working copy
// holds them). The vector is the working copy and is used up.
Dendrogram hierarchical_of_distances(std::size_t n, std::vector<float> distances, Linkage linkage,
                                     Progress& progress = Progress::none());

// Each document's cluster (0 .. clusters - 1, by the document's first
// member in list order) after the first merges: those that leave `k`
// clusters (1 <= k <= n), or those at heights up to `height`.
std::vector<std::size_t> cut_into(const Dendrogram& d, std::size_t k);
// The stop of a `k` out of 1 .. n, for a check before the work.
void check_cluster_count(std::size_t k, std::size_t n);
std::vector<std::size_t> cut_at(const Dendrogram& d, double height);

// The clusters of a cut as the threshold clustering gives them: clusters in
// the order of their first document, each listing its documents' trimmed
// names in list order, so the cluster lines, the members shown, the saved
// lists and the exported table are made by the same functions.
Clusters clusters_of(const std::vector<Ansi>& entries, const std::vector<std::size_t>& labels);

// The dendrogram file: written through a temporary file renamed into
// place; read back checking every line (a Stop naming the file and the
// line otherwise).
void save_dendrogram(const fs::path& p, const Dendrogram& d);
Dendrogram read_dendrogram(const fs::path& p);
// The text of the file, and the reader of that text (`name` for messages).
std::string dendrogram_text(const Dendrogram& d);
Dendrogram parse_dendrogram(std::string_view text, const std::string& name);

}  // namespace lumeral::clustering
