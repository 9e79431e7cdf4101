// The outputs of the mining panel: the results file "resultados.wiz" for a
// publishing portal (semicolon-separated lines ending in "/", format in
// docs/formats.md) and the report of the results, built as a structure of
// paragraphs that a report window renders as rich text and that is written
// here as RTF and as plain text.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/mining/rule_lines.h"
#include "core/shell/status_file.h"

namespace lumeral::mining {

using shell::FrequencyRow;

// "resultados.wiz".
const char* results_file_name();

// The lines: "#Conceito;Frequencia Absoluta;Frequencia Relativa(em %)/", one
// per frequency row, "##conceito_1;conceito_2;confiança;suporte_abs;suporte_%/",
// then one per association-table row: A;B;confidence;support %;count/.
std::vector<Ansi> results_file_lines(const std::vector<FrequencyRow>& rows, const std::vector<ParsedRule>& table);

// "Grava Resultados para Portal": writes the file into `folder` (replacing
// an earlier one) and returns its path. Progress as the two parts go.
std::filesystem::path write_results_file(const std::filesystem::path& folder, const std::vector<FrequencyRow>& rows,
                                         const std::vector<ParsedRule>& table, Progress& progress = Progress::none());

// One paragraph of the report.
struct ReportParagraph {
  enum class Style {
    Plain,    // left-aligned, no bullet
    Title,    // bold
    Heading,  // centred, first-line indent of 10 points
    Bullet,   // left-aligned, bulleted
  };
  Style style = Style::Plain;
  Ansi text;
  bool operator==(const ReportParagraph&) const = default;
};

struct Report {
  std::vector<ReportParagraph> paragraphs;
};

// The report of the frequency table and the association text, in order:
// two empty lines, the bold title "Wizard - Lumeral - Corvana Mining", an
// empty line, the centred heading "Relatório de Mineração dos textos", then
// bulleted paragraphs: the frequency rows (three lines each) and the
// association text under "Associações entre Conceitos".
Report build_report(const std::vector<FrequencyRow>& rows, const std::vector<Ansi>& association_text);

// The report as RTF (the rich-text writer of rich_text.h in the variant the
// "relatorio.rtf" file has always had: no paragraph in the header, bare
// style words, tabs escaped as bytes) and as plain text lines (the
// paragraphs' texts).
std::string report_rtf(const Report& report);
std::vector<Ansi> report_text(const Report& report);

}  // namespace lumeral::mining
