// Command "compare": the comparison wizard's road on a saved project.
//
// Output, one block per result set in the order of the wizard's choice box
// (the shared words first, then each document with words of its own):
//
//   [palavras que aparecem em mais de 1 texto]
//   governo 0,0123
//   ...
//   <empty line>
//   [ver palavras exclusivas de noticia1]
//   ...
//
// A heading line holds the set's caption in brackets (words never hold
// brackets); each row is written as "Grava Resultados em texto" writes it.
#include "cli/command.h"
#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/comparison/compare_road.h"

namespace lumeral::cli {
namespace {

using namespace lumeral::comparison;

Registrar compare_cmd(303, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "compare",
      "Comparação entre textos de um projeto salvo: prepara os textos quando falta a lista de documentos, "
      "calcula o centróide \"Basta aparecer em 2 docs\" por peso (centroide-2_TÍTULO.lpl) e as diferenças "
      "(.dif); mostra as palavras que aparecem em mais de 1 texto e, para cada documento, as suas palavras "
      "exclusivas, cada conjunto sob uma linha [título do conjunto]");
  auto project = std::make_shared<std::string>();
  sub->add_option("PROJECT", *project, "Arquivo de projeto (título + .ini)")->required();
  add_export_option(sub);
  return [=](Env& env) {
    const CompareOutcome out = compare_project(arg_path(*project), fs::current_path(), env.regional(), env.progress(),
                                                     env.memory_budget());
    for (const auto& note : out.notes) env.message(note);
    if (out.comparison.sets.empty()) {
      env.message(kNoResults);
      return;
    }
    bool first = true;
    std::vector<exporting::NamedRows> shown;
    for (const ResultSet& set : out.comparison.sets) {
      if (!first) env.line_utf8("");
      first = false;
      env.line(Ansi("[") + set.caption + Ansi("]"));
      auto rows = result_rows(set.file, env.regional());
      if (!rows) throw Stop("Arquivo não encontrado: \"" + display_path(set.file) + "\".");
      for (const Ansi& l : result_text_lines(*rows)) env.line(l);
      if (env.wants_table()) shown.push_back({set.caption, std::move(*rows)});
    }
    env.table([&] { return exporting::comparison_sets_table(shown); });
  };
});

}  // namespace
}  // namespace lumeral::cli
