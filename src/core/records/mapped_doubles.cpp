#include "core/records/mapped_doubles.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/records/records.h"

namespace lumeral::records {

MappedDoubles::MappedDoubles(const fs::path& p) : path_(p) {
  std::error_code ec;
  if (!fs::is_regular_file(p, ec)) throw Stop(not_a_file_error(p));
  int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw Stop("Não foi possível ler \"" + display_path(p) + "\": " + std::strerror(errno));
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    int e = errno;
    ::close(fd);
    throw Stop("Não foi possível ler \"" + display_path(p) + "\": " + std::strerror(e));
  }
  bytes_ = static_cast<std::size_t>(st.st_size);
  size_ = bytes_ / 8;
  if (bytes_ > 0) {
    void* m = ::mmap(nullptr, bytes_, PROT_READ, MAP_PRIVATE, fd, 0);
    int e = errno;
    ::close(fd);
    if (m == MAP_FAILED) throw Stop("Não foi possível ler \"" + display_path(p) + "\": " + std::strerror(e));
    base_ = static_cast<const char*>(m);
  } else {
    ::close(fd);
  }
}

MappedDoubles::~MappedDoubles() {
  if (base_) ::munmap(const_cast<char*>(base_), bytes_);
}

void MappedDoubles::release(std::size_t begin, std::size_t end) const {
  if (!base_ || end <= begin) return;
  const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  // Whole pages inside the range only: a page shared with a value still in
  // use stays.
  std::size_t from = (begin * 8 + page - 1) / page * page;
  std::size_t to = std::min(end * 8, bytes_) / page * page;
  if (to > from) ::madvise(const_cast<char*>(base_) + from, to - from, MADV_DONTNEED);
}

void MappedDoubles::check_all() const {
  constexpr std::size_t kChunk = 1 << 20;  // values
  for (std::size_t start = 0; start < size_; start += kChunk) {
    const std::size_t end = std::min(size_, start + kChunk);
    for (std::size_t i = start; i < end; ++i) check_weight(path_, i, (*this)[i]);
    release(start, end);
  }
}

}  // namespace lumeral::records
