// Commands "similarity-matrix", "cluster", "evaluate" and
// "precision-recall": clustering and evaluation.
#include <cstdint>
#include <limits>

#include "cli/command.h"
#include "cli/option_groups.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/clustering/clusters.h"
#include "core/clustering/evaluation.h"
#include "core/clustering/hierarchical.h"
#include "core/clustering/matrix.h"
#include "core/records/document_list.h"

namespace lumeral::cli {
namespace {

Registrar matrix_cmd(74, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand("similarity-matrix", "Cria a matriz de similaridades dos documentos de uma lista");
  auto docs = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  auto show = std::make_shared<bool>(false);
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  MatrixOptionGroup matrix(sub);
  sub->add_option("--out", *out, "Salva a matriz (.msm)");
  sub->add_flag("--show", *show, "Mostra a matriz como texto");
  add_export_option(sub);
  return [=](Env& env) {
    const auto list = arg_path(*docs);
    auto entries = records::read_document_names(list);
    // A sheet too small for the matrix is refused before the matrix is made.
    env.table_shape(entries.size(), entries.size() + 1);
    // Written straight to --out; without it, to a scratch file removed at the end.
    clustering::MatrixOptions options = MatrixOptionGroup::options(env);
    if (!out->empty()) options.file = arg_path(*out);
    auto m = clustering::create_matrix(list.parent_path(), entries, matrix.method(), env.progress(), options);
    if (*show) clustering::for_each_matrix_line(entries, m, env.regional(), [&](const Ansi& l) { env.line(l); });
    env.table([&] { return exporting::matrix_source(entries, m); });
  };
});

Registrar cluster_cmd(75, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "cluster", "Agrupa documentos por limiar de similaridade; mostra cada cluster e seus documentos");
  auto docs = std::make_shared<std::string>();
  auto matrix = std::make_shared<std::string>();
  auto threshold = std::make_shared<std::string>();
  auto linkage = std::make_shared<std::string>();
  auto k = std::make_shared<std::size_t>(0);
  auto height = std::make_shared<std::string>();
  auto dendrogram = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  MatrixOptionGroup method(sub);
  sub->add_option("--matrix", *matrix, "Usa a matriz gravada (.msm) em vez de criá-la");
  auto* limiar = sub->add_option("--threshold", *threshold, "Limiar (padrão 0)");
  auto* hier = sub->add_option("--hierarchical", *linkage,
                               "Agrupamento hierárquico sobre a distância 1 - similaridade, com a ligação dada")
                   ->check(one_of({"average", "complete", "single", "ward"}));
  auto* by_k = sub->add_option("--k", *k, "Hierárquico: corta a árvore em K clusters")
                   ->check(whole_between(1, std::numeric_limits<std::uint32_t>::max()));
  auto* by_height = sub->add_option("--height", *height, "Hierárquico: corta a árvore na altura H (distância)");
  auto* dnd = sub->add_option("--dendrogram", *dendrogram,
                              "Hierárquico: grava as junções neste arquivo (padrão: a lista com extensão .dnd)");
  limiar->excludes(hier);
  by_k->needs(hier);
  by_height->needs(hier);
  dnd->needs(hier);
  by_k->excludes(by_height);
  add_export_option(sub);
  return [=](Env& env) {
    if (!linkage->empty() && by_k->count() == 0 && by_height->count() == 0)
      throw CLI::RequiredError("--k ou --height");
    const auto list = arg_path(*docs);
    auto entries = records::read_document_names(list);
    // Read before the work, so a height that is not a number or a tree
    // larger than the budget stops at once.
    const double h = by_height->count() ? env.regional().parse(arg_text(*height)) : 0.0;
    if (!linkage->empty()) {
      if (entries.empty()) throw Stop("Você deve selecionar antes uma lista de docs");
      if (by_k->count()) clustering::check_cluster_count(*k, entries.size());
      clustering::check_hierarchical_memory(entries.size(), env.memory_budget());
    }
    auto m = matrix->empty() ? clustering::create_matrix(list.parent_path(), entries, method.method(),
                                                         env.progress(), MatrixOptionGroup::options(env))
                             : clustering::open_matrix(arg_path(*matrix), entries);
    clustering::Clusters clusters;
    if (linkage->empty()) {
      clusters = clustering::form_clusters(entries, m, true, arg_text(*threshold), env.regional(), env.progress());
    } else {
      const auto tree = clustering::hierarchical(m, entries.size(), *clustering::linkage_of_key(*linkage),
                                                 env.memory_budget(), env.progress());
      const std::filesystem::path dnd_file =
          dendrogram->empty() ? std::filesystem::path(list).replace_extension(".dnd") : arg_path(*dendrogram);
      clustering::save_dendrogram(dnd_file, tree);
      clusters = clustering::clusters_of(
          entries, by_k->count() ? clustering::cut_into(tree, *k) : clustering::cut_at(tree, h));
    }
    auto names = clustering::cluster_lines(clusters);
    for (std::size_t c = 0; c < names.size(); ++c) {
      env.line(names[c]);
      for (const auto& member : clustering::cluster_members(clusters, c, entries.size()))
        env.line(Ansi("  ") + member);
    }
    env.table([&] { return exporting::cluster_table(clusters); });
  };
});

Registrar evaluate_cmd(76, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand("evaluate", "Avaliação de similaridade de duas listas de palavras ou de documentos");
  auto a = std::make_shared<std::string>();
  auto b = std::make_shared<std::string>();
  auto documents = std::make_shared<bool>(false);
  sub->add_option("A", *a, "Primeiro elemento (.lpl, .mtz ou, com --documents, .ldc)")->required();
  sub->add_option("B", *b, "Segundo elemento")->required();
  sub->add_flag("--documents", *documents, "Avalia lista de docs X lista de docs");
  return [=](Env& env) {
    auto e = clustering::evaluate(arg_path(*a), arg_path(*b),
                                  *documents ? clustering::EvaluationMode::DocumentLists
                                             : clustering::EvaluationMode::WordLists,
                                  env.progress());
    for (const auto& l : clustering::evaluation_lines(e, env.regional())) env.line(l);
    if (e.stop) throw Stop(*e.stop);
  };
});

Registrar precision_cmd(77, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand("precision-recall", "Calcula precision e recall de uma lista de resultados");
  auto ideal = std::make_shared<std::string>();
  auto result = std::make_shared<std::string>();
  sub->add_option("IDEAL", *ideal, "Lista ideal (.ldc)")->required();
  sub->add_option("RESULTADO", *result, "Lista de resultados (.ldc)")->required();
  return [=](Env& env) {
    auto p = clustering::precision_recall(arg_path(*ideal), arg_path(*result));
    for (const auto& l : clustering::precision_recall_lines(p, env.regional())) env.line(l);
    if (p.stop) throw Stop(*p.stop);
  };
});

}  // namespace
}  // namespace lumeral::cli
