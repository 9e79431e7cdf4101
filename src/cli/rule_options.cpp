#include "cli/rule_options.h"

#include "core/mining/rule_filters.h"

namespace lumeral::cli {

MiningOptionFlags::MiningOptionFlags(CLI::App* sub)
    : min_degree_(std::make_shared<std::string>()), both_(std::make_shared<bool>(false)) {
  sub->add_option("--grau-minimo", *min_degree_,
                  "Grau mínimo para um documento contar em um conceito, nas freqüências e nas regras (padrão 0: "
                  "qualquer grau acima de 0)");
  sub->add_flag("--duas-direcoes", *both_,
                "Mostra as duas direções de cada regra: B => A com a sua confiança, além de A => B");
}

mining::MiningOptions MiningOptionFlags::get(const Regional& regional) const {
  mining::MiningOptions o;
  o.min_degree = mining::parse_min_degree(arg_text(*min_degree_), regional);
  o.both_directions = *both_;
  return o;
}

RuleOptions::RuleOptions(CLI::App* sub)
    : contexts_(std::make_shared<std::string>()),
      docs_(std::make_shared<std::string>()),
      pairs_(std::make_shared<std::string>()),
      threshold_(std::make_shared<std::string>()),
      by_(std::make_shared<std::string>("confidence")),
      order_(std::make_shared<std::string>()),
      mining_(sub) {
  sub->add_option("--contexts", *contexts_, "Lista de contextos (.lct)")->required();
  sub->add_option("--docs", *docs_, "Lista de documentos (.ldc); as matrizes ficam na pasta da lista")->required();
  sub->add_option("--pairs", *pairs_, "Arquivo de associações (.ass), por exemplo temp.ass")->required();
  sub->add_option("--threshold", *threshold_, "Limiar para mostrar (\"Seleciona por limiar\")");
  sub->add_option("--by", *by_, "Tipo do limiar: confidence (confiança, em %) ou support (número de documentos)")
      ->check(one_of({"confidence", "support"}));
  sub->add_option("--order", *order_, "Ordenação: confidence (decrescente por confiança) ou alphabetical")
      ->check(one_of({"confidence", "alphabetical"}));
}

mining::RulesInput RuleOptions::input() const {
  mining::RulesInput in;
  in.context_list = arg_path(*contexts_);
  in.document_list = arg_path(*docs_);
  in.pair_store = arg_path(*pairs_);
  return in;
}

std::vector<mining::Rule> RuleOptions::rules(Env& env) const {
  mining::RulesInput in = input();
  const mining::MiningOptions tuning = mining_.get(env.regional());
  in.min_degree = tuning.min_degree;
  in.both_directions = tuning.both_directions;
  auto rules = mining::calculate_rule_rows(in, env.regional(), env.progress());
  if (!threshold_->empty())
    rules = mining::select_rules(
        rules, arg_text(*threshold_),
        *by_ == "support" ? mining::ThresholdKind::Support : mining::ThresholdKind::Confidence, env.regional());
  if (*order_ == "confidence") mining::sort_rules_by_confidence(rules, env.regional());
  if (*order_ == "alphabetical") mining::sort_rules_alphabetically(rules, env.regional());
  return rules;
}

}  // namespace lumeral::cli
