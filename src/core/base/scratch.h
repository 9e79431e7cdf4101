// Scratch space of one run: a folder of its own inside a given folder (the
// documents or project folder), for the sorted runs an analysis spills
// when it reaches its memory budget. The folder and everything in it are
// removed when the last owner lets it go: after the run, and on a failure
// or a cancel (the stack unwinds through the owner).
//
// RunWriter and RunReader move fixed-size, trivially copyable records
// through such files with large buffers; every failure stops with the
// system's sentence naming the file.
#pragma once

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <type_traits>
#include <vector>

namespace lumeral {

namespace fs = std::filesystem;

class ScratchFolder {
 public:
  // Creates ".lumeral-tmp-" + process id + a number inside `parent`.
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
