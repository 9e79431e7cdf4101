// The listing of a pair store, as the term association window shows it
// after a run: rows of first, second and weight ("0.0000"), whose lines
// (association_line) come in
// case-insensitive alphabetical order of the whole lines (equal lines in
// store order), then every line's mirror ("second | first = weight") in
// that order.
//
// Promises: the order is the collation order of the whole lines, worked
// out from the parts of the lines; lines are built on demand, so a store of
// millions of pairs is listed without holding millions of texts. The
// listing of a store that spilled runs lies in a file of its scratch folder
// (removed with the listing) and is read a window at a time.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/association/association_lines.h"
#include "core/association/pair_store.h"
#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/records/records.h"

namespace lumeral::association {

class PairListing {
 public:
  PairListing() = default;
  PairListing(PairTable table, const Regional& regional);
  std::size_t size() const { return 2 * pairs(); }
  AssociationRow row(std::size_t i) const;
  Ansi line(std::size_t i) const { return association_line(row(i)); }
  std::vector<AssociationRow> rows() const;

 private:
  friend PairListing write_and_list(PairStore& store, const std::filesystem::path& p, const Regional& regional,
                                    Progress& progress);
  // A pair of the listing as its file holds it.
  struct Listed {
    std::uint32_t first;
    std::uint32_t second;
    std::uint32_t weight;  // index into weight_texts_
  };
  std::size_t pairs() const { return file_ ? file_->pairs : table_.pairs.size(); }
  const Listed& listed(std::size_t k) const;
  void arrange();
  PairTable table_;                    // pairs in listing order once sorted
  std::vector<std::uint32_t> order_;   // sorted pair indexes, while sorting
  std::vector<Ansi> weight_texts_;     // distinct weights, formatted
  std::vector<std::uint32_t> weight_of_;  // pair -> its weight text

  // The listing of a spilled store: the sorted pairs in a file of the
  // scratch folder, both removed with the last listing that reads them.
  struct File {
    File(std::shared_ptr<ScratchFolder> s, const std::filesystem::path& p, std::size_t n);
    ~File();
    std::shared_ptr<ScratchFolder> scratch;
    std::filesystem::path path;
    int fd = -1;
    std::size_t pairs = 0;
  };
  std::shared_ptr<const File> file_;
  mutable std::vector<Listed> window_;  // pairs [window_start_, + size) of the file
  mutable std::size_t window_start_ = 0;
};

// Writes the store as "temp.ass" at `p` (replaced whole) and lists it. A
// store that spilled runs is merged from them, in as little memory as its
// budget; the file and the listing are the same as without spilling. The
// file is put in place only once the listing is made, so a cancel (checked
// all along the merge) leaves the previous one.
PairListing write_and_list(PairStore& store, const std::filesystem::path& p, const Regional& regional,
                           Progress& progress = Progress::none());

// The listing of pair records (features trimmed), as rows.
std::vector<AssociationRow> list_pairs(const std::vector<records::PairRecord>& pairs, const Regional& regional);

}  // namespace lumeral::association
