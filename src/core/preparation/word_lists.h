// Word lists (.lpl): building them from documents and the word-list window's
// list commands.
//
// Offers what the word-list window (`Form1`) and the import need:
//   - require_stopword_field: the check "Analisa textos" makes before it
//     asks for documents;
//   - build_word_lists: "Analisa textos" on chosen documents (each list
//     beside its document) or, with a `wizard_project`, on the import's text
//     files; progress texts as the window and the wizard show them;
//   - count_words: one document's word records (first-occurrence order,
//     weight = count / total);
//   - word_list_lines / open_word_list: "Abre lista" with its threshold;
//   - save_word_list / save_word_list_as_context / save_word_list_as_text:
//     "Grava lista", "Grava como conceito", "Grava como texto".
// The record layout is in docs/formats.md ("Word list").
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/records/weighted.h"
#include "core/shell/project.h"
#include "core/base/language.h"
#include "core/base/reading.h"
#include "core/preparation/stemming.h"
#include "core/preparation/stopword_search.h"
#include "core/records/records.h"

namespace lumeral::preparation {

namespace fs = std::filesystem;

// Messages of the builder.
extern const char* const kChooseStopwords;   // "Você deve escolher antes uma lista de stopwords"
extern const char* const kStopwordsMissing;  // "Erro: arquivo de stopwords não existe !!"
extern const char* const kNotSaved;          // "Não gravou lista de palavras"
// Title of the progress window of the wizard-driven build.
extern const char* const kWizardProgressTitle;  // "Pré-Processando/Preparando Textos"

// The field "Lista de stopwords" trimmed, as a path; Stop(kChooseStopwords)
// when empty. "Analisa textos" checks this before it asks for documents.
fs::path require_stopword_field(AnsiView field);

// The word list of document `doc` (a name or path): the companion rule,
// ".txt" matched without regard to case (NOTA.TXT gives NOTA.lpl).
fs::path word_list_path(const fs::path& doc);

// Word records of a document text (Windows-1252): tokens not in the
// stopword list, cut to 15 characters, in the order of first occurrence,
// each weighted by count / total. An empty result for a text without words.
// With a `stemmer`, each kept word is replaced by its stem before it is cut
// and counted, so the variants of a word make one entry.
// Tokens are cut and lowered by `reading` (the stopwords given must have
// been loaded with the same reading).
std::vector<records::WordRecord> count_words(AnsiView text, const StopwordSearch& stopwords,
                                             Stemmer* stemmer = nullptr, Reading reading = Reading::Classic);

// The documents of a build: full paths (the documents a user chose), or
// names in one folder (a prepared collection). For the folder the paths are
// made one at a time by the worker that reads each document, so a million
// documents cost their names only, not a million path objects.
class DocumentPaths {
 public:
  DocumentPaths(const std::vector<fs::path>& paths) : paths_(&paths) {}  // NOLINT: a list of paths is one
  DocumentPaths(const fs::path& folder, const std::vector<Ansi>& names);
  std::size_t size() const { return paths_ ? paths_->size() : names_->size(); }
  // Document i's path and its word list's path, in the platform's bytes,
  // into strings the caller reuses.
  void paths_of(std::size_t i, std::string& document, std::string& list) const;
  // The folders the word lists go to, each once.
  std::vector<fs::path> folders() const;

 private:
  const std::vector<fs::path>* paths_ = nullptr;
  const std::vector<Ansi>* names_ = nullptr;
  std::string folder_;  // with its trailing separator
};

// "Analisa textos". `documents` are full paths; each word list is written
// beside its document. `stopwords` is the path of the field "Lista de
// stopwords": Stop(kChooseStopwords) when empty, Stop(kStopwordsMissing)
// when the file does not exist. Reads the
// list once; builds the lists (both cores, independent documents), writing
// an empty file for a document without words.
//
// Progress with a `wizard_project` (the import's run): detail() carries the
// progress window's first line "Foram encontrados no diretorio de textos: N
// arquivos", status() "Processados i Textos até o momento" (its second line
// and the wizard's status bar), bar(i, N - 1); the status is emptied at the
// end. Without the wizard: "Criando pals+freq de arquivo k de N - ",
// "... palavra T", "Criando palavras+peso de arquivo k de N", and finally
// "TERMINOU DE CRIAR LISTAS PARA TODOS DOCUMENTOS".
//
// A document that cannot be read stops the build with Stop naming it; the
// word lists written by then stay. Each list is replaced whole (see
// FileReplacer): after a failure or a kill it is the old list or the new
// one. The run holds the lists' folders (FolderLock) while it writes, so a
// second run on them waits. Returns how many word lists were
// written (all of them, unless it stops). With `stem` (the project's "Agrupar variantes das
// palavras (radicais)"), the lists hold the Snowball stems of that
// language (stopwords are removed first, see count_words). Words are cut,
// lowered and looked up in the stopword list by `reading`, the reading the
// documents were prepared with.
std::size_t build_word_lists(const DocumentPaths& documents, const fs::path& stopwords,
                             const std::optional<shell::Project>& wizard_project, const Regional& regional,
                             Progress& progress = Progress::none(),
                             const std::optional<Language>& stem = std::nullopt,
                             Reading reading = Reading::Classic);

// A line of the list on screen: word + " |  " + weight as "0.00000".
Ansi word_list_line(AnsiView word, double weight, const Regional& regional);
// A row of the list on screen (the word, the weight as shown) and its line.
Ansi word_list_line(const records::WeightedRow& row);
std::vector<Ansi> word_list_lines(const std::vector<records::WeightedRow>& rows);

// "Abre lista": the rows of a word list (name containing ".lpl") or a
// context (".ctt") whose weight reaches the threshold field (empty = 0;
// otherwise a number, else the conversion error), the weight as
// "0.00000". Any other name gives no rows. The count of rows is "Total de
// palavras:".
std::vector<records::WeightedRow> open_word_list(const fs::path& p, AnsiView threshold_field, const Regional& regional);

// "Grava lista" (word records, words cut to 15) and "Grava como conceito"
// (context records, cut to 30): the file is created anew; every row needs
// a weight that is a number, else the conversion error stops the save and
// the file keeps its old content.
void save_word_list(const fs::path& p, const std::vector<records::WeightedRow>& rows, const Regional& regional);
void save_word_list_as_context(const fs::path& p, const std::vector<records::WeightedRow>& rows,
                               const Regional& regional);
// "Grava como texto": the rows' lines as shown.
void save_word_list_as_text(const fs::path& p, const std::vector<records::WeightedRow>& rows);

}  // namespace lumeral::preparation
