#include "core/preparation/stopword_lists.h"

#include <cstdlib>

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/records/records.h"
#include "core/records/weighted.h"

#ifndef LUMERAL_DATA_INSTALL_DIR
#define LUMERAL_DATA_INSTALL_DIR ""
#endif
#ifndef LUMERAL_DATA_BUILD_DIR
#define LUMERAL_DATA_BUILD_DIR ""
#endif

namespace lumeral::preparation {

const char* const kNoStopwordList = "Não existe ainda uma lista de stop-words !!";

std::vector<Ansi> read_stopwords(const fs::path& p) {
  std::vector<Ansi> entries;
  for (auto& r : records::read_all<records::StopRecord>(p)) entries.push_back(std::move(r.word));
  return entries;
}

std::vector<Ansi> open_stopword_list(const fs::path& p, const Regional& regional) {
  std::error_code ec;
  if (!fs::is_regular_file(p, ec)) throw Stop(kNoStopwordList);
  std::vector<Ansi> lines = read_stopwords(p);
  records::sort_alphabetical(lines, regional);
  return lines;
}

void add_stopword_line(std::vector<Ansi>& lines, AnsiView line, const Regional& regional) {
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(records::alphabetical_position(lines, line, regional)),
               Ansi(line));
}

std::vector<Ansi> stopword_records(const std::vector<Ansi>& lines) {
  std::vector<Ansi> out;
  out.reserve(lines.size());
  for (const auto& l : lines) out.push_back(cut(trim(lower_az(l)), 15));
  return out;
}

void save_stopwords(const fs::path& p, const std::vector<Ansi>& lines) {
  std::vector<records::StopRecord> recs;
  for (auto& e : stopword_records(lines)) recs.push_back({std::move(e)});
  records::write_all(p, recs);
}

Ansi standard_list_file(Language language) {
  switch (language) {
    case Language::Portuguese: return Ansi("stw-portugues.stw");
    case Language::English: return Ansi("stw-ingles.stw");
    case Language::Spanish: break;
  }
  return Ansi("stw-espanhol.stw");
}

fs::path find_standard_list(Language language, const fs::path& start_folder) {
  const fs::path name = to_path(standard_list_file(language));
  const fs::path first = start_folder / name;
  std::error_code ec;
  if (fs::is_regular_file(first, ec)) return first;
  // LUMERAL_DATA_DIR, when set, names the one data folder (a program
  // moved elsewhere than it was installed, or a test without the lists).
  const char* env = std::getenv("LUMERAL_DATA_DIR");
  const bool moved = env && *env;
  for (const char* dir : {moved ? env : LUMERAL_DATA_INSTALL_DIR, moved ? "" : LUMERAL_DATA_BUILD_DIR}) {
    if (*dir == '\0') continue;
    fs::path candidate = fs::path(dir) / name;
    if (fs::is_regular_file(candidate, ec)) return candidate;
  }
  return first;
}

LanguageList load_language_list(Language language, const fs::path& start_folder, const Regional& regional) {
  LanguageList list;
  list.path = find_standard_list(language, start_folder);
  std::error_code ec;
  list.exists = fs::is_regular_file(list.path, ec);
  if (list.exists) list.lines = open_stopword_list(list.path, regional);
  return list;
}

}  // namespace lumeral::preparation
