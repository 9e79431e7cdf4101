// Stopword lists (.stw): reading them, the manager's save rule, and finding
// the standard list of a language.
//
// Offers what the stopword manager window (`form_stop`) and the wizard need:
//   - read_stopwords: the entries of a file in file order;
//   - open_stopword_list: "Mostra lista de stop-words" (the lines as the
//     manager's sorted list shows them);
//   - add_stopword_line: "Adiciona palavra na lista" (the place of a line);
//   - stopword_records / save_stopwords: "Grava lista de stop-words";
//   - standard_list_file / find_standard_list / load_language_list: the
//     language's standard list, looked for in the start folder first and
//     then in the installed data folder.
// The record layout is in docs/formats.md ("Stopword list").
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/language.h"
#include "core/base/regional.h"

namespace lumeral::preparation {

namespace fs = std::filesystem;

// "Não existe ainda uma lista de stop-words !!"
extern const char* const kNoStopwordList;

// Every entry of a stopword file, in file order, as stored (not trimmed).
// A missing or unreadable file throws Stop naming it.
std::vector<Ansi> read_stopwords(const fs::path& p);

// "Mostra lista de stop-words": the entries of the chosen file as the
// manager's list shows them (it keeps itself in case-insensitive collation
// order). A missing file throws Stop(kNoStopwordList).
std::vector<Ansi> open_stopword_list(const fs::path& p, const Regional& regional);

// "Adiciona palavra na lista": inserts `line`, unchanged (even empty), at
// its place in the sorted list (after lines that compare equal).
void add_stopword_line(std::vector<Ansi>& lines, AnsiView line, const Regional& regional);

// The entries the manager writes for its lines, in the lines' order: each
// line lowered (A to Z only), trimmed and cut to 15 characters.
std::vector<Ansi> stopword_records(const std::vector<Ansi>& lines);

// "Grava lista de stop-words": the file is created anew with one record per
// line (stopword_records). `lines` are taken in the order given: the window
// passes its sorted list; callers holding loose lines sort them first with
// records::sort_alphabetical.
void save_stopwords(const fs::path& p, const std::vector<Ansi>& lines);

// "stw-portugues.stw", "stw-ingles.stw" or "stw-espanhol.stw".
Ansi standard_list_file(Language language);

// Where the standard list of a language is: the start folder first, then
// the installed data folder, then the build tree's data folder (both
// replaced by the folder the environment variable LUMERAL_DATA_DIR names,
// when it is set). When none
// holds it, the start-folder path (which does not exist).
fs::path find_standard_list(Language language, const fs::path& start_folder);

// The wizard's "load the list of the project's language" into the manager.
struct LanguageList {
  fs::path path;             // full path, shown in "Nome do Arquivo:"
  bool exists = false;       // false: the list stays empty
  std::vector<Ansi> lines;   // the manager's sorted lines
};
LanguageList load_language_list(Language language, const fs::path& start_folder, const Regional& regional);

}  // namespace lumeral::preparation
