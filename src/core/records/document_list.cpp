#include "core/records/document_list.h"

#include "core/base/files.h"
#include "core/base/text.h"
#include "core/records/records.h"

namespace lumeral::records {

fs::path folder_of(const fs::path& list) {
  fs::path dir = list.parent_path();
  return dir.empty() ? fs::path(".") : dir;
}

std::vector<Ansi> read_document_names(const fs::path& list) {
  std::vector<Ansi> names;
  for (const auto& r : read_all<DocRecord>(list)) names.push_back(trim(r.name));
  return names;
}

std::vector<fs::path> read_document_paths(const fs::path& list) {
  std::vector<fs::path> paths;
  const FolderIndex folder(list.parent_path());
  for (const Ansi& name : read_document_names(list)) paths.push_back(folder.find(name));
  return paths;
}

Ansi name_of_line(AnsiView line) { return trim(line.substr(0, line.find('|'))); }

}  // namespace lumeral::records
