// Commands of the context manager: "context-report" and "context-weights".
#include "cli/command.h"
#include "core/base/message.h"
#include "core/contexts/contexts.h"

namespace lumeral::cli {
namespace {

Registrar report_cmd(40, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "context-report", "Grava definições como texto: todas as definições dos contextos de uma lista");
  auto list = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  sub->add_option("LISTA", *list, "Lista de contextos (.lct)")->required();
  sub->add_option("SAÍDA", *out, "Arquivo texto a gravar")->required();
  return [=](Env& env) {
    auto done = contexts::write_definitions_report(arg_path(*list), arg_path(*out), env.regional());
    env.message(done.text);
  };
});

Registrar weights_cmd(41, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "context-weights", "Troca pesos 0 => 1 / Troca pesos por 1 em todos os contextos de uma lista");
  auto list = std::make_shared<std::string>();
  auto zero = std::make_shared<bool>(false);
  auto all = std::make_shared<bool>(false);
  sub->add_option("LISTA", *list, "Lista de contextos (.lct)")->required();
  auto* z = sub->add_flag("--zero-to-one", *zero, "Troca pesos 0 => 1: só os pesos iguais a 0 passam a 1");
  auto* a = sub->add_flag("--all-to-one", *all, "Troca pesos por 1: todos os pesos passam a 1");
  z->excludes(a);
  return [=](Env& env) {
    if (!*zero && !*all) throw CLI::ValidationError("Indique --zero-to-one ou --all-to-one.");
    auto done = contexts::replace_weights(arg_path(*list),
                                          *all ? contexts::WeightChange::AllToOne : contexts::WeightChange::ZeroToOne);
    env.message(done.text);
  };
});

}  // namespace
}  // namespace lumeral::cli
