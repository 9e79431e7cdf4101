#include "core/preparation/word_lists.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <deque>
#include <exception>
#include <mutex>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <unordered_set>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/folder_lock.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/base/text.h"
#include "core/preparation/stemming.h"
#include "core/preparation/stopword_lists.h"
#include "core/preparation/tokenizer.h"
#include "core/records/weighted.h"

namespace lumeral::preparation {

const char* const kChooseStopwords = "Você deve escolher antes uma lista de stopwords";
const char* const kStopwordsMissing = "Erro: arquivo de stopwords não existe !!";
const char* const kNotSaved = "Não gravou lista de palavras";
const char* const kWizardProgressTitle = "Pré-Processando/Preparando Textos";

namespace {

// Distinct tokens of one document in the order of first occurrence, with
// their counts. An open-addressing table reused from document to document,
// keyed by views into the document's own (prepared) bytes.
class TokenCounter {
 public:
  void reset() {
    words_.clear();
    counts_.clear();
    hashes_.clear();
    // Back to the small table after a large document, so clearing stays
    // cheap for the many small ones.
    if (slots_.size() != kInitialSlots) slots_.assign(kInitialSlots, 0);
    else std::fill(slots_.begin(), slots_.end(), 0);
  }

  void add(std::string_view w, std::uint32_t h) {
    if ((words_.size() + 1) * 2 > slots_.size()) grow();
    std::size_t mask = slots_.size() - 1;
    for (std::size_t i = h & mask;; i = (i + 1) & mask) {
      std::uint32_t s = slots_[i];
      if (s == 0) {
        words_.push_back(w);
        counts_.push_back(1);
        hashes_.push_back(h);
        slots_[i] = static_cast<std::uint32_t>(words_.size());
        return;
      }
      if (hashes_[s - 1] == h && words_[s - 1] == w) {
        ++counts_[s - 1];
        return;
      }
    }
  }

  const std::vector<std::string_view>& words() const { return words_; }
  const std::vector<std::uint32_t>& counts() const { return counts_; }
  const std::vector<std::uint32_t>& hashes() const { return hashes_; }

 private:
  static constexpr std::size_t kInitialSlots = 1024;
  void grow() {
    std::vector<std::uint32_t> bigger(slots_.size() * 2, 0);
    std::size_t mask = bigger.size() - 1;
    for (std::size_t k = 0; k < words_.size(); ++k) {
      std::size_t i = hashes_[k] & mask;
      while (bigger[i] != 0) i = (i + 1) & mask;
      bigger[i] = static_cast<std::uint32_t>(k + 1);
    }
    slots_.swap(bigger);
  }

  std::vector<std::uint32_t> slots_;  // 0 = empty, else index + 1
  std::vector<std::string_view> words_;
  std::vector<std::uint32_t> counts_;
  std::vector<std::uint32_t> hashes_;
};

// Counts the tokens of a document's bytes (lowered in place).
std::size_t count_tokens(std::string& bytes, TokenCounter& counter, const TextRules& rules) {
  std::size_t tokens = 0;
  for_each_token(rules, bytes.data(), bytes.size(), [&](std::string_view t, std::uint32_t h) {
    counter.add(t, h);
    ++tokens;
  });
  return tokens;
}

// The entries of a word list: stopwords dropped, words cut to 15 and
// merged, in the order of first occurrence. Scratch space reused by a worker.
struct Entries {
  std::vector<std::string_view> keys;
  std::vector<std::uint64_t> counts;
  std::uint64_t total = 0;
  std::unordered_map<std::string_view, std::size_t> merge;
  std::vector<char> gone;         // keys merged into an earlier one
  std::deque<std::string> stems;  // the document's stems, which `keys` view

  // With a stemmer, each word that is not a stopword is replaced by its
  // stem (cut to 15 after stemming), and the words of one stem merge.
  void build(const TokenCounter& counter, const StopwordSearch& stop, Stemmer* stemmer = nullptr) {
    keys.clear();
    counts.clear();
    stems.clear();
    total = 0;
    const auto& words = counter.words();
    const auto& n = counter.counts();
    const auto& hashes = counter.hashes();
    bool merge_needed = stemmer != nullptr;
    for (std::size_t k = 0; k < words.size(); ++k) {
      AnsiView word(words[k].data(), words[k].size());
      if (stop.contains(word, hashes[k])) continue;
      std::string_view key = words[k];
      if (stemmer) {
        const Ansi& stem = stemmer->stem(word);
        key = stems.emplace_back(stem.data(), stem.size());
      }
      if (key.size() > 15) merge_needed = true;
      keys.push_back(key.substr(0, 15));
      counts.push_back(n[k]);
      total += n[k];
    }
    if (merge_needed) merge_equal_keys(stemmer == nullptr);
  }

  // Two tokens may share their first 15 characters (or their stem): one
  // entry, at the place of the first. Without stems only keys of exactly
  // 15 characters can be equal (the document's distinct tokens shorter
  // than that are unique and differ from every cut one), so only those
  // are looked up.
  void merge_equal_keys(bool only_cut_length) {
    merge.clear();
    gone.assign(keys.size(), 0);
    bool merged = false;
    for (std::size_t k = 0; k < keys.size(); ++k) {
      if (only_cut_length && keys[k].size() != 15) continue;
      auto [it, added] = merge.emplace(keys[k], k);
      if (!added) {
        counts[it->second] += counts[k];
        gone[k] = 1;
        merged = true;
      }
    }
    if (!merged) return;
    std::size_t out = 0;
    for (std::size_t k = 0; k < keys.size(); ++k) {
      if (gone[k]) continue;
      keys[out] = keys[k];
      counts[out] = counts[k];
      ++out;
    }
    keys.resize(out);
    counts.resize(out);
  }

  double weight(std::size_t k) const { return static_cast<double>(counts[k]) / static_cast<double>(total); }

  // The word list file's bytes (docs/formats.md, "Word list").
  void encode(std::string& out) const {
    constexpr std::size_t size = records::Layout<records::WordRecord>::size;
    out.assign(keys.size() * size, '\0');
    for (std::size_t k = 0; k < keys.size(); ++k) {
      char* rec = out.data() + k * size;
      records::put_short_string(rec, 15, AnsiView(keys[k].data(), keys[k].size()));
      records::put_double(rec + 16, weight(k));
    }
  }
};

// A document's bytes as stored text (the shared reader's rule: UTF-16 with
// its byte-order mark and valid UTF-8 with non-ASCII characters are
// transcoded), into a reused buffer.
void read_document_into(const char* doc, std::string& bytes) {
  read_bytes_into(doc, bytes);
  Ansi converted;
  const AnsiView text = document_view(bytes, converted);
  if (text.data() != bytes.data()) bytes.assign(text.data(), text.size());
}

std::string text_of(std::string_view prefix, std::size_t k, std::size_t n) {
  return std::string(prefix) + std::to_string(k) + " de " + std::to_string(n);
}

}  // namespace

fs::path require_stopword_field(AnsiView field) {
  Ansi path = trim(field);
  if (path.empty()) throw Stop(kChooseStopwords);
  return to_path(path);
}

fs::path word_list_path(const fs::path& doc) {
  return doc.parent_path() / to_path(companion_name(path_name(doc), AnsiView("lpl")));
}

DocumentPaths::DocumentPaths(const fs::path& folder, const std::vector<Ansi>& names)
    : names_(&names), folder_((folder / "").native()) {}

void DocumentPaths::paths_of(std::size_t i, std::string& document, std::string& list) const {
  if (paths_) {
    document = (*paths_)[i].native();
    list = word_list_path((*paths_)[i]).native();
    return;
  }
  const Ansi& name = (*names_)[i];
  document.assign(folder_);
  append_utf8(name, document);
  list.assign(folder_);
  append_utf8(companion_name(name, AnsiView("lpl")), list);
}

std::vector<fs::path> DocumentPaths::folders() const {
  if (!paths_) return {fs::path(folder_)};
  std::unordered_set<std::string> seen;
  std::vector<fs::path> out;
  for (const auto& p : *paths_) {
    fs::path parent = p.parent_path();
    if (seen.insert(parent.native()).second) out.push_back(std::move(parent));
  }
  return out;
}

std::vector<records::WordRecord> count_words(AnsiView text, const StopwordSearch& stopwords, Stemmer* stemmer,
                                             Reading reading) {
  std::string bytes(bytes_of(text));
  TokenCounter counter;
  counter.reset();
  count_tokens(bytes, counter, text_rules(reading));
  Entries entries;
  entries.build(counter, stopwords, stemmer);
  std::vector<records::WordRecord> out;
  for (std::size_t k = 0; k < entries.keys.size(); ++k)
    out.push_back({from_bytes(entries.keys[k]), entries.weight(k)});
  return out;
}

std::size_t build_word_lists(const DocumentPaths& documents, const fs::path& stop_path,
                             const std::optional<shell::Project>& wizard_project, const Regional& regional,
                             Progress& progress, const std::optional<Language>& stem, Reading reading) {
  const TextRules& rules = text_rules(reading);
  const bool wizard_visible = wizard_project.has_value();
  if (stop_path.empty()) throw Stop(kChooseStopwords);
  require_file(stop_path, kStopwordsMissing);
  const StopwordSearch stopwords(read_stopwords(stop_path), regional, reading);
  // One stemmer per worker (they keep state); made here, so a missing
  // algorithm stops the build before any list is written.
  std::vector<std::unique_ptr<Stemmer>> stemmers;
  std::atomic<std::size_t> next_stemmer{0};

  const std::size_t n = documents.size();
  const FolderLock lock(documents.folders(), progress);
  FileReplacer replacer;

  if (wizard_visible) {
    progress.detail("Foram encontrados no diretorio de textos: " + std::to_string(n) + " arquivos");
    progress.status("Processados 0 Textos até o momento");
    progress.bar(0, n > 0 ? static_cast<long long>(n) - 1 : 0);
  }

  std::atomic<std::size_t> next{0}, done{0};
  std::atomic<bool> failed{false};
  std::mutex error_mutex;
  std::size_t error_index = n;
  std::string error_text;
  std::exception_ptr cancelled;  // the cancel request met between documents

  // One worker: takes the next document, counts it, writes its list.
  // `report` is true only on the calling thread, which alone talks to
  // `progress` (windows are not thread-safe).
  auto work = [&](bool report) {
    Stemmer* stemmer = stem ? stemmers[next_stemmer.fetch_add(1)].get() : nullptr;
    TokenCounter counter;
    Entries entries;
    std::string bytes, encoded, document, list;
    while (!failed.load(std::memory_order_relaxed)) {
      if (report) {
        // A cancel stops the run between documents: every list written
        // so far is whole, the helpers finish the one they are writing.
        try {
          progress.checkpoint();
        } catch (...) {
          cancelled = std::current_exception();
          failed = true;
          break;
        }
      }
      std::size_t i = next.fetch_add(1);
      if (i >= n) break;
      try {
        if (report && !wizard_visible) progress.status(text_of("Criando pals+freq de arquivo ", i + 1, n) + " - ");
        documents.paths_of(i, document, list);
        read_document_into(document.c_str(), bytes);
        counter.reset();
        std::size_t tokens = count_tokens(bytes, counter, rules);
        if (report && !wizard_visible) {
          progress.status(text_of("Criando pals+freq de arquivo ", i + 1, n) + "  palavra " + std::to_string(tokens));
          progress.status(text_of("Criando palavras+peso de arquivo ", i + 1, n));
        }
        entries.build(counter, stopwords, stemmer);
        entries.encode(encoded);
        replacer.replace(list.c_str(), encoded);
      } catch (const std::exception& e) {
        std::lock_guard lock(error_mutex);
        if (i < error_index) {
          error_index = i;
          error_text = describe_exception(e);
        }
        failed = true;
        break;
      }
      std::size_t finished = done.fetch_add(1) + 1;
      if (report && wizard_visible) {
        progress.status("Processados " + std::to_string(finished) + " Textos até o momento");
        progress.bar(static_cast<long long>(std::min(finished, n - 1)), static_cast<long long>(n) - 1);
      }
    }
  };

  // Two workers per core: besides counting, every document waits on the
  // file system (opening, creating its list), and the spare workers keep
  // the cores busy meanwhile.
  unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  std::size_t helpers = std::min<std::size_t>(std::min(2 * cores, 16u) - 1, n > 1 ? n - 1 : 0);
  if (stem)
    for (std::size_t t = 0; t <= helpers; ++t) stemmers.push_back(std::make_unique<Stemmer>(*stem));
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < helpers; ++t) threads.emplace_back(work, false);
  work(true);
  for (auto& t : threads) t.join();

  if (failed && error_index < n) throw Stop(error_text);
  if (cancelled) std::rethrow_exception(cancelled);
  if (wizard_visible) progress.status("");
  else progress.status("TERMINOU DE CRIAR LISTAS PARA TODOS DOCUMENTOS");
  return n;
}

Ansi word_list_line(AnsiView word, double weight, const Regional& regional) {
  return Ansi(word) + Ansi(" |  ") + regional.format(weight, "0.00000");
}

Ansi word_list_line(const records::WeightedRow& row) { return row.name + Ansi(" |  ") + row.weight; }

std::vector<Ansi> word_list_lines(const std::vector<records::WeightedRow>& rows) {
  std::vector<Ansi> lines;
  lines.reserve(rows.size());
  for (const auto& r : rows) lines.push_back(word_list_line(r));
  return lines;
}

std::vector<records::WeightedRow> open_word_list(const fs::path& p, AnsiView threshold_field,
                                                 const Regional& regional) {
  const double threshold = regional.parse_threshold(threshold_field);
  const Ansi name = path_name(p);
  std::vector<records::WeightedRow> rows;
  auto add = [&](const Ansi& word, double weight) {
    if (weight >= threshold) rows.push_back({trim(word), regional.format(weight, "0.00000")});
  };
  if (find_ci(name, AnsiView(".lpl")) != Ansi::npos) {
    for (const auto& r : records::read_all<records::WordRecord>(p)) add(r.word, r.weight);
  } else if (find_ci(name, AnsiView(".ctt")) != Ansi::npos) {
    for (const auto& r : records::read_all<records::ContextRecord>(p)) add(r.entry, r.weight);
  }
  return rows;
}

void save_word_list(const fs::path& p, const std::vector<records::WeightedRow>& rows, const Regional& regional) {
  records::save_as_word_records(p, rows, regional, records::NoBar::ConversionError);
}

void save_word_list_as_context(const fs::path& p, const std::vector<records::WeightedRow>& rows,
                               const Regional& regional) {
  records::save_as_context_records(p, rows, regional, records::NoBar::ConversionError);
}

void save_word_list_as_text(const fs::path& p, const std::vector<records::WeightedRow>& rows) {
  records::save_as_text(p, word_list_lines(rows));
}

}  // namespace lumeral::preparation
