#include "core/association/term_association.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <optional>
#include <unordered_map>

#include "core/association/pair_store.h"
#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/preparation/stopword_search.h"
#include "core/records/weighted.h"

namespace lumeral::association {

using namespace lumeral::literals;
using records::PairRecord;

namespace {

bool begins_with_digit(AnsiView t) { return !t.empty() && t[0] >= '0' && t[0] <= '9'; }

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool kept_letter(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || is_digit(static_cast<char>(c))) return true;
  switch (c) {
    case 0xC0: case 0xC9: case 0xE0: case 0xE1: case 0xE2: case 0xE3: case 0xE7: case 0xE9:
    case 0xEA: case 0xED: case 0xF3: case 0xF4: case 0xF5: case 0xFA: case 0xFC:
      return true;
    default:
      return false;
  }
}

struct Job {
  std::vector<Ansi> documents;
  std::vector<fs::path> paths;  // companions, for the documents before the first missing one
  std::optional<std::size_t> missing;
  std::string missing_message;
};

}  // namespace

std::vector<Ansi> split_sentences(const std::vector<Ansi>& lines) {
  std::vector<Ansi> sentences;
  Ansi pending;
  for (const Ansi& raw : lines) {
    Ansi line = trim(raw);
    std::size_t p;
    while ((p = line.find_first_of(".?")) != Ansi::npos) {
      sentences.push_back(pending + Ansi(" ") + line.substr(0, p + 1));
      line = trim(AnsiView(line).substr(p + 1));
      pending.clear();
    }
    pending += ' ';
    pending += line;
  }
  if (!pending.empty()) sentences.push_back(pending);
  return sentences;
}

std::vector<Ansi> sentence_tokens(AnsiView sentence) {
  Ansi s(sentence);
  const std::size_t n = s.size();
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char c = static_cast<unsigned char>(sentence[i]);
    if (kept_letter(c)) continue;
    bool between_digits = (c == ',' || c == '.' || c == '/') && i > 0 && i + 1 < n && is_digit(sentence[i - 1]) &&
                          is_digit(sentence[i + 1]);
    if (!between_digits) s[i] = ' ';
  }
  std::vector<Ansi> tokens;
  std::size_t i = 0;
  while (i < n) {
    while (i < n && s[i] == ' ') ++i;
    std::size_t start = i;
    while (i < n && s[i] != ' ') ++i;
    if (i > start) tokens.push_back(lower_az(AnsiView(s).substr(start, i - start)));
  }
  return tokens;
}

namespace {

// Ranks of texts under the collation: equal texts share a rank. With
// `primary_only`, only the primary part of the sort key counts (the bytes
// before its first level separator), so accents are ignored too.
std::vector<std::uint32_t> collation_ranks(const std::vector<Ansi>& texts, const Regional& regional,
                                           bool primary_only) {
  std::vector<std::string> keys(texts.size());
  const std::size_t parts = std::max<std::size_t>(1, std::min<std::size_t>(worker_count(), texts.size() / 4096));
  std::vector<Regional> collators(parts, regional);
  parallel_for(parts, [&](std::size_t t) {
    for (std::size_t i = t; i < texts.size(); i += parts) {
      keys[i] = collators[t].collation_key(texts[i]);
      if (primary_only) keys[i].resize(std::min(keys[i].size(), keys[i].find('\x01')));
    }
  });
  std::vector<std::uint32_t> order(texts.size());
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
  std::vector<std::uint32_t> rank(texts.size());
  std::uint32_t r = 0;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (i > 0 && keys[order[i]] != keys[order[i - 1]]) ++r;
    rank[order[i]] = r;
  }
  return rank;
}

// True when no text holds a blank, a control character or a no-break
// space: the separators of a line (" | ", " = ") then sort below every
// character of the features.
bool features_without_blanks(const std::vector<Ansi>& texts) {
  for (const Ansi& t : texts)
    for (char c : t)
      if (static_cast<unsigned char>(c) <= 0x20 || static_cast<unsigned char>(c) == 0xA0) return false;
  return true;
}

}  // namespace

PairListing::PairListing(PairTable table, const Regional& regional) : table_(std::move(table)) {
  const auto& pairs = table_.pairs;
  // Distinct weights, formatted once.
  std::unordered_map<double, std::uint32_t> weight_index;
  weight_of_.resize(pairs.size());
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    auto [it, added] = weight_index.try_emplace(pairs[i].weight, static_cast<std::uint32_t>(weight_texts_.size()));
    if (added) weight_texts_.push_back(regional.format(pairs[i].weight, "0.0000"));
    weight_of_[i] = it->second;
  }
  order_.resize(pairs.size());
  std::iota(order_.begin(), order_.end(), 0u);
  if (features_without_blanks(table_.texts)) {
    // A line compares, under the collation, as its parts do: the first
    // feature, the second and the weight at the primary level (letters),
    // then the two features with their accents. Ranks of the distinct texts
    // stand for their sort keys.
    auto primary = collation_ranks(table_.texts, regional, true);
    auto full = collation_ranks(table_.texts, regional, false);
    auto weight_rank = collation_ranks(weight_texts_, regional, true);
    std::stable_sort(order_.begin(), order_.end(), [&](std::uint32_t x, std::uint32_t y) {
      const auto& a = pairs[x];
      const auto& b = pairs[y];
      if (primary[a.first] != primary[b.first]) return primary[a.first] < primary[b.first];
      if (primary[a.second] != primary[b.second]) return primary[a.second] < primary[b.second];
      std::uint32_t wa = weight_rank[weight_of_[x]], wb = weight_rank[weight_of_[y]];
      if (wa != wb) return wa < wb;
      if (full[a.first] != full[b.first]) return full[a.first] < full[b.first];
      return full[a.second] < full[b.second];
    });
    arrange();
    return;
  }
  // Features with blanks: the sort keys of the whole lines.
  std::vector<std::string> keys(pairs.size());
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const auto& p = pairs[i];
    keys[i] = regional.collation_key(table_.texts[p.first] + Ansi(" | ") + table_.texts[p.second] + Ansi(" = ") +
                                     weight_texts_[weight_of_[i]]);
  }
  std::stable_sort(order_.begin(), order_.end(), [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
  arrange();
}

void PairListing::arrange() {
  // The pairs put in listing order once, so lines are built walking them.
  std::vector<PairTable::Pair> sorted(order_.size());
  std::vector<std::uint32_t> weights(order_.size());
  for (std::size_t i = 0; i < order_.size(); ++i) {
    sorted[i] = table_.pairs[order_[i]];
    weights[i] = weight_of_[order_[i]];
  }
  table_.pairs = std::move(sorted);
  weight_of_ = std::move(weights);
  order_.clear();
  order_.shrink_to_fit();
}

Ansi PairListing::line(std::size_t i) const {
  const std::size_t n = table_.pairs.size();
  const bool mirror = i >= n;
  std::size_t k = mirror ? i - n : i;
  const auto& p = table_.pairs[k];
  const Ansi& a = table_.texts[mirror ? p.second : p.first];
  const Ansi& b = table_.texts[mirror ? p.first : p.second];
  const Ansi& w = weight_texts_[weight_of_[k]];
  Ansi out;
  out.reserve(a.size() + b.size() + w.size() + 6);
  out += a;
  out += Ansi(" | ");
  out += b;
  out += Ansi(" = ");
  out += w;
  return out;
}

std::vector<Ansi> PairListing::lines() const {
  std::vector<Ansi> out;
  out.reserve(size());
  for (std::size_t i = 0; i < size(); ++i) out.push_back(line(i));
  return out;
}

std::vector<Ansi> list_pairs(const std::vector<PairRecord>& pairs, const Regional& regional) {
  PairTable table;
  std::unordered_map<Ansi, std::uint32_t> ids;
  auto id = [&](const Ansi& raw) {
    Ansi t = trim(raw);
    auto [it, added] = ids.try_emplace(t, static_cast<std::uint32_t>(table.texts.size()));
    if (added) table.texts.push_back(t);
    return it->second;
  };
  for (const auto& p : pairs) table.pairs.push_back({id(p.first), id(p.second), p.weight});
  return PairListing(std::move(table), regional).lines();
}

void check_method_available(AssociationMethod method) {
  if (method == AssociationMethod::DocumentFrequency) throw Stop("Método ainda não disponível", MessageKind::Warning);
}

AssociationResult calculate_associations(const AssociationInput& input, const Regional& regional,
                                         Progress& progress) {
  check_method_available(input.method);
  fs::path folder = input.wizard_visible ? input.project_folder : input.document_list.parent_path();
  if (folder.empty()) folder = ".";

  std::vector<Ansi> documents;
  for (auto& r : records::read_all<records::DocRecord>(input.document_list)) documents.push_back(trim(r.name));
  const bool sentences = input.method == AssociationMethod::Sentence;
  AnsiView ext = sentences ? "txt"_a : input.method == AssociationMethod::Contexts ? "mtz"_a : "lpl"_a;

  std::vector<Ansi> stop_entries;
  if (sentences && !input.stopwords.empty())
    for (auto& r : records::read_all<records::StopRecord>(input.stopwords)) stop_entries.push_back(r.word);
  preparation::StopwordSearch stopwords(stop_entries, regional);

  AssociationResult result;
  // The previous pair store stays until a complete run replaces it.
  result.pair_store = folder / "temp.ass";

  // Companions, up to the first one that is missing.
  std::vector<fs::path> paths(documents.size());
  std::vector<char> present(documents.size());
  parallel_for(documents.size(), [&](std::size_t i) {
    paths[i] = input.method == AssociationMethod::Contexts ? classification::matrix_path(folder, documents[i])
                                                           : lookup(folder, companion_name(documents[i], ext));
    std::error_code ec;
    present[i] = fs::is_regular_file(paths[i], ec);
  });
  const std::size_t usable = std::find(present.begin(), present.end(), 0) - present.begin();

  const std::size_t n = documents.size();
  const std::string total = std::to_string(n);
  const std::size_t per_task = sentences ? 128 : 2048;
  const std::size_t per_wave = per_task * worker_count();
  PairStore store(regional);
  for (std::size_t wave = 0; wave < usable; wave += per_wave) {
    const std::size_t wave_end = std::min(usable, wave + per_wave);
    const std::size_t tasks = (wave_end - wave + per_task - 1) / per_task;
    std::vector<std::unique_ptr<PairStore>> local;
    for (std::size_t t = 0; t < tasks; ++t) local.push_back(std::make_unique<PairStore>(regional));
    parallel_for(tasks, [&](std::size_t t) {
      PairStore& s = *local[t];
      const std::size_t end = std::min(wave_end, wave + (t + 1) * per_task);
      std::vector<PairStore::Feature> fs;
      for (std::size_t d = wave + t * per_task; d < end; ++d) {
        if (!sentences) {
          fs.clear();
          for (auto& r : records::read_all<records::WordRecord>(paths[d])) {
            AnsiView w = trim_view(r.word);
            if (r.weight != 0 && !begins_with_digit(w)) fs.push_back(s.feature(w));
          }
          for (std::size_t i = 0; i + 1 < fs.size(); ++i)
            for (std::size_t j = i + 1; j < fs.size(); ++j) s.count(fs[i], fs[j]);
          continue;
        }
        for (const Ansi& sentence : split_sentences(read_document_lines(paths[d]))) {
          std::vector<Ansi> tokens = sentence_tokens(sentence);
          fs.clear();
          for (const Ansi& t : tokens)
            if (!begins_with_digit(t) && !stopwords.contains(t)) fs.push_back(s.feature(t));
          for (std::size_t i = 0; i + 1 < fs.size(); ++i)
            for (std::size_t j = i + 1; j < fs.size(); ++j) s.count(fs[i], fs[j]);
        }
      }
    });
    for (auto& l : local) {
      store.merge(*l);
      l.reset();
    }
    progress.status("Examinando doc " + std::to_string(wave_end) + " de " + total + " - ");
    progress.bar(static_cast<long long>(wave_end) - 1, static_cast<long long>(n) - 1);
  }
  if (usable < n) {
    if (sentences) {
      throw Stop("Não existe arquivo texto = " +
                 display_path(folder / to_path(companion_name(documents[usable], ext))));
    }
    throw Stop(input.method == AssociationMethod::Contexts ? "É preciso fazer classificação antes"
                                                           : "Criar listas de palavras antes");
  }
  store.write(result.pair_store);
  result.listing = PairListing(store.take(), regional);
  return result;
}

std::vector<Ansi> open_associations(const fs::path& file, const Regional& regional) {
  std::vector<Ansi> lines;
  for (auto& r : records::read_all<PairRecord>(file))
    lines.push_back(trim(r.first) + Ansi(" | ") + trim(r.second) + Ansi(" = ") + regional.format(r.weight, "0.000"));
  return lines;
}

void save_associations(const fs::path& file, const std::vector<Ansi>& lines, const Regional& regional) {
  records::Writer<PairRecord> out(file);
  for (const Ansi& line : lines) {
    AnsiView l = line;
    std::size_t eq = l.find('=');
    std::size_t bar = l.find('|');
    PairRecord r;
    if (bar != AnsiView::npos && (eq == AnsiView::npos || bar < eq)) {
      r.first = cut(trim_view(l.substr(0, bar)), 15);
      r.second = cut(trim_view(l.substr(bar + 1, eq == AnsiView::npos ? AnsiView::npos : eq - bar - 1)), 15);
    } else {
      r.first = cut(trim_view(l.substr(0, eq)), 15);
    }
    r.weight = regional.parse(eq == AnsiView::npos ? AnsiView() : l.substr(eq + 1));
    out.write(r);
  }
  out.close();
}

std::vector<Ansi> filter_by_threshold(const std::vector<Ansi>& lines, AnsiView threshold_text,
                                      const Regional& regional) {
  double t = regional.parse_threshold(threshold_text);
  std::vector<Ansi> kept;
  for (const Ansi& l : lines)
    if (regional.parse(records::key_after_equals(l)) >= t) kept.push_back(l);
  return kept;
}

void sort_associations(std::vector<Ansi>& lines, const Regional& regional, Progress& progress) {
  records::sort_by_weight(lines, records::key_after_equals, regional, progress);
}

}  // namespace lumeral::association
