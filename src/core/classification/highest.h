// Classification by highest weight: every document of a list goes to the
// one context with the greatest degree in its matrix; the assignments can be
// filtered by category and saved as a document list.
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/regional.h"
#include "core/classification/results.h"

namespace lumeral::classification {

namespace fs = std::filesystem;

// "Classifica documentos pela categoria de maior peso": for each document,
// in list order, the line: matrix name + " => " + category + " | " + degree
// as "0.00000" ('noticia1.mtz => esporte | 0,75000'). The first of equal
// maxima wins; a matrix without a degree above 0 gives an empty category and
// 0. Matrices are found by the companion rule in the folder of the list; a
// missing one stops with "Fazer classificação antes !", keeping the lines
// listed before it.
Listing classify_highest(const fs::path& doc_list, const Regional& regional);

// "Seleciona por categoria": the lines whose category (between "=> " and
// " |", trimmed) equals the trimmed field exactly.
std::vector<Ansi> select_category(const std::vector<Ansi>& lines, AnsiView category_field);

// "Abre resultado (texto)": every line of a text file.
std::vector<Ansi> open_result_text(const fs::path& file);

// "Grava lista de documentos": one record per line, weight 0: the matrix
// name before "=>", trimmed and lowered (A to Z), turned back into the
// document's name ('noticia1.mtz' -> 'noticia1.txt'; a matrix named without
// ".mtz", as 'notasmtz' for the document 'notas', gives 'notas').
void save_highest_as_doc_list(const fs::path& out, const std::vector<Ansi>& lines);

}  // namespace lumeral::classification
