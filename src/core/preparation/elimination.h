// Word elimination (`form_elimina`): removing chosen words from the word
// lists of every document of a document list, after the lists were built.
//
// The word list of a document is found by the same companion rule the
// builder names it with (relatorio.2004.txt uses relatorio.2004.lpl;
// NOTA.TXT uses NOTA.lpl), looked up in the folder of the document list.
// Remaining words keep their weights (they are not divided again).
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"

namespace lumeral::preparation {

namespace fs = std::filesystem;

extern const char* const kWriteWords;  // "Você precisa escrever palavras"

// "Acrescenta lista de stopwords": the entries of the file, in file order,
// to append to the elimination lines; nothing when the file does not exist.
std::vector<Ansi> elimination_lines_from(const fs::path& stopword_file);

// "Elimina palavras dos documentos". Stop(kWriteWords) when the first
// elimination line, trimmed, is empty (or there is none). For each
// document, in order ("Analisando doc i de n"), drops the records whose
// trimmed word equals a trimmed elimination line (exact case). All or
// nothing: every word list is looked for before any is read, and the new
// lists replace the old ones only once all of them were written, so a
// missing list (Stop naming it) or a failed write changes no list. Ends
// with "Terminou de eliminar palavras". Returns the number of records
// removed.
std::size_t eliminate_words(const fs::path& doc_list, const std::vector<Ansi>& elimination_lines,
                            Progress& progress = Progress::none());

}  // namespace lumeral::preparation
