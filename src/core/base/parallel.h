// Independent per-item work spread over the machine's cores. Items are
// claimed in small blocks from a shared counter, so uneven items balance;
// the caller keeps results by index and merges them in order, which keeps
// every result deterministic whatever the scheduling.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <thread>
#include <vector>

namespace lumeral {

// Runs work(i) for every i in [0, n), on up to `threads` threads (0: one per
// core) including the calling thread. work must be safe to run concurrently
// for different i. `report(done)` is called on the calling thread only, from
// time to time, with the number of items finished so far (for progress).
// The first exception thrown by work or by report (a cancel request) is
// rethrown after all threads stop.
void parallel_for(std::size_t n, const std::function<void(std::size_t)>& work,
                  const std::function<void(std::size_t)>& report = {}, std::size_t threads = 0);

// The same, telling work which worker runs it (0 .. workers-1, the caller
// being 0), so each worker can keep scratch space of its own.
std::size_t parallel_workers(std::size_t n, std::size_t threads = 0);
void parallel_for_worker(std::size_t n, const std::function<void(std::size_t worker, std::size_t i)>& work,
                         const std::function<void(std::size_t)>& report = {}, std::size_t threads = 0);

// Number of cores work is spread over (at least 1).
inline unsigned worker_count() { return std::max(1u, std::thread::hardware_concurrency()); }

// Loads items in parallel, a chunk at a time, and hands them to `consume`
// one by one in item order on the calling thread: load(i) -> T, then
// consume(i, T&). Memory holds at most one chunk of loaded items.
template <class Load, class Consume>
void ordered_pipeline(std::size_t n, Load&& load, Consume&& consume, std::size_t chunk = 512) {
  using T = decltype(load(std::size_t{0}));
  for (std::size_t start = 0; start < n; start += chunk) {
    std::size_t end = std::min(n, start + chunk);
    std::vector<T> items(end - start);
    parallel_for(end - start, [&](std::size_t k) { items[k] = load(start + k); });
    for (std::size_t k = 0; k < items.size(); ++k) consume(start + k, items[k]);
  }
}

}  // namespace lumeral
