// The co-occurrence network of a term association's listing, made without
// holding its rows: the same network as charts::cooccurrence_network() of
// the listing's rows (optionally filtered by a threshold), in memory that
// grows with the vocabulary and the number of pairs drawn, not with the
// number of pairs found. A pair met twice (its mirror, or the same two
// words in the other order) counts once, at its first line; telling which
// lines repeat an earlier one is a sort of the pairs under the memory
// budget, spilling into a scratch folder.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>

#include "core/association/pair_listing.h"
#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/charts/network.h"

namespace lumeral::association {

struct StrongestPairsOptions {
  std::size_t strongest = charts::kDefaultStrongestPairs;
  // "Limiar": only lines whose weight reaches it (as filter_by_threshold).
  std::optional<Ansi> threshold;
  std::size_t memory_budget = std::size_t{1} << 30;
  std::filesystem::path scratch_parent;  // where the sort may spill
};

charts::Network strongest_pairs_network(const PairListing& listing, const StrongestPairsOptions& options,
                                        const Regional& regional, Progress& progress = Progress::none());

}  // namespace lumeral::association
