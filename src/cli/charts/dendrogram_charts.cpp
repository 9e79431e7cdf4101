// `lumeral-cli chart dendrogram --docs L.ldc (--dnd F.dnd | --matrix M.msm
// --hierarchical LINK) [--k K | --height H] --out FILE`: the tree of the
// dendrogram window, drawn offscreen by the same view, with the cut line
// where the window puts it for K clusters or at the distance H.
#include <QPainter>

#include "charts/dendrogram_view.h"
#include "charts/picture_export.h"
#include "cli/charts/chart_command.h"
#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/clustering/hierarchical.h"
#include "core/clustering/matrix.h"
#include "core/records/document_list.h"

namespace lumeral::cli {
namespace {

namespace fs = std::filesystem;

ChartRegistrar dendrogram_chart(40, [](CLI::App& chart) -> Handler {
  auto* sub = chart.add_subcommand(
      "dendrogram", "Dendrograma do agrupamento hierárquico, com a linha de corte em K grupos ou na altura H");
  auto docs = std::make_shared<std::string>();
  auto dnd = std::make_shared<std::string>();
  auto matrix = std::make_shared<std::string>();
  auto linkage = std::make_shared<std::string>();
  auto k = std::make_shared<std::size_t>(0);
  auto height = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc): os nomes das folhas")->required();
  auto* by_dnd = sub->add_option("--dnd", *dnd, "Dendrograma gravado (.dnd) por cluster --hierarchical");
  auto* by_matrix = sub->add_option("--matrix", *matrix, "Matriz de similaridades gravada (.msm)");
  auto* hier = sub->add_option("--hierarchical", *linkage, "Agrupa a matriz com esta ligação")
                   ->check(one_of({"average", "complete", "single", "ward"}));
  auto* by_k = sub->add_option("--k", *k, "Linha de corte em K grupos")->check(whole_between(1, 1000000000));
  auto* by_height = sub->add_option("--height", *height, "Linha de corte na altura H (distância)");
  sub->add_option("--out", *out, "Imagem a gravar (.svg, .png ou .pdf)")->required();
  by_dnd->excludes(by_matrix);
  by_dnd->excludes(hier);
  by_matrix->needs(hier);
  hier->needs(by_matrix);
  by_k->excludes(by_height);
  return [=](Env& env) {
    if (by_dnd->count() == 0 && by_matrix->count() == 0) throw CLI::RequiredError("--dnd ou --matrix");
    charts::PictureFormat format;
    if (!charts::picture_format(QString::fromStdString(*out), format))
      throw Stop("Formato de imagem desconhecido: " + fs::path(*out).filename().string() + " (use .png, .svg ou .pdf)");
    const double h = by_height->count() ? env.regional().parse(arg_text(*height)) : 0.0;
    const auto list = arg_path(*docs);
    const auto entries = records::read_document_names(list);
    clustering::Dendrogram tree;
    if (by_dnd->count()) {
      tree = clustering::read_dendrogram(chosen_file(*dnd));
      if (tree.n != entries.size())
        throw Stop("O dendrograma é de uma lista de " + std::to_string(tree.n) + " documentos; a lista carregada tem " +
                   std::to_string(entries.size()));
    } else {
      clustering::check_hierarchical_memory(entries.size(), env.memory_budget());
      const auto m = clustering::open_matrix(chosen_file(*matrix), entries);
      tree = clustering::hierarchical(m, entries.size(), *clustering::linkage_of_key(*linkage), env.memory_budget(),
                                      env.progress());
    }
    if (by_k->count()) clustering::check_cluster_count(*k, tree.n);
    QStringList names;
    for (const Ansi& e : entries) names << QString::fromStdString(to_utf8(trim(e)));
    ensure_drawing_application();
    charts::DendrogramView view;
    const Regional& regional = env.regional();
    view.set_model({std::move(tree), names},
                   [&regional](double v) { return QString::fromStdString(to_utf8(regional.format(v, "0.0000"))); });
    if (by_k->count()) view.set_cut(charts::DendrogramView::height_for(view.model().tree, *k));
    if (by_height->count()) view.set_cut(h);
    const QSize size = view.picture_size();
    const QString failure = charts::save_picture(
        QString::fromStdString(*out), size, [&view](QPainter& p, const QRectF& area) { view.paint(p, area); },
        QStringLiteral("Dendrograma"), charts::png_scale_within(size, env.memory_budget()));
    if (!failure.isEmpty()) throw Stop(failure.toStdString());
  };
});

}  // namespace
}  // namespace lumeral::cli
