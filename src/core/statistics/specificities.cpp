#include "core/statistics/specificities.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"

namespace lumeral::statistics {

namespace {

using exporting::Cell;

// True when x is a whole number up to rounding.
bool whole(double x) { return std::abs(x - std::round(x)) <= 1e-9 * std::max(1.0, x); }

// How often the rarest word of a document may occur, and how many words a
// document may have, before its list is taken as not holding shares: far
// beyond any document the preparation reads.
constexpr double kLargestRarest = 1e6;
constexpr double kLargestTotal = 1e10;

// The words of a collection, each with an id in the order first met: an
// open-addressing table whose slots hold the word itself (a word of a word
// list has at most 15 bytes), so finding a word touches one slot, not a
// chain of nodes. Hashes are computed beforehand, by the workers that read
// the lists.
class WordIndex {
 public:
  WordIndex() : slots_(std::size_t{1} << 16) {}
  static std::uint64_t hash(AnsiView word) {
    return std::hash<std::string_view>{}(std::string_view(word.data(), word.size()));
  }
  // The id of `word` (at most 15 bytes); a new word gets the next id.
  std::size_t id_of(AnsiView word, std::uint64_t h, bool& added) {
    if (2 * (used_ + 1) > slots_.size()) grow();
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = h & mask;; i = (i + 1) & mask) {
      Slot& slot = slots_[i];
      if (slot.id == kEmpty) {
        slot.hash = h;
        slot.id = static_cast<std::uint32_t>(used_++);
        slot.size = static_cast<std::uint8_t>(word.size());
        std::memcpy(slot.bytes, word.data(), word.size());
        added = true;
        return slot.id;
      }
      if (slot.hash == h && slot.size == word.size() && std::memcmp(slot.bytes, word.data(), word.size()) == 0) {
        added = false;
        return slot.id;
      }
    }
  }

 private:
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
  struct Slot {
    std::uint64_t hash = 0;
    std::uint32_t id = kEmpty;
    std::uint8_t size = 0;
    char bytes[15] = {};
  };
  void grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
      if (slot.id == kEmpty) continue;
      std::size_t i = slot.hash & mask;
      while (slots_[i].id != kEmpty) i = (i + 1) & mask;
      slots_[i] = slot;
    }
  }
  std::vector<Slot> slots_;
  std::size_t used_ = 0;
};

}  // namespace

std::optional<std::vector<std::uint64_t>> word_counts(const std::vector<records::WordRecord>& list) {
  std::vector<std::uint64_t> counts(list.size(), 0);
  if (list.empty()) return counts;
  double smallest = 1, sum_of_shares = 0;
  for (const auto& r : list) {
    if (!(r.weight >= 0) || !(r.weight <= 1)) return std::nullopt;
    if (r.weight > 0) smallest = std::min(smallest, r.weight);
    sum_of_shares += r.weight;
  }
  // Shares add up to 1, or less in a list some words were eliminated from.
  if (sum_of_shares > 1 + 1e-6) return std::nullopt;
  // The rarest word occurs m times in a document of m / smallest words;
  // the first m that makes every share whole gives the counts.
  for (double m = 1; m <= kLargestRarest && m / smallest <= kLargestTotal; ++m) {
    const double total = m / smallest;
    if (!whole(total)) continue;
    const double t = std::round(total);
    bool ok = true;
    for (std::size_t i = 0; i < list.size() && ok; ++i) {
      const double c = list[i].weight * t;
      ok = whole(c) && (c >= 0.5 || list[i].weight == 0);
      counts[i] = static_cast<std::uint64_t>(std::llround(c));
    }
    if (ok) return counts;
  }
  return std::nullopt;
}

WordsByCategory words_by_category(const fs::path& doc_list, AnsiView variable, Progress& progress,
                                  std::size_t memory_budget) {
  WordsByCategory out;
  out.grouping = group_documents(doc_list, variable);
  const Grouping& g = out.grouping;
  const std::size_t k = g.categories.size();
  out.tokens.assign(k, 0);
  const FolderIndex folder(g.folder);
  WordIndex index;
  struct Loaded {
    std::vector<records::WordRecord> list;  // words trimmed
    std::vector<std::uint64_t> counts, hashes;
    std::string error;  // told when the document's turn comes, so a run stops on the first in list order
  };
  const std::size_t n = g.documents.size();
  const std::string total = std::to_string(n);
  ordered_pipeline(
      n,
      [&](std::size_t i) {
        const Ansi name = companion_name(g.documents[i], Ansi("lpl"));
        const fs::path p = folder.find(name);
        Loaded loaded;
        std::error_code ec;
        if (!fs::is_regular_file(p, ec)) {
          loaded.error = "Falta a lista de palavras de \"" + to_utf8(g.documents[i]) + "\" (" + display_path(p) +
                         "): prepare os documentos antes.";
          return loaded;
        }
        loaded.list = records::read_all<records::WordRecord>(p);
        auto counts = word_counts(loaded.list);
        if (!counts) {
          loaded.error = "A lista de palavras " + display_path(p) +
                         " não guarda a parte de cada palavra no documento: refaça as listas de palavras (prepare "
                         "ou wordlists).";
          return loaded;
        }
        loaded.counts = std::move(*counts);
        for (auto& r : loaded.list) {
          r.word = cut(trim(r.word), 15);
          loaded.hashes.push_back(WordIndex::hash(r.word));
        }
        return loaded;
      },
      [&](std::size_t i, Loaded& loaded) {
        progress.status("Doc " + std::to_string(i + 1) + " (de " + total + ")");
        progress.bar(static_cast<long long>(i), static_cast<long long>(n) - 1);
        progress.checkpoint();
        if (!loaded.error.empty()) throw Stop(loaded.error);
        const std::size_t c = g.category_of[i];
        for (std::size_t w = 0; w < loaded.list.size(); ++w) {
          bool added = false;
          const std::size_t id = index.id_of(loaded.list[w].word, loaded.hashes[w], added);
          if (added) {
            if ((out.words.size() + 1) * k * sizeof(std::uint64_t) > memory_budget / 2)
              throw Stop("A variável \"" + to_utf8(trim(variable)) + "\" tem " + std::to_string(k) +
                         " categorias: as contagens das palavras por categoria passam da memória para as análises (" +
                         memory_budget_text(memory_budget) + ").");
            out.words.push_back(loaded.list[w].word);
            out.counts.resize(out.counts.size() + k, 0);
          }
          out.counts[id * k + c] += loaded.counts[w];
          out.tokens[c] += loaded.counts[w];
        }
      },
      2048);
  return out;
}

std::vector<CategoryWords> specificities(const WordsByCategory& words, std::size_t top) {
  const std::size_t k = words.tokens.size();
  const double all = static_cast<double>(std::accumulate(words.tokens.begin(), words.tokens.end(), std::uint64_t{0}));
  std::vector<std::uint64_t> totals(words.words.size(), 0);
  for (std::size_t w = 0; w < words.words.size(); ++w)
    for (std::size_t j = 0; j < k; ++j) totals[w] += words.count(w, j);
  std::vector<CategoryWords> out;
  for (std::size_t c = 0; c < k; ++c) {
    CategoryWords cat{words.grouping.categories[c], {}};
    const double in_c = static_cast<double>(words.tokens[c]);
    const double rest = all - in_c;
    if (in_c > 0 && rest > 0) {
      for (std::size_t w = 0; w < words.words.size(); ++w) {
        const double a = static_cast<double>(words.count(w, c));
        const double word_total = static_cast<double>(totals[w]);
        const double b = word_total - a;
        if (!(a * rest > b * in_c)) continue;  // not over-represented
        const Counts t{2, 2, {a, in_c - a, b, rest - b}};
        const double g2 = g_square(t).value_or(0.0);
        cat.words.push_back({words.words[w], words.count(w, c), static_cast<std::uint64_t>(b),
                             word_total * in_c / all, g2, 1.0});
      }
    }
    auto order = [](const SpecificWord& x, const SpecificWord& y) {
      return x.g2 != y.g2 ? x.g2 > y.g2 : x.word < y.word;
    };
    if (cat.words.size() > top) {
      std::partial_sort(cat.words.begin(), cat.words.begin() + static_cast<std::ptrdiff_t>(top), cat.words.end(),
                        order);
      cat.words.resize(top);
    } else {
      std::sort(cat.words.begin(), cat.words.end(), order);
    }
    for (SpecificWord& kept : cat.words) kept.p_value = chi_square_p(kept.g2, 1);  // of the words kept only
    out.push_back(std::move(cat));
  }
  return out;
}

Counts most_frequent(const WordsByCategory& words, std::size_t top, std::vector<Ansi>& names) {
  const std::size_t k = words.tokens.size();
  std::vector<std::pair<std::uint64_t, std::size_t>> totals;
  for (std::size_t w = 0; w < words.words.size(); ++w) {
    std::uint64_t sum = 0;
    for (std::size_t j = 0; j < k; ++j) sum += words.count(w, j);
    totals.push_back({sum, w});
  }
  auto order = [&](const auto& x, const auto& y) {
    return x.first != y.first ? x.first > y.first : words.words[x.second] < words.words[y.second];
  };
  const std::size_t kept = std::min(top, totals.size());
  std::partial_sort(totals.begin(), totals.begin() + static_cast<std::ptrdiff_t>(kept), totals.end(), order);
  Counts t{kept, k, {}};
  names.clear();
  for (std::size_t i = 0; i < kept; ++i) {
    names.push_back(words.words[totals[i].second]);
    for (std::size_t j = 0; j < k; ++j) t.cells.push_back(static_cast<double>(words.count(totals[i].second, j)));
  }
  return t;
}

exporting::Table specificities_table(const std::vector<CategoryWords>& categories, const Regional& regional) {
  exporting::Table t;
  t.headers = {"Categoria", "Palavra", "Na categoria", "No resto", "Esperado", "G2", "p"};
  for (const CategoryWords& cat : categories)
    for (const SpecificWord& w : cat.words)
      t.rows.push_back({Cell::of_text(cat.category), Cell::of_text(w.word),
                        Cell::of_number(static_cast<double>(w.in_category), 0),
                        Cell::of_number(static_cast<double>(w.elsewhere), 0), Cell::of_number(w.expected, 2),
                        Cell::of_number(w.g2, 2), p_value_cell(w.p_value, regional)});
  return t;
}

}  // namespace lumeral::statistics
