// One part of a collection split over several runs (processes or
// machines sharing the project folder): shard `index` of `count` takes the
// documents at positions index, index + count, index + 2 * count, ... of
// the document list (0-based). The shards of a count together take every
// document exactly once, so per-document files written by the shards equal
// those of a single run.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumeral {

struct Shard {
  std::size_t index = 0;
  std::size_t count = 1;  // 1: the whole collection

  bool whole() const { return count == 1; }
  bool takes(std::size_t position) const { return position % count == index; }

  // The items of a list this shard takes, in list order.
  template <class T>
  std::vector<T> select(std::vector<T> items) const {
    if (whole()) return items;
    std::vector<T> mine;
    mine.reserve(items.size() / count + 1);
    for (std::size_t i = index; i < items.size(); i += count) mine.push_back(std::move(items[i]));
    return mine;
  }
};

// "I/N" with 0 <= I < N (decimal numbers, N at least 1). nullopt for
// anything else.
std::optional<Shard> parse_shard(std::string_view text);

}  // namespace lumeral
