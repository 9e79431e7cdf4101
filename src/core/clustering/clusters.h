// Threshold clustering over a similarity matrix: one pass over the list,
// each unassigned document opening a cluster and taking every later
// unassigned document more similar to it than the threshold; a cluster
// saved as a document list (docs/formats.md).
#pragma once

#include <cstddef>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/files.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/clustering/matrix.h"

namespace lumeral::clustering {

struct Clusters {
  std::size_t n = 0;                      // size of the list they were formed for
  std::vector<std::vector<Ansi>> members;  // trimmed names, leader first
};

// "Agrupa documentos". `by_threshold` false is "Sem limiar", which stops
// with "Método ainda não disponível". The threshold is the field's text
// (empty means 0). The matrix must fit the list.
Clusters form_clusters(const std::vector<Ansi>& entries, const SimilarityMatrix& m, bool by_threshold,
                       AnsiView threshold_text, const Regional& regional, Progress& progress = Progress::none());

// "Clusters formados": "cluster1", "cluster2", ...
std::vector<Ansi> cluster_lines(const Clusters& c);

// "Mostra docs de um cluster": the trimmed, non-empty names of cluster
// `index` (0-based). Stops with a clear message when the clusters were
// formed for a list of another size than `loaded_n`.
std::vector<Ansi> cluster_members(const Clusters& c, std::size_t index, std::size_t loaded_n);

// "Grava docs de um cluster como lista": one record per line, the name cut
// by the companion rule and ended by "txt" (".txt" when the cut name does
// not end with a dot), weight 0.
void save_cluster_as_list(const fs::path& p, const std::vector<Ansi>& member_lines);

// The text-file name a saved list gives a shown name: cut by the companion
// rule, then "txt" after a final dot and ".txt" otherwise ("doc3.lpl" gives
// "doc3.txt", "notes" gives "notes.txt").
Ansi text_name_for_list(AnsiView shown);

}  // namespace lumeral::clustering
