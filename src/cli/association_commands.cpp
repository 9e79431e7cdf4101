// Command "associate": the term association window.
#include "cli/command.h"
#include "core/association/association_lines.h"
#include "core/association/term_association.h"
#include "core/base/files.h"
#include "core/preparation/stopword_lists.h"

namespace lumeral::cli {
namespace {

using namespace lumeral::association;

Registrar associate_cmd(310, [](CLI::App& app) -> Handler {
  auto* sub = app.add_subcommand(
      "associate", "Associação de características: calcula as associações (\"Calcular associações\") e grava temp.ass");
  auto docs = std::make_shared<std::string>();
  auto method = std::make_shared<std::string>("document");
  auto stopwords = std::make_shared<std::string>();
  auto threshold = std::make_shared<std::string>();
  auto order = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_option("--method", *method,
                  "Método: document (\"Por presença no mesmo doc\"), sentence (\"Por presença na mesma frase\"), "
                  "context (\"Por contextos\"), frequency (\"Por freqüência no mesmo doc\")")
      ->check(one_of({"document", "sentence", "context", "frequency"}));
  sub->add_option("--stopwords", *stopwords,
                  "Lista de stopwords (.stw) do método por frase (padrão: a lista padrão do português)");
  sub->add_option("--threshold", *threshold, "Limiar: mostra só as associações de peso maior ou igual");
  sub->add_option("--order", *order, "weight: ordena por peso (\"Ordenar por peso\")")
      ->check(one_of({"weight"}));
  add_export_option(sub);
  return [=](Env& env) {
    AssociationInput in;
    in.document_list = arg_path(*docs);
    in.memory_budget = env.memory_budget();
    in.method = *method == "sentence"    ? AssociationMethod::Sentence
                : *method == "context"   ? AssociationMethod::Contexts
                : *method == "frequency" ? AssociationMethod::DocumentFrequency
                                         : AssociationMethod::DocumentPresence;
    if (!stopwords->empty()) {
      in.stopwords = arg_path(*stopwords);
    } else if (in.method == AssociationMethod::Sentence) {
      fs::path standard = preparation::find_standard_list(Language::Portuguese, fs::current_path());
      std::error_code ec;
      if (fs::is_regular_file(standard, ec)) in.stopwords = standard;
    }
    auto result = calculate_associations(in, env.regional(), env.progress());
    if (threshold->empty() && order->empty()) {
      // Streamed: a large listing is never held as texts.
      for (std::size_t i = 0; i < result.listing.size(); ++i) env.line(result.listing.line(i));
      env.table([&] {
        return exporting::association_source(result.listing.size(), [&](std::size_t i) { return result.listing.row(i); });
      });
      return;
    }
    std::vector<AssociationRow> rows = result.rows();
    if (!threshold->empty()) rows = filter_by_threshold(rows, arg_text(*threshold), env.regional());
    if (*order == "weight") sort_associations(rows, env.regional());
    for (const auto& r : rows) env.line(association_line(r));
    env.table([&] { return exporting::association_table(rows); });
  };
});

}  // namespace
}  // namespace lumeral::cli
