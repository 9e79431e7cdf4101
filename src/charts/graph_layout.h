// Places the nodes of a network with Graphviz's force-directed layouts,
// run as separate programs: neato (stress majorization) for small networks,
// sfdp (multilevel) for large ones. The graph goes to the program as DOT on
// its standard input and the positions come back in its plain output.
// Each node is given its drawn box (circle and label together), and
// overlaps are removed (overlap=prism), so labels do not cover each other.
// Positions come back in scene units with y growing downwards.
//
// Running the programs, rather than linking Graphviz's libraries, keeps
// their licence apart from the program's own (the libraries' licence does
// not combine with the GPL).
#pragma once

#include <QPointF>
#include <QSizeF>

#include <string>
#include <vector>

#include "core/charts/network.h"

namespace lumeral::charts {

// Above this many nodes, sfdp instead of neato.
constexpr std::size_t kLargeNetwork = 150;

// The centre of every node, in node order. `boxes[i]` is the size that node
// i takes on the picture; `lengths[k]`, where given, the length edge k
// should have (room for its label). The same input gives the same
// positions. A missing layout program, or a layout it refuses, stops with
// a Portuguese message.
std::vector<QPointF> layout_network(const Network& network, const std::vector<QSizeF>& boxes,
                                    const std::vector<double>& lengths = {});

// The DOT text given to the layout program (nodes "n0", "n1", ...), and
// the positions read back from its plain output (points, y downwards), in
// node order. Apart so they can be checked without the programs.
std::string layout_dot(const Network& network, const std::vector<QSizeF>& boxes, const std::vector<double>& lengths);
std::vector<QPointF> read_plain_positions(const std::string& plain, std::size_t node_count);

}  // namespace lumeral::charts
