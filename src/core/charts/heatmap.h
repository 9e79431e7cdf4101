// The model behind the similarity heatmap: the document-by-document matrix
// with rows and columns reordered so the members of each cluster sit side
// by side (clusters in their order, members leader first), documents in no
// cluster after them in list order, and the blocks a border is drawn around.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/clustering/clusters.h"
#include "core/clustering/matrix.h"

namespace lumeral::charts {

struct HeatmapBlock {
  std::size_t begin = 0;  // first position of the block
  std::size_t end = 0;    // one past its last position
  std::size_t cluster = 0;  // 1-based cluster number ("cluster1")
  bool operator==(const HeatmapBlock&) const = default;
};

struct HeatmapModel {
  std::vector<std::size_t> order;  // position -> index in the document list
  std::vector<Ansi> names;         // the trimmed names, by position
  std::vector<HeatmapBlock> blocks;  // one per cluster, in order of position
  std::vector<double> values;      // n x n by position, row after row
  double max_value = 0;            // the largest similarity off the diagonal
  std::size_t size() const { return order.size(); }
  double at(std::size_t row, std::size_t column) const { return values[row * order.size() + column]; }
  // The block holding a position, if any (documents in no cluster have none).
  std::optional<HeatmapBlock> block_of(std::size_t position) const;
};

// The heatmap of `matrix` over the document list `entries`. Clusters formed
// for another list (another size) are ignored and the list order is kept; a
// member name is matched to the first document of that trimmed name not
// placed yet, so repeated names each find their own document. The matrix
// must fit the list (else the clustering window's refusal).
HeatmapModel heatmap_model(const std::vector<Ansi>& entries, const clustering::SimilarityMatrix& matrix,
                           const std::optional<clustering::Clusters>& clusters);

}  // namespace lumeral::charts
