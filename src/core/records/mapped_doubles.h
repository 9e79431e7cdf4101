// A file of doubles (the similarity matrix, .msm) mapped into memory
// read-only, so a matrix of 20,000 x 20,000 values (3.2 GB) is read row by
// row from the page cache instead of being held. Readers that walk the
// rows in order release() the rows they are done with, which keeps the
// process's resident memory to the rows in use.
//
// A file shortened by another program while it is mapped: touching a page
// past its new end raises SIGBUS. A process-wide handler recognises an
// address inside a live mapping, puts a page of zeros in its place (so the
// read completes), and marks the mapping; operator[] checks the mark after
// every read and stops with a message naming the file. Only the last page
// of a file cut in its middle faults nowhere (its tail reads as zeros), so
// release() and check_all() also compare the file's size with the mapped
// one. The run stops with a clear message instead of dying, and no value
// read after the cut is used past the next check.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstring>
#include <filesystem>

namespace lumeral::records {

namespace fs = std::filesystem;

class MappedDoubles {
 public:
  MappedDoubles() = default;
  // Stops with the system's sentence when the file is missing or cannot be
  // read. A trailing partial value is ignored.
  explicit MappedDoubles(const fs::path& p);
  ~MappedDoubles();
  MappedDoubles(const MappedDoubles&) = delete;
  MappedDoubles& operator=(const MappedDoubles&) = delete;

  std::size_t size() const { return size_; }
  const fs::path& path() const { return path_; }
  double operator[](std::size_t i) const {
    double v;
    std::memcpy(&v, base_ + i * 8, 8);  // little-endian on disk and in the host
    // The fault handler runs on this thread inside the read above; the
    // fence keeps the compiler from reading the mark before it.
    std::atomic_signal_fence(std::memory_order_seq_cst);
    if (faulted_ && faulted_->load(std::memory_order_acquire)) shortened();
    return v;
  }
  // Gives back the resident pages of values [begin, end); reading them
  // again maps them again from the page cache. Stops when the file was
  // shortened since it was mapped.
  void release(std::size_t begin, std::size_t end) const;
  // Checks every value as a weight (check_weight: the value's position is
  // the record number), releasing as it goes.
  void check_all() const;
  // Stops with a message naming the file when it is shorter than mapped.
  void check_size() const;

 private:
  [[noreturn]] void shortened() const;
  fs::path path_;
  const char* base_ = nullptr;
  std::size_t bytes_ = 0;
  std::size_t size_ = 0;
  int fd_ = -1;
  int region_ = -1;                            // slot in the fault handler's table
  const std::atomic<int>* faulted_ = nullptr;  // set by the handler
};

}  // namespace lumeral::records
