// Scratch folders left by processes that are gone are removed by the next
// run that makes one in the same folder, and only those: a live process's
// folder stays, even when its id was once another, dead process's.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/base/scratch.h"
#include "support/fixtures.h"

namespace lumeral {
namespace {

using namespace lumeral::testing;

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
