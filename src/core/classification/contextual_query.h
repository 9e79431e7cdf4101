// Contextual retrieval: a query of weighted words is related to every
// context of a context list (the relevance, written into the list's weight
// field), and every document of a document list is scored by the degrees of
// those contexts in its matrix (written into the list's weight field). The
// query is kept in a query file (.cst, word records; docs/formats.md).
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"
#include "core/records/weighted.h"

namespace lumeral::classification {

namespace fs = std::filesystem;

// "Grava entrada da consulta": record i holds word line i (lowered A to Z,
// trimmed, cut to 15) and weight line i read as a number. The file is
// created anew; an unreadable (or missing) weight stops the save, and the
// file keeps its old content.
// Parses every weight save_query would write, so a window can refuse an
// unreadable one before it asks where to save.
void check_query_weights(const std::vector<Ansi>& words, const std::vector<Ansi>& weights, const Regional& regional);
void save_query(const fs::path& query, const std::vector<Ansi>& words, const std::vector<Ansi>& weights,
                const Regional& regional);

// "Abre consulta gravada": the words and their weights as "0.000000". A
// word list (.lpl) reads as a query; a context (.ctt) gives its entries and
// weights.
struct QueryFields {
  std::vector<Ansi> words;
  std::vector<Ansi> weights;
};
QueryFields open_query(const fs::path& query, const Regional& regional);

// "Realiza a consulta ": relevance of each context = the sum of query weight
// x entry weight over equal (trimmed, exact; both lowered when the
// documents' folder was prepared with the complete reading) query words and
// context entries, capped at 1, written into the context list; score of each document = the
// sum of degree x relevance over its matrix records with a degree above 0,
// written into the document list. Contexts lie beside the context list,
// matrices (companion rule) beside the document list. An empty query path
// stops with "Selecionar uma consulta (abrindo ou gravando)"; a missing file
// stops with the file error, keeping the weights written before it.
void run_query(const fs::path& doc_list, const fs::path& context_list, const fs::path& query,
               Progress& progress = Progress::none());

// "Mostra resultados": for each document of the list whose score reaches
// the threshold and is above 0: the name trimmed and the score as
// "0.0000000".
std::vector<records::WeightedRow> query_results(const fs::path& doc_list, AnsiView threshold_field, const Regional& regional);

}  // namespace lumeral::classification
