#include "core/retrieval/similar.h"

#include <optional>
#include <string>

#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/clustering/clusters.h"
#include "core/clustering/similarity.h"
#include "core/records/records.h"
#include "core/records/document_list.h"
#include "core/records/weighted.h"

namespace lumeral::retrieval {

namespace {

using clustering::Denominator;
using clustering::Numerator;

Ansi kind_of(const SimilarOptions& o) { return o.method == SimilarMethod::Words ? Ansi("lpl") : Ansi("mtz"); }

bool is_file(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

// The case's base name: its file name up to and including the dot of its
// first ".txt"; empty when it has none.
Ansi case_base(const fs::path& case_file) {
  Ansi name = path_name(case_file);
  std::size_t p = find_ci(name, AnsiView(".txt"));
  return p == Ansi::npos ? Ansi() : name.substr(0, p + 1);
}

// The similarity a row shows, as a number.
double shown_similarity(const SimilarRow& row, const Regional& regional) {
  return regional.parse(trim_view(row.similarity));
}

struct Outcome {
  bool missing = false;
  std::string error;
  SimilarRow row;
};

// The retrieval for one case; `status_prefix` is the status text present
// when it began.
void retrieve_for_case(const std::vector<records::DocRecord>& docs, const fs::path& folder,
                       const fs::path& case_file, const SimilarOptions& options, const Regional& regional,
                       const std::string& status_prefix, std::vector<SimilarRow>& rows, Progress& progress) {
  rows.clear();
  const Ansi kind = kind_of(options);
  const bool words = options.method == SimilarMethod::Words;
  Ansi base = case_base(case_file);
  fs::path case_list;
  if (!base.empty()) case_list = lookup(case_file.parent_path(), base + kind);
  if (base.empty() || !is_file(case_list))
    throw Stop(words ? "Criar lista de palavras para o caso" : "Classificar caso antes");

  const double scale = words ? 1.0 : 100.0;
  const clustering::ListIndex index(clustering::read_weight_list(case_list), scale);
  const Numerator num = options.weighted ? Numerator::FuzzySum : Numerator::CommonPairs;
  const Denominator den =
      (options.weighted && !words) ? Denominator::PositiveEntries : Denominator::AllEntries;

  const std::size_t n = docs.size();
  std::vector<Outcome> outcomes(n);
  parallel_for(
      n,
      [&](std::size_t k) {
        Outcome& o = outcomes[k];
        try {
          Ansi doc_base = companion_base(docs[k].name);
          fs::path p = words ? lookup(folder, doc_base + kind) : classification::matrix_path(folder, docs[k].name);
          if (!is_file(p)) {
            o.missing = true;
            return;
          }
          auto c = index.compare(clustering::read_weight_list(p));
          double s = clustering::similarity_of(c, num, den).value_or(0.0);
          o.row = {std::move(doc_base), regional.format(s, "0.000000")};
        } catch (const Stop& stop) {
          o.error = stop.text();
        }
      },
      [&](std::size_t done) {
        progress.status(status_prefix + " X " + std::to_string(done) + " de " + std::to_string(n));
        progress.checkpoint();
      });

  for (auto& o : outcomes) {
    if (o.missing)
      throw Stop(words ? "Criar lista de palavras para docs da lista" : "Fazer classificação da lista de docs");
    if (!o.error.empty()) throw Stop(o.error);
    rows.push_back(std::move(o.row));
  }
  records::apply_order(rows, records::weight_order(rows.size(), [&](std::size_t i) {
                         return shown_similarity(rows[i], regional);
                       }));
}

// listing_of (core/base/listing.h) for rows.
template <class F>
SimilarListing similar_listing_of(F&& body) {
  SimilarListing out;
  try {
    std::forward<F>(body)(out.rows);
  } catch (const Cancelled&) {
    throw;
  } catch (const Stop& s) {
    out.stop = Message{s.text(), s.kind()};
  }
  return out;
}

Ansi date_time(const Regional& regional, std::chrono::system_clock::time_point now) {
  return to_ansi(regional.short_date(now) + " " + regional.time_text(now));
}

}  // namespace

std::vector<Ansi> case_text(const fs::path& case_file) {
  return is_file(case_file) ? read_document_lines(case_file) : std::vector<Ansi>{};
}

SimilarListing retrieve_one(const fs::path& comparison_list, const fs::path& case_file,
                            const SimilarOptions& options, const Regional& regional, Progress& progress) {
  if (comparison_list.empty()) throw Stop("Selecionar antes uma lista de docs");
  progress.status("Analisando doc único");
  auto docs = records::read_all<records::DocRecord>(comparison_list);
  SimilarListing out = similar_listing_of([&](std::vector<SimilarRow>& rows) {
    retrieve_for_case(docs, comparison_list.parent_path(), case_file, options, regional, "Analisando doc único",
                      rows, progress);
  });
  if (!out.stop) progress.status("Terminou de fazer a recuperação");
  return out;
}

SimilarListing retrieve_cases(const fs::path& comparison_list, const fs::path& case_list, const fs::path& report,
                              const SimilarOptions& options, const Regional& regional,
                              std::chrono::system_clock::time_point now, Progress& progress) {
  if (comparison_list.empty()) throw Stop("Selecionar antes uma lista de docs");
  auto docs = records::read_all<records::DocRecord>(comparison_list);
  auto tests = records::read_all<records::DocRecord>(case_list);
  const fs::path test_folder = case_list.parent_path();

  std::vector<Ansi> lines{
      to_ansi("lista de docs= " + display_path(case_list)),
      to_ansi(options.method == SimilarMethod::Words ? "método por palavra" : "método contextual"),
      to_ansi(options.weighted ? "sim, considera pesos" : "não considera pesos"),
      to_ansi("função fuzzy"),
      date_time(regional, now),
      Ansi(23, '-'),
  };
  SimilarListing out = similar_listing_of([&](std::vector<SimilarRow>& results) {
    for (std::size_t k = 0; k < tests.size(); ++k) {
      progress.checkpoint();
      std::string status = "Analisando doc de teste " + std::to_string(k + 1) + " de " + std::to_string(tests.size());
      progress.status(status);
      Ansi name = trim(tests[k].name);
      check_plain_name(name);
      retrieve_for_case(docs, comparison_list.parent_path(), test_folder / to_path(name), options, regional, status,
                        results, progress);
      Ansi head = ansi_number(static_cast<long long>(k + 1)) + Ansi(". ") + name + Ansi(" => ");
      if (results.empty()) {
        lines.push_back(head + to_ansi("(nenhum documento na lista de comparação)"));
        continue;
      }
      lines.push_back(head + similar_line(results[0]));
      double best = shown_similarity(results[0], regional);
      for (std::size_t r = 1; r <= 10 && r < results.size(); ++r)
        if (shown_similarity(results[r], regional) == best) lines.push_back(Ansi(6, ' ') + similar_line(results[r]));
    }
  });
  if (out.stop) {
    write_text_file(report, lines);  // the report so far is kept
    return out;
  }
  lines.push_back(Ansi(17, '-'));
  lines.push_back(date_time(regional, now));
  write_text_file(report, lines);
  progress.status("Terminou de fazer a recuperação");
  return out;
}

ThresholdSelection select_by_threshold(const std::vector<SimilarRow>& rows, AnsiView threshold_text,
                                       const Regional& regional) {
  ThresholdSelection sel;
  Ansi field = trim(threshold_text);
  const double t = regional.parse_threshold(field);
  sel.field = field.empty() ? Ansi("0") : Ansi(threshold_text);
  for (const auto& row : rows)
    if (shown_similarity(row, regional) >= t) sel.rows.push_back(row);
  return sel;
}

void save_similar_as_doc_list(const fs::path& p, const std::vector<SimilarRow>& rows, const Regional& regional) {
  std::vector<records::DocRecord> recs;
  for (const auto& row : rows)
    recs.push_back({cut(clustering::text_name_for_list(trim(row.base)), 255), shown_similarity(row, regional)});
  records::write_all(p, recs);
}

Ansi similar_line(const SimilarRow& row) { return row.base + Ansi(" | ") + row.similarity; }

std::vector<Ansi> similar_lines(const std::vector<SimilarRow>& rows) {
  std::vector<Ansi> lines;
  lines.reserve(rows.size());
  for (const auto& row : rows) lines.push_back(similar_line(row));
  return lines;
}

Ansi document_of(const SimilarRow& row) { return trim(row.base) + Ansi("txt"); }

Listing SimilarListing::listing() const { return Listing{similar_lines(rows), stop}; }

std::optional<Ansi> document_of_report_line(AnsiView line) {
  if (line.find('|') == AnsiView::npos) return std::nullopt;
  const std::size_t arrow = line.find(AnsiView(" => "));
  if (arrow != AnsiView::npos) return records::name_of_line(line.substr(arrow + 4)) + Ansi("txt");
  if (line.substr(0, 6) == AnsiView("      ")) return records::name_of_line(line) + Ansi("txt");
  return std::nullopt;
}

}  // namespace lumeral::retrieval
