// The document-by-document similarity matrix of a document list: created
// from the documents' word lists (.lpl) or classification matrices (.mtz),
// shown as text, saved to and reopened from a .msm file (docs/formats.md).
//
// Promises: a created matrix is computed in blocks of rows sized by the
// memory budget and written to its file as it goes; a matrix is then read
// from its file, memory-mapped, so no reader holds the n x n values.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/files.h"
#include "core/base/memory_budget.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/base/scratch.h"
#include "core/records/mapped_doubles.h"

namespace lumeral::clustering {

// "Por palavra" compares word lists, "Por conceitos" classification matrices.
enum class Method { Words, Concepts };

// n x n similarities, row after row: the values of a .msm file mapped into
// memory, or (for a small matrix built by hand) values in memory.
class SimilarityMatrix {
 public:
  SimilarityMatrix() = default;
  SimilarityMatrix(std::size_t n, std::vector<double> values);
  // The matrix in `file` (already checked to hold n x n usable values);
  // `owner` keeps the scratch folder of a file no one saved yet.
  SimilarityMatrix(std::size_t n, const fs::path& file, std::shared_ptr<ScratchFolder> owner = {});

  std::size_t n() const { return n_; }
  std::size_t value_count() const { return file_ ? file_->size() : values_.size(); }
  double at(std::size_t i, std::size_t j) const {
    return file_ ? (*file_)[i * n_ + j] : values_[i * n_ + j];
  }
  // Readers that walk the rows in order give back rows [begin, end) when
  // done with them (see MappedDoubles::release).
  void release_rows(std::size_t begin, std::size_t end) const;
  // The file the values are read from (empty for values in memory).
  fs::path file() const { return file_ ? file_->path() : fs::path(); }
  // Every value, row after row (for small matrices and tests).
  std::vector<double> values() const;

 private:
  std::size_t n_ = 0;
  std::vector<double> values_;
  std::shared_ptr<const records::MappedDoubles> file_;
  std::shared_ptr<ScratchFolder> owner_;
};

struct MatrixOptions {
  // The rows computed at once take at most half of it.
  std::size_t memory_budget = kDefaultMemoryBudget;
  // Where the .msm is written (through a temporary file renamed into place
  // when complete); empty: a scratch file in the documents folder, removed
  // with the matrix.
  fs::path file;
};

// "Cria matriz": every document's companion (entry by the companion rule +
// "lpl" or "mtz", in `folder`) must exist, else "Criar lista de palavras
// antes" / "Fazer classificação antes" before any work. The matrix is
// symmetric with a zero diagonal; M[i][j] is the similarity of the lists of
// documents i and j (Denominator::AllEntries for words; weights / 100 and
// Denominator::PositiveEntries for concepts; 0 when the denominator is 0).
SimilarityMatrix create_matrix(const fs::path& folder, const std::vector<Ansi>& entries, Method method,
                               Progress& progress = Progress::none(), const MatrixOptions& options = {});

// "Mostra matriz": a header line of column labels and one line per document.
std::vector<Ansi> show_matrix(const std::vector<Ansi>& entries, const SimilarityMatrix& m, const Regional& regional);
// The same lines handed over one at a time, reading the matrix row by row.
void for_each_matrix_line(const std::vector<Ansi>& entries, const SimilarityMatrix& m, const Regional& regional,
                          const std::function<void(const Ansi&)>& each);

// "Salva matriz" / "Abre matriz gravada". A file whose size is not exactly
// n x n doubles for the loaded list is refused with a clear message. The
// saved file is copied from the matrix's own file through a temporary
// file; a reopened file is mapped, not read into memory.
void save_matrix(const fs::path& p, const std::vector<Ansi>& entries, const SimilarityMatrix& m);
SimilarityMatrix open_matrix(const fs::path& p, const std::vector<Ansi>& entries);

// Stops with a clear message when the matrix was not made for a list of
// `n` documents (or with "Você deve selecionar antes uma lista de docs"
// when n is 0).
void check_matrix_fits(const SimilarityMatrix& m, std::size_t n);

}  // namespace lumeral::clustering
