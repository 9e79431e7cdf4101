#include "core/retrieval/boolean.h"

#include <algorithm>
#include <string>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/preparation/collection.h"
#include "core/records/records.h"
#include "core/retrieval/term_automaton.h"
#include "core/records/document_list.h"

namespace lumeral::retrieval {

namespace {

enum class Outcome { Miss, Hit, Missing, Failed };

struct DocOutcome {
  Outcome outcome = Outcome::Miss;
  Ansi name;          // the text file's name, as the result line shows it
  std::string error;  // Failed: the message
};

// A term without blanks, control characters, "." or "?" can never span two
// lines nor the cut between two sentences, so it occurs in some sentence
// exactly when it occurs anywhere in the lowered text: a query of such terms
// alone is matched over the text as it is, without following its lines.
bool needs_sentences(AnsiView term) {
  for (char c : term)
    if (static_cast<unsigned char>(c) <= 32 || c == '.' || c == '?') return true;
  return false;
}

// A worker's buffers, reused from document to document.
struct Scratch {
  std::string bytes;
  Ansi converted;
  std::vector<char> found;
};

// The document's text as read_document() gives it, without copying a text
// that needs no conversion.
AnsiView document_text(Scratch& scratch) { return document_view(scratch.bytes, scratch.converted); }

}  // namespace

std::vector<Ansi> boolean_query(const std::vector<Ansi>& query_lines) {
  std::vector<Ansi> query;
  for (const auto& line : query_lines)
    if (!trim_view(line).empty()) query.push_back(line);
  return query;
}

Listing boolean_search(const fs::path& list, const std::vector<Ansi>& query_lines, bool any, Progress& progress,
                       std::optional<Reading> reading) {
  if (list.empty()) return {};
  const Reading read = reading ? *reading : preparation::collection_reading(list.parent_path());
  std::vector<Ansi> terms;
  for (const auto& line : boolean_query(query_lines)) terms.push_back(lower(read, trim_view(line)));
  progress.status("Analisando doc " + display_path(list));

  const auto docs = records::read_document_names(list);
  const fs::path folder = list.parent_path();
  FolderIndex index(folder);
  // One automaton for the whole query; each document is read once and
  // scanned once, stopping as soon as its answer is known.
  const TermAutomaton automaton(terms, read);
  const bool by_sentence = std::any_of(terms.begin(), terms.end(), [](const Ansi& t) { return needs_sentences(t); });
  const std::size_t enough = any ? 1 : terms.size();
  std::vector<DocOutcome> outcomes(docs.size());
  std::vector<Scratch> scratch(parallel_workers(docs.size()));
  parallel_for_worker(docs.size(), [&](std::size_t worker, std::size_t i) {
    DocOutcome& o = outcomes[i];
    Scratch& sc = scratch[worker];
    o.name = trim(companion_name(docs[i], AnsiView("txt")));
    try {
      if (terms.empty()) {  // the answer needs only the file to exist
        o.outcome = !index.exists(o.name) ? Outcome::Missing : any ? Outcome::Miss : Outcome::Hit;
        return;
      }
      check_plain_name(o.name);
      fs::path exact = folder / to_path(o.name);
      if (!read_regular_file_into(exact, sc.bytes)) {
        fs::path other = index.find(o.name);
        if (other == exact || !read_regular_file_into(other, sc.bytes)) {
          o.outcome = Outcome::Missing;
          return;
        }
      }
      AnsiView text = document_text(sc);
      std::size_t n = by_sentence ? automaton.find_in_sentences(text, sc.found, enough)
                                  : automaton.find(text, sc.found, enough);
      o.outcome = n >= enough ? Outcome::Hit : Outcome::Miss;
    } catch (const Stop& stop) {
      o.outcome = Outcome::Failed;
      o.error = stop.text();
    }
  });

  Listing out;
  for (auto& o : outcomes) {
    if (o.outcome == Outcome::Missing) {
      out.stopped(Stop("O arquivo texto não está no diretório"));
      return out;
    }
    if (o.outcome == Outcome::Failed) {
      out.stopped(Stop(o.error));
      return out;
    }
    if (o.outcome == Outcome::Hit) out.lines.push_back(std::move(o.name));
  }
  progress.status("Terminou a consulta");
  return out;
}

void save_query(const fs::path& p, const std::vector<Ansi>& query_lines) {
  std::vector<records::QueryRecord> recs;
  for (const auto& line : query_lines) recs.push_back({cut(trim_view(lower_az(line)), 40)});
  records::write_all(p, recs);
}

std::vector<Ansi> load_query(const fs::path& p) {
  std::vector<Ansi> lines;
  for (auto& r : records::read_all<records::QueryRecord>(p)) lines.push_back(std::move(r.line));
  return lines;
}

std::vector<Ansi> context_query_lines(const fs::path& p) {
  std::error_code ec;
  if (!fs::is_regular_file(p, ec)) throw Stop("arquivo " + p.filename().string() + " não existe");
  std::vector<Ansi> lines;
  for (auto& r : records::read_all<records::ContextRecord>(p)) lines.push_back(trim(r.entry));
  return lines;
}

void save_result_as_doc_list(const fs::path& p, const std::vector<Ansi>& lines) {
  records::Writer<records::DocRecord> out(p);
  for (const auto& line : lines) out.write({cut(trim_view(line), 255), 0.0});
  out.close();
}

}  // namespace lumeral::retrieval
