// Weighted lines: the "term | weight" lines that every list window shows,
// and what all those windows share: taking a line apart, threshold fields,
// the sort by weight, the alphabetical orders and saving as records or text.
#pragma once

#include <functional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/files.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/records/records.h"

namespace lumeral::records {

// A line taken apart at its first bar, both sides trimmed. Without a bar
// the term is the whole line trimmed and `weight_text` is empty.
struct LineParts {
  Ansi term;
  Ansi weight_text;
  bool has_bar = false;
};
LineParts split_weighted(AnsiView line);

// A row of a list of names with weights, as the list windows keep it: the
// name (as read or picked) and the weight as the list shows it, empty for a
// bare name. Its line is name + " | " + weight, or the bare name.
struct WeightedRow {
  Ansi name;
  Ansi weight;
  bool operator==(const WeightedRow&) const = default;
};
Ansi weighted_row_line(const WeightedRow& row);
std::vector<Ansi> weighted_row_lines(const std::vector<WeightedRow>& rows);
// Bare names as rows.
std::vector<WeightedRow> bare_rows(const std::vector<Ansi>& names);

// Keys of a line for the sort by weight.
AnsiView key_after_bar(AnsiView line);     // after the first "|" (the whole line without one)
AnsiView key_after_equals(AnsiView line);  // after the first "=" (term association)
// Data-mining rule lines: from 7 characters after the start of the first
// "/conf" up to the first "%" after it.
AnsiView key_confidence(AnsiView line);

using KeyFn = std::function<AnsiView(AnsiView)>;

// Sort by weight, highest first: exactly the selection sort with exchanges
// (the first of equal maxima is taken, so ties come out in the order those
// steps give), computed in O(n log n). Reports "Ordenando linha i de n" and
// finally "Terminou de ordenar as linhas" through `progress`. A key that is
// not a number throws Stop with the conversion error; every key is read in
// the first pass, before any exchange, so the list is then unchanged.
void sort_by_weight(std::vector<Ansi>& lines, const KeyFn& key, const Regional& regional,
                    Progress& progress = Progress::none());
// The same sort for rows kept beside their lines: `key(i)` is the weight of
// row i (read only when there are two rows or more, as the lines' keys);
// entry i of the result is the index of the row placed i-th. Reports as
// sort_by_weight does.
std::vector<std::size_t> weight_order(std::size_t n, const std::function<double(std::size_t)>& key,
                                      Progress& progress = Progress::none());

// Explicit alphabetical sort by bytes (capitals first, accented letters
// after "z"), as the same selection sort: first of equal smallest lines.
void sort_bytewise(std::vector<Ansi>& lines);

// A list that keeps itself in case-insensitive alphabetical order: sorts
// the present lines, and gives the place of a line to be added (after lines
// that compare equal).
void sort_alphabetical(std::vector<Ansi>& lines, const Regional& regional);
// The order sort_alphabetical gives `lines`: entry i is the index of the
// line placed i-th.
std::vector<std::size_t> alphabetical_order(const std::vector<Ansi>& lines, const Regional& regional);

// Puts `items` in `order` (entry i the index of the item placed i-th), so
// rows follow the order their lines were given.
template <class T>
void apply_order(std::vector<T>& items, const std::vector<std::size_t>& order) {
  std::vector<T> placed;
  placed.reserve(order.size());
  for (std::size_t i : order) placed.push_back(std::move(items[i]));
  items = std::move(placed);
}
std::size_t alphabetical_position(const std::vector<Ansi>& lines, AnsiView line, const Regional& regional);

// What a line without a bar becomes when saved as records.
enum class NoBar { ConversionError, WeightZero, WeightOne };

// Saves rows as records into a file created anew, one per row in order:
// the name trimmed and cut to the record's size, the weight read from its
// text; a bare name (no weight) gets the policy's value. An unreadable
// weight stops with the conversion error and writes nothing (the file keeps
// its old content).
void save_as_word_records(const fs::path& p, const std::vector<WeightedRow>& rows, const Regional& regional,
                          NoBar no_bar = NoBar::ConversionError);
void save_as_context_records(const fs::path& p, const std::vector<WeightedRow>& rows, const Regional& regional,
                             NoBar no_bar = NoBar::WeightOne);

// Saves lines exactly as shown: a text file, CR LF line ends.
void save_as_text(const fs::path& p, const std::vector<Ansi>& lines);

// The weight of a saved line: a line without bar gives the policy's value.
double line_weight(const LineParts& parts, const Regional& regional, NoBar no_bar);

}  // namespace lumeral::records
