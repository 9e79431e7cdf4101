#include "core/base/parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace lumeral {

namespace {
std::size_t block_size(std::size_t n, std::size_t threads) {
  return std::clamp<std::size_t>(n / (threads * 64), 1, 256);
}
std::size_t wanted(std::size_t threads) {
  return threads ? threads : std::max(1u, std::thread::hardware_concurrency());
}
}  // namespace

std::size_t parallel_workers(std::size_t n, std::size_t threads) {
  if (n == 0) return 1;
  threads = wanted(threads);
  std::size_t block = block_size(n, threads);
  return std::min(threads, (n + block - 1) / block);
}

void parallel_for(std::size_t n, const std::function<void(std::size_t)>& work,
                  const std::function<void(std::size_t)>& report, std::size_t threads) {
  parallel_for_worker(n, [&](std::size_t, std::size_t i) { work(i); }, report, threads);
}

void parallel_for_worker(std::size_t n, const std::function<void(std::size_t, std::size_t)>& work,
                         const std::function<void(std::size_t)>& report, std::size_t threads) {
  if (n == 0) return;
  threads = wanted(threads);
  const std::size_t block = block_size(n, threads);
  threads = std::min(threads, (n + block - 1) / block);

  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> done{0};
  std::atomic<bool> failed{false};
  std::exception_ptr error;
  std::mutex error_mutex;

  auto run = [&](std::size_t worker) {
    const bool caller = worker == 0;
    while (!failed.load(std::memory_order_relaxed)) {
      std::size_t start = next.fetch_add(block);
      if (start >= n) break;
      std::size_t end = std::min(n, start + block);
      try {
        for (std::size_t i = start; i < end; ++i) work(worker, i);
      } catch (...) {
        std::lock_guard lock(error_mutex);
        if (!error) error = std::current_exception();
        failed = true;
      }
      std::size_t finished = done.fetch_add(end - start) + (end - start);
      // The report may stop the run (a cancel request): the helpers finish
      // the items they hold and the stop is rethrown once they have joined.
      if (caller && report) {
        try {
          report(finished);
        } catch (...) {
          std::lock_guard lock(error_mutex);
          if (!error) error = std::current_exception();
          failed = true;
        }
      }
    }
  };

  std::vector<std::thread> pool;
  for (std::size_t t = 1; t < threads; ++t) pool.emplace_back(run, t);
  run(0);
  for (auto& t : pool) t.join();
  if (error) std::rethrow_exception(error);
  if (report) report(done.load());
}

}  // namespace lumeral
