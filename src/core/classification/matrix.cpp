// Both classification methods over a whole collection. Each document is
// read once, its rules or words matched against every context through hash
// indexes built once per run, and independent documents are classified on
// every core; results, files and messages come out in document-list order,
// as a one-document-at-a-time run would give them. Matrix layout:
// docs/formats.md.
#include "core/classification/matrix.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/folder_lock.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/classification/rules.h"
#include "core/contexts/contexts.h"
#include "core/preparation/collection.h"
#include "core/preparation/stemming.h"

namespace lumeral::classification {

using namespace lumeral::literals;
using records::ContextListRecord;
using records::ContextRecord;
using records::DocRecord;
using records::WordRecord;

Ansi matrix_name(AnsiView entry) { return companion_name(entry, "mtz"_a); }

fs::path matrix_path(const fs::path& folder, AnsiView entry) { return lookup(folder, matrix_name(entry)); }

namespace {
AnsiView cut_view(AnsiView text, std::size_t n) { return text.substr(0, n); }
}  // namespace

std::vector<WordRecord> read_matrix(const fs::path& matrix) {
  auto recs = records::read_all<WordRecord>(matrix);
  for (auto& r : recs) r.word = trim(r.word);
  return recs;
}

namespace {

// The document's text as read_document() gives it, without copying a text
// that needs no conversion.
AnsiView document_text(RuleSet::Scratch& scratch) { return document_view(scratch.bytes, scratch.converted); }

struct Outcome {
  std::vector<WordRecord> matrix;
  fs::path matrix_file;
  std::optional<Stop> stop;
};

// Weighted-word index of the probabilistic method: trimmed entry -> every
// (context, entry position, entry weight) that carries it.
struct EntryRef {
  std::uint32_t context;
  std::uint32_t position;
  double weight;
};

struct Match {
  std::uint32_t context;
  std::uint32_t position;
  std::uint32_t word;
  double product;
};

class Classifier {
 public:
  Classifier(const ClassifyRun& run, Progress& progress)
      : run_(run),
        progress_(progress),
        docs_folder_(run.wizard_project ? run.wizard_project->folder : run.doc_list.parent_path()),
        contexts_folder_(run.wizard_project ? run.wizard_project->folder : run.context_list.parent_path()),
        docs_(docs_folder_),
        reading_(run.reading ? *run.reading : preparation::collection_reading(docs_folder_)) {}

  ClassifySummary operator()();

 private:
  void load_contexts();
  Outcome classify_one(std::size_t i, RuleSet::Scratch& scratch) const;
  std::string shown_name(AnsiView base) const;
  void report(std::size_t i);

  const ClassifyRun& run_;
  Progress& progress_;
  fs::path docs_folder_;
  fs::path contexts_folder_;
  FolderIndex docs_;
  std::vector<DocRecord> documents_;
  std::vector<Ansi> record_names_;  // one per context of the list
  std::optional<Stop> missing_context_;
  RuleSet rules_;
  std::unordered_map<Ansi, std::vector<EntryRef>> entries_;
  Reading reading_;
};

void Classifier::load_contexts() {
  const auto list = records::read_all<ContextListRecord>(run_.context_list);
  FolderIndex folder(contexts_folder_);
  std::unique_ptr<preparation::Stemmer> stemmer;
  rules_.use_reading(reading_);
  if (run_.stem) {
    if (run_.method == Method::Deterministic) rules_.use_stems(*run_.stem);
    else stemmer = std::make_unique<preparation::Stemmer>(*run_.stem);
  }
  for (std::size_t j = 0; j < list.size(); ++j) {
    Ansi name = trim(list[j].name);
    record_names_.push_back(cut(name, 15));
    if (missing_context_) continue;
    fs::path file = folder.find(name + Ansi(".ctt"_a));
    std::error_code ec;
    if (run_.method == Method::Deterministic && !fs::is_regular_file(file, ec)) {
      missing_context_ = Stop("Contexto não criado ainda: " + display_path(contexts_folder_ / to_path(name)));
      continue;
    }
    std::vector<ContextRecord> entries;
    try {
      entries = records::read_all<ContextRecord>(file);
    } catch (const Stop& stop) {  // the probabilistic method reports the file error
      missing_context_ = stop;
      continue;
    }
    for (std::size_t k = 0; k < entries.size(); ++k) {
      AnsiView text = trim_view(entries[k].entry);
      if (text.empty()) continue;
      // Entries are lowered by the reading, as the words of the lists are
      // (under the classic reading they are compared as stored).
      Ansi lowered;
      if (reading_ == Reading::Complete) text = lowered = lower(reading_, text);
      if (run_.method == Method::Deterministic) {
        rules_.add(j, parse_rule(text, reading_));
      } else {
        if (stemmer && text.find(' ') == AnsiView::npos) text = cut_view(stemmer->stem(text), 15);
        auto& refs = entries_[Ansi(text)];
        // With stems, entries of one context that share a stem ("pacote",
        // "pacotes") are one entry: the first one, with its weight.
        if (stemmer && std::any_of(refs.begin(), refs.end(), [&](const EntryRef& r) { return r.context == j; }))
          continue;
        refs.push_back({static_cast<std::uint32_t>(j), static_cast<std::uint32_t>(k), entries[k].weight});
      }
    }
  }
}

std::string Classifier::shown_name(AnsiView base) const {
  if (run_.method == Method::Deterministic) return display_path(docs_folder_ / to_path(base));
  return to_utf8(base);
}

Outcome Classifier::classify_one(std::size_t i, RuleSet::Scratch& scratch) const {
  Outcome out;
  try {
    const Ansi base = companion_base(documents_[i].name);
    const fs::path text = docs_.find(base + Ansi("txt"_a));
    std::error_code ec;
    if (!fs::is_regular_file(text, ec)) throw Stop("Arquivo texto não existe. Abortar!");
    std::vector<double> degrees(record_names_.size(), 0.0);
    if (run_.method == Method::Deterministic) {
      read_bytes_into(text, scratch.bytes);
      rules_.count(document_text(scratch), degrees, scratch);
    } else {
      const fs::path lpl = docs_.find(base + Ansi("lpl"_a));
      if (!fs::is_regular_file(lpl, ec)) throw Stop("Arquivo .lpl não existe. Abortar!");
      const auto words = records::read_all<WordRecord>(lpl);
      // Every equal (entry, word) pair counts; the sum is made in the
      // order entries, then words, come in their files.
      std::vector<Match> matches;
      for (std::size_t w = 0; w < words.size(); ++w) {
        auto it = entries_.find(trim(words[w].word));
        if (it == entries_.end()) continue;
        for (const auto& e : it->second)
          matches.push_back({e.context, e.position, static_cast<std::uint32_t>(w), e.weight * words[w].weight});
      }
      std::sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) {
        if (a.context != b.context) return a.context < b.context;
        if (a.position != b.position) return a.position < b.position;
        return a.word < b.word;
      });
      for (const auto& m : matches) degrees[m.context] += m.product;
      for (double& d : degrees)
        if (d > 1.0) d = 1.0;
    }
    out.matrix.reserve(degrees.size());
    for (std::size_t j = 0; j < degrees.size(); ++j) out.matrix.push_back({record_names_[j], degrees[j]});
    out.matrix_file = docs_.find(base + Ansi("mtz"_a));
  } catch (const Stop& stop) {
    out.stop = stop;
  }
  return out;
}

void Classifier::report(std::size_t i) {
  std::string shown;
  try {
    shown = shown_name(companion_base(documents_[i].name));
  } catch (const Stop&) {
    shown = to_utf8(trim(documents_[i].name));
  }
  progress_.status("Analisando doc " + shown + " X ");
  if (run_.wizard_project) {
    progress_.bar(static_cast<long long>(i), static_cast<long long>(documents_.size()) - 1);
    progress_.detail("Processando " + std::to_string(i) + " de " + std::to_string(documents_.size()) + " arquivos");
  }
}

ClassifySummary Classifier::operator()() {
  std::error_code ec;
  if (run_.context_list.empty() || !fs::is_regular_file(run_.context_list, ec))
    throw Stop("Lista de contextos não existe");
  if (run_.doc_list.empty() || !fs::is_regular_file(run_.doc_list, ec)) throw Stop("Lista de documentos não existe");
  documents_ = run_.shard.select(records::read_all<DocRecord>(run_.doc_list));
  load_contexts();

  const std::size_t n = documents_.size();
  const FolderLock lock(docs_.folder(), progress_);
  FileReplacer replacer;
  const std::size_t threads = run_.threads ? run_.threads : worker_count();
  std::vector<RuleSet::Scratch> scratch(threads);  // one per worker: never more workers than threads
  if (missing_context_) {
    // The run meets the missing context with its first document, once that
    // document's own files were found.
    if (n == 0) return {0, record_names_.size()};
    report(0);
    Outcome first = classify_one(0, scratch[0]);
    if (first.stop) throw *first.stop;
    throw *missing_context_;
  }

  constexpr std::size_t kBatch = 256;
  std::vector<Outcome> outcomes;
  for (std::size_t start = 0; start < n; start += kBatch) {
    const std::size_t end = std::min(n, start + kBatch);
    outcomes.assign(end - start, Outcome{});
    parallel_for_worker(
        end - start,
        [&](std::size_t worker, std::size_t k) { outcomes[k] = classify_one(start + k, scratch[worker]); }, {},
        threads);

    std::size_t failed = end;
    for (std::size_t i = start; i < end; ++i)
      if (outcomes[i - start].stop) {
        failed = i;
        break;
      }
    // Matrices of the documents before a failure are written, in parallel.
    parallel_for(
        failed - start,
        [&](std::size_t k) {
          auto& o = outcomes[k];
          try {
            replacer.replace(o.matrix_file, records::encode_all(o.matrix));
          } catch (const Stop& stop) {
            o.stop = stop;
          }
        },
        {}, threads);
    for (std::size_t i = start; i < end; ++i) {
      report(i);
      if (outcomes[i - start].stop) throw *outcomes[i - start].stop;
      progress_.checkpoint();
    }
  }
  progress_.status("Terminou de relacionar docs X conts");
  return {n, record_names_.size()};
}

}  // namespace

ClassifySummary classify(const ClassifyRun& run, Progress& progress) { return Classifier(run, progress)(); }

}  // namespace lumeral::classification
