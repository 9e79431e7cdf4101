#include "core/preparation/elimination.h"

#include <unordered_set>

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/preparation/stopword_lists.h"
#include "core/records/records.h"
#include "core/records/document_list.h"

namespace lumeral::preparation {

const char* const kWriteWords = "Você precisa escrever palavras";

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
  const auto docs = records::read_document_names(doc_list);
  // Every list is found first: a missing one stops before anything changed.
  std::vector<fs::path> lists;
  lists.reserve(docs.size());
  for (const auto& d : docs) {
    fs::path list = lookup(folder, companion_name(trim(d), AnsiView("lpl")));
    std::error_code ec;
    if (!fs::is_regular_file(list, ec)) throw Stop("O arquivo \"" + display_path(list) + "\" não existe.");
    lists.push_back(std::move(list));
  }
  StagedFiles staged;
  std::vector<records::WordRecord> kept;
  std::size_t removed = 0;
  for (std::size_t i = 0; i < lists.size(); ++i) {
    progress.status("Analisando doc " + std::to_string(i + 1) + " de " + std::to_string(docs.size()));
    auto recs = records::read_all<records::WordRecord>(lists[i]);
    kept.clear();
    for (auto& r : recs) {
      if (words.count(trim(r.word))) ++removed;
      else kept.push_back(std::move(r));
    }
    staged.stage(lists[i], records::encode_all(kept));
  }
  staged.commit();
  progress.status("Terminou de eliminar palavras");
  return removed;
}

}  // namespace lumeral::preparation
