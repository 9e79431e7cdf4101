#include "core/base/files.h"

#include "core/base/existence.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/base/text.h"

namespace lumeral {

fs::path to_path(AnsiView name) { return fs::path(to_utf8(name)); }

Ansi path_name(const fs::path& p) { return to_ansi(p.filename().string()); }

std::string display_path(const fs::path& p) { return printable(p.native()); }

bool is_existing_file(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

bool is_existing_folder(const fs::path& p) {
  std::error_code ec;
  return !p.empty() && fs::is_directory(p, ec);
}

std::string read_bytes(const fs::path& p) {
  std::FILE* f = std::fopen(p.c_str(), "rb");
  if (!f) throw Stop(open_error(p, errno));
  std::string data;
  char buf[1 << 16];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) data.append(buf, n);
  int err = std::ferror(f) ? errno : 0;
  std::fclose(f);
  if (err) throw Stop(read_error(p, err));
  return data;
}

namespace {

// Reads an open file to its end into `buffer` and closes it; `size` is a
// hint only (a file may grow or shrink while read).
void read_open_file(int fd, std::size_t size, const char* p, std::string& buffer) {
  int err = 0;
  std::size_t have = 0;
  buffer.resize(size + 1);
  while (true) {
    if (have == buffer.size()) buffer.resize(buffer.size() * 2 + 4096);
    ssize_t n = ::read(fd, buffer.data() + have, buffer.size() - have);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) err = errno;
    if (n <= 0) break;
    have += static_cast<std::size_t>(n);
  }
  ::close(fd);
  buffer.resize(have);
  if (err) throw Stop(read_error(fs::path(p), err));
}

}  // namespace

void read_bytes_into(const char* p, std::string& buffer) {
  buffer.clear();
  int fd = ::open(p, O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw Stop(open_error(fs::path(p), errno));
  struct stat st {};
  std::size_t size = ::fstat(fd, &st) == 0 && st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
  read_open_file(fd, size, p, buffer);
}

void read_bytes_into(const fs::path& p, std::string& buffer) { read_bytes_into(p.c_str(), buffer); }

bool read_regular_file_into(const fs::path& p, std::string& buffer) {
  buffer.clear();
  int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return false;
    throw Stop(open_error(p, errno));
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  read_open_file(fd, static_cast<std::size_t>(st.st_size), p.c_str(), buffer);
  return true;
}

Ansi read_document(const fs::path& p) { return decode_document(read_bytes(p)); }

std::vector<Ansi> read_document_lines(const fs::path& p) { return split_lines(read_document(p)); }

std::string write_error_text(const fs::path& p, int error_number) {
  // A short write that set no error number is still a failure.
  return write_error(p, error_number != 0 ? error_number : EIO);
}

namespace {

[[noreturn]] void write_failed(const fs::path& p, int error_number) { throw Stop(write_error_text(p, error_number)); }

// A new temporary file beside `p`, opened for writing; its name is p's
// name + ".tmp" + a number, created exclusively so two writers never share
// one.
int open_temporary(const fs::path& p, fs::path& tmp) {
  fs::path dir = p.parent_path();
  static thread_local std::mt19937_64 rng{std::random_device{}()};
  for (int attempt = 0;; ++attempt) {
    tmp = dir / (p.filename().string() + ".tmp" + std::to_string(rng() % 1000000));
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST || attempt == 100) return fd;
  }
}

// Writes all bytes at `offset` on; false with errno set on failure.
bool write_all_at(int fd, std::string_view bytes, off_t offset) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

void write_bytes_atomic(const fs::path& p, std::string_view bytes) {
  AtomicFile out(p);
  out.write(bytes);
  out.commit();
}

FileReplacer::FileReplacer() = default;
FileReplacer::~FileReplacer() = default;

void FileReplacer::replace(const fs::path& p, std::string_view bytes) { replace(p.c_str(), bytes); }

namespace {

// What is at a name about to be replaced: nothing, the very bytes to be
// written (a regular file, not a link), or anything else.
enum class AtName { Nothing, Same, Other };

AtName at_name(const char* p, std::string_view bytes) {
  const int fd = ::open(p, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? AtName::Nothing : AtName::Other;
  struct stat st {};
  bool same = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) == bytes.size();
  if (same && !bytes.empty()) {
    thread_local std::string old;
    old.resize(bytes.size());
    std::size_t done = 0;
    while (done < old.size()) {
      const ssize_t n = ::pread(fd, old.data() + done, old.size() - done, static_cast<off_t>(done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    same = done == old.size() && std::string_view(old) == bytes;
  }
  ::close(fd);
  return same ? AtName::Same : AtName::Other;
}

// Whether the last name this thread replaced was absent. A first
// preparation of a collection finds no list at any name, a second finds
// every one, so the last answer is a good guess for the next. Guessing
// "absent" skips the look at the name before the new file is made: on
// ext4 that failed lookup followed by the creation of the same name cost
// more than twice the wall time of the creation alone (200,000 lists of
// 3,000 bytes, four threads: 16-17 s against 7-8 s). A wrong guess costs
// one nameless file made for nothing.
thread_local bool last_name_absent = false;

}  // namespace

void FileReplacer::replace(const char* p, std::string_view bytes) {
  AtName before = AtName::Nothing;
  const bool looked = !last_name_absent;
  if (looked) {
    before = at_name(p, bytes);
    last_name_absent = before == AtName::Nothing;
    if (before == AtName::Same) return;  // preparing again what did not change: nothing to replace
  }
  const std::string_view path(p);
  const std::size_t slash = path.rfind('/');
  const std::string parent =
      slash == std::string_view::npos ? std::string(".") : slash == 0 ? std::string("/") : std::string(path.substr(0, slash));
  // The new file is made without a name in the final file's folder and
  // given its name only once written whole: a kill before that leaves
  // nothing behind (the system frees a nameless file), and no temporary
  // name ever crowds a folder of a million documents.
  int fd = unnamed_files_ ? ::open(parent.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666) : -1;
  if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL || !unnamed_files_)) {
    // A file system without nameless files: a temporary name beside it.
    unnamed_files_ = false;
    if (!looked && at_name(p, bytes) == AtName::Same) return;
    write_bytes_atomic(fs::path(p), bytes);
    return;
  }
  if (fd < 0) write_failed(fs::path(p), errno);
  bool ok = write_all_at(fd, bytes, 0);
  int error_number = ok ? 0 : errno;
  if (ok) {
    // The old file goes, then the new one takes its name. Replacing a file
    // by a rename would make some file systems (ext4) write the new data
    // out at once, which on a million lists costs more than the rest of
    // the run. Between the two the file is absent, never mixed; a link
    // found at the name is what goes, never its target. Without a look
    // first, a name found taken is looked at now: the same bytes stay.
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    auto link = [&] { return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, p, AT_SYMLINK_FOLLOW) == 0 ? 0 : errno; };
    if (!looked) {
      error_number = link();
      if (error_number == EEXIST) {
        last_name_absent = false;
        before = at_name(p, bytes);
        if (before == AtName::Same) {
          ::close(fd);  // the nameless copy is freed
          return;
        }
      }
    }
    if (looked || error_number == EEXIST) {
      for (int attempt = 0; attempt < 3; ++attempt) {
        if ((before == AtName::Other || attempt > 0) && ::unlink(p) != 0 && errno != ENOENT) {
          error_number = errno;
          break;
        }
        error_number = link();
        if (error_number != EEXIST) break;  // EEXIST: another writer gave the name meanwhile, once more
      }
    }
    if (error_number == ENOENT && ::access("/proc/self/fd", F_OK) != 0) {
      // No process file system to name the file by: a temporary name.
      ::close(fd);
      unnamed_files_ = false;
      write_bytes_atomic(fs::path(p), bytes);
      return;
    }
    ok = error_number == 0;
  }
  if (::close(fd) != 0 && ok) {
    // Named already, but its data may be incomplete: it goes.
    ok = false;
    error_number = errno;
    ::unlink(p);
  }
  if (!ok) write_failed(fs::path(p), error_number);
}

AtomicFile::AtomicFile(fs::path p) : path_(std::move(p)) {
  int fd = open_temporary(path_, tmp_);
  if (fd < 0) write_failed(path_, errno);
  f_ = ::fdopen(fd, "wb");
  if (!f_) {
    int error_number = errno;
    ::close(fd);
    discard();
    write_failed(path_, error_number);
  }
}

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::discard() noexcept {
  if (f_) std::fclose(f_);
  f_ = nullptr;
  if (!tmp_.empty()) ::unlink(tmp_.c_str());
  tmp_.clear();
}

void AtomicFile::write(std::string_view bytes) {
  if (!f_) throw Stop(write_error_text(path_, EBADF));
  if (std::fwrite(bytes.data(), 1, bytes.size(), f_) != bytes.size()) {
    int error_number = errno;
    discard();
    write_failed(path_, error_number);
  }
}

void AtomicFile::commit() {
  if (!f_) throw Stop(write_error_text(path_, EBADF));
  int rc = std::fclose(f_);
  f_ = nullptr;
  int error_number = errno;
  if (rc == 0 && ::rename(tmp_.c_str(), path_.c_str()) == 0) {
    tmp_.clear();
    return;
  }
  if (rc == 0) error_number = errno;
  discard();
  write_failed(path_, error_number);
}

StagedFiles::~StagedFiles() {
  for (auto& [tmp, final_path] : staged_) ::unlink(tmp.c_str());
}

void StagedFiles::stage(const fs::path& p, std::string_view bytes) {
  fs::path tmp;
  int fd = open_temporary(p, tmp);
  if (fd < 0) write_failed(p, errno);
  bool ok = write_all_at(fd, bytes, 0);
  int error_number = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error_number = errno;
  }
  if (!ok) {
    ::unlink(tmp.c_str());
    write_failed(p, error_number);
  }
  staged_.emplace_back(std::move(tmp), p);
}

void StagedFiles::commit() {
  // Renaming within one folder does not allocate space: after the staging
  // succeeded this is where the files are replaced.
  for (std::size_t i = 0; i < staged_.size(); ++i) {
    if (::rename(staged_[i].first.c_str(), staged_[i].second.c_str()) != 0) {
      int error_number = errno;
      fs::path failed = staged_[i].second;
      staged_.erase(staged_.begin(), staged_.begin() + static_cast<std::ptrdiff_t>(i));
      write_failed(failed, error_number);
    }
  }
  staged_.clear();
}

void write_text_file(const fs::path& p, const std::vector<Ansi>& lines) {
  std::string out;
  std::size_t total = 0;
  for (const auto& l : lines) total += l.size() + 2;
  out.reserve(total);
  for (const auto& l : lines) {
    out.append(l.data(), l.size());
    out += "\r\n";
  }
  write_bytes_atomic(p, out);
}

void check_plain_name(AnsiView name) {
  bool bad = name.empty() || name == AnsiView(".") || name == AnsiView("..");
  for (char c : name)
    if (c == '/' || c == '\\' || c == '\0') bad = true;
  if (name.size() >= 2 && name[1] == ':') bad = true;
  if (bad) throw Stop("Nome de arquivo inválido: \"" + printable(to_utf8(name)) + "\" (o nome deve ser de um arquivo da pasta).");
}

fs::path lookup(const fs::path& folder, AnsiView name) {
  check_plain_name(name);
  fs::path exact = folder / to_path(name);
  std::error_code ec;
  if (fs::exists(exact, ec)) return exact;
  const std::string wanted = to_utf8(name);
  fs::path found;
  int matches = 0;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::string fname = it->path().filename().string();
    if (fname.size() != wanted.size()) continue;
    if (equals_ci(from_bytes(fname), from_bytes(wanted))) {
      found = folder / fname;
      ++matches;
    }
  }
  return matches == 1 ? found : exact;
}

bool exists_ci(const fs::path& folder, AnsiView name) {
  std::error_code ec;
  return fs::is_regular_file(lookup(folder, name), ec);
}

FolderIndex::FolderIndex(fs::path folder) : folder_(std::move(folder)) {}

void FolderIndex::list() const {
  std::error_code ec;
  for (fs::directory_iterator it(folder_.empty() ? fs::path(".") : folder_, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::string fname = it->path().filename().string();
    std::string key = fname;
    for (char& c : key) c = lower_az(c);
    auto [pos, fresh] = by_lower_.emplace(key, fname);
    if (!fresh) pos->second.clear();
  }
}

fs::path FolderIndex::find(AnsiView name) const {
  check_plain_name(name);
  fs::path exact = folder_ / to_path(name);
  std::error_code ec;
  if (fs::exists(exact, ec)) return exact;
  std::call_once(listed_, [this] { list(); });
  std::string key = to_utf8(name);
  for (char& c : key) c = lower_az(c);
  auto it = by_lower_.find(key);
  if (it == by_lower_.end() || it->second.empty()) return exact;
  return folder_ / it->second;
}

bool FolderIndex::exists(AnsiView name) const {
  std::error_code ec;
  return fs::is_regular_file(find(name), ec);
}

Ansi companion_base(AnsiView name) {
  AnsiView t = trim_view(name);
  std::size_t p = find_ci(t, AnsiView(".txt"));
  std::size_t q = find_ci(t, AnsiView(".lpl"));
  std::size_t cut_at;
  if (p == AnsiView::npos && q == AnsiView::npos) cut_at = t.size();
  else if (p == AnsiView::npos) cut_at = q + 1;
  else if (q == AnsiView::npos) cut_at = p + 1;
  else cut_at = std::max(p, q) + 1;
  return Ansi(t.substr(0, cut_at));
}

Ansi companion_name(AnsiView name, AnsiView ext) { return companion_base(name) + Ansi(ext); }

}  // namespace lumeral
