// `lumeral-cli chart crosstab|specificities|ca ... --out FILE`: the pictures
// of the statistics by variable (the coloured table of the concepts by
// variable, the bars of each category's specific words, the map of the
// correspondence analysis), drawn offscreen by the same code as the
// windows and saved as PNG, SVG or PDF (by the extension of --out).
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <memory>

#include "charts/biplot_view.h"
#include "charts/crosstab_view.h"
#include "charts/picture_export.h"
#include "charts/specificities_chart.h"
#include "cli/ca_options.h"
#include "cli/charts/chart_command.h"
#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/mining/rules.h"
#include "core/statistics/correspondence.h"
#include "core/statistics/crosstab.h"
#include "core/statistics/specificities.h"

namespace lumeral::cli {
namespace {

constexpr int kChartWidth = 900;

const char* const kOutHelp = "Imagem a gravar (.svg, .png ou .pdf)";

// The format is checked before any work, so a wrong name costs nothing.
void check_out(const std::string& out) {
  charts::PictureFormat format;
  if (!charts::picture_format(QString::fromStdString(out), format))
    throw Stop("Formato de imagem desconhecido: " + std::filesystem::path(out).filename().string() +
               " (use .png, .svg ou .pdf)");
}

void save(const QString& failure) {
  if (!failure.isEmpty()) throw Stop(failure.toStdString());
}

QString title_of(const char* what, const std::string& variable) {
  return QStringLiteral("%1: %2").arg(QString::fromUtf8(what), QString::fromStdString(variable));
}

ChartRegistrar crosstab_chart(60, [](CLI::App& chart) -> Handler {
  auto* sub = chart.add_subcommand(
      "crosstab",
      "Conceitos por variável como tabela colorida: casas azuis (resíduo acima de 1,96) e vermelhas (abaixo de "
      "-1,96), com o qui-quadrado e o p de cada conceito");
  auto docs = std::make_shared<std::string>();
  auto contexts = std::make_shared<std::string>();
  auto variable = std::make_shared<std::string>();
  auto degree = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc); as matrizes ficam na pasta da lista")->required();
  sub->add_option("--contexts", *contexts, "Lista de contextos (.lct): os conceitos")->required();
  sub->add_option("--variable", *variable, kVariableHelp)->required();
  sub->add_option("--grau-minimo", *degree, "Grau mínimo para um documento conter o conceito (padrão: acima de 0)");
  sub->add_option("--out", *out, kOutHelp)->required();
  return [=](Env& env) {
    check_out(*out);
    const double g = mining::parse_min_degree(arg_text(*degree), env.regional());
    const auto c = statistics::crosstab(arg_path(*docs), arg_path(*contexts), arg_text(*variable), g, env.progress());
    for (const auto& w : c.grouping.warnings) env.message(w);
    ensure_drawing_application();
    charts::CrosstabView view;
    view.set_picture(charts::crosstab_picture(c, env.regional(), title_of("Conceitos por variável", *variable)));
    save(charts::save_picture(
        QString::fromStdString(*out), view.picture_size(),
        [&view](QPainter& p, const QRectF& area) { view.paint(p, area); }, QStringLiteral("Conceitos por variável")));
  };
});

ChartRegistrar specificities_chart(61, [](CLI::App& chart) -> Handler {
  auto* sub = chart.add_subcommand(
      "specificities", "Palavras por variável (especificidades): as barras do G2 das palavras de cada categoria");
  auto docs = std::make_shared<std::string>();
  auto variable = std::make_shared<std::string>();
  auto top = std::make_shared<std::size_t>(20);
  auto out = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc); as listas de palavras ficam na pasta da lista")
      ->required();
  sub->add_option("--variable", *variable, kVariableHelp)->required();
  sub->add_option("--top", *top, "Palavras por categoria (padrão: 20)")->check(CLI::PositiveNumber);
  sub->add_option("--out", *out, kOutHelp)->required();
  return [=](Env& env) {
    check_out(*out);
    const auto words =
        statistics::words_by_category(arg_path(*docs), arg_text(*variable), env.progress(), env.memory_budget());
    for (const auto& w : words.grouping.warnings) env.message(w);
    const auto data = charts::specificities_chart_data(statistics::specificities(words, *top), env.regional());
    ensure_drawing_application();
    // Qt's own warnings while laying out offscreen say nothing of the picture.
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    std::unique_ptr<QWidget> frame(charts::stacked_bar_charts(data, kChartWidth));
    frame->setAttribute(Qt::WA_DontShowOnScreen);
    frame->show();
    QApplication::processEvents();
    const QString failure = charts::save_widget(QString::fromStdString(*out), *frame, QStringLiteral("Especificidades"));
    qInstallMessageHandler(previous);
    save(failure);
  };
});

ChartRegistrar ca_chart(62, [](CLI::App& chart) -> Handler {
  auto* sub = chart.add_subcommand(
      "ca",
      "Mapa da análise de correspondência: conceitos ou palavras mais freqüentes e as categorias nos dois "
      "primeiros eixos");
  const CaOptionGroup analysis(sub);
  auto out = std::make_shared<std::string>();
  sub->add_option("--out", *out, kOutHelp)->required();
  return [=](Env& env) {
    check_out(*out);
    const statistics::CaRun run = analysis.run(env);
    ensure_drawing_application();
    charts::BiplotScene scene;
    scene.show_model(
        charts::biplot_model(run, env.regional(), title_of("Análise de Correspondência", analysis.variable())));
    save(charts::save_scene(QString::fromStdString(*out), scene, QStringLiteral("Análise de Correspondência")));
  };
});

}  // namespace
}  // namespace lumeral::cli
