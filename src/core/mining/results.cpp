// Results file and report; "resultados.wiz" format in docs/formats.md.
#include "core/mining/results.h"

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/text.h"
#include "core/mining/rich_text.h"

namespace lumeral::mining {

const char* results_file_name() { return "resultados.wiz"; }

std::vector<Ansi> results_file_lines(const std::vector<FrequencyRow>& rows, const std::vector<ParsedRule>& table) {
  std::vector<Ansi> lines;
  lines.push_back(to_ansi("#Conceito;Frequencia Absoluta;Frequencia Relativa(em %)/"));
  for (const FrequencyRow& r : rows) lines.push_back(shell::frequency_row_line(r));
  lines.push_back(to_ansi("##conceito_1;conceito_2;confiança;suporte_abs;suporte_%/"));
  for (const ParsedRule& r : table) {
    AnsiView conf = r.confidence;
    AnsiView sup = r.support;
    std::size_t pct = sup.find('%');
    AnsiView sup_pct = sup.substr(0, pct);
    Ansi count;
    if (pct != AnsiView::npos) {
      std::size_t open = sup.find('(', pct);
      if (open != AnsiView::npos) count = Ansi(sup.substr(open + 1, 4));
    }
    Ansi line = r.a;
    line += ';';
    line += r.b;
    line += ';';
    line += trim(conf.substr(0, conf.find('%')));
    line += ';';
    line += trim(sup_pct);
    line += ';';
    line += count;
    line += '/';
    lines.push_back(std::move(line));
  }
  return lines;
}

std::filesystem::path write_results_file(const std::filesystem::path& folder, const std::vector<FrequencyRow>& rows,
                                         const std::vector<ParsedRule>& table, Progress& progress) {
  progress.status("Processando Arquivo de Resultados (1º Parte)");
  progress.bar(static_cast<long long>(rows.size()) - 1, static_cast<long long>(rows.size()) - 1);
  progress.status("Processando Arquivo de Resultados (2º Parte)");
  progress.bar(static_cast<long long>(table.size()) - 1, static_cast<long long>(table.size()) - 1);
  std::filesystem::path p = folder / results_file_name();
  write_text_file(p, results_file_lines(rows, table));
  return p;
}

Report build_report(const std::vector<FrequencyRow>& rows, const std::vector<Ansi>& association_text) {
  using S = ReportParagraph::Style;
  Report r;
  auto add = [&](S s, AnsiView text) { r.paragraphs.push_back({s, Ansi(text)}); };
  add(S::Plain, {});
  add(S::Plain, {});
  add(S::Title, to_ansi("Wizard - Lumeral - Corvana Mining"));
  add(S::Plain, {});
  add(S::Heading, to_ansi("Relatório de Mineração dos textos"));
  add(S::Bullet, {});
  add(S::Bullet, {});
  add(S::Bullet, to_ansi("Freqüência de Conceitos"));
  add(S::Bullet, {});
  for (const FrequencyRow& row : rows) {
    add(S::Bullet, to_ansi("Conceito: ") + row.concept_name);
    add(S::Bullet, to_ansi("Freqüencia Absoluta: ") + row.absolute);
    add(S::Bullet, to_ansi("Freqüencia Relativa(em %): ") + row.relative);
  }
  add(S::Bullet, {});
  add(S::Bullet, {});
  add(S::Bullet, to_ansi("Associações entre Conceitos"));
  add(S::Bullet, Ansi("  ") + Ansi(67, '_'));
  for (const Ansi& line : association_text) add(S::Bullet, line);
  return r;
}

std::string report_rtf(const Report& report) {
  RtfOptions file;
  file.header_pard = false;
  file.run_groups = false;
  file.tab_word = false;
  return rich_text_rtf(report_paragraphs(report), file);
}

std::vector<Ansi> report_text(const Report& report) {
  std::vector<Ansi> lines;
  for (const ReportParagraph& p : report.paragraphs) lines.push_back(p.text);
  return lines;
}

}  // namespace lumeral::mining
