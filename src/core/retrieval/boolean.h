// Boolean retrieval: the documents of a document list whose plain text
// holds every query term ("E") or at least one ("OU"), a term being found
// as a substring of one sentence of the lowered text; and the query files
// (.csb, docs/formats.md) the window saves and loads.
#pragma once

#include <optional>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/files.h"
#include "core/base/listing.h"
#include "core/base/progress.h"
#include "core/base/reading.h"

namespace lumeral::retrieval {

// The query field as "Executa Busca" leaves it: its lines without the
// blank ones.
std::vector<Ansi> boolean_query(const std::vector<Ansi>& query_lines);

// "Executa Busca": the text-file names of the documents found, in list
// order. `list` empty: nothing is searched (no message). Names of the list
// are resolved in the list's folder; a document whose text file is missing
// stops the search with "O arquivo texto não está no diretório", after the
// documents found before it. `any` is "OU".
// Terms and texts are lowered by `reading` (none: the reading the list's
// folder was prepared with).
Listing boolean_search(const fs::path& list, const std::vector<Ansi>& query_lines, bool any,
                       Progress& progress = Progress::none(), std::optional<Reading> reading = std::nullopt);

// "Grava Consulta": one 41-byte record per query line, blank lines
// included, each lowered (A to Z), trimmed and cut to 40 characters.
void save_query(const fs::path& p, const std::vector<Ansi>& query_lines);
// "Abrir > Consulta": the stored lines as they are, in order.
std::vector<Ansi> load_query(const fs::path& p);
// "Abrir > Contexto": the context's entries, trimmed, in order, to be
// appended to the query. A missing file stops with "arquivo X não existe".
std::vector<Ansi> context_query_lines(const fs::path& p);

// "Grava Lista de Documentos": one record per result line, the line
// trimmed as the name, weight 0.
void save_result_as_doc_list(const fs::path& p, const std::vector<Ansi>& lines);

}  // namespace lumeral::retrieval
