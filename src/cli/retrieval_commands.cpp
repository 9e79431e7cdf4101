// Commands "boolean" and "similar": Boolean and similarity retrieval.
#include <chrono>

#include "cli/command.h"
#include "core/base/message.h"
#include "core/retrieval/boolean.h"
#include "core/retrieval/similar.h"

namespace lumeral::cli {
namespace {

Registrar boolean_cmd(70, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "boolean", "Recuperação booleana: documentos cujo texto contém todos os termos (E) ou algum deles (OU)");
  auto docs = std::make_shared<std::string>();
  auto any = std::make_shared<bool>(false);
  auto terms = std::make_shared<std::vector<std::string>>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_flag("--or", *any, "Condição OU (padrão: E)");
  sub->add_option("TERMO", *terms, "Palavras ou frases, uma por argumento");
  add_export_option(sub);
  return [=](Env& env) {
    std::vector<Ansi> query;
    for (const auto& t : *terms) query.push_back(arg_text(t));
    show(env, retrieval::boolean_search(arg_path(*docs), query, *any, env.progress()),
         [](const std::vector<Ansi>& lines) { return exporting::lines_table(lines, "Documento"); });
  };
});

Registrar similar_cmd(71, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "similar", "Recuperação por similaridade: documentos da lista ordenados pela semelhança com um caso");
  auto docs = std::make_shared<std::string>();
  auto case_file = std::make_shared<std::string>();
  auto cases = std::make_shared<std::string>();
  auto report = std::make_shared<std::string>();
  auto method = std::make_shared<std::string>();
  auto no_weights = std::make_shared<bool>(false);
  auto threshold = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos para comparar (.ldc)")->required();
  auto* one = sub->add_option("--case", *case_file, "Um só doc: o texto do caso (.txt)");
  auto* many = sub->add_option("--cases", *cases, "Lista de docs de teste (.ldc)");
  auto* rep = sub->add_option("--report", *report, "Relatório da avaliação (.txt), com --cases");
  one->excludes(many);
  many->needs(rep);
  rep->needs(many);
  sub->add_option("--method", *method, "Método: word (por palavra) ou context (contextual)")
      ->required()
      ->check(one_of({"word", "context"}));
  sub->add_flag("--no-weights", *no_weights, "Não considerar pesos");
  sub->add_option("--threshold", *threshold, "Seleciona por limiar: mantém as linhas com similaridade >= T");
  add_export_option(sub);
  return [=](Env& env) {
    if (case_file->empty() && cases->empty()) throw CLI::RequiredError("--case ou --cases");
    retrieval::SimilarOptions options;
    options.method = *method == "word" ? retrieval::SimilarMethod::Words : retrieval::SimilarMethod::Contextual;
    options.weighted = !*no_weights;
    // The window's dialog only offers existing files: a case that is not
    // there is named as missing, not taken for a case without a word list.
    retrieval::SimilarListing result =
        !case_file->empty()
            ? retrieval::retrieve_one(arg_path(*docs), chosen_file(*case_file), options, env.regional(),
                                      env.progress())
            : retrieval::retrieve_cases(arg_path(*docs), arg_path(*cases), arg_path(*report), options,
                                        env.regional(), std::chrono::system_clock::now(), env.progress());
    if (!result.stop && !threshold->empty()) {
      // An unreadable threshold leaves the list unchanged.
      try {
        result.rows = retrieval::select_by_threshold(result.rows, arg_text(*threshold), env.regional()).rows;
      } catch (const Stop& stop) {
        result.stop = Message{stop.text(), stop.kind()};
      }
    }
    show(env, result.listing(), [&](const std::vector<Ansi>&) { return exporting::similar_table(result.rows); });
  };
});

}  // namespace
}  // namespace lumeral::cli
