// A network file (GraphML or GEXF) read back with pugixml into nodes and
// edges by the names its keys or attributes declare, and compared with the
// network it was written from: every node with its label, weight and
// community, every edge with its ends, direction, weight and rule measures.
// And the picture of a network checked for labels drawn over each other.
#pragma once

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/base/encoding.h"
#include "core/charts/network.h"

namespace lumeral::testing {

using charts::Network;
using charts::NetworkEdge;

struct ReadNode {
  std::string label;
  double weight = NAN;
  int community = -1;
};
struct ReadEdge {
  std::string source, target;
  bool directed = false;
  double weight = NAN;
  std::optional<double> confidence, support;
};
struct ReadNetwork {
  std::vector<std::string> ids;  // node ids in document order
  std::map<std::string, ReadNode> nodes;
  std::vector<ReadEdge> edges;
};

// A GraphML document by the names its keys declare.
inline ReadNetwork read_graphml(const pugi::xml_document& doc) {
  ReadNetwork r;
  const pugi::xml_node root = doc.child("graphml");
  std::map<std::string, std::string> name_of;  // key id -> attr.name
  for (auto key : root.children("key")) name_of[key.attribute("id").value()] = key.attribute("attr.name").value();
  const pugi::xml_node graph = root.child("graph");
  const bool directed = std::string(graph.attribute("edgedefault").value()) == "directed";
  for (auto node : graph.children("node")) {
    const std::string id = node.attribute("id").value();
    r.ids.push_back(id);
    ReadNode& n = r.nodes[id];
    for (auto data : node.children("data")) {
      const std::string name = name_of.at(data.attribute("key").value());
      if (name == "label") n.label = data.text().get();
      if (name == "weight") n.weight = data.text().as_double(NAN);
      if (name == "community") n.community = data.text().as_int(-1);
    }
  }
  for (auto edge : graph.children("edge")) {
    ReadEdge e;
    e.source = edge.attribute("source").value();
    e.target = edge.attribute("target").value();
    e.directed = edge.attribute("directed").as_bool(directed);
    for (auto data : edge.children("data")) {
      const std::string name = name_of.at(data.attribute("key").value());
      if (name == "weight") e.weight = data.text().as_double(NAN);
      if (name == "confidence") e.confidence = data.text().as_double(NAN);
      if (name == "support") e.support = data.text().as_double(NAN);
    }
    r.edges.push_back(e);
  }
  return r;
}

// A GEXF document by the titles its attributes declare.
inline ReadNetwork read_gexf(const pugi::xml_document& doc) {
  ReadNetwork r;
  const pugi::xml_node graph = doc.child("gexf").child("graph");
  std::map<std::string, std::string> title_of;  // attribute id -> title
  for (auto attributes : graph.children("attributes"))
    for (auto a : attributes.children("attribute")) title_of[a.attribute("id").value()] = a.attribute("title").value();
  const std::string default_type = graph.attribute("defaultedgetype").value();
  for (auto node : graph.child("nodes").children("node")) {
    const std::string id = node.attribute("id").value();
    r.ids.push_back(id);
    ReadNode& n = r.nodes[id];
    n.label = node.attribute("label").value();
    for (auto v : node.child("attvalues").children("attvalue")) {
      const std::string title = title_of.at(v.attribute("for").value());
      if (title == "weight") n.weight = v.attribute("value").as_double(NAN);
      if (title == "community") n.community = v.attribute("value").as_int(-1);
    }
  }
  for (auto edge : graph.child("edges").children("edge")) {
    const std::string type = edge.attribute("type") ? edge.attribute("type").value() : default_type;
    ReadEdge e;
    e.source = edge.attribute("source").value();
    e.target = edge.attribute("target").value();
    e.directed = type == "directed";
    e.weight = edge.attribute("weight").as_double(NAN);
    for (auto v : edge.child("attvalues").children("attvalue")) {
      const std::string title = title_of.at(v.attribute("for").value());
      if (title == "confidence") e.confidence = v.attribute("value").as_double(NAN);
      if (title == "support") e.support = v.attribute("value").as_double(NAN);
    }
    r.edges.push_back(e);
  }
  return r;
}

// Compares what a file holds with the network it was written from.
inline void expect_same_network(const ReadNetwork& read, const Network& network) {
  ASSERT_EQ(read.ids.size(), network.nodes.size());
  for (std::size_t i = 0; i < network.nodes.size(); ++i) {
    const ReadNode& n = read.nodes.at(read.ids[i]);
    EXPECT_EQ(n.label, to_utf8(network.nodes[i].label));
    EXPECT_EQ(n.weight, network.nodes[i].weight);
    EXPECT_EQ(n.community, network.nodes[i].community);
  }
  ASSERT_EQ(read.edges.size(), network.edges.size());
  for (std::size_t i = 0; i < network.edges.size(); ++i) {
    const ReadEdge& e = read.edges[i];
    const NetworkEdge& want = network.edges[i];
    EXPECT_EQ(read.nodes.at(e.source).label, to_utf8(network.nodes[want.from].label));
    EXPECT_EQ(read.nodes.at(e.target).label, to_utf8(network.nodes[want.to].label));
    EXPECT_EQ(e.directed, want.directed);
    EXPECT_EQ(e.weight, want.weight);
    EXPECT_EQ(e.confidence, want.confidence);
    EXPECT_EQ(e.support, want.support);
  }
}

// The file's format by its extension, read.
inline ReadNetwork read_network_file(const std::filesystem::path& p) {
  pugi::xml_document doc;
  EXPECT_TRUE(doc.load_file(p.c_str())) << p;
  return p.extension() == ".gexf" ? read_gexf(doc) : read_graphml(doc);
}

// The overlaps in a drawn network (charts::NetworkScene): every pair of
// nodes (circle and name) covering each other, every edge label drawn over
// a node or over another edge label, one line each.
template <class Scene>
std::vector<std::string> picture_overlaps(const Scene& scene) {
  std::vector<std::string> found;
  const std::size_t nodes = scene.node_count(), edges = scene.edge_count();
  for (std::size_t i = 0; i < nodes; ++i)
    for (std::size_t j = i + 1; j < nodes; ++j)
      if (scene.node_item(i)->sceneBoundingRect().intersects(scene.node_item(j)->sceneBoundingRect()))
        found.push_back("node " + std::to_string(i) + " over node " + std::to_string(j));
  for (std::size_t e = 0; e < edges; ++e) {
    const auto box = scene.edge_item(e)->label_box();
    if (box.isEmpty()) continue;
    const std::string label = scene.edge_item(e)->label().toStdString();
    for (std::size_t i = 0; i < nodes; ++i)
      if (box.intersects(scene.node_item(i)->sceneBoundingRect()))
        found.push_back("label " + label + " over node " + scene.node_item(i)->label().toStdString());
    for (std::size_t f = e + 1; f < edges; ++f)
      if (box.intersects(scene.edge_item(f)->label_box()))
        found.push_back("label " + label + " over label " + scene.edge_item(f)->label().toStdString());
  }
  return found;
}

}  // namespace lumeral::testing
