// Classification by highest weight: every document of a list goes to the
// one context with the greatest degree in its matrix; the assignments can be
// filtered by category and saved as a document list.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/regional.h"
#include "core/classification/results.h"

namespace lumeral::classification {

namespace fs = std::filesystem;

// One document's category: its matrix name, the category of greatest
// degree (empty when no degree is above 0) and the degree as shown
// ("0,75000"). A line read back from a text file that highest_line() would
// not write so keeps its text: it is shown, saved and taken apart as read.
struct HighestRow {
  Ansi matrix;
  Ansi category;
  Ansi degree;
  std::optional<Ansi> text;
  bool operator==(const HighestRow&) const = default;
};

// The line the list shows: matrix + " => " + category + " | " + degree
// ('noticia1.mtz => esporte | 0,75000'); the text of a row that keeps one.
Ansi highest_line(const HighestRow& row);
std::vector<Ansi> highest_lines(const std::vector<HighestRow>& rows);

// The rows of a run that may stop half-way (as Listing, core/base/listing.h).
struct HighestListing {
  std::vector<HighestRow> rows;
  std::optional<Message> stop;
  void rethrow() const {
    if (stop) throw Stop(stop->text, stop->kind);
  }
  // The rows as the lines the list shows, with the stop.
  Listing listing() const;
};

// "Classifica documentos pela categoria de maior peso": for each document,
// in list order, its row, the degree as "0.00000". The first of equal
// maxima wins; a matrix without a degree above 0 gives an empty category
// and 0. Matrices are found by the companion rule in the folder of the
// list; a missing one stops with "Fazer classificação antes !", keeping the
// rows listed before it.
HighestListing classify_highest(const fs::path& doc_list, const Regional& regional);

// "Seleciona por categoria": the rows whose category, trimmed, equals the
// trimmed field exactly (a kept text: the part between "=> " and " |").
std::vector<HighestRow> select_category(const std::vector<HighestRow>& rows, AnsiView category_field);

// "Abre resultado (texto)": every line of a text file, read back as rows.
std::vector<HighestRow> open_result_text(const fs::path& file);

// "Grava lista de documentos": one record per row, weight 0: the matrix
// name (of a kept text: before "=>"), trimmed and lowered (A to Z), turned
// back into the document's name ('noticia1.mtz' -> 'noticia1.txt'; a matrix
// named without ".mtz", as 'notasmtz' for the document 'notas', gives
// 'notas').
void save_highest_as_doc_list(const fs::path& out, const std::vector<HighestRow>& rows);

}  // namespace lumeral::classification
