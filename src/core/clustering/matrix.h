// The document-by-document similarity matrix of a document list: created
// from the documents' word lists (.lpl) or classification matrices (.mtz),
// shown as text, saved to and reopened from a .msm file (docs/formats.md).
#pragma once

#include <cstddef>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/files.h"
#include "core/base/progress.h"
#include "core/base/regional.h"

namespace lumeral::clustering {

// "Por palavra" compares word lists, "Por conceitos" classification matrices.
enum class Method { Words, Concepts };

struct SimilarityMatrix {
  std::size_t n = 0;
  std::vector<double> values;  // n x n, row after row
  double at(std::size_t i, std::size_t j) const { return values[i * n + j]; }
};

// The names of a document list's records, as stored (not trimmed).
std::vector<Ansi> read_doc_names(const fs::path& list);

// "Cria matriz": every document's companion (entry by the companion rule +
// "lpl" or "mtz", in `folder`) must exist, else "Criar lista de palavras
// antes" / "Fazer classificação antes" before any work. The matrix is
// symmetric with a zero diagonal; M[i][j] is the similarity of the lists of
// documents i and j (Denominator::AllEntries for words; weights / 100 and
// Denominator::PositiveEntries for concepts; 0 when the denominator is 0).
SimilarityMatrix create_matrix(const fs::path& folder, const std::vector<Ansi>& entries, Method method,
                               Progress& progress = Progress::none());

// "Mostra matriz": a header line of column labels and one line per document.
std::vector<Ansi> show_matrix(const std::vector<Ansi>& entries, const SimilarityMatrix& m, const Regional& regional);

// "Salva matriz" / "Abre matriz gravada". A file whose size is not exactly
// n x n doubles for the loaded list is refused with a clear message.
void save_matrix(const fs::path& p, const std::vector<Ansi>& entries, const SimilarityMatrix& m);
SimilarityMatrix open_matrix(const fs::path& p, const std::vector<Ansi>& entries);

// Stops with a clear message when the matrix was not made for a list of
// `n` documents (or with "Você deve selecionar antes uma lista de docs"
// when n is 0).
void check_matrix_fits(const SimilarityMatrix& m, std::size_t n);

}  // namespace lumeral::clustering
