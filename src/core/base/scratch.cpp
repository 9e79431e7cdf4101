#include "core/base/scratch.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <fstream>
#include <mutex>
#include <set>
#include <sstream>
#include <system_error>

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"

namespace lumeral {

namespace {

constexpr const char* kPrefix = ".lumeral-tmp-";
constexpr const char* kOwnerFile = "owner";

std::string first_line(const fs::path& p) {
  std::ifstream in(p);
  std::string line;
  std::getline(in, line);
  return line;
}

std::string host_name() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return "?";
  return name;
}

// The process's start time in clock ticks after boot (field 22 of
// /proc/PID/stat); "" when there is no such process.
std::string start_time(long pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string stat;
  if (!std::getline(in, stat)) return {};
  const std::size_t paren = stat.rfind(')');  // the command name may hold blanks and parentheses
  if (paren == std::string::npos) return {};
  std::istringstream fields(stat.substr(paren + 1));
  std::string field;
  for (int k = 3; k <= 22; ++k)
    if (!(fields >> field)) return {};
  return field;
}

// The process id in a scratch folder's name, or -1 when the name is not
// one.
long owner_pid(const std::string& name) {
  if (name.rfind(kPrefix, 0) != 0) return -1;
  const std::size_t from = std::strlen(kPrefix), dash = name.find('-', from);
  if (dash == std::string::npos || dash == from || dash + 1 == name.size()) return -1;
  for (std::size_t i = from; i < name.size(); ++i)
    if (i != dash && !std::isdigit(static_cast<unsigned char>(name[i]))) return -1;
  return std::stol(name.substr(from, dash - from));
}

bool abandoned(const fs::path& folder, long pid) {
  std::ifstream in(folder / kOwnerFile);
  std::string host, boot, start;
  if (!in) {
    // No owner file: an older version's folder, or one being made this
    // moment. Only a process id that no process has says it is abandoned.
    return pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
  }
  std::getline(in, host);
  std::getline(in, boot);
  std::getline(in, start);
  // An owner file cut short (its writer killed while writing it) says no
  // more than a missing one.
  if (host.empty() || start.empty())
    return pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
  if (host != host_name()) return false;
  if (boot != first_line("/proc/sys/kernel/random/boot_id")) return true;
  return start.empty() || start != start_time(pid);
}

std::function<void(const std::string&)>& notice_sink() {
  static std::function<void(const std::string&)> sink = [](const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
  };
  return sink;
}

// Sweeps a parent once per process.
void sweep_once(const fs::path& parent) {
  static std::mutex lock;
  static std::set<fs::path> swept;
  std::error_code ec;
  fs::path key = fs::weakly_canonical(parent, ec);
  if (ec) key = parent;
  {
    std::lock_guard<std::mutex> hold(lock);
    if (!swept.insert(key).second) return;
  }
  remove_abandoned_scratch(parent);
}

}  // namespace

std::string scratch_owner(long pid) {
  const std::string start = start_time(pid);
  if (start.empty()) return {};
  return host_name() + "\n" + first_line("/proc/sys/kernel/random/boot_id") + "\n" + start + "\n";
}

std::vector<fs::path> remove_abandoned_scratch(const fs::path& parent) {
  std::vector<fs::path> removed;
  std::error_code ec;
  for (fs::directory_iterator it(parent.empty() ? fs::path(".") : parent, ec), end; !ec && it != end;
       it.increment(ec)) {
    const long pid = owner_pid(it->path().filename().string());
    std::error_code kind;
    if (pid <= 0 || it->is_symlink(kind) || !it->is_directory(kind) || !abandoned(it->path(), pid)) continue;
    std::error_code gone;
    fs::remove_all(it->path(), gone);
    if (gone) continue;
    removed.push_back(it->path());
    notice_sink()("Removida a pasta temporária \"" + display_path(it->path()) +
                  "\", deixada por uma execução interrompida (processo " + std::to_string(pid) + ").");
  }
  return removed;
}

void set_scratch_notice(std::function<void(const std::string&)> notice) { notice_sink() = std::move(notice); }

void run_notice(const std::string& text) { notice_sink()(text); }

ScratchFolder::ScratchFolder(const fs::path& parent) {
  static std::atomic<std::size_t> counter{0};
  const fs::path base = parent.empty() ? fs::path(".") : parent;
  sweep_once(base);
  const std::string owner = scratch_owner(::getpid());
  for (int attempt = 0;; ++attempt) {
    fs::path p = base / (kPrefix + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::error_code ec;
    if (fs::create_directory(p, ec)) {
      path_ = std::move(p);
      std::ofstream out(path_ / kOwnerFile);
      out << owner;
      out.close();
      if (!out) {
        const int e = errno;
        fs::remove_all(path_, ec);
        throw Stop(write_error_text(path_ / kOwnerFile, e));
      }
      return;
    }
    if (ec || attempt == 100) {
      throw Stop("Não foi possível criar a pasta temporária em \"" + display_path(base) +
                 "\": " + (ec ? system_reason(ec) : std::string("o nome já existe")));
    }
  }
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

fs::path ScratchFolder::new_file(const std::string& suffix) {
  return path_ / ("run" + std::to_string(next_++) + suffix);
}

RunWriter::RunWriter(fs::path p, std::size_t buffer_bytes) : path_(std::move(p)), buffer_(buffer_bytes) {
  f_ = std::fopen(path_.c_str(), "wb");
  if (!f_) throw Stop(write_error_text(path_, errno));
  std::setvbuf(f_, buffer_.data(), _IOFBF, buffer_.size());
}

RunWriter::~RunWriter() {
  if (f_) std::fclose(f_);
}

void RunWriter::write(const void* data, std::size_t bytes) {
  if (!f_ || std::fwrite(data, 1, bytes, f_) != bytes) throw Stop(write_error_text(path_, f_ ? errno : EBADF));
}

void RunWriter::close() {
  if (!f_) return;
  int rc = std::fclose(f_);
  f_ = nullptr;
  if (rc != 0) throw Stop(write_error_text(path_, errno));
}

RunReader::RunReader(fs::path p, std::size_t buffer_bytes) : path_(std::move(p)), buffer_(buffer_bytes) {
  f_ = std::fopen(path_.c_str(), "rb");
  if (!f_) throw Stop("Não foi possível ler \"" + display_path(path_) + "\": " + system_reason(errno));
  std::setvbuf(f_, buffer_.data(), _IOFBF, buffer_.size());
}

RunReader::~RunReader() {
  if (f_) std::fclose(f_);
}

bool RunReader::read(void* data, std::size_t bytes) {
  std::size_t got = std::fread(data, 1, bytes, f_);
  if (got == bytes) return true;
  if (std::ferror(f_)) throw Stop("Não foi possível ler \"" + display_path(path_) + "\": " + system_reason(errno));
  if (got != 0) throw Stop("O arquivo temporário \"" + display_path(path_) + "\" terminou no meio de um registro.");
  return false;
}

}  // namespace lumeral
