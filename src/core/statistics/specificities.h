// Words by variable ("especificidades"): for each category of a variable,
// the words over-represented in its documents against the documents of the
// other categories, scored by the likelihood ratio G2 of the 2 x 2 table
// (occurrences of the word / of the other words, in the category / in the
// rest), with its p-value (chi-square, 1 degree of freedom).
//
// The occurrences come from the documents' word lists (.lpl, written by the
// preparation), read once each: a list keeps every word's share of the
// document's words, count / total, from which the counts are taken back
// (word_counts()).
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/memory_budget.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/export/table.h"
#include "core/records/records.h"
#include "core/statistics/chi_square.h"
#include "core/statistics/grouping.h"

namespace lumeral::statistics {

// The counts of a word list: each share times the smallest total that makes
// every share a whole count (when every count of a document shares a
// factor, the smallest counts with the same shares). A list some words were
// eliminated from keeps the shares of the document as prepared, so the
// counts of the words left are found alike. Empty for a list that does not
// hold shares of a total (edited by hand): the caller stops.
std::optional<std::vector<std::uint64_t>> word_counts(const std::vector<records::WordRecord>& list);

// Occurrences of every word of the collection by category.
struct WordsByCategory {
  Grouping grouping;
  std::vector<Ansi> words;               // in the order first met
  std::vector<std::uint64_t> counts;     // words x categories, row-major
  std::vector<std::uint64_t> tokens;     // per category: every word's occurrences
  std::uint64_t count(std::size_t word, std::size_t category) const {
    return counts[word * tokens.size() + category];
  }
};

// Reads the word list of every document of the list once. Stops as
// group_documents() does, when a word list is missing or holds no shares of
// a total, and when the counts (words x categories) would take more than
// half of `memory_budget` (a variable of very many categories).
WordsByCategory words_by_category(const fs::path& doc_list, AnsiView variable,
                                  Progress& progress = Progress::none(),
                                  std::size_t memory_budget = kDefaultMemoryBudget);

struct SpecificWord {
  Ansi word;
  std::uint64_t in_category = 0;  // occurrences in the category's documents
  std::uint64_t elsewhere = 0;    // occurrences in the other documents
  double expected = 0;            // in the category, were the word spread as all words are
  double g2 = 0;
  double p_value = 1;
};

struct CategoryWords {
  Ansi category;
  std::vector<SpecificWord> words;  // G2 decreasing, then the word's bytes
};

// Per category, its `top` words of greatest G2 among those it holds more
// often than expected.
std::vector<CategoryWords> specificities(const WordsByCategory& words, std::size_t top);

// The `top` words of most occurrences (then by their bytes), as a words x
// categories table with their names, for the correspondence analysis.
Counts most_frequent(const WordsByCategory& words, std::size_t top, std::vector<Ansi>& names);

// Category, word, occurrences in the category and in the rest, expected
// occurrences, G2 and p.
exporting::Table specificities_table(const std::vector<CategoryWords>& categories, const Regional& regional);

}  // namespace lumeral::statistics
