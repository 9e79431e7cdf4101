// Association rules between concepts ("Aplica Técnica de Data Mining sobre
// Associações Contextuais"): every pair (A, B, co) of the pair store becomes
// the rule A => B with confidence co / n(A) x 100 and support co / N x 100,
// where n(A) is the number of documents whose matrix gives A a degree above
// 0 and N the number of documents. Rule lines, their parsing into the
// association table's columns and into the Portuguese sentence of the
// mining panel, the threshold filters and the orders.
#pragma once

#include <filesystem>
#include <vector>

#include "core/base/ansi.h"
#include "core/base/progress.h"
#include "core/base/regional.h"

namespace lumeral::mining {

namespace fs = std::filesystem;

struct RulesInput {
  fs::path context_list;   // "Lista de Contextos"
  fs::path document_list;  // "Lista de Documentos"
  fs::path pair_store;     // "Arquivo de Associações"
  // Matrices are found by the classification's naming rule in the wizard's
  // project folder while a wizard project is open, otherwise in the folder
  // of the document list.
  bool wizard_open = false;
  fs::path project_folder;
};

// "Calcula Confiança/Suporte": the rule lines, one per pair whose first
// concept is in the context list, in pair-store order. An empty field stops
// with "Selecionar listas antes !", a missing matrix with "Fazer
// classificação antes !".
std::vector<Ansi> calculate_rules(const RulesInput& input, const Regional& regional,
                                  Progress& progress = Progress::none());

// A + " => " + B + " /conf= " + "00.00" + "%" + " /sup= " + "00.00" + "%(" +
// "0000" + ")", A and B cut to 15 characters.
Ansi rule_line(AnsiView a, AnsiView b, double confidence, double support, double count, const Regional& regional);

// A rule line taken apart as the mining panel does.
struct ParsedRule {
  Ansi rule;        // "A => B"
  Ansi a, b;
  Ansi confidence;  // the 7 characters after "/conf=": "66,67% " or "100,00%"
  Ansi support;     // after "/sup=": "20,00%(0004)"
  Ansi support_percentage;  // "20,00%"
  Ansi count;               // "0004"
  bool operator==(const ParsedRule&) const = default;
};
ParsedRule parse_rule_line(AnsiView line);

// "--66,67%  dos textos que falam em A também falam em B. Isto aconteceu em
// 0004 texto(s) (20,00% do total)".
Ansi rule_sentence(const ParsedRule& rule);
std::vector<Ansi> rule_sentences(const std::vector<Ansi>& lines);

// The association table of the mining panel: one row per rule line, kept in
// the order of the rule texts (case-insensitive collation).
std::vector<ParsedRule> association_table(const std::vector<Ansi>& lines, const Regional& regional);

enum class ThresholdKind { Confidence, Support };

// "Seleciona por limiar": confidence at least t, or count (the four
// characters after the first "(") at least t; t from the field, 0 when
// empty. The kept lines keep their order.
std::vector<Ansi> select_rules(const std::vector<Ansi>& lines, AnsiView threshold_text, ThresholdKind kind,
                               const Regional& regional);

// "Ordena decrescente por confiança": highest confidence first, equal
// confidences in their present order.
void sort_rules_by_confidence(std::vector<Ansi>& lines, const Regional& regional,
                              Progress& progress = Progress::none());

// "Ordena alfabeticamente": case-insensitive collation of whole lines.
void sort_rules_alphabetically(std::vector<Ansi>& lines, const Regional& regional);

// The wizard's threshold panel, "Calcular": the threshold must be above 0
// ("Informe limiar para filtrar"); then the rules are computed again and
// selected. Returns the kept rule lines (their sentences replace the
// association text).
std::vector<Ansi> filter_rules(const RulesInput& input, AnsiView threshold_text, ThresholdKind kind,
                               const Regional& regional, Progress& progress = Progress::none());

}  // namespace lumeral::mining
