// Similarity retrieval: the documents of a comparison list ranked by the
// similarity of their word lists (.lpl) or classification matrices (.mtz)
// to those of a case; for a list of test cases, an evaluation report that
// names the best match of each (report layout in docs/formats.md).
#pragma once

#include <chrono>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/files.h"
#include "core/base/listing.h"
#include "core/base/message.h"
#include "core/base/progress.h"
#include "core/base/regional.h"

namespace lumeral::retrieval {

enum class SimilarMethod { Words, Contextual };  // "Por palavra", "Contextual"

struct SimilarOptions {
  SimilarMethod method = SimilarMethod::Words;
  bool weighted = true;  // "Considerar pesos ?" "Sim"
};

// A result row: a document of the comparison list by its base name (its
// name up to and including the dot of its first ".txt", as its companions
// are named) and its similarity as the list shows it ("0,734512").
struct SimilarRow {
  Ansi base;
  Ansi similarity;
  bool operator==(const SimilarRow&) const = default;
};

// The line the result list shows: base + " | " + similarity.
Ansi similar_line(const SimilarRow& row);
std::vector<Ansi> similar_lines(const std::vector<SimilarRow>& rows);

// The document a row names, for the text viewer: the trimmed base + "txt".
Ansi document_of(const SimilarRow& row);

// The rows of a run that may stop half-way (as Listing, core/base/listing.h).
struct SimilarListing {
  std::vector<SimilarRow> rows;
  std::optional<Message> stop;
  void rethrow() const {
    if (stop) throw Stop(stop->text, stop->kind);
  }
  // The rows as the lines the list shows, with the stop.
  Listing listing() const;
};

// The case's lines as "Um só doc" shows them in the case field (none when
// the file does not exist).
std::vector<Ansi> case_text(const fs::path& case_file);

// "Recupera Textos" with "Um só doc": the rows, highest similarity first. The case's list lies beside the case file (its name up
// to and including the dot of its first ".txt", then "lpl" or "mtz"); the
// names of the comparison list are resolved in the list's folder. A missing
// list of a listed document stops the run after the lines made before it
// (unordered).
SimilarListing retrieve_one(const fs::path& comparison_list, const fs::path& case_file, const SimilarOptions& options,
                     const Regional& regional, Progress& progress = Progress::none());

// "Recupera Textos" with "Lista de docs": every test document of
// `case_list` (resolved in that list's folder) is a case; the report is
// written to `report` (also, up to the stop, when a test document stops the
// run). The rows are the results of the last test document.
SimilarListing retrieve_cases(const fs::path& comparison_list, const fs::path& case_list, const fs::path& report,
                       const SimilarOptions& options, const Regional& regional,
                       std::chrono::system_clock::time_point now, Progress& progress = Progress::none());

// "Seleciona por limiar": the rows, in their order, whose similarity is at
// least the threshold; an empty field counts as 0 and is written back "0".
struct ThresholdSelection {
  std::vector<SimilarRow> rows;
  Ansi field;  // the threshold field's text afterwards
};
ThresholdSelection select_by_threshold(const std::vector<SimilarRow>& rows, AnsiView threshold_text,
                                       const Regional& regional);

// "Grava lista de docs": one record per row, the base made a text-file
// name, the weight the similarity.
void save_similar_as_doc_list(const fs::path& p, const std::vector<SimilarRow>& rows, const Regional& regional);

// The document a line of the evaluation report (text read back from its
// file) names: the best match of a test document ("2. t2.txt => x. |
// 1,000000") or a match tied with it ("      z. | 1,000000"), the name
// before the bar + "txt"; nothing for the report's other lines.
std::optional<Ansi> document_of_report_line(AnsiView line);

}  // namespace lumeral::retrieval
