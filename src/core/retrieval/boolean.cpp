#include "core/retrieval/boolean.h"

#include <string>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/records/records.h"
#include "core/summaries/sentences.h"

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
// exactly when it occurs anywhere in the lowered text. Only the other terms
// need the sentences.
bool needs_sentences(AnsiView term) {
  for (char c : term)
    if (static_cast<unsigned char>(c) <= 32 || c == '.' || c == '?') return true;
  return false;
}

bool holds(const std::vector<Ansi>& terms, AnsiView text, bool any) {
  std::vector<bool> found(terms.size(), false);
  std::size_t left = terms.size();
  std::vector<std::size_t> in_sentences;
  for (std::size_t t = 0; t < terms.size(); ++t) {
    if (needs_sentences(terms[t])) {
      in_sentences.push_back(t);
    } else if (text.find(terms[t]) != AnsiView::npos) {
      found[t] = true;
      --left;
      if (any) return true;
    } else if (!any) {
      return false;
    }
  }
  if (!in_sentences.empty()) {
    summaries::SentenceSplitter splitter(true);
    bool decided = false;
    splitter.text(text, [&](AnsiView sentence) {
      if (decided) return;
      for (std::size_t t : in_sentences) {
        if (found[t] || sentence.find(terms[t]) == AnsiView::npos) continue;
        found[t] = true;
        --left;
        if (any || left == 0) decided = true;
      }
    });
  }
  return any ? left < terms.size() : left == 0;
}

}  // namespace

std::vector<Ansi> boolean_query(const std::vector<Ansi>& query_lines) {
  std::vector<Ansi> query;
  for (const auto& line : query_lines)
    if (!trim_view(line).empty()) query.push_back(line);
  return query;
}

Listing boolean_search(const fs::path& list, const std::vector<Ansi>& query_lines, bool any, Progress& progress) {
  std::vector<Ansi> terms;
  for (const auto& line : boolean_query(query_lines)) terms.push_back(lower_az(trim_view(line)));
  if (list.empty()) return {};
  progress.status("Analisando doc " + display_path(list));

  auto docs = records::read_all<records::DocRecord>(list);
  const fs::path folder = list.parent_path();
  std::vector<DocOutcome> outcomes(docs.size());
  parallel_for(docs.size(), [&](std::size_t i) {
    DocOutcome& o = outcomes[i];
    o.name = trim(companion_name(docs[i].name, AnsiView("txt")));
    try {
      fs::path p = lookup(folder, o.name);
      std::error_code ec;
      if (!fs::is_regular_file(p, ec)) {
        o.outcome = Outcome::Missing;
        return;
      }
      if (!any && terms.empty()) {
        o.outcome = Outcome::Hit;
        return;
      }
      if (any && terms.empty()) return;
      Ansi text = read_document(p);
      for (char& c : text) c = lower_az(c);
      o.outcome = holds(terms, text, any) ? Outcome::Hit : Outcome::Miss;
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
