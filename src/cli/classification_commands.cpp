// Commands of the classification windows: "classify", "doc-contexts",
// "context-docs" (the classification matrix).
#include "cli/command.h"
#include "core/base/message.h"
#include "core/classification/matrix.h"
#include "core/classification/results.h"

namespace lumeral::cli {
namespace {

using namespace lumeral::classification;

// The threshold option: the window's initial "Limiar:" when not given.
Ansi threshold_text(const std::string& given, Env& env) {
  return given.empty() ? initial_threshold(env.regional()) : arg_text(given);
}

Registrar classify_cmd(42, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "classify", "Classificação de documentos: grava a matriz (.mtz) de cada documento da lista");
  auto docs = std::make_shared<std::string>();
  auto contexts = std::make_shared<std::string>();
  auto method = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_option("--contexts", *contexts, "Lista de contextos (.lct)")->required();
  sub->add_option("--method", *method, "Método: deterministic (\"por frase\") ou probabilistic (\"todo texto\")")
      ->required()
      ->check(CLI::IsMember({"deterministic", "probabilistic"}));
  return [=](Env& env) {
    ClassifyRun run;
    run.doc_list = arg_path(*docs);
    run.context_list = arg_path(*contexts);
    run.method = *method == "deterministic" ? Method::Deterministic : Method::Probabilistic;
    classify(run, env.progress());
  };
});

Registrar doc_contexts_cmd(43, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand("doc-contexts", "Mostra contextos de um doc (matriz procurada na pasta atual)");
  auto name = std::make_shared<std::string>();
  auto threshold = std::make_shared<std::string>();
  sub->add_option("NAME", *name, "Nome do documento (com ou sem \".txt\")")->required();
  sub->add_option("--threshold", *threshold, "Limiar (padrão: 0,00001)");
  return [=](Env& env) {
    for (const auto& line : doc_contexts(std::filesystem::path(), arg_text(*name), threshold_text(*threshold, env), env.regional()))
      env.line(line);
  };
});

Registrar context_docs_cmd(44, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand("context-docs", "Mostra documentos de um contexto");
  auto name = std::make_shared<std::string>();
  auto docs = std::make_shared<std::string>();
  auto threshold = std::make_shared<std::string>();
  sub->add_option("NAME", *name, "Nome do contexto")->required();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_option("--threshold", *threshold, "Limiar (padrão: 0,00001)");
  return [=](Env& env) {
    for (const auto& line : context_docs(arg_path(*docs), arg_text(*name), threshold_text(*threshold, env),
                                         env.regional()))
      env.line(line);
  };
});

}  // namespace
}  // namespace lumeral::cli
