#include "core/retrieval/concordance.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <unordered_map>

#include "core/base/encoding.h"
#include "core/base/external_sort.h"
#include "core/base/parallel.h"
#include "core/base/scratch.h"
#include "core/base/text.h"
#include "core/preparation/collection.h"
#include "core/preparation/stemming.h"
#include "core/preparation/tokenizer.h"
#include "core/records/document_list.h"

namespace lumeral::retrieval {

namespace {

// One occurrence as the scan finds it: where the keyword is, and where the
// word that orders it is (none: length 0).
struct Place {
  std::uint64_t offset = 0;
  std::uint32_t length = 0;
  std::uint32_t key_length = 0;
  std::uint64_t key_offset = 0;
  std::uint64_t line = 0;
  std::uint64_t token = 0;  // the keyword's token number, for the right-hand words
};

enum class Outcome { Done, Missing, Failed };

// A document of the block being scanned: its text, kept until its rows are
// made, and the places found in it.
struct Slot {
  std::string bytes;
  Ansi converted;
  AnsiView text;
  std::vector<Place> places;
  Ansi name;
  Outcome outcome = Outcome::Done;
  std::string error;
};

// A worker's own buffer and stemmer.
struct Worker {
  std::string lowered;
  std::unique_ptr<preparation::Stemmer> stemmer;
};

bool is_blank(char c) { return static_cast<unsigned char>(c) <= 32; }

// The text shown for a context: each run of blanks and control characters
// becomes one blank.
Ansi context_text(AnsiView text) {
  Ansi out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (is_blank(text[i])) {
      if (out.empty() || out.back() != ' ') out += ' ';
    } else {
      out += text[i];
    }
  }
  return out;
}

class Scanner {
 public:
  Scanner(const fs::path& list, const ConcordanceOptions& options)
      : options_(options), folder_(list.parent_path()), docs_(records::read_document_names(list)),
        reading_(options.reading ? *options.reading : preparation::collection_reading(folder_)),
        rules_(text_rules(reading_)), index_(folder_) {
    if (options.words.empty()) throw Stop("Dê ao menos uma palavra");
    std::unique_ptr<preparation::Stemmer> stemmer = preparation::make_stemmer(options.stem);
    for (const auto& word : options.words) {
      auto tokens = preparation::tokenize(word, reading_);
      if (tokens.size() != 1)
        throw Stop("\"" + to_utf8(trim_view(word)) + "\" não é uma palavra: dê uma palavra por vez, sem espaços nem pontuação");
      Ansi target = stemmer ? stemmer->stem(tokens[0]) : tokens[0];
      if (std::find(targets_.begin(), targets_.end(), target) == targets_.end()) {
        hashes_.push_back(preparation::token_hash(bytes_of(target)));
        targets_.push_back(std::move(target));
      }
    }
    direct_ = !stemmer && (options.sort == ConcordanceSort::Document || options.sort == ConcordanceSort::Keyword);
    for (int b = 0; b < 256; ++b)
      for (const auto& t : targets_)
        if (!t.empty() && rules_.lower[b] == static_cast<unsigned char>(t[0])) first_[b] = true;
    for (int b = 0; b < 256; ++b)
      if (first_[b]) first_bytes_.push_back(static_cast<unsigned char>(b));
  }

  // A row and the word that orders it (empty in document order).
  using Each = std::function<void(const ConcordanceRow&, AnsiView sort_word)>;

  // Scans every document, handing over the first `limit` rows in list
  // order; the count goes on past them.
  ConcordanceTotal run(Progress& progress, std::optional<std::size_t> limit, const Each& each) {
    ConcordanceTotal total;
    const std::size_t n = docs_.size();
    const std::size_t workers = parallel_workers(n);
    std::vector<Worker> scratch(workers);
    for (auto& w : scratch) w.stemmer = preparation::make_stemmer(options_.stem);
    std::vector<Slot> slots(std::min(n, kConcordanceBlock));
    for (std::size_t start = 0; start < n; start += kConcordanceBlock) {
      progress.checkpoint();
      progress.status("Analisando doc " + std::to_string(start + 1) + " de " + std::to_string(n));
      const std::size_t count = std::min(kConcordanceBlock, n - start);
      parallel_for_worker(
          count, [&](std::size_t worker, std::size_t k) { scan(scratch[worker], start + k, slots[k]); }, {},
          workers);
      for (std::size_t k = 0; k < count; ++k) {
        Slot& slot = slots[k];
        if (slot.outcome == Outcome::Missing) {
          total.stop = Message{"O arquivo texto não está no diretório", MessageKind::Error};
          return total;
        }
        if (slot.outcome == Outcome::Failed) {
          total.stop = Message{slot.error, MessageKind::Error};
          return total;
        }
        if (!slot.places.empty()) ++total.documents;
        for (const Place& p : slot.places) {
          ++total.occurrences;
          if (limit && total.shown >= *limit) continue;
          each(row(start + k, slot, p), key_of(slot, p));
          ++total.shown;
        }
        slot.places.clear();
      }
    }
    progress.status("Terminou a concordância");
    return total;
  }

  // The text of a row's ordering word.
  static AnsiView key_of(const Slot& slot, const Place& p) {
    return slot.text.substr(static_cast<std::size_t>(p.key_offset), p.key_length);
  }

 private:
  ConcordanceRow row(std::size_t doc, const Slot& slot, const Place& p) {
    ConcordanceRow r;
    r.document = doc;
    r.name = slot.name;
    r.line = p.line;
    r.offset = p.offset;
    const AnsiView text = slot.text;
    const std::size_t at = static_cast<std::size_t>(p.offset);
    const std::size_t end = at + p.length;
    const std::size_t from = at > options_.width ? at - options_.width : 0;
    r.left = context_text(text.substr(from, at - from));
    r.keyword = Ansi(text.substr(at, p.length));
    r.right = context_text(text.substr(end, std::min(options_.width, text.size() - end)));
    return r;
  }

  void scan(Worker& w, std::size_t i, Slot& slot) {
    slot.places.clear();
    slot.outcome = Outcome::Done;
    slot.name = trim(companion_name(docs_[i], AnsiView("txt")));
    try {
      check_plain_name(slot.name);
      fs::path exact = folder_ / to_path(slot.name);
      if (!read_regular_file_into(exact, slot.bytes)) {
        fs::path other = index_.find(slot.name);
        if (other == exact || !read_regular_file_into(other, slot.bytes)) {
          slot.outcome = Outcome::Missing;
          return;
        }
      }
      slot.text = document_view(slot.bytes, slot.converted);
      find(w, slot);
    } catch (const Stop& stop) {
      slot.outcome = Outcome::Failed;
      slot.error = stop.text();
    }
  }

  // Without stems and without the neighbouring words the text need not be
  // cut into tokens: an occurrence is a run of bytes that lower to one of
  // the words where a token begins and ends, by the tokenizer's rule (a
  // token ends at every byte that is not a word character, except a ",",
  // "." or "/" between two digits). Gives the places find() gives.
  void find_direct(Slot& slot) const {
    const AnsiView text = slot.text;
    const std::size_t n = text.size();
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const auto& cls = rules_.classes;
    auto digit = [&](std::size_t k) { return s[k] >= '0' && s[k] <= '9'; };
    auto joined = [&](std::size_t k) {  // the byte at k is inside a token that goes on past it
      return cls[s[k]] == 1 || (cls[s[k]] == 2 && k > 0 && k + 1 < n && digit(k - 1) && digit(k + 1));
    };
    auto consider = [&](std::size_t i) {
      if (i > 0 && joined(i - 1)) return;
      for (const Ansi& t : targets_) {
        const std::size_t len = t.size();
        if (len > n - i) continue;
        std::size_t j = 0;
        while (j < len && rules_.lower[s[i + j]] == static_cast<unsigned char>(t[j])) ++j;
        if (j < len || (i + len < n && joined(i + len))) continue;
        Place p;
        p.offset = i;
        p.length = static_cast<std::uint32_t>(len);
        p.key_offset = i;
        p.key_length = options_.sort == ConcordanceSort::Keyword ? p.length : 0;
        slot.places.push_back(p);
        return;
      }
    };
    // Candidates: memchr for each byte that lowers to a first byte (two
    // for a word of letters), places then put in text order; a byte table
    // when there are many such bytes.
    if (first_bytes_.size() <= 8) {
      for (unsigned char c : first_bytes_) {
        const char* from = text.data();
        const char* const end = from + n;
        while (const void* hit = std::memchr(from, c, static_cast<std::size_t>(end - from))) {
          const char* at = static_cast<const char*>(hit);
          consider(static_cast<std::size_t>(at - text.data()));
          from = at + 1;
        }
      }
      if (first_bytes_.size() > 1)
        std::sort(slot.places.begin(), slot.places.end(),
                  [](const Place& x, const Place& y) { return x.offset < y.offset; });
    } else {
      const std::array<bool, 256> first = first_;
      for (std::size_t i = 0; i < n; ++i)
        if (first[s[i]]) consider(i);
    }
    std::size_t line_at = 0;
    std::uint64_t line = 1;
    for (Place& p : slot.places) {
      for (; line_at < p.offset; ++line_at) {
        const char c = text[line_at];
        if (c == '\n' || (c == '\r' && (line_at + 1 >= n || text[line_at + 1] != '\n'))) ++line;
      }
      p.line = line;
    }
    if (slot.places.empty()) slot.text = {};
  }

  void find(Worker& w, Slot& slot) const {
    if (direct_) {
      find_direct(slot);
      return;
    }
    const AnsiView text = slot.text;
    w.lowered.assign(text.data(), text.size());
    const ConcordanceSort sort = options_.sort;
    const std::uint64_t ahead = sort == ConcordanceSort::Right1 ? 1 : sort == ConcordanceSort::Right2 ? 2 : 0;
    // The two tokens before the current one, for the left-hand words.
    std::uint64_t prev_off[2] = {0, 0};
    std::uint32_t prev_len[2] = {0, 0};
    std::uint64_t token = 0;
    std::size_t waiting = 0;  // first place still waiting for its right-hand word
    std::size_t line_at = 0;  // the line count is known up to here
    std::uint64_t line = 1;
    preparation::for_each_token(
        rules_, w.lowered.data(), w.lowered.size(), [&](std::string_view t, std::uint32_t h) {
          const std::uint64_t off = static_cast<std::uint64_t>(t.data() - w.lowered.data());
          const auto len = static_cast<std::uint32_t>(t.size());
          if (ahead) {
            for (; waiting < slot.places.size() && slot.places[waiting].token + ahead <= token; ++waiting) {
              if (slot.places[waiting].token + ahead == token) {
                slot.places[waiting].key_offset = off;
                slot.places[waiting].key_length = len;
              }
            }
          }
          if (matches(w, t, h)) {
            for (; line_at < off; ++line_at) {
              const char c = text[line_at];
              if (c == '\n' || (c == '\r' && (line_at + 1 >= text.size() || text[line_at + 1] != '\n'))) ++line;
            }
            Place p;
            p.offset = off;
            p.length = len;
            p.line = line;
            p.token = token;
            if (sort == ConcordanceSort::Keyword) {
              p.key_offset = off;
              p.key_length = len;
            } else if (sort == ConcordanceSort::Left1) {
              p.key_offset = prev_off[0];
              p.key_length = prev_len[0];
            } else if (sort == ConcordanceSort::Left2) {
              p.key_offset = prev_off[1];
              p.key_length = prev_len[1];
            }
            slot.places.push_back(p);
          }
          prev_off[1] = prev_off[0];
          prev_len[1] = prev_len[0];
          prev_off[0] = off;
          prev_len[0] = len;
          ++token;
        });
    if (slot.places.empty()) {
      // Nothing to show: the text is not kept.
      slot.text = {};
    }
  }

  bool matches(Worker& w, std::string_view token, std::uint32_t hash) const {
    if (w.stemmer) {
      const Ansi& stem = w.stemmer->stem(AnsiView(token.data(), token.size()));
      for (const auto& t : targets_)
        if (t == stem) return true;
      return false;
    }
    for (std::size_t k = 0; k < targets_.size(); ++k)
      if (hashes_[k] == hash && bytes_of(targets_[k]) == token) return true;
    return false;
  }

  const ConcordanceOptions& options_;
  fs::path folder_;
  std::vector<Ansi> docs_;
  Reading reading_;
  const TextRules& rules_;
  FolderIndex index_;
  std::vector<Ansi> targets_;
  std::vector<std::uint32_t> hashes_;
  bool direct_ = false;                // find_direct() serves
  std::array<bool, 256> first_ = {};   // bytes that lower to a word's first byte
  std::vector<unsigned char> first_bytes_;  // the same bytes
};

}  // namespace

ConcordanceTotal scan_concordance(const fs::path& list, const ConcordanceOptions& options, Progress& progress,
                                  const std::function<void(const ConcordanceRow&)>& each) {
  Scanner scanner(list, options);
  return scanner.run(progress, options.limit, [&](const ConcordanceRow& r, AnsiView) { each(r); });
}

namespace {

// A row on its way through the external sort: the collation key of its
// ordering word, then its place in the list (which makes the order total).
struct Gathered {
  std::string key;
  ConcordanceRow row;
};

struct GatheredLess {
  bool operator()(const Gathered& a, const Gathered& b) const {
    if (a.key != b.key) return a.key < b.key;
    if (a.row.document != b.row.document) return a.row.document < b.row.document;
    return a.row.offset < b.row.offset;
  }
};

template <class S>
void put_text(RunWriter& out, const S& s) {
  const auto n = static_cast<std::uint32_t>(s.size());
  out.put(n);
  out.write(s.data(), n);
}

template <class S>
bool get_text(RunReader& in, S& s) {
  std::uint32_t n = 0;
  if (!in.get(n)) return false;
  s.resize(n);
  return n == 0 || in.read(s.data(), n);
}

}  // namespace
}  // namespace lumeral::retrieval

namespace lumeral {
template <>
struct RunCodec<retrieval::Gathered> {
  static void write(RunWriter& out, const retrieval::Gathered& g) {
    const std::uint64_t numbers[3] = {g.row.document, g.row.line, g.row.offset};
    out.write(numbers, sizeof numbers);
    retrieval::put_text(out, g.key);
    retrieval::put_text(out, g.row.name);
    retrieval::put_text(out, g.row.left);
    retrieval::put_text(out, g.row.keyword);
    retrieval::put_text(out, g.row.right);
  }
  static bool read(RunReader& in, retrieval::Gathered& g) {
    std::uint64_t numbers[3];
    if (!in.read(numbers, sizeof numbers)) return false;
    g.row.document = static_cast<std::size_t>(numbers[0]);
    g.row.line = numbers[1];
    g.row.offset = numbers[2];
    return retrieval::get_text(in, g.key) && retrieval::get_text(in, g.row.name) &&
           retrieval::get_text(in, g.row.left) && retrieval::get_text(in, g.row.keyword) &&
           retrieval::get_text(in, g.row.right);
  }
  static std::size_t bytes(const retrieval::Gathered& g) {
    return 24 + 20 + g.key.size() + g.row.name.size() + g.row.left.size() + g.row.keyword.size() +
           g.row.right.size();
  }
};
}  // namespace lumeral

namespace lumeral::retrieval {

// The rows are held while they fit in the budget; past it they go through
// an external sort whose scratch folder is made then (a collection in a
// folder that cannot be written is still viewed while its rows fit).
struct ConcordanceView::Impl {
  ConcordanceTotal total;
  std::optional<std::size_t> limit;
  Progress& progress;
  fs::path folder;
  std::size_t budget;
  std::vector<Gathered> held;
  std::size_t held_bytes = 0;
  std::unique_ptr<ScratchFolder> scratch;
  std::unique_ptr<ExternalSorter<Gathered, GatheredLess>> sorter;
  bool drained = false;

  Impl(const fs::path& list, Progress& p, std::size_t b) : progress(p), folder(list.parent_path()), budget(b) {}

  void add(Gathered&& g) {
    if (sorter) {
      sorter->add(std::move(g));
      return;
    }
    held_bytes += RunCodec<Gathered>::bytes(g) + sizeof(Gathered);
    held.push_back(std::move(g));
    if (held_bytes < budget) return;
    scratch = std::make_unique<ScratchFolder>(folder);
    sorter = std::make_unique<ExternalSorter<Gathered, GatheredLess>>(*scratch, budget, progress);
    sorter->add_run(held);
    held_bytes = 0;
  }

  template <class Each>
  void drain(Each&& each) {
    if (sorter) {
      sorter->drain(each);
      return;
    }
    progress.checkpoint();
    std::sort(held.begin(), held.end(), GatheredLess{});
    for (std::size_t i = 0; i < held.size(); ++i) {
      if (i % kCancelCheckEvery == 0) progress.checkpoint();
      each(static_cast<const Gathered&>(held[i]));
    }
    std::vector<Gathered>().swap(held);
  }
};

ConcordanceView::ConcordanceView(const fs::path& list, const ConcordanceOptions& options, const Regional& regional,
                                 Progress& progress) {
  Scanner scanner(list, options);
  impl_ = std::make_unique<Impl>(list, progress, options.memory_budget);
  impl_->limit = options.limit;
  const bool ordered = options.sort != ConcordanceSort::Document;
  // Collation keys of the ordering words, remembered (a word comes back
  // often) up to a bound.
  std::unordered_map<Ansi, std::string> keys;
  auto key_of = [&](AnsiView word) -> std::string {
    if (keys.size() > 65536) keys.clear();
    auto [it, added] = keys.try_emplace(Ansi(word));
    if (added) it->second = regional.collation_key(word);
    return it->second;
  };
  // In document order only the rows shown are kept.
  impl_->total = scanner.run(progress, ordered ? std::nullopt : options.limit,
                             [&](const ConcordanceRow& r, AnsiView word) {
                               impl_->add(Gathered{ordered ? key_of(word) : std::string(), r});
                             });
  impl_->total.shown = impl_->limit ? std::min<std::uint64_t>(*impl_->limit, impl_->total.occurrences)
                                    : impl_->total.occurrences;
}

ConcordanceView::~ConcordanceView() = default;

const ConcordanceTotal& ConcordanceView::total() const { return impl_->total; }

void ConcordanceView::rows(const std::function<void(const ConcordanceRow&)>& each) {
  if (impl_->drained) return;
  impl_->drained = true;
  std::uint64_t handed = 0;
  impl_->drain([&](const Gathered& g) {
    if (handed < impl_->total.shown) each(g.row);
    ++handed;
  });
}

std::size_t concordance_name_width(const fs::path& list) {
  std::size_t width = 0;
  for (const auto& d : records::read_document_names(list))
    width = std::max(width, trim(companion_name(d, AnsiView("txt"))).size());
  return width;
}

namespace {
void pad_left(Ansi& out, AnsiView text, std::size_t width) {
  if (text.size() < width) out.append(width - text.size(), ' ');
  out += text;
}
void pad_right(Ansi& out, AnsiView text, std::size_t width) {
  out += text;
  if (text.size() < width) out.append(width - text.size(), ' ');
}
}  // namespace

Ansi concordance_line(const ConcordanceRow& row, std::size_t name_width, std::size_t width) {
  Ansi out;
  out.reserve(name_width + 2 * width + row.keyword.size() + 16);
  pad_right(out, row.name, name_width);
  out += "  ";
  pad_left(out, ansi_number(static_cast<long long>(row.line)), 6);
  out += "  ";
  pad_left(out, row.left, width);
  out += "  ";
  out += row.keyword;
  out += "  ";
  out += row.right;
  // No blanks at the end of a row without right context.
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

Ansi concordance_total_line(const ConcordanceTotal& total) {
  auto count = [](std::uint64_t n, const char* one, const char* many) {
    return ansi_number(static_cast<long long>(n)) + to_ansi(n == 1 ? one : many);
  };
  Ansi line = count(total.occurrences, " ocorrência", " ocorrências") + Ansi(" em ") +
              count(total.documents, " documento", " documentos");
  if (total.shown < total.occurrences) line += Ansi("; mostradas: ") + ansi_number(static_cast<long long>(total.shown));
  return line;
}

}  // namespace lumeral::retrieval
