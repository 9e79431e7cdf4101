#include "core/preparation/elimination.h"

#include <unordered_set>

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/preparation/stopword_lists.h"
#include "core/records/records.h"

namespace lumeral::preparation {

const char* const kWriteWords = "Você precisa escrever palavras";

std::vector<Ansi> document_names(const fs::path& doc_list) {
  std::vector<Ansi> names;
  for (auto& r : records::read_all<records::DocRecord>(doc_list)) names.push_back(std::move(r.name));
  return names;
}

std::vector<Ansi> elimination_lines_from(const fs::path& stopword_file) {
  std::error_code ec;
  if (!fs::is_regular_file(stopword_file, ec)) return {};
  return read_stopwords(stopword_file);
}

std::size_t eliminate_words(const fs::path& doc_list, const std::vector<Ansi>& elimination_lines,
                            Progress& progress) {
  if (elimination_lines.empty() || trim(elimination_lines.front()).empty()) throw Stop(kWriteWords);
  std::unordered_set<Ansi> words;
  for (const auto& l : elimination_lines) words.insert(trim(l));

  fs::path folder = doc_list.parent_path();
  if (folder.empty()) folder = ".";
  const auto docs = document_names(doc_list);
  std::size_t removed = 0;
  for (std::size_t i = 0; i < docs.size(); ++i) {
    progress.status("Analisando doc " + std::to_string(i + 1) + " de " + std::to_string(docs.size()));
    const fs::path list = lookup(folder, companion_name(trim(docs[i]), AnsiView("lpl")));
    auto recs = records::read_all<records::WordRecord>(list);
    std::vector<records::WordRecord> kept;
    kept.reserve(recs.size());
    for (auto& r : recs) {
      if (words.count(trim(r.word))) ++removed;
      else kept.push_back(std::move(r));
    }
    records::write_all(list, kept);
  }
  progress.status("Terminou de eliminar palavras");
  return removed;
}

}  // namespace lumeral::preparation
