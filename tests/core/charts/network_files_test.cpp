// The network files read back with an XML parser and compared with the
// network they were written from: every node with its label, weight and
// community, every edge with its ends, direction, weight and rule measures.
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cmath>
#include <map>
#include <optional>
#include <string>

#include "core/base/encoding.h"
#include "core/charts/network.h"
#include "core/charts/network_files.h"
#include "support/fixtures.h"

namespace lumeral::charts {
namespace {

using testing::Confinement;
using testing::pt;
using testing::read_file;
using testing::stop_text;
using testing::TempDir;

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
ReadNetwork read_graphml(const pugi::xml_document& doc) {
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
    ReadEdge e{edge.attribute("source").value(), edge.attribute("target").value(),
               edge.attribute("directed").as_bool(directed)};
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
ReadNetwork read_gexf(const pugi::xml_document& doc) {
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
    ReadEdge e{edge.attribute("source").value(), edge.attribute("target").value(), type == "directed",
               edge.attribute("weight").as_double(NAN)};
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
void expect_same(const ReadNetwork& read, const Network& network) {
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

struct Frequencies : ConceptFrequency {
  double frequency(AnsiView c) const override { return static_cast<double>(c.size()); }
};

std::vector<Ansi> ansi_lines(std::initializer_list<const char*> utf8) {
  std::vector<Ansi> out;
  for (const char* l : utf8) out.push_back(to_ansi(l));
  return out;
}

TEST(NetworkFiles, BothFormatsHoldTheNetwork) {
  // Rules (directed, with measures; accented names stored in Windows-1252,
  // a confidence with many decimals) and co-occurrences (undirected).
  const Network rules = concept_network(
      ansi_lines({"ação => clima /conf= 66,67% /sup= 20,00%(0004)", "clima => \"solo\" & <b> /conf= 33,33% /sup= 5,00%(0001)",
                  "ação => \"solo\" & <b> /conf= 100,00% /sup= 12,50%(0002)"}),
      Frequencies(), pt());
  const Network pairs = cooccurrence_network(
      ansi_lines({"coração | pé = 2,0000", "pé | mão = 0,3333", "mão | coração = 1,0000", "x | y = 7,0000"}), 60, pt());
  ASSERT_EQ(rules.edges.size(), 3u);
  ASSERT_EQ(rules.edges[0].support, 20.0);
  ASSERT_FALSE(pairs.edges[0].confidence);
  Network mixed = pairs;  // an edge whose direction differs from the others'
  mixed.edges[0].directed = true;

  struct Case {
    const char* file;
    ReadNetwork (*read)(const pugi::xml_document&);
  } formats[] = {{"rede.graphml", read_graphml}, {"rede.GEXF", read_gexf}};
  const Network empty;
  TempDir dir;
  for (const auto& f : formats) {
    for (const Network* network : {&rules, &pairs, &mixed, &empty}) {
      SCOPED_TRACE(std::string(f.file) + " with " + std::to_string(network->edges.size()) + " edges");
      write_network_file(dir / f.file, *network);
      pugi::xml_document doc;
      ASSERT_TRUE(doc.load_file((dir / f.file).c_str()));
      expect_same(f.read(doc), *network);
    }
  }
  // The accented label is UTF-8 in the file.
  EXPECT_NE(read_file(dir / "rede.graphml").find("ação"), std::string::npos);
}

TEST(NetworkFiles, RefusalsAndFailedWritesKeepTheOldFile) {
  TempDir dir;
  Network n = cooccurrence_network(ansi_lines({"a | b = 1,0000"}), 60, pt());
  EXPECT_EQ(stop_text([&] { write_network_file(dir / "rede.xml", n); }),
            "O arquivo da rede deve terminar em .graphml ou .gexf: \"" + (dir / "rede.xml").string() + "\"");
  EXPECT_FALSE(std::filesystem::exists(dir / "rede.xml"));
  const std::string missing = stop_text([&] { write_network_file(dir / "falta" / "rede.gexf", n); });
  EXPECT_NE(missing.find((dir / "falta" / "rede.gexf").string()), std::string::npos) << missing;
  EXPECT_NE(missing.find("inexistente"), std::string::npos) << missing;

  // A write cut short by the file-size limit leaves the old file whole.
  write_network_file(dir / "rede.graphml", n);
  const std::string old = read_file(dir / "rede.graphml");
  for (int i = 0; i < 200; ++i) n.nodes.push_back({Ansi("palavra"), 1, 0});
  const std::string cut = testing::stop_text_confined([&] { write_network_file(dir / "rede.graphml", n); },
                                                      Confinement{4096, false});
  EXPECT_NE(cut.find("rede.graphml"), std::string::npos) << cut;
  EXPECT_EQ(read_file(dir / "rede.graphml"), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace lumeral::charts
