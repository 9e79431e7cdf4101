// Command "kwic": the concordance of some words in the documents of a list.
#include <cstdint>
#include <limits>

#include "cli/command.h"
#include "cli/option_groups.h"
#include "core/base/message.h"
#include "core/export/concordance_table.h"
#include "core/retrieval/concordance.h"

namespace lumeral::cli {
namespace {

retrieval::ConcordanceSort sort_of(const std::string& s) {
  using retrieval::ConcordanceSort;
  if (s == "keyword") return ConcordanceSort::Keyword;
  if (s == "left1") return ConcordanceSort::Left1;
  if (s == "left2") return ConcordanceSort::Left2;
  if (s == "right1") return ConcordanceSort::Right1;
  if (s == "right2") return ConcordanceSort::Right2;
  return ConcordanceSort::Document;
}

Registrar kwic_cmd(78, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "kwic", "Concordância: cada ocorrência das palavras nos documentos da lista, com o texto dos dois lados");
  auto docs = std::make_shared<std::string>();
  auto words = std::make_shared<std::vector<std::string>>();
  auto width = std::make_shared<std::size_t>(40);
  auto sort = std::make_shared<std::string>();
  auto limit = std::make_shared<std::size_t>(0);
  auto reading = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_option("--word", *words, "Palavra procurada (repita a opção para várias)")->required();
  sub->add_option("--width", *width, "Caracteres de contexto de cada lado (padrão 40)")
      ->check(whole_between(1, 1000));
  sub->add_option("--sort", *sort,
                  "Ordena pela palavra (keyword) ou pela 1ª ou 2ª palavra à esquerda (left1, left2) ou à direita "
                  "(right1, right2); padrão: ordem dos documentos")
      ->check(one_of({"keyword", "left1", "left2", "right1", "right2"}));
  auto* limit_opt = sub->add_option("--limit", *limit, "Mostra no máximo K linhas (o total é sempre contado)")
                        ->check(whole_between(1, std::numeric_limits<std::uint32_t>::max()));
  LanguageOption stem(sub, "--stem", "Compara os radicais das palavras deste idioma: pt, en ou es");
  sub->add_option("--leitura", *reading,
                  "Como os textos são lidos: classica ou completa (padrão: a leitura com que a pasta dos "
                  "documentos foi preparada)")
      ->check(one_of({"classica", "completa"}));
  add_export_option(sub);
  return [=](Env& env) {
    retrieval::ConcordanceOptions options;
    for (const auto& w : *words) options.words.push_back(arg_text(w));
    options.width = *width;
    options.sort = sort_of(*sort);
    if (limit_opt->count() > 0) options.limit = *limit;
    options.stem = stem.get();
    if (!reading->empty()) options.reading = reading_of_key(*reading);
    options.memory_budget = env.memory_budget();
    const auto list = arg_path(*docs);
    const std::size_t name_width = retrieval::concordance_name_width(list);
    auto print = [&](const retrieval::ConcordanceRow& r) {
      env.line(retrieval::concordance_line(r, name_width, options.width));
    };
    retrieval::ConcordanceTotal total;
    if (options.sort == retrieval::ConcordanceSort::Document && !env.wants_table()) {
      total = retrieval::scan_concordance(list, options, env.progress(), print);
    } else {
      retrieval::ConcordanceView view(list, options, env.regional(), env.progress());
      env.table_shape(static_cast<std::size_t>(view.total().shown), 5);
      if (env.wants_table())
        env.table([&] { return exporting::concordance_source(view, print); });
      else
        view.rows(print);
      total = view.total();
    }
    env.line(retrieval::concordance_total_line(total));
    if (total.stop) throw Stop(total.stop->text, total.stop->kind);
  };
});

}  // namespace
}  // namespace lumeral::cli
