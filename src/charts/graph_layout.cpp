#include "charts/graph_layout.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <string>

#include "core/base/message.h"

namespace lumeral::charts {

namespace {

// Graphviz keeps global state (its error handler, the plugin context): one
// layout at a time.
std::mutex& graphviz_lock() {
  static std::mutex m;
  return m;
}

// Graphviz's own error texts (English), kept for the message.
std::string& last_error() {
  static std::string text;
  return text;
}

int keep_error(char* text) {
  last_error() += text ? text : "";
  return 0;
}

GVC_t* context() {
  static GVC_t* gvc = [] {
    agseterr(AGERR);  // warnings are not errors: nothing on standard error
    agseterrf(keep_error);
    return gvContext();
  }();
  return gvc;
}

char* cs(const char* text) { return const_cast<char*>(text); }

std::string inches(double points) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.4f", std::max(points, 1.0) / 72.0);
  return buffer;
}

// The graph, closed (and its layout freed) on every way out.
struct Graph {
  GVC_t* gvc;
  Agraph_t* g;
  bool laid_out = false;
  ~Graph() {
    if (laid_out) gvFreeLayout(gvc, g);
    agclose(g);
  }
};

}  // namespace

std::vector<QPointF> layout_network(const Network& network, const std::vector<QSizeF>& boxes,
                                    const std::vector<double>& lengths) {
  const std::size_t n = network.nodes.size();
  std::vector<QPointF> positions(n);
  if (n == 0) return positions;
  if (n == 1) return positions;  // one node at the origin

  std::lock_guard<std::mutex> guard(graphviz_lock());
  GVC_t* gvc = context();
  if (!gvc) throw Stop("Não foi possível iniciar a biblioteca de desenho de redes (Graphviz).");
  last_error().clear();
  const bool large = n > kLargeNetwork;
  Graph graph{gvc, agopen(cs("rede"), Agundirected, nullptr)};
  Agraph_t* g = graph.g;
  // Overlaps removed by the proximity-graph method, with a margin; the
  // random start of the force layout is seeded, so a network always gets
  // the same picture.
  agattr(g, AGRAPH, cs("overlap"), cs("prism"));
  agattr(g, AGRAPH, cs("sep"), cs("+8"));
  agattr(g, AGRAPH, cs("start"), cs("7"));
  agattr(g, AGRAPH, cs("pack"), cs("24"));  // separate parts side by side, not far apart
  agattr(g, AGRAPH, cs("splines"), cs("false"));
  agattr(g, AGRAPH, cs("outputorder"), cs("edgesfirst"));
  agattr(g, AGNODE, cs("shape"), cs("box"));
  agattr(g, AGNODE, cs("fixedsize"), cs("true"));
  agattr(g, AGNODE, cs("label"), cs(""));
  agattr(g, AGNODE, cs("width"), cs("1"));
  agattr(g, AGNODE, cs("height"), cs("0.5"));
  agattr(g, AGEDGE, cs("len"), cs("1.3"));

  std::vector<Agnode_t*> nodes(n);
  for (std::size_t i = 0; i < n; ++i) {
    const std::string name = "n" + std::to_string(i);
    nodes[i] = agnode(g, cs(name.c_str()), 1);
    const QSizeF box = i < boxes.size() ? boxes[i] : QSizeF(72, 36);
    agsafeset(nodes[i], cs("width"), cs(inches(box.width()).c_str()), cs("1"));
    agsafeset(nodes[i], cs("height"), cs(inches(box.height()).c_str()), cs("0.5"));
  }
  for (std::size_t k = 0; k < network.edges.size(); ++k) {
    const auto& e = network.edges[k];
    if (e.from >= n || e.to >= n || e.from == e.to) continue;
    Agedge_t* edge = agedge(g, nodes[e.from], nodes[e.to], nullptr, 1);
    if (k < lengths.size()) agsafeset(edge, cs("len"), cs(inches(lengths[k]).c_str()), cs("1.3"));
  }
  if (gvLayout(gvc, g, large ? "sfdp" : "neato") != 0) {
    throw Stop("O Graphviz não conseguiu dispor a rede" +
               (last_error().empty() ? std::string(".") : ": " + last_error()));
  }
  graph.laid_out = true;
  for (std::size_t i = 0; i < n; ++i) {
    const pointf p = ND_coord(nodes[i]);
    positions[i] = QPointF(p.x, -p.y);
  }
  return positions;
}

}  // namespace lumeral::charts
