// The classification matrix: for every document of a document list, one
// matrix file (.mtz) holding one degree per context of a context list, in
// list order, zeros included (format in docs/formats.md).
//
// What this offers to the other analyses:
//  - classify(): runs the deterministic ("por frase") or probabilistic
//    ("todo texto") method over a document list and a context list. Inputs
//    are the two list paths, the method, and whether the mining wizard is
//    visible with its project folder; status texts go through Progress&.
//    Stops with the system's sentences ("Lista de contextos não existe",
//    "Arquivo texto não existe. Abortar!", ...); matrices written before the
//    stop stay.
//  - matrix_name() / matrix_path(): where a document's matrix lies. Every
//    tool that reads a matrix finds it by this one rule.
//  - read_matrix(): a matrix's records (context names trimmed).
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/language.h"
#include "core/base/reading.h"
#include "core/shell/project.h"
#include "core/base/files.h"
#include "core/base/progress.h"
#include "core/base/shard.h"
#include "core/records/records.h"

namespace lumeral::classification {

namespace fs = std::filesystem;

enum class Method {
  Deterministic,  // "Método Determinístico ("por frase")": sentences that satisfy a rule
  Probabilistic,  // "Método Probabilístico ("todo texto")": weighted words, capped at 1
};

struct ClassifyRun {
  fs::path doc_list;      // "Lista de documentos" (.ldc); its folder holds the documents
  fs::path context_list;  // "Lista de contextos" (.lct); its folder holds the .ctt files
  Method method = Method::Probabilistic;
  // The project of the mining wizard while it is visible: documents and
  // contexts are then taken from its folder, and the progress window is
  // driven (bar from 0 to documents - 1, detail "Processando i de n
  // arquivos").
  std::optional<shell::Project> wizard_project;
  // Documents classified at once; 0 uses every core. Results do not depend
  // on it.
  unsigned threads = 0;
  // The documents of the list this run classifies (every one by default);
  // matrices of the others are not touched.
  Shard shard;
  // The project's word lists hold stems of this language ("Agrupar
  // variantes das palavras (radicais)"): rules match words by their stems
  // (stem_rule), and a one-word entry of a context is compared with the
  // word lists by its stem (cut to 15, as the lists are).
  std::optional<Language> stem;
  // How the documents and the contexts are read (letters, lowering, line
  // ends); none: the reading the documents' folder was prepared with.
  std::optional<Reading> reading;
};

struct ClassifySummary {
  std::size_t documents = 0;  // matrices written
  std::size_t contexts = 0;   // records in each
};

ClassifySummary classify(const ClassifyRun& run, Progress& progress = Progress::none());

// The matrix of the document named `entry` in a document list: the
// companion name with "mtz" ("noticia1.txt" -> "noticia1.mtz", "notas" ->
// "notasmtz"), and that file in `folder` whatever its letter case.
Ansi matrix_name(AnsiView entry);
fs::path matrix_path(const fs::path& folder, AnsiView entry);

// The records of a matrix file, context names trimmed. A missing file
// stops with the file error.
std::vector<records::WordRecord> read_matrix(const fs::path& matrix);

}  // namespace lumeral::classification
