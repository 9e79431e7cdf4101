// A small INI reader for files a user may have edited by hand: sections in
// any order, section and key names in any letter case, blanks around names
// and values ignored, the first occurrence of a section or key winning, and
// a missing section or key read as an empty value.
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"

namespace lumeral::shell {

class IniFile {
 public:
  IniFile() = default;
  // From text lines (Windows-1252).
  explicit IniFile(const std::vector<Ansi>& lines);
  // Reads a file with the shared document reader (a copy saved as UTF-8 by
  // an editor is understood too). Throws Stop when it cannot be read.
  static IniFile read(const std::filesystem::path& p);

  // The value of `key` in `section`, or empty.
  Ansi value(AnsiView section, AnsiView key) const;
  bool has(AnsiView section, AnsiView key) const;

 private:
  struct Entry {
    Ansi section;  // lowered A-Z
    Ansi key;      // lowered A-Z
    Ansi value;
  };
  const Entry* find(AnsiView section, AnsiView key) const;
  std::vector<Entry> entries_;
};

}  // namespace lumeral::shell
