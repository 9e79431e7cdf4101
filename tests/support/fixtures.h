// Shared test helpers: a scratch folder per test, file builders, and a way
// to run lumeral-cli and capture what it prints.
#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

#include "core/base/ansi.h"
#include "core/base/encoding.h"
#include "core/base/listing.h"
#include "core/base/regional.h"
#include "core/shell/project_file.h"

#include <ostream>

namespace lumeral {
// Test output shows stored text converted to UTF-8 (found by ADL through
// AnsiTraits), so EXPECT_EQ on Ansi values prints readable texts.
inline std::ostream& operator<<(std::ostream& os, AnsiView text) { return os << to_utf8(text); }
inline std::ostream& operator<<(std::ostream& os, const Ansi& text) { return os << to_utf8(text); }
inline void PrintTo(const Ansi& text, std::ostream* os) { *os << '"' << to_utf8(text) << '"'; }
}  // namespace lumeral

namespace lumeral::testing {

namespace fs = std::filesystem;

// A fresh empty folder under the system's temporary folder, removed when
// the object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const fs::path& path() const { return path_; }
  fs::path operator/(const std::string& name) const { return path_ / name; }

 private:
  fs::path path_;
};

// Writes raw bytes to a file (creating folders as needed).
void write_file(const fs::path& p, std::string_view bytes);
std::string read_file(const fs::path& p);

// Windows-1252 bytes of a UTF-8 literal, for building fixtures.
std::string cp1252(std::string_view utf8);
// Stored lines of UTF-8 literals.
std::vector<Ansi> ansi_lines(std::initializer_list<const char*> utf8);
// The document names a document list holds, in order.
std::vector<Ansi> listed_documents(const fs::path& list);

// A project file written as the wizard saves it, at `file` (folders made as
// needed): the title is the file's name without ".ini", the project folder
// the file's folder, the texts in several files, in Portuguese; `edit`
// changes any setting before the file is written.
void write_project(const fs::path& file, const std::function<void(shell::ProjectSettings&)>& edit = {});

struct RunResult {
  int exit_code = -1;
  std::string out;  // standard output (UTF-8)
  std::string err;  // standard error (UTF-8)
};

// Conditions for a run in a child process, to make writes fail on purpose.
struct Confinement {
  // RLIMIT_FSIZE in bytes (negative: none).
  long long file_size_limit = -1;
  // Drop root's privileges to the user "nobody" (see unprivileged_user()),
  // so folders and files owned by root are read-only to the run.
  bool as_nobody = false;
  // Ignore SIGXFSZ, so a write past the limit fails with EFBIG instead of
  // killing the process. Off, the run meets the limit as under a shell's
  // `ulimit -f`: the program itself must not die of it.
  bool ignore_sigxfsz = true;
};

// "nobody"'s user and group ids when the tests run as root and that user
// exists (what Confinement::as_nobody needs); nullopt otherwise.
struct UserIds {
  unsigned uid, gid;
};
std::optional<UserIds> unprivileged_user();

// Runs `f` in a forked child under `confinement`: the sentence of the Stop
// it threw, "" when it ran to its end. The test process itself is never
// limited. Any other exception or a crash of the child is reported as a
// text starting with "!".
std::string stop_text_confined(const std::function<void()>& f, const Confinement& confinement);

// Runs lumeral-cli with `args` in folder `cwd`, feeding `input` on standard
// input. Only in the CLI and GUI test programs (needs LUMERAL_CLI_PATH).
// Standard output and error come through pipes, which a file-size limit
// does not touch.
RunResult run_cli(const std::vector<std::string>& args, const fs::path& cwd = fs::current_path(),
                  const std::string& input = "", const Confinement& confinement = {});

// Starts lumeral-cli with `args` in folder `cwd`, its standard input,
// output and error on the descriptors given, under `confinement`; returns
// its process id. wait_cli waits for it to end: its exit code, 128 plus the
// signal when one ended it. start_cli only where run_cli is.
pid_t start_cli(const std::vector<std::string>& args, const fs::path& cwd, int in, int out, int err,
                const Confinement& confinement = {});
int wait_cli(pid_t pid);

// A checksum of every regular file under a folder, by path relative to it.
std::map<std::string, std::string> folder_snapshot(const fs::path& folder);

// Splits output into lines (without the line ends).
std::vector<std::string> lines_of(const std::string& text);

// Folder of the source tree (examples/, data/).
fs::path source_dir();

// Brazilian Portuguese regional settings, built once.
const Regional& pt();

// The sentence of the Stop that `f` throws, or "" when it runs to its end.
std::string stop_text(const std::function<void()>& f);
// The sentence a listing run stops on, whether thrown before it listed
// anything or returned with its lines; "" when it ran to its end.
std::string listing_stop(const std::function<Listing()>& f);

}  // namespace lumeral::testing
