// Commands "rules" (the contextual data-mining window) and "mine" (the
// mining wizard's whole road on a saved project).
#include "cli/command.h"
#include "cli/rule_options.h"
#include "core/base/files.h"
#include "core/mining/mine.h"
#include "core/mining/rule_sentences.h"
#include "core/mining/rules.h"

namespace lumeral::cli {
namespace {

using namespace lumeral::mining;

Registrar rules_cmd(320, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "rules", "Data mining contextual: regras de associação com confiança e suporte (\"Calcula Confiança/Suporte\")");
  RuleOptions options(sub);
  auto sentences = std::make_shared<bool>(false);
  sub->add_flag("--sentences", *sentences, "Mostra as frases do painel de mineração em vez das linhas de regras");
  add_export_option(sub);
  return [=](Env& env) {
    const auto rules = options.rules(env);
    const auto lines = *sentences ? rule_sentences(rules) : rule_lines(rules);
    for (const auto& l : lines) env.line(l);
    env.table([&] { return *sentences ? exporting::lines_table(lines, "Regra") : exporting::rule_table(rules); });
  };
});

Registrar mine_cmd(330, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "mine",
      "Mineração de um projeto salvo: classificação, freqüência de conceitos, associações; grava "
      "resultados_n4.wiz, resultados.wiz e o relatório (relatorio.rtf, relatorio.txt)");
  auto project = std::make_shared<std::string>();
  sub->add_option("PROJETO", *project, "Arquivo de projeto (título + .ini)")->required();
  MiningOptionFlags tuning(sub);
  add_export_option(sub);
  return [=](Env& env) {
    auto out = mine_project(arg_path(*project), env.regional(), env.progress(), tuning.get(env.regional()));
    for (const auto& note : out.notes) env.message(note);
    env.line_utf8("Freqüência de Conceitos");
    env.line_utf8("Conceito\tFrequencia Absoluta\tFrequencia Relativa(em %)");
    for (const auto& r : out.rows) env.line(r.concept_name + Ansi("\t") + r.absolute + Ansi("\t") + r.relative);
    env.line_utf8("");
    env.line_utf8("Associações entre Conceitos (Total de Regras: " + std::to_string(out.rules.size()) + ")");
    for (const auto& l : out.association_text) env.line(l);
    env.table([&] { return exporting::frequency_table(out.rows); });
  };
});

}  // namespace
}  // namespace lumeral::cli
