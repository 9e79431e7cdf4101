// What every fuzz target shares: the regional settings (built once), a
// scratch file for readers that take a path, and the rule that a reader
// refusing its input does it with a Stop (any other exception, a crash, a
// sanitizer report or a hang is a finding).
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/message.h"
#include "core/base/regional.h"
#include "core/base/text.h"

namespace lumeral::fuzz {

namespace fs = std::filesystem;

inline const Regional& regional() {
  static const Regional* r = new Regional(Regional::for_locale("pt_BR"));
  return *r;
}

// A folder of this process under $LUMERAL_FUZZ_TMP (fuzz/run sets it and
// removes it after each target, also after a crash), else /dev/shm or the
// temporary folder; made once and removed at exit.
inline const fs::path& scratch_folder() {
  static const fs::path* folder = [] {
    std::error_code ec;
    const char* chosen = std::getenv("LUMERAL_FUZZ_TMP");
    fs::path base = chosen && *chosen                   ? fs::path(chosen)
                    : fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm")
                                                        : fs::temp_directory_path();
    auto* p = new fs::path(base / ("lumeral-fuzz-" + std::to_string(::getpid())));
    fs::create_directories(*p);
    std::atexit([] {
      std::error_code e;
      fs::remove_all(scratch_folder(), e);
    });
    return p;
  }();
  return *folder;
}

// Writes the input to a file of the scratch folder named `name` and
// returns its path.
inline fs::path input_file(const std::uint8_t* data, std::size_t size, const char* name) {
  fs::path p = scratch_folder() / name;
  std::FILE* f = std::fopen(p.c_str(), "wb");
  if (!f) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
  if (std::fclose(f) != 0) std::abort();
  return p;
}

inline AnsiView bytes(const std::uint8_t* data, std::size_t size) {
  return AnsiView(reinterpret_cast<const char*>(data), size);
}

inline std::vector<Ansi> lines(const std::uint8_t* data, std::size_t size) {
  return split_lines(bytes(data, size));
}

// Runs `f`, letting a Stop (a refusal with a message) pass.
template <class F>
void refusing(F&& f) {
  try {
    f();
  } catch (const Stop&) {
  }
}

}  // namespace lumeral::fuzz
