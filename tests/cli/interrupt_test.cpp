// Ctrl-C (SIGINT) stops a command at its next document: exit 130, the
// message on standard error, every word list written whole, and a second
// run completes as an uninterrupted one.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "support/fixtures.h"

namespace lumeral::cli {
namespace {

using namespace lumeral::testing;

// A collection of `n` generated documents of a few hundred words each.
void make_collection(const fs::path& folder, int n) {
  fs::create_directories(folder);
  const char* words[] = {"mercado", "juros",  "eleição", "governo", "clima",  "chuva", "time",
                         "jogo",    "saúde", "hospital", "verba",  "floresta", "rio", "safra"};
  for (int d = 0; d < n; ++d) {
    std::string text;
    for (int w = 0; w < 400; ++w) {
      text += words[(d * 7 + w * w) % 14];
      text += w % 12 == 11 ? ".\r\n" : " ";
    }
    char name[32];
    std::snprintf(name, sizeof name, "doc%05d.txt", d);
    write_file(folder / name, cp1252(text));
  }
}

int count_with_extension(const fs::path& folder, const std::string& ext) {
  int n = 0;
  for (const auto& e : fs::directory_iterator(folder))
    if (e.path().extension() == ext) ++n;
  return n;
}

struct Interrupted {
  int exit_code = -1;
  std::string err;
  bool signalled = false;  // SIGINT was sent while the command ran
};

// Runs lumeral-cli and sends it SIGINT as soon as `started()` holds.
Interrupted run_and_interrupt(const std::vector<std::string>& args, const fs::path& cwd,
                              const std::function<bool()>& started) {
  TempDir io;
  const fs::path err_file = io / "err";
  const int null = ::open("/dev/null", O_WRONLY), err = ::open(err_file.c_str(), O_WRONLY | O_CREAT, 0600);
  if (null < 0 || err < 0) throw std::runtime_error("open failed");
  const pid_t pid = start_cli(args, cwd, 0, null, err);
  ::close(null);
  ::close(err);
  Interrupted r;
  int status = 0;
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < give_up) {
    if (::waitpid(pid, &status, WNOHANG) == pid) {
      r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      r.err = read_file(err_file);
      return r;
    }
    if (started()) {
      ::kill(pid, SIGINT);
      r.signalled = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  r.exit_code = wait_cli(pid);
  r.err = read_file(err_file);
  return r;
}

TEST(Interrupt, CtrlCStopsThePreparationWithWholeWordListsAndARerunCompletes) {
  TempDir dir;
  // The standard stopword list, in the start folder.
  ASSERT_EQ(run_cli({"stopwords-save", "stw-portugues.stw", "--from",
                     (source_dir() / "data/stopwords/portugues.txt").string()},
                    dir.path())
                .exit_code,
            0);
  constexpr int kDocuments = 6000;
  const fs::path reference = dir / "referencia";
  make_collection(reference, kDocuments);
  auto done = run_cli({"prepare", reference.string(), "--title", "T"}, dir.path());
  ASSERT_EQ(done.exit_code, 0) << done.err;
  const auto finished = folder_snapshot(reference);

  const fs::path folder = dir / "interrompida";
  make_collection(folder, kDocuments);
  // The signal goes once the word lists have begun.
  auto run = run_and_interrupt({"prepare", folder.string(), "--title", "T"}, dir.path(), [&] {
    std::error_code ec;
    return fs::exists(folder / "doc00000.lpl", ec);
  });
  ASSERT_TRUE(run.signalled) << "the run ended before it could be interrupted";
  EXPECT_EQ(run.exit_code, 130);
  EXPECT_NE(run.err.find("Operação cancelada pelo usuário"), std::string::npos) << run.err;
  const int written = count_with_extension(folder, ".lpl");
  EXPECT_LT(written, kDocuments) << "the run went on to its end";
  // Every file there is as the uninterrupted run wrote it: no half-written
  // word list, no temporary file.
  for (const auto& [name, sum] : folder_snapshot(folder)) {
    auto it = finished.find(name);
    ASSERT_NE(it, finished.end()) << name;
    EXPECT_EQ(it->second, sum) << name;
  }

  auto again = run_cli({"prepare", folder.string(), "--title", "T"}, dir.path());
  EXPECT_EQ(again.exit_code, 0) << again.err;
  EXPECT_EQ(folder_snapshot(folder), finished);
}

}  // namespace
}  // namespace lumeral::cli
