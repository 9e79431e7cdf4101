// The concordance of a document list: every occurrence of some words in the
// documents' texts as one row, with the text on either side of it.
//
// Words are found as the word lists find them: the texts are cut into
// tokens and lowered by the collection's reading (core/preparation/
// tokenizer.h), and a token is an occurrence when it equals one of the
// words lowered the same way, or, with stemming, when its stem equals one
// of the words' stems. Each document is read once and scanned once;
// documents are scanned on every core, a block at a time, and their rows
// handed over in list order.
//
// A row keeps the text as stored (Windows-1252): the keyword as written, and
// up to `width` characters on each side, each run of blanks, tabs and line
// breaks shown as one blank. One byte is one character in that code page,
// so the columns of concordance_line() line up on a terminal whatever the
// accents.
//
// Memory: the scan holds the texts of one block of documents (at most
// kConcordanceBlock) and the places found in them. Rows in document order
// are streamed (scan_concordance). A sorted view, or any view whose number
// of rows must be known before the first one (an export), gathers the rows
// through an external sort: past the memory budget they spill to a scratch
// folder of the documents folder and are merged back, giving the same rows.
// `limit` cuts the rows shown, never the count of occurrences.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/files.h"
#include "core/base/language.h"
#include "core/base/memory_budget.h"
#include "core/base/message.h"
#include "core/base/progress.h"
#include "core/base/reading.h"
#include "core/base/regional.h"

namespace lumeral::retrieval {

inline constexpr std::size_t kConcordanceBlock = 256;

// Which word orders the rows: the keyword, or the first or second word on
// its left or right (equal words keep document order).
enum class ConcordanceSort { Document, Keyword, Left1, Left2, Right1, Right2 };

struct ConcordanceOptions {
  std::vector<Ansi> words;          // each must be one word of the text
  std::size_t width = 40;           // characters of context on each side
  ConcordanceSort sort = ConcordanceSort::Document;
  std::optional<std::size_t> limit;  // rows shown at most
  std::optional<Language> stem;      // compare stems of this language
  std::optional<Reading> reading;    // none: the reading of the list's folder
  std::size_t memory_budget = kDefaultMemoryBudget;
};

struct ConcordanceRow {
  std::size_t document = 0;  // position in the list, from 0
  Ansi name;                 // the document's text file name
  std::uint64_t line = 0;    // from 1; CR LF, LF and CR each end a line
  std::uint64_t offset = 0;  // of the keyword in the text
  Ansi left, keyword, right;
};

struct ConcordanceTotal {
  std::uint64_t occurrences = 0;
  std::size_t documents = 0;  // documents with at least one occurrence
  std::uint64_t shown = 0;    // rows handed over
  // A document whose text is missing or unreadable stops the scan: the
  // rows of the documents before it are handed over, then this.
  std::optional<Message> stop;
};

// The rows of every occurrence, in list order, to `each`, the first
// `limit` of them (the sort option is ignored). Stops (Stop) before any row
// when the list cannot be read or a word is not one word of the text.
ConcordanceTotal scan_concordance(const fs::path& list, const ConcordanceOptions& options, Progress& progress,
                                  const std::function<void(const ConcordanceRow&)>& each);

// The rows gathered and put in the order asked for (collation of the
// regional settings), then handed over by rows(): their number is known
// before the first.
class ConcordanceView {
 public:
  ConcordanceView(const fs::path& list, const ConcordanceOptions& options, const Regional& regional,
                  Progress& progress);
  ~ConcordanceView();
  ConcordanceView(const ConcordanceView&) = delete;
  ConcordanceView& operator=(const ConcordanceView&) = delete;

  const ConcordanceTotal& total() const;
  // Once: the rows in order, at most `limit`.
  void rows(const std::function<void(const ConcordanceRow&)>& each);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The longest text-file name of the list's documents (the first column's
// width).
std::size_t concordance_name_width(const fs::path& list);

// A row as a fixed-width line: the name padded to `name_width`, the line
// number right-aligned in 6 places, the left context right-aligned in
// `width` places, the keyword, the right context; two blanks between.
Ansi concordance_line(const ConcordanceRow& row, std::size_t name_width, std::size_t width);

// "12 ocorrências em 3 documentos", with "; mostradas: 10" when fewer rows
// were shown.
Ansi concordance_total_line(const ConcordanceTotal& total);

}  // namespace lumeral::retrieval
