// Context lists (.lct) and contexts (.ctt): reading them for the analyses,
// and the commands of the context manager window: opening and saving both
// kinds of list from their display lines, replacing weights over a whole
// list, and the text report of all definitions. Formats: docs/formats.md.
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/message.h"
#include "core/base/regional.h"
#include "core/records/records.h"

namespace lumeral::contexts {

namespace fs = std::filesystem;

// What the manager shows when its save dialogs are cancelled.
inline constexpr const char* kListNotSaved = "Não gravou lista de contextos";
inline constexpr const char* kContextNotSaved = "Não gravou contexto";

// A context of a list, read once for a run: its trimmed name and entries.
struct Context {
  Ansi name;  // trimmed, as the list holds it
  std::vector<records::ContextRecord> entries;
};

// The file of the context `name` (trimmed) + ".ctt" in `folder`, found
// whatever the letter case of the name on disk.
fs::path context_path(const fs::path& folder, AnsiView name);

// "Abre lista": one display line per record, in file order: the name,
// " | " and the weight as "0.00000000". The count shown under "Número total
// de contextos: " is the number of lines.
std::vector<Ansi> open_context_list(const fs::path& list, const Regional& regional);

// "Salva lista": the file is created anew, one record per line: with a bar
// the name is the text before it, trimmed, lowered (A to Z) and cut to 15
// characters, the weight the text after it read as a number; without a bar
// the whole line is the name and the weight 0. Blank lines are skipped (a
// nameless context would only make every later analysis stop). A weight that
// is not a number stops the save; the file keeps its old content.
void save_context_list(const fs::path& list, const std::vector<Ansi>& lines, const Regional& regional);

// "Inclui contexto" (and "Abre contexto" after emptying the definitions):
// one display line per record: the entry, " | " and the weight as "0.0000".
// A missing file stops with "Não existe arquivo de contexto com este nome".
std::vector<Ansi> open_context(const fs::path& context, const Regional& regional);

// "Salva contexto": the file is created anew, one record per line: with a
// bar the entry is the text before it, trimmed and cut to 30 characters
// (case kept), the weight the text after it; without a bar the whole line
// trimmed, with weight 1. Blank lines are skipped. Returns the information
// "criou novo contexto" when the file did not exist before, to be shown
// before the file is written.
std::vector<Message> save_context(const fs::path& context, const std::vector<Ansi>& lines, const Regional& regional);

// "Troca pesos por 1" (every weight) and "Troca pesos 0 => 1" (weights
// exactly 0) over every context of a list, entries unchanged. Returns
// "Terminou de trocar pesos". All or nothing: a missing context or a failed
// write stops with the file error and no context changes.
enum class WeightChange { ZeroToOne, AllToOne };
Message replace_weights(const fs::path& list, WeightChange change);

// "Grava definições como texto": for every context of the list, an empty
// line, 20 hyphens and the name, then "     " + entry + " |  " + weight as
// "0.00" for each of its entries. Returns "Terminou de gravar definições dos
// contextos". A missing context stops with "Contexto não existente: " +
// name after writing the report as it stands (its heading lines included).
Message write_definitions_report(const fs::path& list, const fs::path& report, const Regional& regional);

}  // namespace lumeral::contexts
