#include "core/association/term_association.h"

#include <algorithm>
#include <memory>

#include "core/association/pair_store.h"
#include "core/association/sentence_pairs.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/preparation/stopword_search.h"
#include "core/records/records.h"
#include "core/summaries/sentences.h"
#include "core/records/document_list.h"

namespace lumeral::association {

using namespace lumeral::literals;

namespace {
bool begins_with_digit(AnsiView t) { return !t.empty() && t[0] >= '0' && t[0] <= '9'; }

// What a pair costs in a store that counts part of a collection: 16 bytes
// in its table (32 with the vector's spare room), 8 to 16 in its slots,
// and the slots' old array while they grow.
constexpr std::size_t kLocalPairBytes = 64;
}  // namespace

void check_method_available(AssociationMethod method) {
  if (method == AssociationMethod::DocumentFrequency) throw Stop("Método ainda não disponível", MessageKind::Warning);
}

AssociationResult calculate_associations(const AssociationInput& input, const Regional& regional,
                                         Progress& progress) {
  check_method_available(input.method);
  fs::path folder = input.project ? input.project->folder : input.document_list.parent_path();
  if (folder.empty()) folder = ".";

  const std::vector<Ansi> documents = records::read_document_names(input.document_list);
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
  PairStore store(regional);
  store.limit_memory(input.memory_budget, folder, progress);

  // Counts documents [begin, end) into `s`, checking `cancel` (when given)
  // between documents.
  auto count_documents = [&](PairStore& s, std::size_t begin, std::size_t end, Progress* cancel) {
    std::vector<PairStore::Feature> fs;
    summaries::SentenceSplitter splitter(true);  // "." and "?" end sentences
    SentencePairCounter pairs;
    Ansi token_buffer;
    for (std::size_t d = begin; d < end; ++d) {
      if (cancel) cancel->checkpoint();
      if (!sentences) {
        fs.clear();
        for (auto& r : records::read_all<records::WordRecord>(paths[d])) {
          AnsiView w = trim_view(r.word);
          if (r.weight != 0 && !begins_with_digit(w)) fs.push_back(s.feature(w));
        }
        pairs.count(s, fs);
        continue;
      }
      auto on_sentence = [&](AnsiView sentence) {
        fs.clear();
        for_each_sentence_token(sentence, token_buffer, [&](AnsiView t) {
          if (!begins_with_digit(t) && !stopwords.contains(t)) fs.push_back(s.feature(t));
        });
        pairs.count(s, fs);
      };
      for (const Ansi& line : read_document_lines(paths[d])) splitter.line(line, on_sentence);
      splitter.finish(on_sentence);
    }
  };

  // Waves of tasks, each counting a run of documents into a store of its
  // own, merged in collection order. The stores of a wave share a quarter
  // of the budget: one that would hold more pairs gives up, its documents
  // are counted straight into the main store (which spills), and later
  // tasks take fewer documents. A document of thousands of distinct words
  // gives millions of pairs, so the document method meets this often.
  const std::size_t workers = worker_count();
  const std::size_t local_pairs = std::max<std::size_t>(16, input.memory_budget / (4 * kLocalPairBytes * workers));
  std::size_t per_task = sentences ? 128 : 2048;
  for (std::size_t wave = 0; wave < usable;) {
    progress.checkpoint();
    const std::size_t wave_end = std::min(usable, wave + per_task * workers);
    const std::size_t tasks = (wave_end - wave + per_task - 1) / per_task;
    auto task_begin = [&](std::size_t t) { return wave + t * per_task; };
    auto task_end = [&](std::size_t t) { return std::min(wave_end, wave + (t + 1) * per_task); };
    std::vector<std::unique_ptr<PairStore>> local;
    for (std::size_t t = 0; t < tasks; ++t) {
      local.push_back(std::make_unique<PairStore>(regional));
      local.back()->limit_pairs(local_pairs);
    }
    std::vector<char> full(tasks, 0);
    parallel_for(
        tasks,
        [&](std::size_t t) {
          try {
            count_documents(*local[t], task_begin(t), task_end(t), nullptr);
          } catch (const PairStore::Full&) {
            full[t] = 1;
            local[t].reset();
          }
        },
        [&](std::size_t) { progress.checkpoint(); });
    bool overflowed = false;
    for (std::size_t t = 0; t < tasks; ++t) {
      if (full[t]) {
        overflowed = true;
        count_documents(store, task_begin(t), task_end(t), &progress);
      } else {
        store.merge(*local[t]);
        local[t].reset();
      }
    }
    if (overflowed) per_task = std::max<std::size_t>(1, per_task / 8);
    progress.status("Examinando doc " + std::to_string(wave_end) + " de " + total + " - ");
    progress.bar(static_cast<long long>(wave_end) - 1, static_cast<long long>(n) - 1);
    wave = wave_end;
  }
  if (usable < n) {
    if (sentences) {
      throw Stop("Não existe arquivo texto = " +
                 display_path(folder / to_path(companion_name(documents[usable], ext))));
    }
    throw Stop(input.method == AssociationMethod::Contexts ? "É preciso fazer classificação antes"
                                                           : "Criar listas de palavras antes");
  }
  result.listing = write_and_list(store, result.pair_store, regional, progress);
  return result;
}

}  // namespace lumeral::association
