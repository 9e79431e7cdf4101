// The status file "resultados_n4.wiz" of a mining project: the rows of the
// concept-frequency table ("Economia;12;37,5/") and then the association
// text of the mining panel, line by line. Written at every save of the
// project, read back when a project reopens at the mining step. Format in
// docs/formats.md, "Status file".
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"

namespace lumeral::shell {

// One row of the concept-frequency table, each value as displayed:
// concept, absolute frequency ("12"), relative frequency ("37,5").
struct FrequencyRow {
  Ansi concept_name;
  Ansi absolute;
  Ansi relative;
  bool operator==(const FrequencyRow&) const = default;
};

// What the status file keeps: the table and the association text (its
// sentences begin with "--").
struct StatusFile {
  std::vector<FrequencyRow> rows;
  std::vector<Ansi> association_text;
  // Number of association lines (lines beginning with "-"), as the mining
  // panel's "Total de Regras: " shows after a restore.
  std::size_t rule_count() const;
  bool operator==(const StatusFile&) const = default;
};

// "resultados_n4.wiz".
const char* status_file_name();

// concept + ";" + absolute + ";" + relative + "/".
Ansi frequency_row_line(const FrequencyRow& row);
// A table row read back: concept before the first ";", absolute up to the
// next ";", relative up to the first "/" (the rest when "/" is missing); all
// trimmed; missing parts empty.
FrequencyRow parse_frequency_row(AnsiView line);

// The lines of the file: one per row, then the association text; an empty
// text adds one empty line.
std::vector<Ansi> status_file_lines(const StatusFile& status);
// Lines back to a status: empty lines skipped, a line beginning with "-"
// belongs to the association text, any other is a table row.
StatusFile parse_status_lines(const std::vector<Ansi>& lines);

// Writes the file safely; "Salvando Projeto" and the bar per row.
void write_status_file(const std::filesystem::path& p, const StatusFile& status,
                       Progress& progress = Progress::none());
// Reads it back; a missing file stops with a message naming it.
StatusFile read_status_file(const std::filesystem::path& p);

}  // namespace lumeral::shell
