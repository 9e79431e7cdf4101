// A file of doubles (the similarity matrix, .msm) mapped into memory
// read-only, so a matrix of 20,000 x 20,000 values (3.2 GB) is read row by
// row from the page cache instead of being held. Readers that walk the
// rows in order release() the rows they are done with, which keeps the
// process's resident memory to the rows in use.
#pragma once

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
    return v;
  }
  // Gives back the resident pages of values [begin, end); reading them
  // again maps them again from the page cache.
  void release(std::size_t begin, std::size_t end) const;
  // Checks every value as a weight (check_weight: the value's position is
  // the record number), releasing as it goes.
  void check_all() const;

 private:
  fs::path path_;
  const char* base_ = nullptr;
  std::size_t bytes_ = 0;
  std::size_t size_ = 0;
};

}  // namespace lumeral::records
