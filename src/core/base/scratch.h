// Scratch space of one run: a folder of its own inside a given folder (the
// documents or project folder), for the sorted runs an analysis spills
// when it reaches its memory budget. The folder and everything in it are
// removed when the last owner lets it go: after the run, and on a failure
// or a cancel (the stack unwinds through the owner).
//
// Only a killed process leaves its folder behind. Each folder records who
// made it (file "owner": the host, the boot and the process's start time,
// so a process id used again by a later process does not pass for the
// owner), and the first scratch folder a run makes in a folder removes the
// ones there whose process is gone, saying so.
//
// RunWriter and RunReader move fixed-size, trivially copyable records
// through such files with large buffers; every failure stops with the
// system's sentence naming the file.
#pragma once

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace lumeral {

namespace fs = std::filesystem;

class ScratchFolder {
 public:
  // Creates ".lumeral-tmp-" + process id + a number inside `parent`, after
  // removing the abandoned ones there (once per parent and process).
  explicit ScratchFolder(const fs::path& parent);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const fs::path& path() const { return path_; }
  // A new file name inside the folder ("run" + a number + `suffix`).
  fs::path new_file(const std::string& suffix = ".run");

 private:
  fs::path path_;
  std::size_t next_ = 0;
};

// The owner file's text for process `pid` ("" when there is no such
// process): host name, boot id and start time, one a line.
std::string scratch_owner(long pid);

// Removes the scratch folders in `parent` left by processes that are gone:
// its owner file names this host and either another boot or a process
// whose start time differs (the id was used again); a folder without the
// file (made by an older version, or being made now) only when no process
// has its id. Folders of other hosts (a shared folder) stay. Each removal
// is told through `notice` and the removed folders are returned.
std::vector<fs::path> remove_abandoned_scratch(const fs::path& parent);
// Where removals are told (default: a line on standard error).
void set_scratch_notice(std::function<void(const std::string&)> notice);
// Tells a notice of a run's housekeeping (a removed scratch folder, a wait
// for a folder in use) through that sink.
void run_notice(const std::string& text);

// Sequential binary file of raw bytes, written through a large buffer.
class RunWriter {
 public:
  explicit RunWriter(fs::path p, std::size_t buffer_bytes = 1 << 20);
  ~RunWriter();
  RunWriter(const RunWriter&) = delete;
  RunWriter& operator=(const RunWriter&) = delete;
  void write(const void* data, std::size_t bytes);
  template <class T>
  void put(const T& r) {
    static_assert(std::is_trivially_copyable_v<T>);
    write(&r, sizeof r);
  }
  void close();  // flushes; Stop on failure
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
  std::FILE* f_ = nullptr;
  std::vector<char> buffer_;
};

class RunReader {
 public:
  explicit RunReader(fs::path p, std::size_t buffer_bytes = 1 << 16);
  ~RunReader();
  RunReader(const RunReader&) = delete;
  RunReader& operator=(const RunReader&) = delete;
  // Reads exactly `bytes`; false at the end of the file.
  bool read(void* data, std::size_t bytes);
  template <class T>
  bool get(T& r) {
    static_assert(std::is_trivially_copyable_v<T>);
    return read(&r, sizeof r);
  }

 private:
  fs::path path_;
  std::FILE* f_ = nullptr;
  std::vector<char> buffer_;
};

}  // namespace lumeral
