#include "core/summaries/sentence_summary.h"

#include "core/preparation/collection.h"

#include <string>

#include "core/base/message.h"
#include "core/base/text.h"
#include "core/records/records.h"
#include "core/summaries/sentences.h"
#include "core/records/document_list.h"

namespace lumeral::summaries {

namespace {

constexpr int kMaxAround = 10;

// The state of one extraction while a document is read.
class Extraction {
 public:
  Extraction(const SummaryOptions& options, Reading reading, SummaryResult& out)
      : options_(options), out_(out), reading_(reading) {
    for (const auto& s : options.search_lines) search_.push_back(lower(reading, s));
  }
  Reading reading() const { return reading_; }

  void start_document(const Ansi& header_name) {
    header_name_ = header_name;
    header_pending_ = true;
    before_.clear();
    after_ = 0;
  }

  void sentence(AnsiView s) {
    const std::size_t n = static_cast<std::size_t>(options_.around);
    if (options_.unrestricted || matches(s)) {
      if (header_pending_) {
        header_pending_ = false;
        out_.listing.lines.push_back(Ansi(" "));
        out_.listing.lines.push_back(Ansi(30, '-'));
        out_.listing.lines.push_back(header_name_);
        out_.listing.lines.push_back(Ansi(" "));
      }
      // Oldest first: the buffer keeps the most recent at its end.
      for (const auto& b : before_) out_.listing.lines.push_back(b);
      before_.clear();
      out_.listing.lines.push_back(Ansi("==>  ") + Ansi(s));
      highlight(out_.listing.lines.size() - 1);
      after_ = n;
    } else if (n >= 1) {
      if (after_ >= 1) {
        out_.listing.lines.push_back(Ansi(s));
        --after_;
        before_.clear();
      } else {
        if (before_.size() == n) before_.erase(before_.begin());
        before_.emplace_back(s);
      }
    }
  }

 private:
  static bool occurs(AnsiView s, const Ansi& term) { return !term.empty() && s.find(term) != AnsiView::npos; }

  bool matches(AnsiView s) const {
    if (options_.any) {
      for (const auto& t : search_)
        if (occurs(s, t)) return true;
      return false;
    }
    for (const auto& t : search_)
      if (!occurs(s, t)) return false;
    return true;
  }

  void highlight(std::size_t line) {
    const Ansi& text = out_.listing.lines[line];
    constexpr std::size_t mark = 5;  // "==>  "
    for (const auto& t : search_) {
      if (t.empty()) continue;
      for (std::size_t p = text.find(t, mark); p != Ansi::npos; p = text.find(t, p + t.size()))
        out_.highlights.push_back({line, p, t.size()});
    }
  }

  const SummaryOptions& options_;
  SummaryResult& out_;
  std::vector<Ansi> search_;
  std::vector<Ansi> before_;
  std::size_t after_ = 0;
  Ansi header_name_;
  bool header_pending_ = false;
  Reading reading_;
};

void read_into(const fs::path& p, bool question_ends, Extraction& x) {
  Ansi text = read_document(p);
  lower_in_place(x.reading(), text);
  SentenceSplitter splitter(question_ends);
  splitter.text(text, [&](AnsiView s) { x.sentence(s); });
}

bool is_file(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

}  // namespace

OpenedList open_summary_list(const fs::path& chosen, const std::optional<shell::Project>& project) {
  OpenedList list;
  list.path = project ? project->file(trim(project->title) + Ansi(".ldc")) : chosen;
  list.shown = trim(path_name(list.path));
  list.entries = records::read_document_names(list.path);
  return list;
}

Ansi summary_text_name(AnsiView entry) { return companion_name(trim_view(entry), AnsiView("txt")); }

SummaryResult extract_summaries(const fs::path& folder, const std::vector<Ansi>& entries,
                                const SummaryOptions& options, Progress& progress) {
  SummaryResult out;
  if (options.around < 0 || options.around > kMaxAround)
    throw Stop("O número de frases antes e depois deve estar entre 0 e 10.");
  Extraction x(options, options.reading ? *options.reading : preparation::collection_reading(folder), out);
  if (options.selected) {
    if (trim_view(*options.selected).empty()) throw Stop("Selecione um documento antes de extrair resumo.");
    Ansi name = summary_text_name(*options.selected);
    fs::path p = lookup(folder, name);
    if (!is_file(p)) throw Stop("Arquivo texto não existe. Abortar!");
    x.start_document(name);
    read_into(p, false, x);
    return out;
  }
  try {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      progress.status("Analisando doc " + std::to_string(i + 1) + " de " + std::to_string(entries.size()));
      Ansi name = summary_text_name(entries[i]);
      fs::path p = lookup(folder, name);
      if (!is_file(p)) throw Stop("Arquivo texto não existe !");
      x.start_document(name);
      read_into(p, true, x);
    }
    progress.status("Terminou os resumos");
  } catch (const Stop& stop) {
    out.listing.stopped(stop);
  }
  return out;
}

}  // namespace lumeral::summaries
