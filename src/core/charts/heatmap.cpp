#include "core/charts/heatmap.h"

#include <deque>
#include <unordered_map>

#include "core/base/text.h"

namespace lumeral::charts {

std::optional<HeatmapBlock> HeatmapModel::block_of(std::size_t position) const {
  for (const auto& b : blocks)
    if (position >= b.begin && position < b.end) return b;
  return std::nullopt;
}

HeatmapModel heatmap_model(const std::vector<Ansi>& entries, const clustering::SimilarityMatrix& matrix,
                           const std::optional<clustering::Clusters>& clusters) {
  clustering::check_matrix_fits(matrix, entries.size());
  const std::size_t n = entries.size();
  HeatmapModel model;
  std::vector<Ansi> trimmed;
  trimmed.reserve(n);
  for (const Ansi& e : entries) trimmed.push_back(trim(e));

  std::vector<bool> placed(n, false);
  if (clusters && clusters->n == n) {
    // Documents not placed yet, by trimmed name, in list order.
    std::unordered_map<Ansi, std::deque<std::size_t>> by_name;
    for (std::size_t i = 0; i < n; ++i) by_name[trimmed[i]].push_back(i);
    for (std::size_t k = 0; k < clusters->members.size(); ++k) {
      HeatmapBlock block;
      block.begin = model.order.size();
      block.cluster = k + 1;
      for (const Ansi& member : clusters->members[k]) {
        auto found = by_name.find(trim(member));
        if (found == by_name.end() || found->second.empty()) continue;
        const std::size_t i = found->second.front();
        found->second.pop_front();
        placed[i] = true;
        model.order.push_back(i);
      }
      block.end = model.order.size();
      if (block.end > block.begin) model.blocks.push_back(block);
    }
  }
  for (std::size_t i = 0; i < n; ++i)
    if (!placed[i]) model.order.push_back(i);

  model.names.reserve(n);
  for (std::size_t i : model.order) model.names.push_back(trimmed[i]);
  model.values.resize(n * n);
  for (std::size_t r = 0; r < n; ++r)
    for (std::size_t c = 0; c < n; ++c) {
      const double v = matrix.at(model.order[r], model.order[c]);
      model.values[r * n + c] = v;
      if (r != c && v > model.max_value) model.max_value = v;
    }
  return model;
}

}  // namespace lumeral::charts
