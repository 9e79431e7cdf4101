#include "core/association/term_association.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <optional>

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

std::vector<Ansi> list_pairs(const std::vector<PairRecord>& pairs, const Regional& regional) {
  std::vector<Ansi> lines(pairs.size());
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    lines[i] = trim(pairs[i].first) + Ansi(" | ") + trim(pairs[i].second) + Ansi(" = ") +
               regional.format(pairs[i].weight, "0.0000");
  }
  // Collation keys on every core, each with a collator of its own.
  std::vector<std::string> keys(lines.size());
  const std::size_t parts = std::max<std::size_t>(1, std::min<std::size_t>(worker_count(), lines.size() / 2048));
  std::vector<Regional> collators(parts, regional);
  parallel_for(parts, [&](std::size_t t) {
    for (std::size_t i = t; i < lines.size(); i += parts) keys[i] = collators[t].collation_key(lines[i]);
  });
  std::vector<std::size_t> order(lines.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  keys.clear();
  keys.shrink_to_fit();
  std::vector<Ansi> out;
  out.reserve(lines.size() * 2);
  for (std::size_t i : order) out.push_back(std::move(lines[i]));
  for (std::size_t i = 0, n = out.size(); i < n; ++i) {
    AnsiView l = out[i];
    std::size_t bar = l.find('|');
    std::size_t eq = l.find('=');
    Ansi mirror = trim(l.substr(bar + 1, eq - bar - 1)) + Ansi(" | ") + trim(l.substr(0, bar)) + Ansi(" ") +
                  Ansi(l.substr(eq));
    out.push_back(std::move(mirror));
  }
  return out;
}

AssociationResult calculate_associations(const AssociationInput& input, const Regional& regional,
                                         Progress& progress) {
  if (input.method == AssociationMethod::DocumentFrequency)
    throw Stop("Método ainda não disponível", MessageKind::Warning);
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
  result.pair_store = folder / "temp.ass";
  write_bytes_atomic(result.pair_store, "");

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
  store.write(result.pair_store);

  if (usable < n) {
    if (sentences) {
      throw Stop("Não existe arquivo texto = " +
                 display_path(folder / to_path(companion_name(documents[usable], ext))));
    }
    throw Stop(input.method == AssociationMethod::Contexts ? "É preciso fazer classificação antes"
                                                           : "Criar listas de palavras antes");
  }
  result.lines = list_pairs(store.records(), regional);
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
