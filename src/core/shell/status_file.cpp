// Status file reading and writing; format in docs/formats.md, "Status file".
#include "core/shell/status_file.h"

#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/text.h"

namespace lumeral::shell {

std::size_t StatusFile::rule_count() const {
  std::size_t n = 0;
  for (const Ansi& l : association_text)
    if (!l.empty() && l[0] == '-') ++n;
  return n;
}

const char* status_file_name() { return "resultados_n4.wiz"; }

Ansi frequency_row_line(const FrequencyRow& row) {
  Ansi line = row.concept_name;
  line += ';';
  line += row.absolute;
  line += ';';
  line += row.relative;
  line += '/';
  return line;
}

FrequencyRow parse_frequency_row(AnsiView line) {
  FrequencyRow row;
  std::size_t semi = line.find(';');
  row.concept_name = trim(line.substr(0, semi));
  if (semi == AnsiView::npos) return row;
  AnsiView rest = line.substr(semi + 1);
  std::size_t semi2 = rest.find(';');
  row.absolute = trim(rest.substr(0, semi2));
  if (semi2 == AnsiView::npos) return row;
  AnsiView rel = trim_view(rest.substr(semi2 + 1));
  row.relative = trim(rel.substr(0, rel.find('/')));
  return row;
}

std::vector<Ansi> status_file_lines(const StatusFile& status) {
  std::vector<Ansi> lines;
  lines.reserve(status.rows.size() + status.association_text.size() + 1);
  for (const FrequencyRow& r : status.rows) lines.push_back(frequency_row_line(r));
  if (status.association_text.empty()) lines.emplace_back();
  for (const Ansi& l : status.association_text) lines.push_back(l);
  return lines;
}

StatusFile parse_status_lines(const std::vector<Ansi>& lines) {
  StatusFile status;
  for (const Ansi& l : lines) {
    if (l.empty()) continue;
    if (l[0] == '-') status.association_text.push_back(l);
    else status.rows.push_back(parse_frequency_row(l));
  }
  return status;
}

void write_status_file(const std::filesystem::path& p, const StatusFile& status, Progress& progress) {
  const long long n = static_cast<long long>(status.rows.size());
  for (long long i = 0; i < n; ++i) {
    progress.status("Salvando Projeto");
    progress.bar(i, n - 1);
  }
  write_text_file(p, status_file_lines(status));
}

StatusFile read_status_file(const std::filesystem::path& p) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(p, ec)) {
    throw Stop("Arquivo não encontrado: \"" + display_path(p) + "\".");
  }
  return parse_status_lines(read_document_lines(p));
}

}  // namespace lumeral::shell
