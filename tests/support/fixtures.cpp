#include "support/fixtures.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/records/records.h"

namespace lumeral::testing {

TempDir::TempDir() {
  static std::mt19937_64 rng{std::random_device{}()};
  path_ = fs::temp_directory_path() / ("lumeral-test-" + std::to_string(::getpid()) + "-" + std::to_string(rng()));
  fs::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

void write_file(const fs::path& p, std::string_view bytes) {
  if (p.has_parent_path()) fs::create_directories(p.parent_path());
  std::ofstream f(p, std::ios::binary);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string read_file(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

std::string cp1252(std::string_view utf8) { return std::string(bytes_of(to_ansi(utf8))); }

std::vector<Ansi> ansi_lines(std::initializer_list<const char*> utf8) {
  std::vector<Ansi> out;
  for (const char* l : utf8) out.push_back(to_ansi(l));
  return out;
}

std::vector<Ansi> listed_documents(const fs::path& list) {
  std::vector<Ansi> names;
  for (const auto& r : records::read_all<records::DocRecord>(list)) names.push_back(r.name);
  return names;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

void write_project(const fs::path& file, const std::function<void(shell::ProjectSettings&)>& edit) {
  shell::ProjectSettings s;
  s.title = to_ansi(file.stem().string());
  s.project_folder = to_ansi(fs::absolute(file).parent_path().string());
  if (edit) edit(s);
  fs::create_directories(fs::absolute(file).parent_path());
  shell::write_project_file(file, s);
}

fs::path source_dir() { return fs::path(LUMERAL_SOURCE_DIR); }

const Regional& pt() {
  static const Regional regional = Regional::for_locale("pt_BR");
  return regional;
}

std::string stop_text(const std::function<void()>& f) {
  try {
    f();
  } catch (const Stop& s) {
    return s.text();
  }
  return "";
}

std::string listing_stop(const std::function<Listing()>& f) {
  try {
    Listing l = f();
    return l.stop ? l.stop->text : "";
  } catch (const Stop& s) {
    return s.text();
  }
}

std::optional<UserIds> unprivileged_user() {
  if (::geteuid() != 0) return std::nullopt;
  struct passwd* pw = ::getpwnam("nobody");
  if (!pw || pw->pw_uid == 0) return std::nullopt;
  return UserIds{static_cast<unsigned>(pw->pw_uid), static_cast<unsigned>(pw->pw_gid)};
}

namespace {

// In a forked child: applies the confinement; false when it cannot be.
bool confine(const Confinement& c) {
  if (c.file_size_limit >= 0) {
    std::signal(SIGXFSZ, c.ignore_sigxfsz ? SIG_IGN : SIG_DFL);
    struct rlimit lim {};
    lim.rlim_cur = lim.rlim_max = static_cast<rlim_t>(c.file_size_limit);
    if (::setrlimit(RLIMIT_FSIZE, &lim) != 0) return false;
  }
  if (c.as_nobody) {
    auto user = unprivileged_user();
    if (!user || ::setgroups(0, nullptr) != 0 || ::setgid(user->gid) != 0 || ::setuid(user->uid) != 0) return false;
  }
  return true;
}

// Reads both pipes to their end (either may fill while the other is read).
void drain(int out_fd, int err_fd, std::string& out, std::string& err) {
  struct pollfd fds[2] = {{out_fd, POLLIN, 0}, {err_fd, POLLIN, 0}};
  std::string* sinks[2] = {&out, &err};
  int open_fds = 2;
  char buf[1 << 14];
  while (open_fds > 0) {
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    for (int k = 0; k < 2; ++k) {
      if (fds[k].fd < 0 || !(fds[k].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      ssize_t n = ::read(fds[k].fd, buf, sizeof buf);
      if (n > 0) {
        sinks[k]->append(buf, static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        ::close(fds[k].fd);
        fds[k].fd = -1;
        --open_fds;
      }
    }
  }
}

}  // namespace

int wait_cli(pid_t pid) {
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string stop_text_confined(const std::function<void()>& f, const Confinement& confinement) {
  int p[2];
  if (::pipe(p) != 0) throw std::runtime_error("pipe failed");
  pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    ::close(p[0]);
    std::string text;
    int code = 0;
    if (!confine(confinement)) {
      text = "!confinement failed";
      code = 3;
    } else {
      try {
        f();
      } catch (const Stop& s) {
        text = s.text();
        code = 1;
      } catch (const std::exception& e) {
        text = std::string("!") + e.what();
        code = 2;
      }
    }
    ssize_t ignored = ::write(p[1], text.data(), text.size());
    (void)ignored;
    _exit(code);
  }
  ::close(p[1]);
  std::string text, unused;
  int none[2];
  if (::pipe(none) != 0) throw std::runtime_error("pipe failed");
  ::close(none[1]);
  drain(p[0], none[0], text, unused);
  const int code = wait_cli(pid);
  if (code > 3) return "!child ended with status " + std::to_string(code);
  return text;
}

std::map<std::string, std::string> folder_snapshot(const fs::path& folder) {
  std::map<std::string, std::string> out;
  for (const auto& e : fs::recursive_directory_iterator(folder)) {
    if (!e.is_regular_file()) continue;
    std::string bytes = read_file(e.path());
    // FNV-1a over the bytes, with the size: enough to tell contents apart.
    std::uint64_t h = 1469598103934665603ULL;
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ULL;
    out[e.path().lexically_relative(folder).string()] = std::to_string(bytes.size()) + ":" + std::to_string(h);
  }
  return out;
}

#ifdef LUMERAL_CLI_PATH
namespace {

// The command line as another user runs it: a copy in a temporary folder
// every user may enter, since the build folder may lie in a home folder
// that only its owner enters. Made once, removed when the tests end.
const std::string& cli_for_other_users() {
  static TempDir folder;
  static const std::string copy = [] {
    fs::permissions(folder.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
    const fs::path file = folder / "lumeral-cli";
    fs::copy_file(LUMERAL_CLI_PATH, file, fs::copy_options::overwrite_existing);
    return file.string();
  }();
  return copy;
}

}  // namespace

pid_t start_cli(const std::vector<std::string>& args, const fs::path& cwd, int in, int out, int err,
                const Confinement& confinement) {
  const std::string prog = confinement.as_nobody ? cli_for_other_users() : std::string(LUMERAL_CLI_PATH);
  pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    if (::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) _exit(127);
    if (!confine(confinement) || ::chdir(cwd.c_str()) != 0) _exit(127);
    std::vector<std::string> copy = args;
    std::vector<char*> argv{const_cast<char*>(prog.c_str())};
    for (auto& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(prog.c_str(), argv.data());
    _exit(127);
  }
  return pid;
}

RunResult run_cli(const std::vector<std::string>& args, const fs::path& cwd, const std::string& input,
                  const Confinement& confinement) {
  TempDir io;
  write_file(io / "stdin", input);
  const int in = ::open((io / "stdin").c_str(), O_RDONLY);
  int out_pipe[2], err_pipe[2];
  if (in < 0 || ::pipe(out_pipe) != 0 || ::pipe(err_pipe) != 0) throw std::runtime_error("pipe failed");
  const pid_t pid = start_cli(args, cwd, in, out_pipe[1], err_pipe[1], confinement);
  for (int fd : {in, out_pipe[1], err_pipe[1]}) ::close(fd);
  RunResult r;
  drain(out_pipe[0], err_pipe[0], r.out, r.err);
  r.exit_code = wait_cli(pid);
  return r;
}
#endif

}  // namespace lumeral::testing
