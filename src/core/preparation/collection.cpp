#include "core/preparation/collection.h"

#include <set>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/base/text.h"
#include "core/shell/ini.h"

namespace lumeral::preparation {

namespace {
const AnsiView kSection("LEITURA");
const AnsiView kKey("leitura");
}  // namespace

std::optional<Reading> recorded_reading(const fs::path& folder) {
  const fs::path file = folder / kReadingFile;
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return std::nullopt;
  const Ansi value = shell::IniFile::read(file).value(kSection, kKey);
  if (auto r = reading_of_key(to_utf8(value))) return r;
  throw Stop("O arquivo " + message_name(file) + " não diz uma leitura conhecida (\"" + printable(to_utf8(value)) +
             "\"; use classica ou completa).");
}

Reading collection_reading(const fs::path& folder) { return recorded_reading(folder).value_or(Reading::Classic); }

Reading documents_reading(const std::vector<fs::path>& documents) {
  std::set<fs::path> folders;
  for (const auto& d : documents) folders.insert(d.parent_path());
  std::optional<Reading> found;
  for (const auto& f : folders) {
    const Reading r = collection_reading(f.empty() ? fs::path(".") : f);
    if (found && *found != r)
      throw Stop("Os documentos escolhidos foram preparados com leituras diferentes; diga qual usar (--leitura "
                 "classica ou completa).");
    found = r;
  }
  return found.value_or(Reading::Classic);
}

void record_reading(const fs::path& folder, Reading reading) {
  write_text_file(folder / kReadingFile,
                  {Ansi("[") + Ansi(kSection) + Ansi("]"), Ansi(kKey) + Ansi("=") + Ansi(reading_key(reading))});
}

std::vector<SourceEntry> read_sources(const fs::path& folder) {
  std::vector<SourceEntry> out;
  std::string bytes;
  if (!read_regular_file_into(folder / kSourcesFile, bytes)) return out;
  for (const auto& line : split_lines(from_bytes(bytes))) {
    const auto tab = line.find('\t');
    if (tab == Ansi::npos || tab == 0) continue;
    out.push_back({line.substr(0, tab), line.substr(tab + 1)});
  }
  return out;
}

void write_sources(const fs::path& folder, const std::vector<SourceEntry>& entries) {
  std::vector<Ansi> lines;
  lines.reserve(entries.size());
  for (const auto& e : entries) lines.push_back(e.document + Ansi("\t") + e.source);
  write_text_file(folder / kSourcesFile, lines);
}

namespace {
// A document's key: its file name without the last extension, lowered.
Ansi source_key(AnsiView name) {
  name = trim_view(name);
  const auto slash = name.find_last_of(AnsiView("/\\"));
  if (slash != AnsiView::npos) name = name.substr(slash + 1);
  const auto dot = name.rfind('.');
  if (dot != AnsiView::npos && dot > 0) name = name.substr(0, dot);
  return lower_az(name);
}
}  // namespace

SourceNames::SourceNames(const fs::path& folder) {
  for (auto& e : read_sources(folder)) sources_.emplace(source_key(e.document), std::move(e.source));
}

Ansi SourceNames::of(AnsiView document) const {
  if (sources_.empty()) return {};
  auto it = sources_.find(source_key(document));
  return it == sources_.end() ? Ansi() : it->second;
}

}  // namespace lumeral::preparation
