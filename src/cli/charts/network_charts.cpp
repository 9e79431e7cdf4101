// `chart associations` (the concept network of the mining panel) and
// `chart cooccurrence` (the network of the strongest pairs of the term
// association): the same pictures the two network windows draw, written
// offscreen as SVG, PNG or PDF, and the same networks as GraphML or GEXF
// files for other network tools (--graph; alone, no picture is drawn).
#include <QString>

#include "charts/network_view.h"
#include "charts/picture_export.h"
#include "cli/charts/chart_command.h"
#include "cli/rule_options.h"
#include "core/association/association_files.h"
#include "core/association/association_lines.h"
#include "core/association/strongest_pairs.h"
#include "core/association/term_association.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"
#include "core/charts/concept_documents.h"
#include "core/charts/network.h"
#include "core/charts/network_files.h"
#include "core/preparation/stopword_lists.h"

namespace lumeral::cli {
namespace {

using namespace lumeral::charts;

QString out_path(const std::string& out) {
  QString path = QString::fromStdString(out);
  PictureFormat format;
  if (!picture_format(path, format))
    throw Stop("O arquivo de saída deve terminar em .svg, .png ou .pdf: " + out);
  return path;
}

// "--out FILE" (the picture) and "--graph FILE" (the network file): at
// least one. A --graph name with another extension is a usage error.
struct Outputs {
  std::string picture;
  std::string graph;

  void add_to(CLI::App* sub) {
    sub->add_option("--out", picture, "Arquivo da figura: .svg, .png ou .pdf");
    sub->add_option("--graph", graph, "Também (ou só) grava a rede para outros programas: .graphml ou .gexf")
        ->type_name("ARQUIVO")
        ->check(CLI::Validator(
            [](std::string& name) -> std::string {
              if (network_file_format(arg_path(name))) return {};
              return printable(name) + " não termina em .graphml nem em .gexf";
            },
            ""));
  }
  // Checked before any work: the picture's extension, and that one of the two was given.
  void check() const {
    if (picture.empty() && graph.empty()) throw CLI::RequiredError("--out ou --graph");
    if (!picture.empty()) out_path(picture);
  }
  void write(const Network& network, const NetworkLegend& legend) const;
};

void draw(const Network& network, const NetworkLegend& legend, const QString& path) {
  ensure_drawing_application();
  NetworkScene scene;
  scene.show_network(network, legend);
  const QString failure = save_scene(path, scene, legend.title);
  if (!failure.isEmpty()) throw Stop(failure.toStdString());
}

void Outputs::write(const Network& network, const NetworkLegend& legend) const {
  if (!graph.empty()) write_network_file(arg_path(graph), network);
  if (!picture.empty()) draw(network, legend, out_path(picture));
}

ChartRegistrar associations_chart(20, [](CLI::App& chart) -> Handler {
  auto* sub = chart.add_subcommand(
      "associations", "Rede de associações entre conceitos: as regras com confiança e suporte (como o comando rules)");
  RuleOptions options(sub);
  auto outputs = std::make_shared<Outputs>();
  outputs->add_to(sub);
  return [=](Env& env) {
    outputs->check();
    const auto rules = options.rules(env);
    const ConceptDocuments documents = ConceptDocuments::read(options.input().document_list, std::nullopt, env.progress());
    const Network network = concept_network(mining::rule_parts(rules), documents, env.regional());
    outputs->write(network, concept_network_legend());
    env.line_utf8(std::to_string(network.nodes.size()) + " conceitos, " + std::to_string(network.edges.size()) +
                  " regras");
  };
});

ChartRegistrar cooccurrence_chart(30, [](CLI::App& chart) -> Handler {
  auto* sub = chart.add_subcommand(
      "cooccurrence", "Rede de co-ocorrência dos pares mais fortes da associação de termos (como o comando associate)");
  auto docs = std::make_shared<std::string>();
  auto pairs = std::make_shared<std::string>();
  auto method = std::make_shared<std::string>("document");
  auto stopwords = std::make_shared<std::string>();
  auto threshold = std::make_shared<std::string>();
  auto top = std::make_shared<std::size_t>(kDefaultStrongestPairs);
  auto outputs = std::make_shared<Outputs>();
  auto* docs_opt = sub->add_option("--docs", *docs, "Lista de documentos (.ldc): calcula as associações");
  auto* pairs_opt =
      sub->add_option("--pairs", *pairs, "Arquivo de associações gravado (.ass), em vez de calcular (\"Abrir resultado gravado\")");
  docs_opt->excludes(pairs_opt);
  sub->add_option("--method", *method,
                  "Método: document (\"Por presença no mesmo doc\"), sentence (\"Por presença na mesma frase\"), "
                  "context (\"Por contextos\")")
      ->check(one_of({"document", "sentence", "context"}));
  sub->add_option("--stopwords", *stopwords,
                  "Lista de stopwords (.stw) do método por frase (padrão: a lista padrão do português)");
  sub->add_option("--threshold", *threshold, "Limiar: só os pares de peso maior ou igual");
  sub->add_option("--top", *top, "Número de pares mais fortes desenhados (padrão: 60)")->check(CLI::Range(1, 100000));
  outputs->add_to(sub);
  return [=](Env& env) {
    outputs->check();
    Network network;
    if (!pairs->empty()) {
      auto rows = association::open_associations(chosen_file(*pairs), env.regional());
      if (!threshold->empty()) rows = association::filter_by_threshold(rows, arg_text(*threshold), env.regional());
      network = cooccurrence_network(rows, *top, env.regional());
    } else if (!docs->empty()) {
      association::AssociationInput in;
      in.document_list = arg_path(*docs);
      in.memory_budget = env.memory_budget();
      in.method = *method == "sentence"  ? association::AssociationMethod::Sentence
                  : *method == "context" ? association::AssociationMethod::Contexts
                                         : association::AssociationMethod::DocumentPresence;
      if (!stopwords->empty()) {
        in.stopwords = arg_path(*stopwords);
      } else if (in.method == association::AssociationMethod::Sentence) {
        fs::path standard = preparation::find_standard_list(Language::Portuguese, fs::current_path());
        std::error_code ec;
        if (fs::is_regular_file(standard, ec)) in.stopwords = standard;
      }
      // The strongest pairs are picked from the listing as it is read, so
      // the association's millions of lines are never held.
      const auto result = association::calculate_associations(in, env.regional(), env.progress());
      association::StrongestPairsOptions options;
      options.strongest = *top;
      if (!threshold->empty()) options.threshold = arg_text(*threshold);
      options.memory_budget = env.memory_budget();
      options.scratch_parent = result.pair_store.parent_path();
      network = association::strongest_pairs_network(result.listing, options, env.regional(), env.progress());
    } else {
      throw Stop("Informe --docs (lista de documentos) ou --pairs (arquivo de associações).");
    }
    outputs->write(network, cooccurrence_network_legend(*top));
    env.line_utf8(std::to_string(network.nodes.size()) + " palavras, " + std::to_string(network.edges.size()) +
                  " pares");
  };
});

}  // namespace
}  // namespace lumeral::cli
