#include "core/shell/ini.h"

#include "core/base/files.h"
#include "core/base/text.h"

namespace lumeral::shell {

IniFile::IniFile(const std::vector<Ansi>& lines) {
  Ansi section;
  bool in_section = false;
  for (const Ansi& raw : lines) {
    AnsiView line = trim_view(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[') {
      std::size_t close = line.find(']');
      section = lower_az(trim_view(line.substr(1, close == AnsiView::npos ? AnsiView::npos : close - 1)));
      in_section = true;
      continue;
    }
    std::size_t eq = line.find('=');
    if (!in_section || eq == AnsiView::npos) continue;
    Ansi key = lower_az(trim_view(line.substr(0, eq)));
    if (find(section, key)) continue;  // the first occurrence wins
    entries_.push_back({section, key, trim(line.substr(eq + 1))});
  }
}

IniFile IniFile::read(const std::filesystem::path& p) { return IniFile(read_document_lines(p)); }

const IniFile::Entry* IniFile::find(AnsiView section, AnsiView key) const {
  Ansi s = lower_az(trim_view(section));
  Ansi k = lower_az(trim_view(key));
  for (const Entry& e : entries_)
    if (e.section == s && e.key == k) return &e;
  return nullptr;
}

Ansi IniFile::value(AnsiView section, AnsiView key) const {
  const Entry* e = find(section, key);
  return e ? e->value : Ansi();
}

bool IniFile::has(AnsiView section, AnsiView key) const { return find(section, key) != nullptr; }

}  // namespace lumeral::shell
