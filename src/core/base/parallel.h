// Independent per-item work spread over the machine's cores. Items are
// claimed in small blocks from a shared counter, so uneven items balance;
// the caller keeps results by index and merges them in order, which keeps
// every result deterministic whatever the scheduling.
#pragma once

#include <cstddef>
#include <functional>

namespace lumeral {

// Runs work(i) for every i in [0, n), on up to `threads` threads (0: one per
// core) including the calling thread. work must be safe to run concurrently
// for different i. `report(done)` is called on the calling thread only, from
// time to time, with the number of items finished so far (for progress).
// The first exception thrown by work is rethrown after all threads stop.
void parallel_for(std::size_t n, const std::function<void(std::size_t)>& work,
                  const std::function<void(std::size_t)>& report = {}, std::size_t threads = 0);

// The same, telling work which worker runs it (0 .. workers-1, the caller
// being 0), so each worker can keep scratch space of its own.
std::size_t parallel_workers(std::size_t n, std::size_t threads = 0);
void parallel_for_worker(std::size_t n, const std::function<void(std::size_t worker, std::size_t i)>& work,
                         const std::function<void(std::size_t)>& report = {}, std::size_t threads = 0);

}  // namespace lumeral
