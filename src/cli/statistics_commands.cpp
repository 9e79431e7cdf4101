// Commands of the statistics by variable: "crosstab" (concepts by the
// categories of a variable, chi-square per concept), "specificities" (the
// words of each category, G2) and "ca" (correspondence analysis).
#include "cli/ca_options.h"
#include "cli/command.h"
#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/mining/rules.h"
#include "core/statistics/correspondence.h"
#include "core/statistics/crosstab.h"
#include "core/statistics/specificities.h"

namespace lumeral::cli {
namespace {

using namespace lumeral::statistics;

void print_table(Env& env, const exporting::Table& table) {
  for (const Ansi& line : table_lines(table, env.regional())) env.line(line);
}

void tell_warnings(Env& env, const std::vector<std::string>& warnings) {
  for (const auto& w : warnings) env.message(w);
}


Registrar crosstab_cmd(340, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "crosstab",
      "Conceitos por variável: documentos de cada categoria que contêm cada conceito, com a porcentagem da "
      "categoria, e o teste qui-quadrado de cada conceito");
  sub->footer(
      "Um documento contém o conceito quando o seu grau nele passa de 0 (e alcança o --grau-minimo, quando "
      "dado). O teste de cada conceito é o qui-quadrado de independência da tabela 2 x k (documentos que o "
      "contêm / que não o contêm, por categoria), com gl e valor p. O resíduo é o resíduo padronizado ajustado "
      "da categoria: passa de 1,96 (\"Acima do esperado\") ou fica abaixo de -1,96 (\"Abaixo do esperado\") com "
      "5% de chance sob independência. \"Esperado < 5\" nomeia as categorias em que alguma contagem esperada "
      "fica abaixo de 5: ali a aproximação do qui-quadrado é pouco confiável. Um conceito que todos os "
      "documentos contêm, ou nenhum, não tem teste.");
  auto docs = std::make_shared<std::string>();
  auto contexts = std::make_shared<std::string>();
  auto variable = std::make_shared<std::string>();
  auto degree = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc); as matrizes ficam na pasta da lista")->required();
  sub->add_option("--contexts", *contexts, "Lista de contextos (.lct): os conceitos")->required();
  sub->add_option("--variable", *variable, kVariableHelp)->required();
  sub->add_option("--grau-minimo", *degree, kDegreeHelp);
  add_export_option(sub);
  return [=](Env& env) {
    const double g = mining::parse_min_degree(arg_text(*degree), env.regional());
    const Crosstab c = crosstab(arg_path(*docs), arg_path(*contexts), arg_text(*variable), g, env.progress());
    tell_warnings(env, c.grouping.warnings);
    const exporting::Table table = crosstab_table(c, env.regional());
    print_table(env, table);
    env.table([&] { return table; });
  };
});

Registrar specificities_cmd(341, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "specificities",
      "Palavras por variável (especificidades): para cada categoria, as palavras mais freqüentes nos seus "
      "documentos do que no resto, pela razão de verossimilhança G2, com as ocorrências (das listas de palavras "
      "da preparação) e o valor p");
  auto docs = std::make_shared<std::string>();
  auto variable = std::make_shared<std::string>();
  auto top = std::make_shared<std::size_t>(20);
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc); as listas de palavras ficam na pasta da lista")
      ->required();
  sub->add_option("--variable", *variable, kVariableHelp)->required();
  sub->add_option("--top", *top, "Palavras por categoria (padrão: 20)")->check(CLI::PositiveNumber);
  add_export_option(sub);
  return [=](Env& env) {
    const WordsByCategory words = words_by_category(arg_path(*docs), arg_text(*variable), env.progress(), env.memory_budget());
    tell_warnings(env, words.grouping.warnings);
    const exporting::Table table = specificities_table(specificities(words, *top), env.regional());
    print_table(env, table);
    env.table([&] { return table; });
  };
});

Registrar ca_cmd(342, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "ca",
      "Análise de correspondência dos conceitos (documentos que os contêm) ou das palavras mais freqüentes "
      "(ocorrências) pelas categorias de uma variável: inércias principais e, por linha e por categoria, massa, "
      "coordenadas, contribuições e cos2");
  const CaOptionGroup analysis(sub);
  auto out = std::make_shared<std::string>();
  sub->add_option("--out", *out, "Grava as coordenadas como planilha: ARQUIVO.csv ou ARQUIVO.xlsx")
      ->type_name("ARQUIVO")
      ->check(table_file_name());
  return [=](Env& env) {
    const CaRun run = analysis.run(env);
    print_table(env, inertia_table(run.result));
    env.line_utf8("");
    const exporting::Table coordinates = coordinates_table(run);
    print_table(env, coordinates);
    if (!out->empty()) {
      exporting::TableFile file(arg_path(*out), coordinates, env.regional(), env.memory_budget(), env.progress());
      file.commit();
    }
  };
});

}  // namespace
}  // namespace lumeral::cli
