// `lumeral-cli chart wordcloud`: the word cloud of one source (a word list,
// the centroid, one document's differences, the documents of a concept, of
// a cluster or of a category of a variable), laid out and drawn as the
// window "Nuvem de Palavras" does and saved as PNG, SVG or PDF.
#include <QString>

#include <limits>

#include "charts/picture_export.h"
#include "charts/wordcloud_view.h"
#include "cli/charts/chart_command.h"
#include "cli/option_groups.h"
#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/charts/concept_documents.h"
#include "core/charts/wordcloud.h"
#include "core/comparison/centroid.h"
#include "core/preparation/word_lists.h"
#include "core/records/document_list.h"
#include "core/records/records.h"
#include "core/variables/variables_file.h"

namespace lumeral::cli {
namespace {

namespace fs = std::filesystem;
using namespace lumeral::charts;

struct Sources {
  std::string list, centroid, differences, concept_name, contexts, clusters, variable, category, docs;
  std::size_t cluster = 0;
};

// The document list, which `source` needs (a usage error without it).
fs::path docs_for(const Sources& s, const char* source) {
  if (s.docs.empty()) throw CLI::RequiredError(std::string("--docs (com ") + source + ")");
  return arg_path(s.docs);
}

std::vector<Ansi> documents_of(const Sources& s, const char* source) {
  return records::read_document_names(docs_for(s, source));
}

CloudSource concept_cloud(const Sources& s, Env& env) {
  const Ansi wanted = trim(arg_text(s.concept_name));
  bool known = false;
  for (const auto& r : records::read_all<records::ContextListRecord>(chosen_file(s.contexts)))
    known = known || trim(r.name) == wanted;
  if (!known)
    throw Stop("O conceito " + s.concept_name + " não está na lista de contextos " +
               arg_path(s.contexts).filename().string());
  return cloud_of_concept(docs_for(s, "--concept"), std::nullopt, wanted, env.progress());
}

CloudSource variable_cloud(const Sources& s, Env& env) {
  std::optional<Ansi> category;
  if (!s.category.empty()) category = arg_text(s.category);
  return cloud_of_list_variable(
      docs_for(s, "--variable"), arg_text(s.variable), category,
      [&env](const std::string& warning) { env.line_utf8(warning); }, env.progress());
}

// The words of the one source given, and the picture's title.
std::pair<CloudSource, QString> source_words(const Sources& s, const CentroidOptionGroup& centroid_options,
                                             bool centroid_given, Env& env) {
  namespace cmp = lumeral::comparison;
  const auto title = [](const std::string& what) {
    return QStringLiteral("Nuvem de Palavras - %1").arg(QString::fromStdString(what));
  };
  if (!s.list.empty()) {
    const fs::path file = chosen_file(s.list);
    return {cloud_of_word_rows(preparation::open_word_list(file, Ansi(), env.regional()), env.regional()),
            title(file.filename().string())};
  }
  if (centroid_given) {
    std::vector<cmp::ResultRow> rows;
    if (!s.centroid.empty()) {
      rows = cmp::open_centroid(chosen_file(s.centroid), Ansi(), env.regional());
    } else {
      const auto documents = documents_of(s, "--centroid");
      rows = cmp::compute_centroid(documents, records::folder_of(arg_path(s.docs)), centroid_options.get(),
                                   env.regional(), env.progress())
                 .rows;
    }
    return {cloud_of_rows(rows, env.regional()), title("Centróide")};
  }
  if (!s.differences.empty()) {
    const auto documents = documents_of(s, "--differences");
    const Ansi wanted = trim(arg_text(s.differences));
    std::optional<std::size_t> index;
    for (std::size_t i = 0; i < documents.size() && !index; ++i)
      if (documents[i] == wanted) index = i;
    if (!index)
      throw Stop("O documento " + s.differences + " não está na lista " + arg_path(s.docs).filename().string());
    auto rows = cmp::show_differences(documents, index, records::folder_of(arg_path(s.docs)),
                                      centroid_options.get().method, env.regional());
    return {cloud_of_rows(rows, env.regional()), title("Diferenças de " + s.differences)};
  }
  if (!s.concept_name.empty()) return {concept_cloud(s, env), title("Conceito " + s.concept_name)};
  if (!s.clusters.empty()) {
    const fs::path table = chosen_file(s.clusters);
    const fs::path folder = s.docs.empty() ? records::folder_of(table) : records::folder_of(arg_path(s.docs));
    return {cloud_of_documents(cluster_documents(table, s.cluster), folder, env.progress()),
            title("cluster" + std::to_string(s.cluster))};
  }
  if (!s.variable.empty())
    return {variable_cloud(s, env),
            title(s.category.empty() ? s.variable : s.variable + " = " + s.category)};
  throw CLI::ValidationError("wordcloud", "a fonte das palavras não foi dada (--list, --centroid, --differences, "
                                         "--concept, --cluster ou --variable)");
}

ChartRegistrar wordcloud_chart(40, [](CLI::App& chart) -> Handler {
  auto* sub = chart.add_subcommand(
      "wordcloud",
      "Nuvem de palavras de uma lista de palavras, do centróide, das diferenças de um documento ou dos documentos "
      "de um conceito, de um cluster ou de uma categoria de variável");
  auto s = std::make_shared<Sources>();
  auto top = std::make_shared<std::size_t>(kDefaultCloudWords);
  auto scale = std::make_shared<std::string>("sqrt");
  auto positions = std::make_shared<bool>(false);
  auto out = std::make_shared<std::string>();
  auto* list = sub->add_option("--list", s->list, "Lista de palavras (.lpl)");
  auto* centroid = sub->add_option("--centroid", s->centroid,
                                   "O centróide dos documentos de --docs; com um arquivo (.lpl), o centróide gravado")
                       ->expected(0, 1)
                       ->type_name("[ARQUIVO]");
  CentroidOptionGroup centroid_options(sub);
  auto* differences = sub->add_option("--differences", s->differences,
                                      "Documento da lista cujas diferenças são mostradas (calcule-as antes com o "
                                      "comando differences; --method escolhe .dif ou .dfc)");
  auto* concept_opt = sub->add_option("--concept", s->concept_name, "Conceito: os documentos classificados nele");
  auto* contexts = sub->add_option("--contexts", s->contexts, "Lista de contextos (.lct) do conceito");
  auto* cluster = sub->add_option("--cluster", s->cluster, "Número do cluster (1 é cluster1)")
                      ->check(whole_between(1, std::numeric_limits<std::uint32_t>::max()));
  auto* clusters = sub->add_option("--clusters", s->clusters,
                                   "Tabela dos clusters exportada (CSV, XLSX ou ODS: colunas Cluster e Documento)");
  auto* variable = sub->add_option("--variable", s->variable, "Variável dos documentos de --docs (arquivo .var)");
  auto* category = sub->add_option("--category", s->category,
                                   "Categoria da variável; sem ela, todos os documentos, cores por categoria");
  sub->add_option("--docs", s->docs, "Lista de documentos (.ldc)");
  sub->add_option("--top", *top, "Número de palavras mais pesadas na nuvem (padrão 100; 0: todas)");
  sub->add_option("--scale", *scale, "Tamanho da letra pelo peso: sqrt (raiz quadrada, padrão) ou linear")
      ->check(one_of({"sqrt", "linear"}));
  sub->add_flag("--positions", *positions, "Lista cada palavra colocada: palavra, tamanho, x, y, largura, altura");
  sub->add_option("--out", *out, "Imagem a gravar (.svg, .png ou .pdf)")->required();
  const std::vector<CLI::Option*> kinds{list, centroid, differences, concept_opt, clusters, variable};
  for (std::size_t i = 0; i < kinds.size(); ++i)
    for (std::size_t j = i + 1; j < kinds.size(); ++j) kinds[i]->excludes(kinds[j]);
  concept_opt->needs(contexts);
  contexts->needs(concept_opt);
  cluster->needs(clusters);
  clusters->needs(cluster);
  category->needs(variable);
  return [=](Env& env) {
    PictureFormat format;
    if (!picture_format(QString::fromStdString(*out), format))
      throw Stop("Formato de imagem desconhecido: " + fs::path(*out).filename().string() +
                 " (use .png, .svg ou .pdf)");
    auto [source, title] = source_words(*s, centroid_options, centroid->count() > 0, env);
    CloudOptions options;
    options.scale = *scale == "linear" ? CloudScale::Linear : CloudScale::Sqrt;
    ensure_drawing_application();
    const CloudLayout layout =
        lay_out_words(heaviest_words(std::move(source.words), *top, env.regional()), source.groups, options);
    WordCloudView view;
    view.set_cloud(layout, title);
    const QString failure = view.save(QString::fromStdString(*out));
    if (!failure.isEmpty()) throw Stop(failure.toStdString());
    if (*positions)
      for (const auto& w : layout.placed) env.line_utf8(placed_line(w));
    env.line_utf8(std::to_string(layout.placed.size()) + " palavras na nuvem");
    if (!layout.unplaced.empty()) env.line_utf8(unplaced_message(layout));
  };
});

}  // namespace
}  // namespace lumeral::cli
