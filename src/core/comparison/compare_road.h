// The comparison road: which words the documents of one collection share
// and which words each of them has alone. The comparison wizard's analysis
// step and `lumeral-cli compare` both run it:
//
//   comparison_documents()   the project's document list, in file order
//   comparison_centroid()    centroid "Basta aparecer em 2 docs" by weight,
//                            written to <folder>/centroide-2_<title>.lpl
//   comparison_differences() one .dif per document against that centroid;
//                            the documents left with words of their own
//   result_sets()            the choice box: the shared words, then one set
//                            per document with exclusive words
//   result_rows() and the sorts and text save of the two-column list
//   compare_project()        the whole road on a saved project file,
//                            preparing the collection when it has no
//                            document list yet
//
// Result sets hold the file they list, so a document whose name has no
// ".txt" still lists its own difference file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/memory_budget.h"
#include "core/base/message.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/comparison/centroid.h"
#include "core/shell/project.h"

namespace lumeral::comparison {

namespace fs = std::filesystem;

extern const char* const kBadDocumentList;   // "Erro na seleção de documentos"
extern const char* const kRedoPreparation;   // "Faça novamente o processamento de textos - passo 2"
extern const char* const kNoResults;         // "Não existe resultados para serem mostrados"
extern const char* const kSharedWords;       // "palavras que aparecem em mais de 1 texto"
extern const char* const kExclusiveWordsOf;  // "ver palavras exclusivas de "

// The stop of an analysis whose collection has no document list: the
// preparation has to run again (kRedoPreparation).
class RedoPreparation : public Stop {
 public:
  RedoPreparation() : Stop(kRedoPreparation) {}
};

// <folder>/centroide-2_<title>.lpl
fs::path comparison_centroid_file(const shell::Project& project);

// The names of the project's document list (<folder>/<title>.ldc), trimmed,
// in file order. An empty title stops with kBadDocumentList, a missing list
// with RedoPreparation. Progress per document: status "Processando N-1
// documentos", detail "Processados k documentos até o momento", bar(k, N-1).
std::vector<Ansi> comparison_documents(const shell::Project& project, Progress& progress = Progress::none());

// The centroid of the documents: words in at least two documents, each
// with its average weight over all documents. Progress per document: status
// "Processando arquivo <word list> - i de N", bar(i - 1, N - 1). Stops as
// the centroid does on a missing word list. Returns the file written.
fs::path comparison_centroid(const shell::Project& project, const std::vector<Ansi>& documents,
                             const Regional& regional, Progress& progress = Progress::none());

// A document with words of its own: its name without extension (the name
// up to its final dot) and its difference file.
struct Exclusive {
  Ansi name;
  fs::path file;
};

// The .dif of every document against `centroid` (records of positive
// weight whose word is not in the centroid). Returns the documents whose
// .dif received at least one record, in list order, each name once. A
// missing word list stops the run; the .dif files written before stay.
std::vector<Exclusive> comparison_differences(const shell::Project& project, const std::vector<Ansi>& documents,
                                              const fs::path& centroid, Progress& progress = Progress::none());

// One entry of the choice box and the file it lists.
struct ResultSet {
  Ansi caption;  // kSharedWords, or kExclusiveWordsOf + name
  fs::path file;
};
// The shared words (the centroid), then one set per exclusive document;
// nothing at all when no document has words of its own.
std::vector<ResultSet> result_sets(const fs::path& centroid, const std::vector<Exclusive>& exclusives);

// The two-column list shows ResultRow (centroid.h), the weight as "0.0000"
// in the regional format.
// Every record of a centroid or difference file, in file order; nothing
// when the file does not exist (the list then stays as it was).
std::optional<std::vector<ResultRow>> result_rows(const fs::path& file, const Regional& regional);

// "Palavra": by the word, ascending, without regard to case (the locale's
// collation); rows that compare equal keep their order.
void sort_rows_by_word(std::vector<ResultRow>& rows, const Regional& regional);
// "Peso": by the weight text read as a number, descending; equal weights
// keep their order. An unreadable weight stops with the conversion error
// before anything moves.
void sort_rows_by_weight(std::vector<ResultRow>& rows, const Regional& regional);

// "Grava Resultados em texto": one line per row, the trimmed word, a blank
// and the trimmed weight. Progress per row: status "Processando Arquivo de
// Resultados", bar(i, rows - 1).
std::vector<Ansi> result_text_lines(const std::vector<ResultRow>& rows, Progress& progress = Progress::none());
// Writes those lines as a text file (temporary file renamed into place).
void save_result_text(const fs::path& file, const std::vector<ResultRow>& rows, Progress& progress = Progress::none());

// The analysis of a prepared project: documents, centroid, differences and
// the result sets.
struct Comparison {
  std::vector<Ansi> documents;
  fs::path centroid;
  std::vector<Exclusive> exclusives;
  std::vector<ResultSet> sets;
};
Comparison compare_collection(const shell::Project& project, const Regional& regional,
                              Progress& progress = Progress::none());

// The road on a saved project file. The project folder is the saved one,
// or the project file's own folder when the saved one does not exist (a
// note says so). When the document list is missing, the collection is
// prepared first as the wizard prepares it (HTML pages, the split of a
// single file, the document list, the word lists with the standard
// stopword list of the project's language, looked for in `start_folder`
// first). Stops on an empty title, a folder without texts, a missing
// stopword list, and whatever the analysis stops with.
struct CompareOutcome {
  shell::Project project;
  bool prepared = false;           // the collection was prepared by this run
  std::vector<std::string> notes;  // messages for the user that did not stop the run
  Comparison comparison;
};
// `memory_budget` bounds what one converted document may grow to.
CompareOutcome compare_project(const fs::path& project_file, const fs::path& start_folder, const Regional& regional,
                               Progress& progress = Progress::none(),
                               std::size_t memory_budget = kDefaultMemoryBudget);

}  // namespace lumeral::comparison
