#include "core/clustering/matrix.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <unordered_map>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/clustering/similarity.h"
#include "core/records/records.h"

namespace lumeral::clustering {

namespace {

const char* kNoList = "Você deve selecionar antes uma lista de docs";

struct Posting {
  std::size_t doc;
  double weight;  // scaled
};

}  // namespace

SimilarityMatrix::SimilarityMatrix(std::size_t n, std::vector<double> values) : n_(n), values_(std::move(values)) {}

SimilarityMatrix::SimilarityMatrix(std::size_t n, const fs::path& file, std::shared_ptr<ScratchFolder> owner)
    : n_(n), file_(std::make_shared<const records::MappedDoubles>(file)), owner_(std::move(owner)) {}

void SimilarityMatrix::release_rows(std::size_t begin, std::size_t end) const {
  if (file_) file_->release(begin * n_, end * n_);
}

std::vector<double> SimilarityMatrix::values() const {
  if (!file_) return values_;
  std::vector<double> out(file_->size());
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = (*file_)[i];
  return out;
}

void check_matrix_fits(const SimilarityMatrix& m, std::size_t n) {
  if (n == 0) throw Stop(kNoList);
  if (m.n() != n || m.value_count() != n * n) {
    if (m.n() == 0) throw Stop("Crie ou abra antes a matriz de similaridades desta lista de docs.");
    throw Stop("A matriz de similaridades é de uma lista de " + std::to_string(m.n()) +
               " docs, mas a lista carregada tem " + std::to_string(n) +
               ". Crie ou abra a matriz desta lista antes.");
  }
}

namespace {

// The .msm being written: a temporary file beside its final name, written
// a block of rows at a time and read back (the rows above a block hold its
// left part), renamed into place by commit(); removed when dropped.
class MatrixFile {
 public:
  explicit MatrixFile(fs::path p) : path_(std::move(p)) {
    for (int attempt = 0;; ++attempt) {
      tmp_ = path_;
      tmp_ += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
      fd_ = ::open(tmp_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0) return;
      if (errno != EEXIST || attempt == 100) {
        int e = errno;
        tmp_.clear();
        throw Stop(write_error_text(path_, e));
      }
    }
  }
  ~MatrixFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!tmp_.empty()) ::unlink(tmp_.c_str());
  }
  MatrixFile(const MatrixFile&) = delete;
  MatrixFile& operator=(const MatrixFile&) = delete;

  void write(const double* values, std::size_t count, std::size_t at) {
    const char* bytes = reinterpret_cast<const char*>(values);
    std::size_t want = count * 8, done = 0;
    while (done < want) {
      ssize_t n = ::pwrite(fd_, bytes + done, want - done, static_cast<off_t>(at * 8 + done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) throw Stop(write_error_text(path_, n == 0 ? EIO : errno));
      done += static_cast<std::size_t>(n);
    }
  }
  void read(double* values, std::size_t count, std::size_t at) const {
    char* bytes = reinterpret_cast<char*>(values);
    std::size_t want = count * 8, done = 0;
    while (done < want) {
      ssize_t n = ::pread(fd_, bytes + done, want - done, static_cast<off_t>(at * 8 + done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0)
        throw Stop("Não foi possível ler \"" + display_path(tmp_) + "\": " +
                   (n == 0 ? std::string("o arquivo terminou antes do esperado") : std::strerror(errno)));
      done += static_cast<std::size_t>(n);
    }
  }
  void commit() {
    int rc = ::close(fd_);
    fd_ = -1;
    if (rc != 0 || ::rename(tmp_.c_str(), path_.c_str()) != 0) throw Stop(write_error_text(path_, errno));
    tmp_.clear();
  }

 private:
  fs::path path_;
  fs::path tmp_;
  int fd_ = -1;
};

}  // namespace

SimilarityMatrix create_matrix(const fs::path& folder, const std::vector<Ansi>& entries, Method method,
                               Progress& progress, const MatrixOptions& options) {
  const std::size_t n = entries.size();
  if (n == 0) throw Stop(kNoList);
  const Ansi ext = method == Method::Words ? Ansi("lpl") : Ansi("mtz");
  std::vector<fs::path> paths(n);
  for (std::size_t i = 0; i < n; ++i) {
    paths[i] = method == Method::Words ? lookup(folder, companion_name(entries[i], ext))
                                       : classification::matrix_path(folder, entries[i]);
    std::error_code ec;
    if (!fs::is_regular_file(paths[i], ec))
      throw Stop(method == Method::Words ? "Criar lista de palavras antes" : "Fazer classificação antes");
  }

  // Every list read (in parallel, a chunk at a time) and turned into
  // numbers in list order: only the positive entries are kept.
  const double scale = method == Method::Words ? 1.0 : 100.0;
  std::unordered_map<Ansi, std::size_t> ids;
  // Per document: its positive entries as (word id, scaled weight), in order.
  std::vector<std::vector<std::pair<std::size_t, double>>> docs(n);
  std::vector<std::vector<Posting>> postings;
  std::vector<std::size_t> count(n), positive(n);
  ordered_pipeline(
      n, [&](std::size_t i) { return read_weight_list(paths[i]); },
      [&](std::size_t i, std::vector<records::WordRecord>& list) {
        count[i] = list.size();
        for (const auto& r : list) {
          if (!(r.weight > 0)) continue;
          ++positive[i];
          auto [it, added] = ids.try_emplace(r.word, ids.size());
          if (added) postings.emplace_back();
          double w = r.weight / scale;
          docs[i].emplace_back(it->second, w);
          postings[it->second].push_back({i, w});
        }
      });

  // Row i: for each positive entry of i in order, every later document
  // holding that word, in its record order. For one pair (i, j) the fuzzy
  // similarities are therefore added in the order of the pairwise scan.
  const Denominator den = method == Method::Words ? Denominator::AllEntries : Denominator::PositiveEntries;
  struct Scratch {
    std::vector<double> sum;
    std::vector<std::size_t> common;
    std::vector<std::size_t> touched;
  };
  std::vector<Scratch> scratch(parallel_workers(n));
  for (auto& s : scratch) {
    s.sum.assign(n, 0.0);
    s.common.assign(n, 0);
  }
  // The rows of one block, computed at once: half the budget.
  const std::size_t block_rows =
      std::clamp<std::size_t>(options.memory_budget / 2 / (n * sizeof(double)), 1, n);
  std::vector<double> block;
  std::size_t first_row = 0;
  auto row = [&](std::size_t worker, std::size_t k) {
    const std::size_t i = first_row + k;
    double* out = block.data() + k * n;
    Scratch& s = scratch[worker];
    for (auto [word, x] : docs[i]) {
      const auto& plist = postings[word];
      auto it = std::upper_bound(plist.begin(), plist.end(), i,
                                 [](std::size_t d, const Posting& p) { return d < p.doc; });
      for (; it != plist.end(); ++it) {
        if (s.common[it->doc] == 0) s.touched.push_back(it->doc);
        ++s.common[it->doc];
        s.sum[it->doc] += fuzzy_similarity(x, it->weight);
      }
    }
    for (std::size_t j : s.touched) {
      Comparison c;
      c.common = s.common[j];
      c.sum = s.sum[j];
      c.count_a = count[i];
      c.count_b = count[j];
      c.positive_a = positive[i];
      c.positive_b = positive[j];
      out[j] = similarity_of(c, Numerator::FuzzySum, den).value_or(0.0);
      s.common[j] = 0;
      s.sum[j] = 0;
    }
    s.touched.clear();
  };

  std::shared_ptr<ScratchFolder> owner;
  fs::path target = options.file;
  if (target.empty()) {
    owner = std::make_shared<ScratchFolder>(folder);
    target = owner->new_file(".msm");
  }
  MatrixFile out(target);
  std::vector<double> strip;
  for (first_row = 0; first_row < n; first_row += block_rows) {
    progress.checkpoint();
    const std::size_t end_row = std::min(n, first_row + block_rows);
    const std::size_t rows = end_row - first_row;
    block.assign(rows * n, 0.0);
    // The upper part of every row (columns after the diagonal).
    parallel_for_worker(rows, row, [&](std::size_t done) {
      progress.status("Analisando doc " + std::to_string(std::min(first_row + done + 1, n)) + " de " +
                      std::to_string(n) + " X");
      progress.checkpoint();
    });
    // The lower part mirrors the upper one: from the rows of this block,
    // and from the rows above it, already in the file.
    for (std::size_t i = first_row; i < end_row; ++i)
      for (std::size_t j = first_row; j < i; ++j) block[(i - first_row) * n + j] = block[(j - first_row) * n + i];
    strip.resize(rows);
    for (std::size_t j = 0; j < first_row; ++j) {
      out.read(strip.data(), rows, j * n + first_row);
      for (std::size_t k = 0; k < rows; ++k) block[k * n + j] = strip[k];
    }
    out.write(block.data(), block.size(), first_row * n);
  }
  block = {};
  out.commit();
  progress.status("Terminou de criar a matriz de similaridades");
  return SimilarityMatrix(n, target, std::move(owner));
}

void for_each_matrix_line(const std::vector<Ansi>& entries, const SimilarityMatrix& m, const Regional& regional,
                          const std::function<void(const Ansi&)>& each) {
  const std::size_t n = entries.size();
  check_matrix_fits(m, n);
  std::vector<Ansi> labels(n);
  for (std::size_t i = 0; i < n; ++i) {
    Ansi label = cut(entries[i], 15);
    std::size_t dot = label.find('.');
    std::size_t p = dot == Ansi::npos ? 0 : dot + 1;
    if (p < 9) label.append(12 - p, ' ');
    labels[i] = std::move(label);
  }
  Ansi line(15, ' ');
  for (const auto& l : labels) line += Ansi("  |  ") + l;
  each(line);
  for (std::size_t i = 0; i < n; ++i) {
    line = labels[i];
    for (std::size_t j = 0; j < n; ++j) line += Ansi("  |  ") + regional.format(m.at(i, j), "0.0000000000");
    each(line);
    m.release_rows(i, i + 1);
  }
}

std::vector<Ansi> show_matrix(const std::vector<Ansi>& entries, const SimilarityMatrix& m, const Regional& regional) {
  std::vector<Ansi> lines;
  lines.reserve(entries.size() + 1);
  for_each_matrix_line(entries, m, regional, [&](const Ansi& l) { lines.push_back(l); });
  return lines;
}

void save_matrix(const fs::path& p, const std::vector<Ansi>& entries, const SimilarityMatrix& m) {
  check_matrix_fits(m, entries.size());
  // Copied a block at a time through a temporary file: the old file stays
  // whole until the new one is complete (also when it is the matrix's own).
  AtomicFile out(p);
  const std::size_t total = m.value_count(), n = m.n();
  constexpr std::size_t kBlock = 1 << 17;  // values
  std::vector<double> buffer;
  for (std::size_t start = 0; start < total; start += kBlock) {
    const std::size_t end = std::min(total, start + kBlock);
    buffer.resize(end - start);
    for (std::size_t k = start; k < end; ++k) buffer[k - start] = m.at(k / n, k % n);
    out.write(std::string_view(reinterpret_cast<const char*>(buffer.data()), buffer.size() * 8));
    m.release_rows(start / n, end / n);
  }
  out.commit();
}

SimilarityMatrix open_matrix(const fs::path& p, const std::vector<Ansi>& entries) {
  const std::size_t n = entries.size();
  if (n == 0) throw Stop(kNoList);
  SimilarityMatrix m(n, p);
  if (m.value_count() != n * n) {
    throw Stop("O arquivo \"" + display_path(p) + "\" tem " + std::to_string(m.value_count()) +
               " valores, mas a lista carregada, com " + std::to_string(n) + " docs, precisa de " +
               std::to_string(n * n) + ". A matriz não foi aberta.");
  }
  records::MappedDoubles(p).check_all();
  return m;
}

}  // namespace lumeral::clustering
