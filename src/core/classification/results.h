// The result commands of the classification window: the contexts of one
// document, the documents of one context, the names of the chosen lists,
// copying a line into the name field, and saving a result list as a
// document list (also used by the contextual retrieval). Each returns the
// result rows; their lines (records::weighted_row_line) are exactly what the
// window lists.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/listing.h"
#include "core/base/message.h"
#include "core/base/regional.h"
#include "core/records/weighted.h"

namespace lumeral::classification {

namespace fs = std::filesystem;

// Runs that stop half-way ("Fazer classificação antes !") keep the lines
// listed before the message.
using lumeral::Listing;

// The document's name as result lines show it: its list entry, trimmed, up
// to (not including) the dot of its later ".txt" or ".lpl"; the whole entry
// when it has neither ("noticia1.txt" -> "noticia1", "notas" -> "notas").
Ansi shown_base(AnsiView entry);

// The initial text of "Limiar:" ("0,00001" with a decimal comma).
Ansi initial_threshold(const Regional& regional);

// The matrix of a document named in the name field: by the companion rule
// when the name holds ".txt" or ".lpl"; otherwise the name is a document
// name without its ".txt" (as "Copia selecionado" leaves it), so name +
// ".mtz", or name + "mtz" for a document that had no extension at all,
// whichever exists (name + ".mtz" when neither does).
fs::path matrix_of_shown_name(const fs::path& folder, AnsiView name);

using records::WeightedRow;

// Rows listed by a run that may stop half-way (a Listing of rows).
struct RowListing {
  std::vector<WeightedRow> rows;
  std::optional<Message> stop;
  // The rows as the lines the list shows, with the stop.
  Listing listing() const;
};

// "Mostra contextos de um doc": the matrix of the named document (the field
// lowered, trimmed, cut to 255) in `folder`; one row per record whose
// degree reaches the threshold: the context and the degree as "0.0000000".
// Empty name: "Você deve fornecer o nome de um documento".
std::vector<WeightedRow> doc_contexts(const fs::path& folder, AnsiView name_field, AnsiView threshold_field,
                               const Regional& regional);

// "Mostra documentos de um contexto": for each document of the list, in
// order, its records named as the context (the field lowered and trimmed)
// whose degree reaches the threshold: the document's name up to its ".txt"
// and the degree as "0.00000000000000". Matrices are found by the
// companion rule in the folder of the list; a missing one stops with the
// file error, keeping the rows listed before it. Empty name: "Você deve
// fornecer o nome de um contexto".
RowListing context_docs(const fs::path& doc_list, AnsiView name_field, AnsiView threshold_field,
                               const Regional& regional);

// "Mostra documentos da lista" / "Mostra contextos da lista": the names of
// the records in file order. An empty path stops with "Você deve
// selecionar uma lista de documentos" / "Você deve selecionar uma lista de
// contexto".
std::vector<Ansi> doc_list_names(const fs::path& doc_list);
std::vector<Ansi> context_list_names(const fs::path& context_list);

// "Copia selecionado": the text before the first ".txt", or the whole line
// trimmed.
Ansi copy_selected(AnsiView line);

// "Salva resultado como ldoc" (and "Grava resultado" of the contextual
// retrieval): one record per row; the name trimmed, cut after the dot of
// its later ".txt" or ".lpl" and followed by "txt" (or by ".txt" when it has
// neither); the weight read from its text (0 for a bare name). An
// unreadable weight stops the save, and the file keeps its old content.
void save_result_as_doc_list(const fs::path& out, const std::vector<WeightedRow>& rows, const Regional& regional);

}  // namespace lumeral::classification
