#include "core/records/weighted.h"

#include <algorithm>
#include <string>

#include "core/base/message.h"
#include "core/base/text.h"

namespace lumeral::records {

LineParts split_weighted(AnsiView line) {
  LineParts parts;
  auto bar = line.find('|');
  if (bar == AnsiView::npos) {
    parts.term = trim(line);
    return parts;
  }
  parts.term = trim(line.substr(0, bar));
  parts.weight_text = trim(line.substr(bar + 1));
  parts.has_bar = true;
  return parts;
}

AnsiView key_after_bar(AnsiView line) {
  auto bar = line.find('|');
  return trim_view(bar == AnsiView::npos ? line : line.substr(bar + 1));
}

AnsiView key_after_equals(AnsiView line) {
  auto eq = line.find('=');
  return trim_view(eq == AnsiView::npos ? line : line.substr(eq + 1));
}

AnsiView key_confidence(AnsiView line) {
  auto conf = line.find(AnsiView("/conf"));
  if (conf == AnsiView::npos) return trim_view(line);
  std::size_t start = conf + 7;
  if (start > line.size()) return AnsiView();
  auto pct = line.find('%', start);
  AnsiView key = line.substr(start, pct == AnsiView::npos ? AnsiView::npos : pct - start);
  return trim_view(key);
}

namespace {

// Selection sort with exchanges, simulated with a segment tree that yields
// the first best position of any range: `better(a, b)` says value a beats b
// strictly; among equal values the lower position wins.
template <class T, class Item, class Better>
void selection_sort_simulated(std::vector<T>& keys, std::vector<Item>& lines, Better better,
                              const std::function<void(std::size_t)>& on_step) {
  const std::size_t n = keys.size();
  if (n < 2) return;
  std::size_t size = 1;
  while (size < n) size <<= 1;
  // tree holds positions; n marks an empty leaf
  std::vector<std::size_t> tree(2 * size, n);
  auto pick = [&](std::size_t a, std::size_t b) {
    if (a == n) return b;
    if (b == n) return a;
    if (better(keys[b], keys[a])) return b;
    if (better(keys[a], keys[b])) return a;
    return std::min(a, b);
  };
  for (std::size_t i = 0; i < n; ++i) tree[size + i] = i;
  for (std::size_t k = size - 1; k >= 1; --k) tree[k] = pick(tree[2 * k], tree[2 * k + 1]);
  auto update = [&](std::size_t pos) {
    std::size_t k = (size + pos) >> 1;
    while (k >= 1) {
      tree[k] = pick(tree[2 * k], tree[2 * k + 1]);
      k >>= 1;
    }
  };
  auto query = [&](std::size_t lo) {  // best over [lo, n)
    std::size_t best = n;
    std::size_t l = lo + size, r = n - 1 + size + 1;
    // collect left-to-right so ties resolve to the lower position
    std::vector<std::size_t> right;
    while (l < r) {
      if (l & 1) best = pick(best, tree[l++]);
      if (r & 1) right.push_back(tree[--r]);
      l >>= 1;
      r >>= 1;
    }
    for (auto it = right.rbegin(); it != right.rend(); ++it) best = pick(best, *it);
    return best;
  };
  for (std::size_t i = 0; i + 1 < n; ++i) {
    on_step(i);
    std::size_t best = query(i);
    if (best != i) {
      std::swap(keys[i], keys[best]);
      std::swap(lines[i], lines[best]);
      update(i);
      update(best);
    }
  }
}

// The selection sort of sort_by_weight on its keys, after its first status.
std::vector<std::size_t> order_by_weight(std::vector<double>& keys, Progress& progress) {
  const std::size_t n = keys.size();
  std::vector<std::size_t> order(n);
  for (std::size_t i = 0; i < n; ++i) order[i] = i;
  selection_sort_simulated(
      keys, order, [](double a, double b) { return a > b; },
      [&](std::size_t i) {
        if (i % 256 == 0 || i + 2 == n)
          progress.status("Ordenando linha " + std::to_string(i + 1) + " de " + std::to_string(n));
      });
  progress.status("Terminou de ordenar as linhas");
  return order;
}

}  // namespace

std::vector<std::size_t> weight_order(std::size_t n, const std::function<double(std::size_t)>& key,
                                      Progress& progress) {
  std::vector<double> keys;
  if (n >= 2) {
    // The status comes before the keys are read: a conversion error leaves it shown.
    progress.status("Ordenando linha 1 de " + std::to_string(n));
    keys.reserve(n);
    for (std::size_t i = 0; i < n; ++i) keys.push_back(key(i));
  } else {
    keys.assign(n, 0.0);
  }
  return order_by_weight(keys, progress);
}

void sort_by_weight(std::vector<Ansi>& lines, const KeyFn& key, const Regional& regional, Progress& progress) {
  apply_order(lines, weight_order(
                         lines.size(), [&](std::size_t i) { return regional.parse(key(lines[i])); }, progress));
}

void sort_bytewise(std::vector<Ansi>& lines) {
  std::vector<Ansi> keys = lines;
  std::vector<Ansi> copy = lines;
  selection_sort_simulated(
      keys, copy,
      [](const Ansi& a, const Ansi& b) {
        // byte order of the code page: compare as unsigned bytes
        std::string_view x = bytes_of(a), y = bytes_of(b);
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](char p, char q) {
          return static_cast<unsigned char>(p) < static_cast<unsigned char>(q);
        });
      },
      [](std::size_t) {});
  lines = std::move(copy);
}

std::vector<std::size_t> alphabetical_order(const std::vector<Ansi>& lines, const Regional& regional) {
  std::vector<std::string> keys;
  keys.reserve(lines.size());
  for (const auto& l : lines) keys.push_back(regional.collation_key(l));
  std::vector<std::size_t> order(lines.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  return order;
}

void sort_alphabetical(std::vector<Ansi>& lines, const Regional& regional) {
  apply_order(lines, alphabetical_order(lines, regional));
}

std::size_t alphabetical_position(const std::vector<Ansi>& lines, AnsiView line, const Regional& regional) {
  auto it = std::upper_bound(lines.begin(), lines.end(), line,
                             [&](AnsiView a, const Ansi& b) { return regional.collate(a, b) < 0; });
  return static_cast<std::size_t>(it - lines.begin());
}

double line_weight(const LineParts& parts, const Regional& regional, NoBar no_bar) {
  if (!parts.has_bar) {
    if (no_bar == NoBar::WeightZero) return 0.0;
    if (no_bar == NoBar::WeightOne) return 1.0;
    return regional.parse(parts.weight_text);
  }
  return regional.parse(parts.weight_text);
}

namespace {
// One record per row: its name trimmed and the weight read from its text.
template <class R, class Make>
void save_records(const fs::path& p, const std::vector<WeightedRow>& rows, const Regional& regional, NoBar no_bar,
                  Make make) {
  Writer<R> out(p);
  for (const auto& row : rows) {
    const LineParts parts{trim(row.name), trim(row.weight), !row.weight.empty()};
    out.write(make(parts.term, line_weight(parts, regional, no_bar)));
  }
  out.close();
}

WordRecord word_record(const Ansi& t, double w) { return WordRecord{cut(t, 15), w}; }
ContextRecord context_record(const Ansi& t, double w) { return ContextRecord{cut(t, 30), w}; }
}  // namespace

void save_as_word_records(const fs::path& p, const std::vector<WeightedRow>& rows, const Regional& regional,
                          NoBar no_bar) {
  save_records<WordRecord>(p, rows, regional, no_bar, word_record);
}

void save_as_context_records(const fs::path& p, const std::vector<WeightedRow>& rows, const Regional& regional,
                             NoBar no_bar) {
  save_records<ContextRecord>(p, rows, regional, no_bar, context_record);
}

void save_as_text(const fs::path& p, const std::vector<Ansi>& lines) { write_text_file(p, lines); }

Ansi weighted_row_line(const WeightedRow& row) {
  return row.weight.empty() ? row.name : row.name + Ansi(" | ") + row.weight;
}

std::vector<Ansi> weighted_row_lines(const std::vector<WeightedRow>& rows) {
  std::vector<Ansi> lines;
  lines.reserve(rows.size());
  for (const WeightedRow& r : rows) lines.push_back(weighted_row_line(r));
  return lines;
}

std::vector<WeightedRow> bare_rows(const std::vector<Ansi>& names) {
  std::vector<WeightedRow> rows;
  rows.reserve(names.size());
  for (const Ansi& n : names) rows.push_back({n, Ansi()});
  return rows;
}

}  // namespace lumeral::records
