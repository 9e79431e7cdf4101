#include "core/export/table.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>

#include "core/base/encoding.h"
#include "core/base/text.h"
#include "core/mining/rule_lines.h"
#include "core/records/weighted.h"

namespace lumeral::exporting {

Cell Cell::of_text(Ansi text) {
  Cell c;
  c.text = std::move(text);
  return c;
}

Cell Cell::of_number(double value, int decimals) {
  Cell c;
  c.number = value;
  c.decimals = decimals;
  return c;
}

Cell Cell::shown(AnsiView text) {
  AnsiView t = trim_view(text);
  // [-]digits[(,|.)digits][(E|e)[+|-]digits], nothing else: a word that
  // only starts with a digit ("3a") stays text.
  std::size_t i = 0;
  auto digits = [&] {
    std::size_t from = i;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i;
    return i - from;
  };
  if (i < t.size() && t[i] == '-') ++i;
  std::size_t whole = digits();
  int decimals = 0;
  std::size_t fraction = 0;
  if (i < t.size() && (t[i] == ',' || t[i] == '.')) {
    ++i;
    fraction = digits();
    decimals = static_cast<int>(fraction);
  }
  if (whole + fraction == 0) return of_text(Ansi(text));
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (digits() == 0) return of_text(Ansi(text));
    decimals = -1;
  }
  if (i != t.size()) return of_text(Ansi(text));
  std::string s(t.data(), t.size());
  std::replace(s.begin(), s.end(), ',', '.');
  return of_number(std::strtod(s.c_str(), nullptr), decimals);
}

std::size_t Table::columns() const {
  std::size_t n = headers.size();
  for (const auto& r : rows) n = std::max(n, r.size());
  return n;
}

TableSource::TableSource(Table table) {
  rows = table.rows.size();
  columns = table.columns();
  headers = std::move(table.headers);
  auto held = std::make_shared<const std::vector<std::vector<Cell>>>(std::move(table.rows));
  each_row = [held](const Row& put) {
    for (const auto& row : *held) put(row);
  };
}

Table lines_table(const std::vector<Ansi>& lines, std::string header) {
  Table t;
  t.headers = {std::move(header)};
  t.rows.reserve(lines.size());
  for (const Ansi& l : lines) t.rows.push_back({Cell::of_text(l)});
  return t;
}

Table weighted_table(const std::vector<Ansi>& lines, std::string term_header, std::string weight_header) {
  Table t;
  t.headers = {std::move(term_header), std::move(weight_header)};
  t.rows.reserve(lines.size());
  for (const Ansi& l : lines) {
    records::LineParts parts = records::split_weighted(l);
    t.rows.push_back({Cell::of_text(parts.term), parts.has_bar ? Cell::shown(parts.weight_text) : Cell::of_text({})});
  }
  return t;
}

Table weighted_rows_table(const std::vector<records::WeightedRow>& rows, std::string name_header,
                          std::string weight_header) {
  Table t;
  t.headers = {std::move(name_header), std::move(weight_header)};
  t.rows.reserve(rows.size());
  for (const auto& r : rows)
    t.rows.push_back({Cell::of_text(trim(r.name)), r.weight.empty() ? Cell::of_text({}) : Cell::shown(trim(r.weight))});
  return t;
}

Table similar_table(const std::vector<retrieval::SimilarRow>& rows) {
  Table t;
  t.headers = {"Documento", "Similaridade"};
  t.rows.reserve(rows.size());
  for (const auto& r : rows) t.rows.push_back({Cell::of_text(trim(r.base)), Cell::shown(r.similarity)});
  return t;
}

namespace {

const std::vector<std::string> kAssociationHeaders = {"Termo 1", "Termo 2", "Peso"};

std::vector<Cell> association_row(const association::AssociationRow& r) {
  return {Cell::of_text(trim(r.first)), Cell::of_text(trim(r.second)), Cell::shown(r.weight)};
}

// Row i of the matrix table: the document's name, then its similarities
// with the ten decimals the window shows.
void matrix_row(const std::vector<Ansi>& entries, const clustering::SimilarityMatrix& m, std::size_t n,
                std::size_t i, std::vector<Cell>& row) {
  row.clear();
  row.push_back(Cell::of_text(trim(entries[i])));
  for (std::size_t j = 0; j < n; ++j) row.push_back(Cell::of_number(m.at(i, j), 10));
}

std::vector<std::string> matrix_headers(const std::vector<Ansi>& entries, std::size_t n) {
  std::vector<std::string> headers;
  headers.reserve(n + 1);
  headers.push_back("Documento");
  for (std::size_t j = 0; j < n; ++j) headers.push_back(to_utf8(trim(entries[j])));
  return headers;
}

}  // namespace

Table association_table(const std::vector<association::AssociationRow>& rows) {
  Table t;
  t.headers = kAssociationHeaders;
  t.rows.reserve(rows.size());
  for (const auto& r : rows) t.rows.push_back(association_row(r));
  return t;
}

TableSource association_source(std::size_t count, std::function<association::AssociationRow(std::size_t)> row_at) {
  TableSource s;
  s.headers = kAssociationHeaders;
  s.rows = count;
  s.columns = kAssociationHeaders.size();
  s.each_row = [count, row_at = std::move(row_at)](const TableSource::Row& put) {
    for (std::size_t i = 0; i < count; ++i) put(association_row(row_at(i)));
  };
  return s;
}

namespace {

// "66,67%" or "66,67% " as a number cell of the percentage.
Cell percent_cell(AnsiView text) {
  AnsiView t = trim_view(text);
  if (!t.empty() && t.back() == '%') t.remove_suffix(1);
  return Cell::shown(t);
}

}  // namespace

Table rule_table(const std::vector<Ansi>& lines) {
  std::vector<mining::ParsedRule> rules;
  rules.reserve(lines.size());
  for (const Ansi& l : lines) rules.push_back(mining::parse_rule_line(l));
  return rule_table(rules);
}

Table rule_table(const std::vector<mining::Rule>& rules) { return rule_table(mining::rule_parts(rules)); }

Table rule_table(const std::vector<mining::ParsedRule>& rules) {
  Table t;
  t.headers = {"Antecedente", "Conseqüente", "Confiança (%)", "Suporte (%)", "Documentos"};
  t.rows.reserve(rules.size());
  for (const mining::ParsedRule& r : rules) {
    if (r.b.empty() && r.confidence.empty()) {  // not a rule line
      t.rows.push_back({Cell::of_text(r.rule)});
      continue;
    }
    t.rows.push_back({Cell::of_text(trim(r.a)), Cell::of_text(trim(r.b)), percent_cell(r.confidence),
                      percent_cell(r.support_percentage), Cell::shown(r.count)});
  }
  return t;
}

Table concept_table(const std::vector<classification::ConceptRow>& rows, std::string score_header) {
  Table t;
  t.headers = {"Documento", std::move(score_header)};
  t.rows.reserve(rows.size());
  for (const auto& r : rows) t.rows.push_back({Cell::of_text(trim(r.document)), Cell::shown(r.score)});
  return t;
}

Table highest_table(const std::vector<classification::HighestRow>& rows) {
  Table t;
  t.headers = {"Documento", "Categoria", "Grau"};
  t.rows.reserve(rows.size());
  for (const auto& r : rows) {
    if (!r.text) {
      t.rows.push_back({Cell::of_text(trim(r.matrix)), Cell::of_text(trim(r.category)), Cell::shown(r.degree)});
      continue;
    }
    // A line read back as it was: "doc.mtz => category | degree".
    records::LineParts parts = records::split_weighted(*r.text);
    std::size_t arrow = parts.term.find("=>");
    if (arrow == Ansi::npos) {
      t.rows.push_back({Cell::of_text(parts.term)});
      continue;
    }
    t.rows.push_back({Cell::of_text(trim(AnsiView(parts.term).substr(0, arrow))),
                      Cell::of_text(trim(AnsiView(parts.term).substr(arrow + 2))),
                      parts.has_bar ? Cell::shown(parts.weight_text) : Cell::of_text({})});
  }
  return t;
}

Table rule_comparison_table(const std::vector<Ansi>& common, const std::vector<Ansi>& exclusive) {
  Table t = rule_table(common);
  Table only = rule_table(exclusive);
  t.headers.insert(t.headers.begin(), "Regra");
  for (auto& row : t.rows) row.insert(row.begin(), Cell::of_text(Ansi("comum")));
  for (auto& row : only.rows) {
    row.insert(row.begin(), Cell::of_text(Ansi("exclusiva")));
    t.rows.push_back(std::move(row));
  }
  return t;
}

Table percentage_table(const std::vector<comparison::PercentageRow>& rows) {
  Table t;
  t.headers = {"Conceito", "Porcentagem (%)"};
  t.rows.reserve(rows.size());
  const AnsiView dash(" - ");
  for (const auto& r : rows) {
    if (!r.text) {
      t.rows.push_back({Cell::of_text(r.name), Cell::shown(r.percentage)});
      continue;
    }
    // A line read back as it was: the name before its last " - ".
    const AnsiView l = *r.text;
    std::size_t at = l.rfind(dash);
    if (at == Ansi::npos) {
      t.rows.push_back({Cell::of_text(trim(l)), Cell::of_text({})});
      continue;
    }
    t.rows.push_back({Cell::of_text(trim(l.substr(0, at))), percent_cell(l.substr(at + 3))});
  }
  return t;
}

Table frequency_table(const std::vector<shell::FrequencyRow>& rows) {
  Table t;
  t.headers = {"Conceito", "Freqüência Absoluta", "Freqüência Relativa (%)"};
  t.rows.reserve(rows.size());
  for (const auto& r : rows)
    t.rows.push_back({Cell::of_text(r.concept_name), Cell::shown(r.absolute), percent_cell(r.relative)});
  return t;
}

Table matrix_table(const std::vector<Ansi>& entries, const clustering::SimilarityMatrix& m) {
  Table t;
  const std::size_t n = std::min(entries.size(), m.n());
  t.headers = matrix_headers(entries, n);
  t.rows.resize(n);
  for (std::size_t i = 0; i < n; ++i) matrix_row(entries, m, n, i, t.rows[i]);
  return t;
}

TableSource matrix_source(const std::vector<Ansi>& entries, const clustering::SimilarityMatrix& m) {
  TableSource s;
  const std::size_t n = std::min(entries.size(), m.n());
  s.headers = matrix_headers(entries, n);
  s.rows = n;
  s.columns = n + 1;
  s.each_row = [&entries, &m, n](const TableSource::Row& put) {
    std::vector<Cell> row;
    row.reserve(n + 1);
    for (std::size_t i = 0; i < n; ++i) {
      matrix_row(entries, m, n, i, row);
      put(row);
      m.release_rows(i, i + 1);
    }
  };
  return s;
}

Table cluster_table(const clustering::Clusters& clusters) {
  Table t;
  t.headers = {"Cluster", "Documento"};
  const std::vector<Ansi> names = clustering::cluster_lines(clusters);
  for (std::size_t k = 0; k < names.size() && k < clusters.members.size(); ++k)
    for (const Ansi& member : clusters.members[k])
      if (!member.empty()) t.rows.push_back({Cell::of_text(names[k]), Cell::of_text(member)});
  return t;
}

Table comparison_rows_table(const std::vector<comparison::ResultRow>& rows, std::string word_header,
                            std::string weight_header) {
  Table t;
  t.headers = {std::move(word_header), std::move(weight_header)};
  t.rows.reserve(rows.size());
  for (const auto& r : rows) t.rows.push_back({Cell::of_text(r.word), Cell::shown(trim(r.weight))});
  return t;
}

Table comparison_sets_table(const std::vector<NamedRows>& sets) {
  Table t;
  t.headers = {"Conjunto", "Palavra", "Peso"};
  for (const auto& set : sets)
    for (const auto& r : set.rows)
      t.rows.push_back({Cell::of_text(set.caption), Cell::of_text(r.word), Cell::shown(trim(r.weight))});
  return t;
}

}  // namespace lumeral::exporting
