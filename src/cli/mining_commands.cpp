// Commands "rules" (the contextual data-mining window) and "mine" (the
// mining wizard's whole road on a saved project).
#include "cli/command.h"
#include "core/base/files.h"
#include "core/mining/mine.h"
#include "core/mining/rule_filters.h"
#include "core/mining/rule_sentences.h"
#include "core/mining/rules.h"

namespace lumeral::cli {
namespace {

using namespace lumeral::mining;

Registrar rules_cmd(320, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "rules", "Data mining contextual: regras de associação com confiança e suporte (\"Calcula Confiança/Suporte\")");
  auto contexts = std::make_shared<std::string>();
  auto docs = std::make_shared<std::string>();
  auto pairs = std::make_shared<std::string>();
  auto threshold = std::make_shared<std::string>();
  auto by = std::make_shared<std::string>("confidence");
  auto order = std::make_shared<std::string>();
  sub->add_option("--contexts", *contexts, "Lista de contextos (.lct)")->required();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_option("--pairs", *pairs, "Arquivo de associações (.ass), por exemplo temp.ass")->required();
  sub->add_option("--threshold", *threshold, "Limiar para mostrar (\"Seleciona por limiar\")");
  sub->add_option("--by", *by, "Tipo do limiar: confidence (confiança, em %) ou support (número de documentos)")
      ->check(one_of({"confidence", "support"}));
  sub->add_option("--order", *order, "Ordenação: confidence (decrescente por confiança) ou alphabetical")
      ->check(one_of({"confidence", "alphabetical"}));
  auto sentences = std::make_shared<bool>(false);
  sub->add_flag("--sentences", *sentences, "Mostra as frases do painel de mineração em vez das linhas de regras");
  add_export_option(sub);
  return [=](Env& env) {
    RulesInput in;
    in.context_list = arg_path(*contexts);
    in.document_list = arg_path(*docs);
    in.pair_store = arg_path(*pairs);
    auto lines = calculate_rules(in, env.regional(), env.progress());
    if (!threshold->empty()) {
      lines = select_rules(lines, arg_text(*threshold), *by == "support" ? ThresholdKind::Support : ThresholdKind::Confidence,
                           env.regional());
    }
    if (*order == "confidence") sort_rules_by_confidence(lines, env.regional());
    if (*order == "alphabetical") sort_rules_alphabetically(lines, env.regional());
    if (*sentences) lines = rule_sentences(lines);
    for (const auto& l : lines) env.line(l);
    env.table([&] { return *sentences ? exporting::lines_table(lines, "Regra") : exporting::rule_table(lines); });
  };
});

Registrar mine_cmd(330, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "mine",
      "Mineração de um projeto salvo: classificação, freqüência de conceitos, associações; grava "
      "resultados_n4.wiz, resultados.wiz e o relatório (relatorio.rtf, relatorio.txt)");
  auto project = std::make_shared<std::string>();
  sub->add_option("PROJETO", *project, "Arquivo de projeto (título + .ini)")->required();
  add_export_option(sub);
  return [=](Env& env) {
    auto out = mine_project(arg_path(*project), env.regional(), env.progress());
    for (const auto& note : out.notes) env.message(note);
    env.line_utf8("Freqüência de Conceitos");
    env.line_utf8("Conceito\tFrequencia Absoluta\tFrequencia Relativa(em %)");
    for (const auto& r : out.rows) env.line(r.concept_name + Ansi("\t") + r.absolute + Ansi("\t") + r.relative);
    env.line_utf8("");
    env.line_utf8("Associações entre Conceitos (Total de Regras: " + std::to_string(out.rule_lines.size()) + ")");
    for (const auto& l : out.association_text) env.line(l);
    env.table([&] { return exporting::frequency_table(out.rows); });
  };
});

}  // namespace
}  // namespace lumeral::cli
