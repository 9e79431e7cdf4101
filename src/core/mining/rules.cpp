#include "core/mining/rules.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/parallel.h"
#include "core/base/text.h"
#include "core/classification/matrix.h"
#include "core/records/records.h"
#include "core/records/weighted.h"

namespace lumeral::mining {

using namespace lumeral::literals;

Ansi rule_line(AnsiView a, AnsiView b, double confidence, double support, double count, const Regional& regional) {
  Ansi line = cut(a, 15);
  line += Ansi(" => ");
  line += cut(b, 15);
  line += Ansi(" /conf= ");
  line += regional.format(confidence, "00.00");
  line += Ansi("% /sup= ");
  line += regional.format(support, "00.00");
  line += Ansi("%(");
  line += regional.format(count, "0000");
  line += ')';
  return line;
}

std::vector<Ansi> calculate_rules(const RulesInput& input, const Regional& regional, Progress& progress) {
  if (input.context_list.empty() || input.document_list.empty() || input.pair_store.empty())
    throw Stop("Selecionar listas antes !");
  std::vector<Ansi> concepts;
  for (auto& r : records::read_all<records::ContextListRecord>(input.context_list))
    concepts.push_back(cut(trim(r.name), 15));
  std::vector<Ansi> documents;
  for (auto& r : records::read_all<records::DocRecord>(input.document_list)) documents.push_back(trim(r.name));
  const std::size_t n_docs = documents.size();

  fs::path folder = input.wizard_open ? input.project_folder : input.document_list.parent_path();
  if (folder.empty()) folder = ".";
  // Document frequency of every context name found in the matrices.
  std::unordered_map<Ansi, double> frequency;
  ordered_pipeline(
      n_docs,
      [&](std::size_t i) -> std::vector<Ansi> {
        fs::path m = classification::matrix_path(folder, documents[i]);
        std::error_code ec;
        if (!fs::is_regular_file(m, ec)) throw Stop("Fazer classificação antes !");
        std::vector<Ansi> names;
        for (auto& r : records::read_all<records::WordRecord>(m))
          if (r.weight > 0) names.push_back(trim(r.word));
        return names;
      },
      [&](std::size_t i, std::vector<Ansi>& names) {
        progress.bar(static_cast<long long>(i), static_cast<long long>(n_docs) - 1);
        for (Ansi& name : names) frequency[name] += 1;
      },
      2048);

  std::vector<Ansi> lines;
  for (auto& p : records::read_all<records::PairRecord>(input.pair_store)) {
    Ansi a = trim(p.first);
    for (const Ansi& c : concepts) {
      if (c != a) continue;
      double n = frequency.count(c) ? frequency[c] : 0;
      if (n == 0) {
        throw Stop("O conceito \"" + to_utf8(c) +
                   "\" do arquivo de associações não aparece em nenhum documento: o arquivo de associações não "
                   "corresponde às listas escolhidas.");
      }
      if (n_docs == 0) throw Stop("A lista de documentos está vazia.");
      lines.push_back(rule_line(a, trim(p.second), p.weight / n * 100.0, p.weight / double(n_docs) * 100.0,
                                p.weight, regional));
    }
  }
  return lines;
}

ParsedRule parse_rule_line(AnsiView line) {
  ParsedRule r;
  std::size_t p = line.find("/conf="_a);
  std::size_t q = line.find("/sup="_a);
  if (p == AnsiView::npos || q == AnsiView::npos) {
    r.rule = trim(line);
  } else {
    r.rule = trim(line.substr(0, p));
    AnsiView rest = trim_view(line.substr(p + 6));
    r.confidence = Ansi(rest.substr(0, 7));
    r.support = trim(line.substr(q + 5));
  }
  AnsiView rule = r.rule;
  std::size_t arrow = rule.find("=>"_a);
  if (arrow != AnsiView::npos) {
    r.a = trim(rule.substr(0, arrow));
    std::size_t b = rule.find("=> "_a);
    r.b = trim(b == AnsiView::npos ? rule.substr(arrow + 2) : rule.substr(b + 3));
  } else {
    r.a = Ansi(rule);
  }
  AnsiView sup = r.support;
  std::size_t open = sup.find('(');
  r.support_percentage = Ansi(sup.substr(0, open));
  if (open != AnsiView::npos) {
    std::size_t close = sup.find(')', open);
    r.count = Ansi(sup.substr(open + 1, close == AnsiView::npos ? AnsiView::npos : close - open - 1));
  }
  return r;
}

Ansi rule_sentence(const ParsedRule& r) {
  return to_ansi("--") + r.confidence + to_ansi(" dos textos que falam em ") + r.a + to_ansi(" também falam em ") + r.b +
         to_ansi(". Isto aconteceu em ") + r.count + to_ansi(" texto(s) (") + r.support_percentage +
         to_ansi(" do total)");
}

std::vector<Ansi> rule_sentences(const std::vector<Ansi>& lines) {
  std::vector<Ansi> out;
  out.reserve(lines.size());
  for (const Ansi& l : lines) out.push_back(rule_sentence(parse_rule_line(l)));
  return out;
}

std::vector<ParsedRule> association_table(const std::vector<Ansi>& lines, const Regional& regional) {
  std::vector<ParsedRule> rows;
  std::vector<std::string> keys;
  for (const Ansi& l : lines) {
    rows.push_back(parse_rule_line(l));
    keys.push_back(regional.collation_key(rows.back().rule));
  }
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<ParsedRule> sorted;
  sorted.reserve(rows.size());
  for (std::size_t i : order) sorted.push_back(std::move(rows[i]));
  return sorted;
}

namespace {
double rule_count(AnsiView line, const Regional& regional) {
  std::size_t open = line.find('(');
  return regional.parse(open == AnsiView::npos ? AnsiView() : line.substr(open + 1, 4));
}
}  // namespace

std::vector<Ansi> select_rules(const std::vector<Ansi>& lines, AnsiView threshold_text, ThresholdKind kind,
                               const Regional& regional) {
  double t = regional.parse_threshold(threshold_text);
  std::vector<Ansi> kept;
  for (const Ansi& l : lines) {
    double v = kind == ThresholdKind::Confidence ? regional.parse(records::key_confidence(l)) : rule_count(l, regional);
    if (v >= t) kept.push_back(l);
  }
  return kept;
}

void sort_rules_by_confidence(std::vector<Ansi>& lines, const Regional& regional, Progress& progress) {
  std::vector<double> keys;
  keys.reserve(lines.size());
  for (const Ansi& l : lines) keys.push_back(regional.parse(records::key_confidence(l)));
  std::vector<std::size_t> order(lines.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] > keys[b]; });
  std::vector<Ansi> sorted;
  sorted.reserve(lines.size());
  const std::string n = std::to_string(lines.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (i + 1 < order.size()) progress.status("Ordenando linha " + std::to_string(i + 1) + " de " + n);
    sorted.push_back(std::move(lines[order[i]]));
  }
  lines = std::move(sorted);
  progress.status("Terminou de ordenar as linhas");
}

void sort_rules_alphabetically(std::vector<Ansi>& lines, const Regional& regional) {
  records::sort_alphabetical(lines, regional);
}

std::vector<Ansi> filter_rules(const RulesInput& input, AnsiView threshold_text, ThresholdKind kind,
                               const Regional& regional, Progress& progress) {
  if (!(regional.parse(threshold_text) > 0)) throw Stop("Informe limiar para filtrar");
  return select_rules(calculate_rules(input, regional, progress), threshold_text, kind, regional);
}

}  // namespace lumeral::mining
