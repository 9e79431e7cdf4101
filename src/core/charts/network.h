// Networks drawn from the results: the concept network of the mining panel
// (concepts joined by the association rules shown) and the co-occurrence
// network of the term association (words joined by their strongest pairs).
// The model only: nodes with a weight, edges with a weight and a label,
// communities for colouring. Laying it out and drawing it belong to the
// charts library.
//
// Promises: every builder is linear in its input (plus N log N for the N
// strongest pairs); the same input gives the same network, nodes and edges
// in the same order, and the same communities.
#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "core/association/association_lines.h"
#include "core/base/ansi.h"
#include "core/base/regional.h"
#include "core/mining/rule_lines.h"

namespace lumeral::charts {

struct NetworkNode {
  Ansi label;
  double weight = 0;   // drawn as the node's area
  int community = 0;   // drawn as its colour; 0 .. community_count() - 1
};

struct NetworkEdge {
  NetworkEdge() = default;
  // The five drawn values; a rule's measures are set afterwards, so an
  // edge is built with the same five values whether it is a rule or not.
  NetworkEdge(std::size_t from_node, std::size_t to_node, double edge_weight, Ansi edge_label, bool is_directed)
      : from(from_node), to(to_node), weight(edge_weight), label(std::move(edge_label)), directed(is_directed) {}

  std::size_t from = 0;  // node indexes
  std::size_t to = 0;
  double weight = 0;     // drawn as the line's width
  Ansi label;            // "66,67% / 20,00%" for a rule; the pair's weight for a co-occurrence
  bool directed = false; // drawn with an arrowhead at `to`
  // A rule's measures in percent, as its line lists them ("66,67%" is
  // 66.67); absent for a co-occurrence. Written to the network files.
  std::optional<double> confidence;
  std::optional<double> support;
};

struct Network {
  std::vector<NetworkNode> nodes;
  std::vector<NetworkEdge> edges;
  // Whether the edge labels are drawn (rules) or only shown on hovering
  // (co-occurrences, whose many weights would cover the picture).
  bool edge_labels = false;

  // The index of the node labelled `label` (exact bytes), or nodes.size().
  std::size_t find(AnsiView label) const;
  int community_count() const;
};

// Number of documents in which each concept occurs (degree above 0 in the
// document's matrix), looked up by concept name; 0 for a name not given.
class ConceptFrequency {
 public:
  virtual ~ConceptFrequency() = default;
  virtual double frequency(AnsiView concept_name) const = 0;
};

// The concept network of rules, in their order: one node per concept named
// in a rule, in order of first appearance, sized by its frequency; one arrow
// A -> B per rule, its width the confidence, its label the confidence and
// support percentages ("66,67% / 20,00%"), its measures both numbers (a
// support that cannot be read is left absent). A rule repeated (a concept
// listed twice in the context list gives its rules twice) is drawn once;
// rows without both concepts and a confidence are skipped. Only the
// `strongest` rules of greatest confidence are drawn (equal confidences in
// the order of the rows), still in the order of the rows. A confidence that
// cannot be read stops with the conversion error.
Network concept_network(const std::vector<mining::ParsedRule>& rules, const ConceptFrequency& frequency,
                        const Regional& regional, std::size_t strongest = static_cast<std::size_t>(-1));

// The default number of rules the concept network window draws.
constexpr std::size_t kDefaultStrongestRules = 40;

// The rule of a sentence of the mining panel's association text ("--66,67%
// dos textos que falam em A também falam em B. Isto aconteceu em 0004
// texto(s) (20,00% do total)"), as parse_rule_line() gives it for the line
// the sentence was made from; nothing for a line that is no such sentence.
// A project reopened at the mining step has these sentences only.
std::optional<mining::ParsedRule> rule_of_sentence(AnsiView sentence);
// The rules of the sentences among `lines`, in their order.
std::vector<mining::ParsedRule> rules_of_sentences(const std::vector<Ansi>& lines);

// The default number of pairs of the co-occurrence network.
constexpr std::size_t kDefaultStrongestPairs = 60;

// The co-occurrence network of term-association rows (mirrors included or
// not): each unordered pair counted once (its first row), a word paired
// with itself left out. The `strongest` heaviest pairs become the edges
// (equal weights in the order of the rows); their words are the nodes, in
// order of the edges, each sized by its total weight (the sum of the
// weights of all its pairs in the rows, not only of those drawn). A weight
// that cannot be read stops with the conversion error.
Network cooccurrence_network(const std::vector<association::AssociationRow>& rows, std::size_t strongest,
                             const Regional& regional);

// Communities for colouring: label propagation over the undirected,
// weighted edges, nodes visited in index order, a node taking the label
// with the greatest weight among its neighbours (ties: the smallest label),
// until nothing changes (at most 30 rounds). Communities are then numbered
// by their first node. Each round is linear in nodes + edges.
void assign_communities(Network& network);

}  // namespace lumeral::charts
