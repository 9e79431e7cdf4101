#include "cli/charts/chart_command.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace lumeral::cli {

namespace {

struct Entry {
  int order;
  Setup setup;
};

std::vector<Entry>& kinds() {
  static std::vector<Entry> entries;
  return entries;
}

Registrar chart_cmd(90, [](CLI::App& app) -> Handler {
  auto* chart = app.add_subcommand("chart", "Gráficos dos resultados em arquivo SVG, PNG ou PDF");
  // At most one kind; none is refused by the handler, which names them.
  chart->require_subcommand(0, 1);
  auto& entries = kinds();
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.order < b.order; });
  auto handlers = std::make_shared<std::vector<std::pair<CLI::App*, Handler>>>();
  for (auto& e : entries) {
    std::size_t before = chart->get_subcommands({}).size();
    Handler h = e.setup(*chart);
    auto subs = chart->get_subcommands({});
    if (subs.size() > before) {
      subs.back()->set_help_flag("-h,--help", "Mostra esta ajuda e sai");
      subs.back()->group("Tipos de gráfico");
      handlers->emplace_back(subs.back(), std::move(h));
    }
  }
  return [handlers](Env& env) {
    for (auto& [sub, handler] : *handlers)
      if (sub->parsed()) return handler(env);
    std::string names;
    for (auto& entry : *handlers) names += (names.empty() ? "" : ", ") + entry.first->get_name();
    throw CLI::RequiredError("O tipo de gráfico (" + names + "; veja \"lumeral-cli chart --help\")");
  };
});

}  // namespace

ChartRegistrar::ChartRegistrar(int order, Setup setup) { kinds().push_back({order, std::move(setup)}); }

namespace {

// Qt's notes about the offscreen platform (what it cannot do for a window,
// the runtime folder it defaults) say nothing about the picture; other
// warnings still reach standard error.
void quiet_drawing(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtDebugMsg || type == QtInfoMsg) return;
  if (text.startsWith(QLatin1String("This plugin does not support")) ||
      text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
    return;
  fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace

void ensure_drawing_application() {
  if (QApplication::instance()) return;
  qInstallMessageHandler(quiet_drawing);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "lumeral-cli";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
}

}  // namespace lumeral::cli
