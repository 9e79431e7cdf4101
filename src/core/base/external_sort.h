// Sorting more records than the memory budget holds: records gather in a
// buffer of the budget's size; a full buffer is sorted and written to a run
// file of a scratch folder; drain() merges the runs (k-way, at most
// kMergeFanIn files open at once, merging in several passes when there are
// more) and hands the records over in order. Nothing is spilled when all
// records fit: drain() then sorts the buffer alone.
//
// Records are fixed-size and trivially copyable by default; a type with a
// variable part gives RunCodec<T> a specialization (write, read, bytes).
// The order must be total (no two different records equal), which keeps
// the result independent of where the runs were cut.
//
// A sorter given a Progress checks its cancel request every
// kCancelCheckEvery records it writes or hands over, so a Ctrl-C during a
// long spill or merge stops the run (with Cancelled) within a moment.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <queue>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/base/progress.h"
#include "core/base/scratch.h"

namespace lumeral {

template <class T, class Enable = void>
struct RunCodec {
  static void write(RunWriter& out, const T& r) { out.put(r); }
  static bool read(RunReader& in, T& r) { return in.get(r); }
  static std::size_t bytes(const T&) { return sizeof(T); }
};

inline constexpr std::size_t kMergeFanIn = 64;
inline constexpr std::size_t kCancelCheckEvery = std::size_t{1} << 16;

// Merges sorted run files, calling each(const T&) in order.
template <class T, class Less, class Each>
void merge_runs(const std::vector<fs::path>& runs, const Less& less, Each&& each,
                std::size_t read_buffer = 1 << 16, Progress& progress = Progress::none()) {
  std::vector<std::unique_ptr<RunReader>> readers;
  std::vector<T> heads(runs.size());
  for (const auto& r : runs) readers.push_back(std::make_unique<RunReader>(r, read_buffer));
  // Heap of run indexes by their head record; equal heads (none, for a
  // total order) would come out by run number.
  auto later = [&](std::size_t a, std::size_t b) {
    if (less(heads[b], heads[a])) return true;
    if (less(heads[a], heads[b])) return false;
    return a > b;
  };
  std::priority_queue<std::size_t, std::vector<std::size_t>, decltype(later)> heap(later);
  for (std::size_t k = 0; k < runs.size(); ++k)
    if (RunCodec<T>::read(*readers[k], heads[k])) heap.push(k);
  for (std::size_t handed = 0; !heap.empty(); ++handed) {
    if (handed % kCancelCheckEvery == 0) progress.checkpoint();
    std::size_t k = heap.top();
    heap.pop();
    each(static_cast<const T&>(heads[k]));
    if (RunCodec<T>::read(*readers[k], heads[k])) heap.push(k);
  }
}

template <class T, class Less>
class ExternalSorter {
 public:
  ExternalSorter(ScratchFolder& scratch, std::size_t budget_bytes, Progress& progress = Progress::none(),
                 Less less = Less{})
      : scratch_(scratch), budget_(std::max<std::size_t>(budget_bytes, 1)), progress_(progress),
        less_(std::move(less)) {}

  void add(const T& r) {
    make_room(r);
    buffer_.push_back(r);
    if (used_ >= budget_) spill();
  }
  void add(T&& r) {
    make_room(r);
    buffer_.push_back(std::move(r));
    if (used_ >= budget_) spill();
  }

  // Sorts `records` and writes them as a run of their own (the caller's
  // buffer is emptied and its memory given back).
  void add_run(std::vector<T>& records) {
    if (records.empty()) return;
    std::sort(records.begin(), records.end(), less_);
    write_run(records);
    std::vector<T>().swap(records);
  }

  bool spilled() const { return !runs_.empty(); }
  std::size_t runs() const { return runs_.size(); }

  // Every record added, in order; the sorter is empty afterwards and its
  // run files are removed.
  template <class Each>
  void drain(Each&& each) {
    if (runs_.empty()) {
      progress_.checkpoint();
      std::sort(buffer_.begin(), buffer_.end(), less_);
      for (std::size_t i = 0; i < buffer_.size(); ++i) {
        if (i % kCancelCheckEvery == 0) progress_.checkpoint();
        each(static_cast<const T&>(buffer_[i]));
      }
      clear_buffer();
      return;
    }
    spill();
    while (runs_.size() > kMergeFanIn) {
      std::vector<fs::path> next;
      for (std::size_t start = 0; start < runs_.size(); start += kMergeFanIn) {
        std::vector<fs::path> group(runs_.begin() + start,
                                    runs_.begin() + std::min(runs_.size(), start + kMergeFanIn));
        if (group.size() == 1) {
          next.push_back(group[0]);
          continue;
        }
        fs::path merged = scratch_.new_file();
        RunWriter out(merged);
        merge_runs<T>(group, less_, [&](const T& r) { RunCodec<T>::write(out, r); }, read_buffer(), progress_);
        out.close();
        remove_files(group);
        next.push_back(merged);
      }
      runs_ = std::move(next);
    }
    merge_runs<T>(runs_, less_, each, read_buffer(), progress_);
    remove_files(runs_);
    runs_.clear();
  }

 private:
  std::size_t read_buffer() const {
    return std::clamp<std::size_t>(budget_ / (2 * kMergeFanIn), 4096, 1 << 20);
  }
  void make_room(const T& r) {
    // Fixed-size records: the whole buffer at once, so it never grows past
    // the budget by doubling (pages not yet written are not resident).
    if constexpr (std::is_trivially_copyable_v<T>) {
      if (buffer_.capacity() == 0) buffer_.reserve(std::max<std::size_t>(1, budget_ / sizeof(T)));
      used_ += sizeof(T);
    } else {
      used_ += RunCodec<T>::bytes(r) + sizeof(T);
    }
  }
  void clear_buffer() {
    std::vector<T>().swap(buffer_);
    used_ = 0;
  }
  void spill() {
    if (buffer_.empty()) return;
    std::sort(buffer_.begin(), buffer_.end(), less_);
    write_run(buffer_);
    clear_buffer();
  }
  void write_run(const std::vector<T>& sorted) {
    progress_.checkpoint();
    fs::path p = scratch_.new_file();
    runs_.push_back(p);
    RunWriter out(p);
    for (std::size_t i = 0; i < sorted.size(); ++i) {
      if (i % kCancelCheckEvery == kCancelCheckEvery - 1) progress_.checkpoint();
      RunCodec<T>::write(out, sorted[i]);
    }
    out.close();
  }
  static void remove_files(const std::vector<fs::path>& files) {
    for (const auto& f : files) {
      std::error_code ec;
      fs::remove(f, ec);
    }
  }

  ScratchFolder& scratch_;
  std::size_t budget_;
  Progress& progress_;
  Less less_;
  std::vector<T> buffer_;
  std::size_t used_ = 0;
  std::vector<fs::path> runs_;
};

}  // namespace lumeral
