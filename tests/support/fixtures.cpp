#include "support/fixtures.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "core/base/encoding.h"
#include "core/base/message.h"

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

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::string cur;
  for (char c : text) {
    if (c == '\n') {
      if (!cur.empty() && cur.back() == '\r') cur.pop_back();
      lines.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  return lines;
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

#ifdef LUMERAL_CLI_PATH
RunResult run_cli(const std::vector<std::string>& args, const fs::path& cwd, const std::string& input) {
  TempDir io;
  fs::path in = io / "stdin", out = io / "stdout", err = io / "stderr";
  write_file(in, input);
  pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    if (::chdir(cwd.c_str()) != 0) _exit(127);
    if (!std::freopen(in.c_str(), "rb", stdin) || !std::freopen(out.c_str(), "wb", stdout) ||
        !std::freopen(err.c_str(), "wb", stderr))
      _exit(127);
    std::vector<char*> argv;
    std::string prog = LUMERAL_CLI_PATH;
    argv.push_back(prog.data());
    std::vector<std::string> copy = args;
    for (auto& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(prog.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  RunResult r;
  r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  r.out = read_file(out);
  r.err = read_file(err);
  return r;
}
#endif

}  // namespace lumeral::testing
