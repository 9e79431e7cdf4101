#include "core/records/mapped_doubles.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <mutex>
#include <string>

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/records/records.h"

namespace lumeral::records {

namespace {

// The mappings the SIGBUS handler may repair. The handler only reads these
// atomics; slots are taken and given back under a mutex.
struct Region {
  std::atomic<std::uintptr_t> begin{0};
  std::atomic<std::uintptr_t> end{0};
  std::atomic<int> faulted{0};
};
constexpr int kRegions = 256;
Region regions[kRegions];
std::mutex regions_lock;
bool region_taken[kRegions];
std::uintptr_t page_size = 4096;
struct sigaction previous_bus;

void on_bus(int sig, siginfo_t* info, void* context) {
  const auto at = reinterpret_cast<std::uintptr_t>(info->si_addr);
  for (Region& r : regions) {
    const std::uintptr_t begin = r.begin.load(std::memory_order_acquire);
    if (begin == 0 || at < begin || at >= r.end.load(std::memory_order_acquire)) continue;
    r.faulted.store(1, std::memory_order_seq_cst);
    void* page = reinterpret_cast<void*>(at & ~(page_size - 1));
    if (::mmap(page, page_size, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) != MAP_FAILED) return;
    break;
  }
  // Not a page of a mapped file: what the process did before.
  if ((previous_bus.sa_flags & SA_SIGINFO) && previous_bus.sa_sigaction) {
    previous_bus.sa_sigaction(sig, info, context);
    return;
  }
  if (previous_bus.sa_handler != SIG_DFL && previous_bus.sa_handler != SIG_IGN) {
    previous_bus.sa_handler(sig);
    return;
  }
  // The default action: the faulting read runs again and ends the process.
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  ::sigaction(SIGBUS, &fallback, nullptr);
}

void install_handler() {
  static std::once_flag once;
  std::call_once(once, [] {
    page_size = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    struct sigaction action {};
    action.sa_sigaction = on_bus;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &previous_bus);
  });
}

int take_region(const char* base, std::size_t bytes) {
  install_handler();
  std::lock_guard<std::mutex> hold(regions_lock);
  for (int k = 0; k < kRegions; ++k) {
    if (region_taken[k]) continue;
    region_taken[k] = true;
    Region& r = regions[k];
    r.faulted.store(0);
    r.end.store(reinterpret_cast<std::uintptr_t>(base) + bytes, std::memory_order_release);
    r.begin.store(reinterpret_cast<std::uintptr_t>(base), std::memory_order_release);
    return k;
  }
  return -1;
}

void give_back_region(int k) {
  std::lock_guard<std::mutex> hold(regions_lock);
  regions[k].begin.store(0, std::memory_order_release);
  regions[k].end.store(0, std::memory_order_release);
  region_taken[k] = false;
}

std::string read_error(const fs::path& p, int e) {
  return "Não foi possível ler \"" + display_path(p) + "\": " + std::strerror(e);
}

}  // namespace

MappedDoubles::MappedDoubles(const fs::path& p) : path_(p) {
  std::error_code ec;
  if (!fs::is_regular_file(p, ec)) throw Stop(not_a_file_error(p));
  fd_ = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) throw Stop(read_error(p, errno));
  struct stat st {};
  if (::fstat(fd_, &st) != 0) {
    int e = errno;
    ::close(fd_);
    throw Stop(read_error(p, e));
  }
  bytes_ = static_cast<std::size_t>(st.st_size);
  size_ = bytes_ / 8;
  if (bytes_ == 0) return;
  void* m = ::mmap(nullptr, bytes_, PROT_READ, MAP_PRIVATE, fd_, 0);
  if (m == MAP_FAILED) {
    int e = errno;
    ::close(fd_);
    throw Stop(read_error(p, e));
  }
  base_ = static_cast<const char*>(m);
  region_ = take_region(base_, bytes_);
  // With every slot taken (hundreds of files mapped at once), a shortened
  // file is still caught by the size checks between rows.
  if (region_ >= 0) faulted_ = &regions[region_].faulted;
}

MappedDoubles::~MappedDoubles() {
  if (region_ >= 0) give_back_region(region_);
  if (base_) ::munmap(const_cast<char*>(base_), bytes_);
  if (fd_ >= 0) ::close(fd_);
}

void MappedDoubles::shortened() const {
  throw Stop("O arquivo \"" + display_path(path_) +
             "\" foi encurtado por outro programa enquanto era lido; a leitura foi interrompida.");
}

void MappedDoubles::check_size() const {
  if (faulted_ && faulted_->load(std::memory_order_acquire)) shortened();
  struct stat st {};
  if (fd_ >= 0 && ::fstat(fd_, &st) == 0 && static_cast<std::size_t>(st.st_size) < bytes_) shortened();
}

void MappedDoubles::release(std::size_t begin, std::size_t end) const {
  if (!base_ || end <= begin) return;
  check_size();
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
  check_size();
}

}  // namespace lumeral::records
