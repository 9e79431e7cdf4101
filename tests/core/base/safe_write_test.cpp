// Failed, killed and concurrent writes, provoked in child processes (a
// file-size limit, a read-only folder, SIGKILL at random moments, two runs
// at once): a file holds its old content or the new, never a mixture,
// never a stray temporary, never a write through a link.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <map>
#include <random>
#include <thread>

#include <functional>

#include "core/base/files.h"
#include "core/base/folder_lock.h"
#include "core/base/message.h"
#include "core/base/scratch.h"
#include "core/preparation/word_lists.h"
#include "core/records/records.h"
#include "support/fixtures.h"

namespace lumeral {
namespace {

using records::WordRecord;
using namespace lumeral::testing;

std::string word_list_bytes(std::size_t words, const char* prefix) {
  std::vector<WordRecord> recs;
  for (std::size_t i = 0; i < words; ++i) recs.push_back({Ansi((prefix + std::to_string(i)).c_str()), 1.0 / words});
  return records::encode_all(recs);
}

// One way of replacing the content of a file.
struct Writer {
  const char* name;
  std::function<void(const fs::path&, const std::string&)> write;
};

std::vector<Writer> writers() {
  return {
      {"replacer", [](const fs::path& p, const std::string& b) { FileReplacer().replace(p, b); }},
      {"atomic", [](const fs::path& p, const std::string& b) { write_bytes_atomic(p, b); }},
      {"record writer",
       [](const fs::path& p, const std::string& b) {
         records::Writer<WordRecord> out(p);
         for (const auto& r : records::decode_all<WordRecord>(b)) out.write(r);
         out.close();
       }},
      {"staged",
       [](const fs::path& p, const std::string& b) {
         StagedFiles staged;
         staged.stage(p.parent_path() / "outro.lpl", "x");
         staged.stage(p, b);
         staged.commit();
       }},
  };
}

std::size_t files_in(const fs::path& dir) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++n;
  return n;
}

// A 300-word list rewritten with 200 words under a 1 KiB limit: the write
// stops after 43 records.
TEST(SafeWrite, AFailedRewriteNeverMixesNewAndOldRecords) {
  const std::string old_bytes = word_list_bytes(300, "velha");
  const std::string new_bytes = word_list_bytes(200, "nova");
  for (const auto& w : writers()) {
    TempDir dir;
    const fs::path p = dir / "doc.lpl";
    write_file(p, old_bytes);
    std::string stop = testing::stop_text_confined([&] { w.write(p, new_bytes); }, Confinement{1024, false});
    EXPECT_NE(stop.find("Erro ao gravar o arquivo \"" + p.string() + "\""), std::string::npos)
        << w.name << ": " << stop;
    EXPECT_EQ(read_file(p), old_bytes) << w.name;
    EXPECT_EQ(files_in(dir.path()), 1u) << w.name;  // no temporary file left, nothing else staged
    // Without the limit every writer replaces the whole content.
    w.write(p, new_bytes);
    EXPECT_EQ(read_file(p), new_bytes) << w.name;
  }
}

TEST(SafeWrite, AReadOnlyFolderChangesNothing) {
  if (!testing::unprivileged_user()) GTEST_SKIP() << "precisa rodar como root com o usuário \"nobody\"";
  const std::string old_bytes = word_list_bytes(30, "velha");
  for (const auto& w : writers()) {
    TempDir dir;  // root's, 0755: readable but not writable by nobody
    const fs::path p = dir / "doc.lpl";
    write_file(p, old_bytes);
    ::chmod(p.c_str(), 0644);
    std::string stop = testing::stop_text_confined([&] { w.write(p, "nova"); }, Confinement{-1, true});
    EXPECT_NE(stop.find("Erro ao gravar o arquivo \""), std::string::npos) << w.name << ": " << stop;
    EXPECT_EQ(read_file(p), old_bytes) << w.name;
    EXPECT_EQ(files_in(dir.path()), 1u) << w.name;
  }
}

// The word-list builder meets the limit on one document: that list keeps
// its old content, the complete ones are whole.
TEST(SafeWrite, WordListBuildKeepsTheOldListItCouldNotReplace) {
  TempDir dir;
  write_file(dir / "vazia.stw", "");
  std::string small = "casa bola", large;
  for (int i = 0; i < 400; ++i) large += "palavra" + std::to_string(i) + " ";
  write_file(dir / "a.txt", small);
  write_file(dir / "b.txt", large);
  std::vector<fs::path> docs = {dir / "a.txt", dir / "b.txt"};
  const std::string old_list = word_list_bytes(600, "velha");
  write_file(dir / "b.lpl", old_list);
  std::string stop = testing::stop_text_confined(
      [&] { preparation::build_word_lists(docs, dir / "vazia.stw", std::nullopt, testing::pt(), Progress::none()); },
      Confinement{4096, false});
  EXPECT_NE(stop.find("b.lpl"), std::string::npos) << stop;
  EXPECT_EQ(read_file(dir / "b.lpl"), old_list);
  EXPECT_EQ(records::read_all<WordRecord>(dir / "a.lpl").size(), 2u);
}

// Every writer replaces a link found at the name by the file: the link's
// target (outside the folder) is never written, and a dangling link never
// creates its target.
TEST(SafeWrite, ALinkAtTheNameIsReplacedNeverWrittenThrough) {
  for (const auto& w : writers()) {
    TempDir outside;
    const fs::path folder = outside / "pasta";
    fs::create_directory(folder);
    write_file(outside / "vitima", "intocada");
    fs::create_symlink(outside / "vitima", folder / "a.lpl");
    fs::create_symlink(outside / "criado-fora", folder / "b.mtz");
    const std::string bytes = word_list_bytes(3, "nova");
    w.write(folder / "a.lpl", bytes);
    w.write(folder / "b.mtz", bytes);
    EXPECT_EQ(read_file(outside / "vitima"), "intocada") << w.name;
    EXPECT_FALSE(fs::exists(outside / "criado-fora")) << w.name;
    for (const char* name : {"a.lpl", "b.mtz"}) {
      EXPECT_FALSE(fs::is_symlink(folder / name)) << w.name << " " << name;
      EXPECT_EQ(read_file(folder / name), bytes) << w.name << " " << name;
    }
  }
}

// A collection of documents, with the word lists two stopword lists give.
struct Collection {
  TempDir dir;
  std::vector<fs::path> docs;
  std::map<std::string, std::string> lists_a, lists_b;  // list name -> bytes

  explicit Collection(int n) {
    write_file(dir / "a.stw", "casa\r\n");
    write_file(dir / "b.stw", "bola\r\n");
    for (int i = 0; i < n; ++i) {
      std::string text = "casa bola";
      for (int k = 0; k < 40 + i % 50; ++k) text += " termo" + std::to_string((i * 7 + k) % 300);
      docs.push_back(dir / ("d" + std::to_string(i) + ".txt"));
      write_file(docs.back(), text);
    }
    lists_b = build("b.stw");
    lists_a = build("a.stw");
  }
  std::map<std::string, std::string> build(const char* stopwords) {
    preparation::build_word_lists(docs, dir / stopwords, std::nullopt, testing::pt(), Progress::none());
    return lists();
  }
  std::map<std::string, std::string> lists() const {
    std::map<std::string, std::string> out;
    for (const auto& d : docs) {
      const fs::path l = preparation::word_list_path(d);
      out[l.filename().string()] = fs::exists(l) ? read_file(l) : "(ausente)";
    }
    return out;
  }
  // Builds the lists of `stopwords` in a child process; its process id.
  pid_t start(const char* stopwords) {
    pid_t pid = ::fork();
    if (pid == 0) {
      try {
        preparation::build_word_lists(docs, dir / stopwords, std::nullopt, testing::pt(), Progress::none());
      } catch (...) {
        ::_exit(1);
      }
      ::_exit(0);
    }
    return pid;
  }
};

// SIGKILL at random moments of a re-preparation: each list is the old one,
// the new one or absent, and the scratch folders the killed runs left are found
// and removed (as the next run in that folder does).
TEST(SafeWrite, AKilledRebuildLeavesEveryListOldOrNew) {
  Collection c(200);
  const auto t0 = std::chrono::steady_clock::now();
  c.build("b.stw");
  const auto full = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0);
  std::mt19937 rng(7);
  for (int kill = 0; kill < 8; ++kill) {
    c.build("a.stw");
    // The old list is never rewritten where it lies: it is replaced by name.
    const fs::path first = preparation::word_list_path(c.docs.front());
    std::ifstream old_list(first, std::ios::binary);
    pid_t pid = c.start("b.stw");
    ASSERT_GT(pid, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(rng() % (full.count() + 1)));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old_list), {}), c.lists_a.at(first.filename().string()));
    for (const auto& [name, bytes] : c.lists())
      EXPECT_TRUE(bytes == c.lists_a.at(name) || bytes == c.lists_b.at(name) || bytes == "(ausente)")
          << "morte " << kill << ": " << name;
  }
  remove_abandoned_scratch(c.dir.path());
  for (const auto& e : fs::directory_iterator(c.dir.path()))
    EXPECT_EQ(e.path().filename().string().rfind(".lumeral-tmp-", 0), std::string::npos) << e.path();
}

// A child process holding the lock of `folder` (as a shard of a run when
// `shard`) until it is killed; its process id once it holds it.
pid_t hold_lock(const fs::path& folder, bool shard) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t pid = ::fork();
  if (pid == 0) {
    share_folder_locks(shard);
    const FolderLock lock(folder);
    (void)!::write(ready[1], "x", 1);
    ::pause();
    ::_exit(0);
  }
  char x;
  const bool held = ::read(ready[0], &x, 1) == 1;
  ::close(ready[0]);
  ::close(ready[1]);
  return held ? pid : -1;
}

void end_process(pid_t pid) {
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
}

// A run on a folder another run holds waits for it, writing nothing
// meanwhile (so two runs never leave one's lists followed by the other's),
// says who holds it, hears a cancel, and goes on once the holder is gone
// however it ended.
TEST(SafeWrite, ARunOnAFolderInUseWaitsForIt) {
  Collection c(50);
  c.build("a.stw");
  const pid_t holder = hold_lock(c.dir.path(), false);
  ASSERT_GT(holder, 0);
  pid_t waiting = c.start("b.stw");
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(c.lists(), c.lists_a);

  struct CancelSoon : Progress {
    int asked = 0;
    std::string said;
    void status(std::string_view s) override { said += s; }
    bool cancelled() override { return ++asked > 3; }
  } progress;
  EXPECT_THROW(FolderLock(c.dir.path(), progress), Cancelled);
  EXPECT_NE(progress.said.find("está em uso por outra execução (processo " + std::to_string(holder)), std::string::npos)
      << progress.said;

  end_process(holder);
  int status = 0;
  ::waitpid(waiting, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(c.lists(), c.lists_b);
}

// Shards of one run hold a folder together; a whole run waits for them.
TEST(SafeWrite, ShardsHoldAFolderTogether) {
  TempDir dir;
  const pid_t shard = hold_lock(dir.path(), true);
  ASSERT_GT(shard, 0);
  struct CancelAtOnce : Progress {
    bool cancelled() override { return true; }
  } at_once;
  share_folder_locks(true);
  EXPECT_NO_THROW(FolderLock(dir.path(), at_once));  // another shard: no wait
  share_folder_locks(false);
  EXPECT_THROW(FolderLock(dir.path(), at_once), Cancelled);  // a whole run waits
  end_process(shard);
}

// Scratch folders left by processes that are gone are removed by the next
// run that makes one in the same folder, and only those: a live process's
// folder stays, even when its id was once another, dead process's.

// A child that sleeps until killed: a live process other than this one.
struct LiveChild {
  LiveChild() {
    pid = ::fork();
    if (pid == 0) {
      ::pause();
      _exit(0);
    }
  }
  ~LiveChild() {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
  }
  pid_t pid;
};

// The id of a process that has ended.
pid_t dead_pid() {
  pid_t pid = ::fork();
  if (pid == 0) _exit(0);
  ::waitpid(pid, nullptr, 0);
  return pid;
}

TEST(Scratch, ANewFolderRemovesOnlyTheFoldersOfProcessesThatAreGone) {
  LiveChild live;
  const pid_t dead = dead_pid();
  const std::string live_owner = scratch_owner(live.pid);
  ASSERT_FALSE(live_owner.empty());
  ASSERT_TRUE(scratch_owner(dead).empty());
  // host, boot, start time
  std::vector<std::string> part = testing::lines_of(live_owner);
  ASSERT_EQ(part.size(), 3u);
  auto owner = [](const std::string& host, const std::string& boot, const std::string& start) {
    return host + "\n" + boot + "\n" + start + "\n";
  };
  const std::string id = std::to_string(live.pid), gone = std::to_string(dead);
  const std::string self = std::to_string(::getpid());

  struct Case {
    std::string name;
    std::optional<std::string> owner;  // the owner file's text; nullopt: none
    bool removed;
  };
  const Case cases[] = {
      {".lumeral-tmp-" + id + "-0", live_owner, false},
      {".lumeral-tmp-" + self + "-900", scratch_owner(::getpid()), false},          // this run's own
      {".lumeral-tmp-" + id + "-1", owner(part[0], "outro-boot", part[2]), true},   // before a reboot
      {".lumeral-tmp-" + id + "-2", owner(part[0], part[1], part[2] + "0"), true},  // the id used again
      {".lumeral-tmp-" + id + "-3", owner("outra-maquina", part[1], "1"), false},   // a shared folder
      {".lumeral-tmp-" + id + "-4", std::nullopt, false},                           // an older version's, alive
      {".lumeral-tmp-" + gone + "-0", std::nullopt, true},
      {".lumeral-tmp-" + gone + "-1", owner(part[0], part[1], "1"), true},
      {".lumeral-tmp-x-1", std::nullopt, false},  // not a scratch folder's name
  };
  TempDir dir;
  for (const Case& c : cases) {
    fs::create_directory(dir / c.name);
    write_file(dir / c.name / "run0.run", "dados");
    if (c.owner) write_file(dir / c.name / "owner", *c.owner);
  }
  write_file(dir / (".lumeral-tmp-" + gone + "-7"), "um arquivo, não uma pasta");

  std::vector<std::string> told;
  set_scratch_notice([&](const std::string& text) { told.push_back(text); });
  {
    ScratchFolder mine(dir.path());
    EXPECT_TRUE(fs::is_directory(mine.path()));
  }
  set_scratch_notice([](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });

  std::size_t removed = 0;
  for (const Case& c : cases) {
    EXPECT_EQ(!fs::exists(dir / c.name), c.removed) << c.name;
    removed += c.removed;
  }
  EXPECT_TRUE(fs::exists(dir / (".lumeral-tmp-" + gone + "-7")));
  ASSERT_EQ(told.size(), removed);
  EXPECT_NE(told[0].find("Removida a pasta temporária"), std::string::npos) << told[0];
}

}  // namespace
}  // namespace lumeral
