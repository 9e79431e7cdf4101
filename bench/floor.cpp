// The floor of creating a collection's word lists: the least a program can
// do to put the same files, of the same sizes, into a folder, so the
// kernel's cost of `prepare` can be set against it (bench/xl).
//
//   lumeral-floor FOLDER SIZES [WORKERS]
//
// SIZES holds one "name<TAB>bytes" line per file (as `find -printf
// '%f\t%s\n'` gives them). Each file is created (it must not exist),
// written with one write of its size and closed, by WORKERS threads taking
// the lines in turn (default: as many as prepare runs, two per core, at
// most 16). Nothing else: no reading, no check of what is there.
//
// Two options add the calls a replacer of files may make, to time each:
//   --look      first an open of the name that finds nothing there;
//   --nameless  the file made without a name (O_TMPFILE) in the folder,
//               written, then linked under its name.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Entry {
  std::string path;
  std::size_t size;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "uso: lumeral-floor PASTA TAMANHOS [TRABALHADORES] [--look] [--nameless]\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  std::ifstream in(argv[2]);
  std::vector<Entry> entries;
  std::size_t largest = 0;
  for (std::string line; std::getline(in, line);) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    Entry e{folder + line.substr(0, tab), std::strtoull(line.c_str() + tab + 1, nullptr, 10)};
    largest = std::max(largest, e.size);
    entries.push_back(std::move(e));
  }
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  unsigned workers = std::min(2 * cores, 16u);
  bool look = false, nameless = false;
  for (int a = 3; a < argc; ++a) {
    const std::string arg = argv[a];
    if (arg == "--look") look = true;
    else if (arg == "--nameless") nameless = true;
    else workers = static_cast<unsigned>(std::max(1L, std::atol(argv[a])));
  }

  std::atomic<std::size_t> next{0};
  std::atomic<bool> failed{false};
  auto work = [&] {
    const std::string bytes(largest, 'x');
    for (std::size_t i; !failed && (i = next.fetch_add(1)) < entries.size();) {
      const Entry& e = entries[i];
      if (look) {
        const int old = ::open(e.path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (old >= 0) ::close(old);
      }
      bool ok;
      if (nameless) {
        const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        ok = fd >= 0 && ::pwrite(fd, bytes.data(), e.size, 0) == static_cast<ssize_t>(e.size);
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        ok = ok && ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, e.path.c_str(), AT_SYMLINK_FOLLOW) == 0;
        if (fd >= 0) ok = ::close(fd) == 0 && ok;
      } else {
        const int fd = ::open(e.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        ok = fd >= 0 && ::write(fd, bytes.data(), e.size) == static_cast<ssize_t>(e.size);
        if (fd >= 0) ok = ::close(fd) == 0 && ok;
      }
      if (!ok) {
        std::fprintf(stderr, "erro ao gravar %s: %s\n", e.path.c_str(), std::strerror(errno));
        failed = true;
      }
    }
  };
  std::vector<std::thread> threads;
  for (unsigned t = 1; t < workers; ++t) threads.emplace_back(work);
  work();
  for (auto& t : threads) t.join();
  return failed ? 1 : 0;
}
