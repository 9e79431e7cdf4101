#include "charts/graph_layout.h"

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "core/base/message.h"

namespace lumeral::charts {

namespace {

// How long a layout may take before it is given up (a 2,000-node network
// takes well under a second).
constexpr int kLayoutMilliseconds = 120000;

std::string inches(double points) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.4f", std::max(points, 1.0) / 72.0);
  return buffer;
}

// A number of the plain output ("12.5", "-0.25"); false when it is not one.
bool number(std::string_view text, double& value) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

}  // namespace

std::string layout_dot(const Network& network, const std::vector<QSizeF>& boxes, const std::vector<double>& lengths) {
  const std::size_t n = network.nodes.size();
  std::string dot;
  dot.reserve(64 + n * 48 + network.edges.size() * 40);
  // Overlaps removed by the proximity-graph method, with a margin; the
  // random start of the force layout is seeded, so a network always gets
  // the same picture; separate parts packed side by side, not far apart.
  dot +=
      "graph rede {\n"
      "graph [overlap=prism, sep=\"+8\", start=7, pack=24, splines=false, outputorder=edgesfirst];\n"
      "node [shape=box, fixedsize=true, label=\"\", width=1, height=0.5];\n"
      "edge [len=1.3];\n";
  for (std::size_t i = 0; i < n; ++i) {
    const QSizeF box = i < boxes.size() ? boxes[i] : QSizeF(72, 36);
    dot += "n" + std::to_string(i) + " [width=" + inches(box.width()) + ", height=" + inches(box.height()) + "];\n";
  }
  for (std::size_t k = 0; k < network.edges.size(); ++k) {
    const auto& e = network.edges[k];
    if (e.from >= n || e.to >= n || e.from == e.to) continue;
    dot += "n" + std::to_string(e.from) + " -- n" + std::to_string(e.to);
    if (k < lengths.size()) dot += " [len=" + inches(lengths[k]) + "]";
    dot += ";\n";
  }
  dot += "}\n";
  return dot;
}

std::vector<QPointF> read_plain_positions(const std::string& plain, std::size_t node_count) {
  // Lines "node NAME X Y WIDTH HEIGHT ...", X and Y in inches, y upwards.
  std::vector<QPointF> positions(node_count);
  std::vector<bool> seen(node_count, false);
  std::size_t start = 0;
  while (start < plain.size()) {
    std::size_t end = plain.find('\n', start);
    if (end == std::string::npos) end = plain.size();
    std::string_view line(plain.data() + start, end - start);
    start = end + 1;
    if (line.substr(0, 6) != "node n") continue;
    line.remove_prefix(6);
    std::size_t space = line.find(' ');
    if (space == std::string_view::npos) continue;
    std::size_t index = 0;
    auto [ptr, ec] = std::from_chars(line.data(), line.data() + space, index);
    if (ec != std::errc() || ptr != line.data() + space || index >= node_count) continue;
    line.remove_prefix(space + 1);
    std::size_t space2 = line.find(' ');
    std::size_t space3 = space2 == std::string_view::npos ? space2 : line.find(' ', space2 + 1);
    double x = 0, y = 0;
    if (space3 == std::string_view::npos || !number(line.substr(0, space2), x) ||
        !number(line.substr(space2 + 1, space3 - space2 - 1), y))
      continue;
    positions[index] = QPointF(x * 72.0, -y * 72.0);
    seen[index] = true;
  }
  if (std::find(seen.begin(), seen.end(), false) != seen.end())
    throw Stop("O Graphviz não devolveu a posição de todos os nós da rede.");
  return positions;
}

std::vector<QPointF> layout_network(const Network& network, const std::vector<QSizeF>& boxes,
                                    const std::vector<double>& lengths) {
  const std::size_t n = network.nodes.size();
  if (n <= 1) return std::vector<QPointF>(n);  // one node at the origin

  const QString program = n > kLargeNetwork ? QStringLiteral("sfdp") : QStringLiteral("neato");
  const QString path = QStandardPaths::findExecutable(program);
  if (path.isEmpty()) {
    throw Stop("Para desenhar redes é preciso o programa " + program.toStdString() +
               " do Graphviz, que não foi encontrado. Instale o pacote graphviz (apt install graphviz).");
  }
  QProcess process;
  process.setProgram(path);
  process.setArguments({QStringLiteral("-Tplain")});
  process.start();
  if (!process.waitForStarted()) {
    throw Stop("Não foi possível executar " + path.toStdString() + ": " + process.errorString().toStdString());
  }
  const std::string dot = layout_dot(network, boxes, lengths);
  process.write(dot.data(), static_cast<qint64>(dot.size()));
  process.closeWriteChannel();
  if (!process.waitForFinished(kLayoutMilliseconds)) {
    process.kill();
    process.waitForFinished();
    throw Stop("O Graphviz (" + program.toStdString() + ") não terminou de dispor a rede a tempo.");
  }
  const QByteArray out = process.readAllStandardOutput();
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    QString reason = QString::fromUtf8(process.readAllStandardError()).trimmed();
    throw Stop("O Graphviz (" + program.toStdString() + ") não conseguiu dispor a rede" +
               (reason.isEmpty() ? std::string(".") : ": " + reason.toStdString()));
  }
  return read_plain_positions(out.toStdString(), n);
}

}  // namespace lumeral::charts
