#include "core/base/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <fstream>
#include <map>
#include <mutex>
#include <thread>

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/scratch.h"
#include "core/base/system_errors.h"

namespace lumeral {

namespace {

constexpr const char* kLockFile = ".lumeral-trava";

struct Held {
  int fd = -1;
  int count = 0;
};

std::atomic<bool>& shard_runs() {
  static std::atomic<bool> shards{false};
  return shards;
}

std::mutex& registry_mutex() {
  static std::mutex m;
  return m;
}
std::map<std::string, Held>& registry() {
  static std::map<std::string, Held> held;
  return held;
}

std::string key_of(fs::path folder) {
  if (folder.empty()) folder = ".";
  std::error_code ec;
  fs::path key = fs::weakly_canonical(folder, ec);
  if (ec) key = folder;
  if (!key.has_filename() && key.has_parent_path() && key != key.root_path()) key = key.parent_path();  // "a/b/" is "a/b"
  return key.string();
}

// This process's command line, program name without its folder, for the
// lock file: who holds the folder, in words a user recognises.
std::string own_command() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string out;
  std::size_t start = 0;
  for (bool first = true; start < all.size(); first = false) {
    std::size_t end = all.find('\0', start);
    if (end == std::string::npos) end = all.size();
    std::string arg = all.substr(start, end - start);
    if (first) arg = fs::path(arg).filename().string();
    if (!out.empty()) out += ' ';
    out += arg;
    start = end + 1;
  }
  if (out.size() > 200) out = out.substr(0, 197) + "...";
  return out;
}

std::string now_text() {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&t, &local);
  char text[32];
  std::strftime(text, sizeof text, "%H:%M:%S de %d/%m/%Y", &local);
  return text;
}

std::string holder_of(int fd) {
  char buffer[512];
  ssize_t n = ::pread(fd, buffer, sizeof buffer - 1, 0);
  if (n <= 0) return {};
  std::string text(buffer, static_cast<std::size_t>(n));
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return printable(text);
}

void record_holder(int fd) {
  const std::string text =
      "processo " + std::to_string(::getpid()) + ": " + own_command() + ", desde " + now_text() + "\n";
  if (::ftruncate(fd, 0) == 0) (void)!::pwrite(fd, text.data(), text.size(), 0);
}

// Locks one folder for this process; "" when the folder cannot be locked.
std::string acquire(const fs::path& folder, Progress& progress, bool& waited) {
  const std::string key = key_of(folder);
  {
    std::lock_guard<std::mutex> hold(registry_mutex());
    auto it = registry().find(key);
    if (it != registry().end()) {
      ++it->second.count;
      return key;
    }
  }
  const fs::path file = fs::path(key) / kLockFile;
  const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return {};
  const int kind = shard_runs() ? LOCK_SH : LOCK_EX;
  if (::flock(fd, kind | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK) {
      ::close(fd);
      return {};
    }
    waited = true;
    const std::string holder = holder_of(fd);
    const std::string text = "A pasta \"" + display_path(fs::path(key)) + "\" está em uso por outra execução" +
                             (holder.empty() ? std::string() : " (" + holder + ")") +
                             "; esta execução espera que ela termine.";
    run_notice(text);
    progress.status(text);
    while (::flock(fd, kind | LOCK_NB) != 0) {
      if (errno != EWOULDBLOCK && errno != EINTR) {
        ::close(fd);
        return {};
      }
      if (progress.cancelled()) {
        ::close(fd);
        throw Cancelled();
      }
      progress.status(text);  // also keeps a window answering (and its "Cancelar") while it waits
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    progress.status("");
  }
  record_holder(fd);
  std::lock_guard<std::mutex> hold(registry_mutex());
  auto [it, fresh] = registry().try_emplace(key, Held{fd, 0});
  if (!fresh) ::close(fd);  // another thread of this process got it meanwhile: share its lock
  ++it->second.count;
  return key;
}

void release(const std::string& key) {
  std::lock_guard<std::mutex> hold(registry_mutex());
  auto it = registry().find(key);
  if (it == registry().end() || --it->second.count > 0) return;
  (void)!::ftruncate(it->second.fd, 0);
  ::close(it->second.fd);  // lets the lock go
  registry().erase(it);
}

}  // namespace

void share_folder_locks(bool shards) { shard_runs() = shards; }

FolderLock::FolderLock(std::vector<fs::path> folders, Progress& progress) {
  std::vector<std::string> keys;
  for (const auto& f : folders) keys.push_back(key_of(f));
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  try {
    for (const auto& k : keys) {
      std::string held = acquire(fs::path(k), progress, waited_);
      if (!held.empty()) held_.push_back(std::move(held));
    }
  } catch (...) {
    for (const auto& k : held_) release(k);
    throw;
  }
}

FolderLock::~FolderLock() {
  for (const auto& k : held_) release(k);
}

}  // namespace lumeral
