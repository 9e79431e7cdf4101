// `lumeral-cli chart frequencies|centroid|similarity ... --out FILE`: the
// concept-frequency bars of the mining panel, the centroid and difference
// bars of the centroid window and the similarity heatmap of the clustering
// window, drawn offscreen by the same code as the windows and saved as PNG,
// SVG or PDF (by the extension of --out).
#include <QApplication>
#include <QChartView>
#include <QVBoxLayout>
#include <QWidget>

#include "charts/bar_chart.h"
#include "charts/heatmap_view.h"
#include "charts/picture_export.h"
#include "cli/charts/chart_command.h"
#include "core/base/encoding.h"
#include "core/base/message.h"
#include "core/base/text.h"
#include "core/charts/bars.h"
#include "core/charts/heatmap.h"
#include "core/clustering/clusters.h"
#include "core/clustering/matrix.h"
#include "core/comparison/centroid.h"
#include "core/mining/frequency.h"
#include "core/records/document_list.h"

namespace lumeral::cli {
namespace {

namespace fs = std::filesystem;

constexpr int kChartWidth = 900;

// The format is checked before any work, so a wrong name costs nothing.
void check_out(const std::string& out) {
  charts::PictureFormat format;
  if (!charts::picture_format(QString::fromStdString(out), format))
    throw Stop("Formato de imagem desconhecido: " + fs::path(out).filename().string() + " (use .png, .svg ou .pdf)");
}

void save(const QString& failure) {
  if (!failure.isEmpty()) throw Stop(failure.toStdString());
}

// Qt's own warnings while drawing (in English, about painters and images)
// stay off the user's screen: the picture is written or the command says
// why in its own words.
class QuietQt {
 public:
  QuietQt() : previous_(qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {})) {}
  ~QuietQt() { qInstallMessageHandler(previous_); }
  QuietQt(const QuietQt&) = delete;
  QuietQt& operator=(const QuietQt&) = delete;

 private:
  QtMessageHandler previous_;
};

// Lays a widget out at `size` without showing it on any screen, then saves
// it as the window's export does.
void save_offscreen(QWidget& widget, QSize size, const std::string& out, const QString& title) {
  QuietQt quiet;
  widget.setAttribute(Qt::WA_DontShowOnScreen);
  widget.resize(size);
  widget.show();
  QApplication::processEvents();
  save(charts::save_widget(QString::fromStdString(out), widget, title));
}

// One or more bar charts stacked, each as tall as its bars need.
void save_bar_charts(std::vector<charts::BarChartData> data, const std::string& out, const Regional& regional) {
  QWidget frame;
  frame.setAutoFillBackground(true);
  auto* v = new QVBoxLayout(&frame);
  v->setContentsMargins(0, 0, 0, 0);
  int height = 0;
  for (auto& d : data) {
    d.decimal_comma = regional.decimal_separator() == ',';
    auto* view = charts::bar_chart_view(new charts::BarChart(d), &frame);
    const int h = charts::bar_chart_height(d.bars.size());
    view->setMinimumHeight(h);
    v->addWidget(view, h);
    height += h;
  }
  save_offscreen(frame, QSize(kChartWidth, height), out, data.front().title);
}


ChartRegistrar frequencies_chart(10, [](CLI::App& chart) -> Handler {
  auto* sub = chart.add_subcommand(
      "frequencies",
      "Freqüência de conceitos em barras (frequência absoluta; rótulo: frequência relativa); precisa da "
      "classificação dos documentos e grava centro-temp.lpl na pasta da lista, como o assistente");
  auto docs = std::make_shared<std::string>();
  auto order = std::make_shared<std::string>("concept");
  auto out = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_option("--order", *order,
                  "Ordem das barras, como a tabela: concept (\"Conceito\"), absolute (\"Frequencia Absoluta\") ou "
                  "relative (\"Frequencia Relativa\")")
      ->check(one_of({"concept", "absolute", "relative"}));
  sub->add_option("--out", *out, "Imagem a gravar (.svg, .png ou .pdf)")->required();
  return [=](Env& env) {
    check_out(*out);
    const fs::path list = arg_path(*docs);
    auto rows = mining::frequency_of_list(list, records::folder_of(list), env.regional(), env.progress()).rows;
    mining::sort_frequency_rows(rows, *order == "absolute" ? 1 : *order == "relative" ? 2 : 0, env.regional());
    ensure_drawing_application();
    save_bar_charts({charts::frequency_chart_data(charts::frequency_bars(rows, env.regional()))}, *out, env.regional());
  };
});

ChartRegistrar centroid_chart(20, [](CLI::App& chart) -> Handler {
  auto* sub = chart.add_subcommand(
      "centroid", "As palavras mais pesadas do centróide e, com --document, das diferenças de um documento");
  auto docs = std::make_shared<std::string>();
  auto centroid = std::make_shared<std::string>();
  auto type = std::make_shared<std::string>("all");
  auto method = std::make_shared<std::string>("word");
  auto mode = std::make_shared<std::string>("frequency");
  auto document = std::make_shared<std::string>();
  auto top = std::make_shared<std::size_t>(charts::kDefaultTopBars);
  auto out = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_option("--centroid", *centroid, "Usa o centróide gravado (.lpl) em vez de calculá-lo (\"Abre centróide\")");
  sub->add_option("--type", *type, "Tipo de centróide ao calculá-lo: all, two ou every (como o comando centroid)")
      ->check(one_of({"all", "two", "every"}));
  sub->add_option("--method", *method, "Método: word (diferenças .dif) ou context (diferenças .dfc)")
      ->check(one_of({"word", "context"}));
  sub->add_option("--mode", *mode, "Modo ao calcular: frequency ou weight")->check(one_of({"frequency", "weight"}));
  sub->add_option("--document", *document,
                  "Documento da lista cujas diferenças são mostradas (calcule-as antes com o comando differences)");
  sub->add_option("--top", *top, "Número de palavras de cada gráfico (padrão 30; 0: todas)");
  sub->add_option("--out", *out, "Imagem a gravar (.svg, .png ou .pdf)")->required();
  return [=](Env& env) {
    check_out(*out);
    namespace cmp = lumeral::comparison;
    const fs::path list = arg_path(*docs);
    const auto entries = records::read_document_names(list);
    const cmp::Method m = *method == "context" ? cmp::Method::Context : cmp::Method::Word;
    std::vector<cmp::ResultRow> rows;
    if (!centroid->empty()) {
      rows = cmp::open_centroid(chosen_file(*centroid), Ansi(), env.regional());
    } else {
      cmp::CentroidOptions o;
      o.type = *type == "two" ? cmp::CentroidType::Two : *type == "every" ? cmp::CentroidType::Every : cmp::CentroidType::All;
      o.method = m;
      o.mode = *mode == "weight" ? cmp::Mode::Weight : cmp::Mode::Frequency;
      rows = cmp::compute_centroid(entries, records::folder_of(list), o, env.regional(), env.progress()).rows;
    }
    std::vector<charts::BarChartData> data{
        charts::centroid_chart_data(charts::heaviest_bars(rows, *top, env.regional()), *top)};
    if (!document->empty()) {
      const Ansi wanted = trim(arg_text(*document));
      std::optional<std::size_t> index;
      for (std::size_t i = 0; i < entries.size() && !index; ++i)
        if (trim(entries[i]) == wanted) index = i;
      if (!index) throw Stop("O documento " + *document + " não está na lista " + list.filename().string());
      auto dif = cmp::show_differences(entries, index, records::folder_of(list), m, env.regional());
      data.push_back(charts::differences_chart_data(charts::heaviest_bars(dif, *top, env.regional()), *top,
                                                    QString::fromStdString(*document)));
    }
    ensure_drawing_application();
    save_bar_charts(std::move(data), *out, env.regional());
  };
});

ChartRegistrar similarity_chart(30, [](CLI::App& chart) -> Handler {
  auto* sub = chart.add_subcommand(
      "similarity", "Mapa de calor da matriz de similaridades, documentos ordenados pelos clusters formados");
  auto docs = std::make_shared<std::string>();
  auto method = std::make_shared<std::string>();
  auto matrix = std::make_shared<std::string>();
  auto threshold = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  sub->add_option("--docs", *docs, "Lista de documentos (.ldc)")->required();
  sub->add_option("--method", *method, "Método: word (por palavra) ou concept (por conceitos)")
      ->required()
      ->check(one_of({"word", "concept"}));
  sub->add_option("--matrix", *matrix, "Usa a matriz gravada (.msm) em vez de criá-la");
  sub->add_option("--threshold", *threshold, "Limiar do agrupamento (padrão 0)");
  sub->add_option("--out", *out, "Imagem a gravar (.svg, .png ou .pdf)")->required();
  return [=](Env& env) {
    check_out(*out);
    const auto list = arg_path(*docs);
    auto entries = records::read_document_names(list);
    const auto m = *method == "word" ? clustering::Method::Words : clustering::Method::Concepts;
    clustering::MatrixOptions options;
    options.memory_budget = env.memory_budget();
    auto sim = matrix->empty() ? clustering::create_matrix(list.parent_path(), entries, m, env.progress(), options)
                               : clustering::open_matrix(chosen_file(*matrix), entries);
    auto clusters = clustering::form_clusters(entries, sim, true, arg_text(*threshold), env.regional(), env.progress());
    auto model = charts::heatmap_model(entries, sim, clusters);
    ensure_drawing_application();
    QuietQt quiet;
    charts::HeatmapView view;
    const Regional& regional = env.regional();
    view.set_model(std::move(model), [&regional](double v) { return QString::fromStdString(to_utf8(regional.format(v, "0.0000"))); });
    // The picture is at most 4,096 pixels a side; its PNG is drawn at a
    // scale that keeps its pixels within the memory budget.
    const QSize size = view.picture_size();
    save(charts::save_picture(
        QString::fromStdString(*out), size, [&view](QPainter& p, const QRectF& area) { view.paint(p, area); },
        QStringLiteral("Mapa de Similaridades"), charts::png_scale_within(size, env.memory_budget())));
  };
});

}  // namespace
}  // namespace lumeral::cli
