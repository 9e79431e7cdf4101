// Commands "centroid", "differences", "percentages" and "compare-rules":
// the centroid window, the percentage window and the rule comparison.
#include <iostream>

#include "cli/command.h"
#include "cli/option_groups.h"
#include "core/base/files.h"
#include "core/comparison/centroid.h"
#include "core/comparison/percentages.h"
#include "core/comparison/rule_comparison.h"
#include "core/records/document_list.h"

namespace lumeral::cli {
namespace {

using namespace lumeral::comparison;

Registrar centroid_cmd(300, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand("centroid", "Calcula o centróide de uma lista de documentos (\"Novo\")");
  auto docs = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  CentroidOptionGroup centroid(sub);
  add_export_option(sub);
  return [=](Env& env) {
    fs::path list = arg_path(*docs);
    auto result =
        compute_centroid(records::read_document_names(list), records::folder_of(list), centroid.get(), env.regional(),
                         env.progress());
    for (const auto& l : row_lines(result.rows)) env.line(l);
    env.table([&] { return exporting::comparison_rows_table(result.rows, "Termo", "Peso"); });
  };
});

Registrar differences_cmd(301, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "differences", "Calcula as diferenças (doc - centróide) de todos os documentos (\"Calcula diferenças para todos\")");
  auto docs = std::make_shared<std::string>();
  auto centroid = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_option("--centroid", *centroid, "Centróide (.lpl)")->required();
  CentroidMethodOption method(sub, "Método: word (grava .dif) ou context (grava .dfc)");
  auto shard = add_shard_option(sub);
  return [=](Env& env) {
    fs::path list = arg_path(*docs);
    auto documents = records::read_document_names(list);
    const Shard part = shard();
    if (!part.whole()) {
      // A shard past the end of a short list has nothing to do; an empty
      // list is refused as in a whole run.
      if (!documents.empty() && documents.size() <= part.index) {
        env.message("Terminou de calcular as diferenças");
        return;
      }
      documents = part.select(std::move(documents));
    }
    compute_differences(documents, records::folder_of(list), arg_path(*centroid), method.get(), env.progress());
    env.message("Terminou de calcular as diferenças");
  };
});

Registrar percentages_cmd(302, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand("percentages", "Calcula as porcentagens no centróide contextual (\"Calcula porcentagens\")");
  auto docs = std::make_shared<std::string>();
  auto centroid = std::make_shared<std::string>();
  auto order = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_option("--centroid", *centroid, "Centróide (.lpl)")->required();
  sub->add_option("--order", *order, "Ordenação do resultado: weight (\"Ordenação por peso\")")
      ->check(one_of({"weight"}));
  add_export_option(sub);
  return [=](Env& env) {
    auto result = compute_percentages(arg_path(*docs), arg_path(*centroid), env.regional());
    if (*order == "weight") sort_percentages(result.rows, env.regional());
    for (const auto& l : percentage_lines(result.rows)) env.line(l);
    env.table([&] { return exporting::percentage_table(result.rows); });
  };
});

Registrar compare_rules_cmd(305, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "compare-rules", "Compara regras de várias coleções: mostra as regras comuns e depois as exclusivas");
  auto files = std::make_shared<std::vector<std::string>>();
  sub->add_option("ARQUIVO", *files, "Arquivos texto de regras (dois ou mais)")->required();
  add_export_option(sub);
  return [=](Env& env) {
    std::vector<fs::path> paths;
    for (const auto& f : *files) paths.push_back(arg_path(f));
    auto result = compare_rules(paths);
    for (const auto& l : result.common) env.line(l);
    for (const auto& l : result.exclusive) env.line(l);
    env.table([&] { return exporting::rule_comparison_table(result.common, result.exclusive); });
  };
});

}  // namespace
}  // namespace lumeral::cli
