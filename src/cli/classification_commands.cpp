// Commands of the classification windows: "classify", "doc-contexts",
// "context-docs" (the classification matrix), "classify-highest",
// "classify-concepts" and "contextual-query".
#include "cli/command.h"
#include "cli/option_groups.h"
#include "core/base/message.h"
#include "core/base/reading.h"
#include "core/classification/concepts.h"
#include "core/classification/contextual_query.h"
#include "core/classification/highest.h"
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
      ->check(one_of({"deterministic", "probabilistic"}));
  auto shard = add_shard_option(sub);
  LanguageOption stem(sub, "--stem",
                      "As listas de palavras guardam radicais deste idioma (pt, en ou es): regras e contextos são "
                      "comparados pelos radicais de suas palavras");
  auto reading = std::make_shared<std::string>();
  sub->add_option("--leitura", *reading,
                  "Como documentos e contextos são lidos: classica ou completa (padrão: a leitura com que a pasta "
                  "dos documentos foi preparada; classica quando ela não diz)")
      ->check(one_of({"classica", "completa"}));
  return [=](Env& env) {
    ClassifyRun run;
    if (!reading->empty()) run.reading = reading_of_key(*reading);
    run.shard = shard();
    run.doc_list = arg_path(*docs);
    run.context_list = arg_path(*contexts);
    run.method = *method == "deterministic" ? Method::Deterministic : Method::Probabilistic;
    if (auto language = stem.get()) run.stem = *language;
    classify(run, env.progress());
  };
});

Registrar doc_contexts_cmd(43, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand("doc-contexts", "Mostra contextos de um doc (matriz procurada na pasta atual)");
  auto name = std::make_shared<std::string>();
  auto threshold = std::make_shared<std::string>();
  sub->add_option("NOME", *name, "Nome do documento (com ou sem \".txt\")")->required();
  sub->add_option("--threshold", *threshold, "Limiar (padrão: 0,00001)");
  add_export_option(sub);
  return [=](Env& env) {
    const auto rows =
        doc_contexts(std::filesystem::path(), arg_text(*name), threshold_text(*threshold, env), env.regional());
    for (const auto& row : rows) env.line(records::weighted_row_line(row));
    env.table([&] { return exporting::weighted_rows_table(rows, "Contexto", "Peso"); });
  };
});

Registrar context_docs_cmd(44, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand("context-docs", "Mostra documentos de um contexto");
  auto name = std::make_shared<std::string>();
  auto docs = std::make_shared<std::string>();
  auto threshold = std::make_shared<std::string>();
  sub->add_option("NOME", *name, "Nome do contexto")->required();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_option("--threshold", *threshold, "Limiar (padrão: 0,00001)");
  add_export_option(sub);
  return [=](Env& env) {
    const RowListing result =
        context_docs(arg_path(*docs), arg_text(*name), threshold_text(*threshold, env), env.regional());
    show(env, result.listing(),
         [&](const std::vector<Ansi>&) { return exporting::weighted_rows_table(result.rows, "Documento", "Peso"); });
  };
});

Registrar highest_cmd(45, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand("classify-highest", "Classificação por maior peso (e \"Seleciona por categoria\")");
  auto docs = std::make_shared<std::string>();
  auto category = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_option("--category", *category, "Mostra só as linhas desta categoria");
  add_export_option(sub);
  return [=](Env& env) {
    HighestListing result = classify_highest(arg_path(*docs), env.regional());
    if (!sub->get_option("--category")->empty() && !result.stop)
      result.rows = select_category(result.rows, arg_text(*category));
    show(env, result.listing(), [&](const std::vector<Ansi>&) { return exporting::highest_table(result.rows); });
  };
});

Registrar concepts_cmd(46, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand("classify-concepts", "Classificação por conceitos");
  auto docs = std::make_shared<std::string>();
  auto weights = std::make_shared<std::vector<std::string>>();
  auto negatives = std::make_shared<std::vector<std::string>>();
  auto pairs = std::make_shared<std::vector<std::string>>();
  auto save = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  auto* w = sub->add_option("--weight", *weights, "Conceitos simples: \"contexto|peso\" (repetível)");
  auto* n = sub->add_option("--not", *negatives, "Contexto negativo (repetível; só com --weight)");
  auto* p = sub->add_option("--pair", *pairs, "Pares de conceitos: \"contexto|contexto\" (repetível)");
  sub->add_option("--save-matrix", *save, "Salva lista como matriz (mtz) com este nome de contexto");
  w->excludes(p);
  n->excludes(p);
  add_export_option(sub);
  return [=](Env& env) {
    ConceptQuery query;
    query.doc_list = arg_path(*docs);
    query.method = pairs->empty() ? ConceptMethod::Simple : ConceptMethod::Pairs;
    for (const auto& l : pairs->empty() ? *weights : *pairs) query.positive.push_back(arg_text(l));
    for (const auto& l : *negatives) query.negative.push_back(arg_text(l));
    ConceptResult result = classify_concepts(query, env.regional(), env.progress());
    if (!sub->get_option("--save-matrix")->empty() && !result.stop)
      save_concept_matrix(query.doc_list.parent_path(), query.doc_list, result.rows, arg_text(*save), env.regional(),
                          env.progress());
    show(env, result.listing(), [&](const std::vector<Ansi>&) { return exporting::concept_table(result.rows, "Peso"); });
  };
});

Registrar query_cmd(47, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand("contextual-query",
                                 "Recuperação contextual: \"Realiza a consulta\" e \"Mostra resultados\"");
  auto docs = std::make_shared<std::string>();
  auto contexts = std::make_shared<std::string>();
  auto query = std::make_shared<std::string>();
  auto threshold = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc); recebe as pontuações")->required();
  sub->add_option("--contexts", *contexts, "Lista de contextos (.lct); recebe as relevâncias")->required();
  sub->add_option("--query", *query, "Consulta gravada (.cst)")->required();
  sub->add_option("--threshold", *threshold, "Limiar (padrão: 0)");
  add_export_option(sub);
  return [=](Env& env) {
    run_query(arg_path(*docs), arg_path(*contexts), arg_path(*query), env.progress());
    const auto rows = query_results(arg_path(*docs), arg_text(*threshold), env.regional());
    for (const auto& row : rows) env.line(records::weighted_row_line(row));
    env.table([&] { return exporting::weighted_rows_table(rows, "Documento", "Pontuação"); });
  };
});

}  // namespace
}  // namespace lumeral::cli
