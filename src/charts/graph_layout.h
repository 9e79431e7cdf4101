// Places the nodes of a network with Graphviz's force-directed layouts:
// neato (stress majorization) for small networks, sfdp (multilevel) for
// large ones. Each node is given its drawn box (circle and label together),
// and overlaps are removed (overlap=prism), so labels do not cover each
// other. Positions come back in scene units with y growing downwards.
#pragma once

#include <QPointF>
#include <QSizeF>

#include <vector>

#include "core/charts/network.h"

namespace lumeral::charts {

// Above this many nodes, sfdp instead of neato.
constexpr std::size_t kLargeNetwork = 150;

// The centre of every node, in node order. `boxes[i]` is the size that node
// i takes on the picture; `lengths[k]`, where given, the length edge k
// should have (room for its label). The same input gives the same
// positions. A layout that Graphviz refuses stops with a Portuguese
// message.
std::vector<QPointF> layout_network(const Network& network, const std::vector<QSizeF>& boxes,
                                    const std::vector<double>& lengths = {});

}  // namespace lumeral::charts
