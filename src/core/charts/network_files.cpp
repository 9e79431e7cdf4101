#include "core/charts/network_files.h"

#include <pugixml.hpp>

#include <charconv>
#include <cmath>

#include "core/base/encoding.h"
#include "core/base/files.h"
#include "core/base/message.h"
#include "core/base/system_errors.h"

namespace lumeral::charts {

namespace {

// Lower-case ASCII of an extension (".GraphML" -> ".graphml").
std::string lower_ascii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// A label as XML text: UTF-8, with the control characters XML 1.0 does not
// allow (a byte below 0x20 in the stored text) turned into blanks.
std::string xml_text(AnsiView label) {
  std::string text = to_utf8(label);
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return text;
}

// The shortest text that reads back as the same double, with a point.
std::string number(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

bool any_directed(const Network& network) {
  for (const auto& e : network.edges)
    if (e.directed) return true;
  return false;
}

bool any_confidence(const Network& network) {
  for (const auto& e : network.edges)
    if (e.confidence) return true;
  return false;
}

bool any_support(const Network& network) {
  for (const auto& e : network.edges)
    if (e.support) return true;
  return false;
}

bool valid(const Network& network, const NetworkEdge& e) {
  return e.from < network.nodes.size() && e.to < network.nodes.size();
}

std::string node_id(std::size_t i) { return "n" + std::to_string(i); }
std::string edge_id(std::size_t i) { return "e" + std::to_string(i); }

void set(pugi::xml_node node, const char* name, const std::string& value) {
  node.append_attribute(name).set_value(value.c_str());
}

// ---- GraphML

void graphml_key(pugi::xml_node root, const char* id, const char* for_what, const char* name, const char* type) {
  pugi::xml_node key = root.append_child("key");
  set(key, "id", id);
  set(key, "for", for_what);
  set(key, "attr.name", name);
  set(key, "attr.type", type);
}

void graphml_data(pugi::xml_node element, const char* key, const std::string& value) {
  pugi::xml_node data = element.append_child("data");
  set(data, "key", key);
  data.text().set(value.c_str());
}

void build_graphml(pugi::xml_document& doc, const Network& network) {
  pugi::xml_node root = doc.append_child("graphml");
  set(root, "xmlns", "http://graphml.graphdrawing.org/xmlns");
  set(root, "xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance");
  set(root, "xsi:schemaLocation",
      "http://graphml.graphdrawing.org/xmlns http://graphml.graphdrawing.org/xmlns/1.0/graphml.xsd");
  const bool confidence = any_confidence(network);
  const bool support = any_support(network);
  graphml_key(root, "label", "node", "label", "string");
  graphml_key(root, "weight", "node", "weight", "double");
  graphml_key(root, "community", "node", "community", "int");
  graphml_key(root, "edge_label", "edge", "label", "string");
  graphml_key(root, "edge_weight", "edge", "weight", "double");
  if (confidence) graphml_key(root, "confidence", "edge", "confidence", "double");
  if (support) graphml_key(root, "support", "edge", "support", "double");

  const bool directed = any_directed(network);
  pugi::xml_node graph = root.append_child("graph");
  set(graph, "id", "G");
  set(graph, "edgedefault", directed ? "directed" : "undirected");
  for (std::size_t i = 0; i < network.nodes.size(); ++i) {
    const NetworkNode& n = network.nodes[i];
    pugi::xml_node node = graph.append_child("node");
    set(node, "id", node_id(i));
    graphml_data(node, "label", xml_text(n.label));
    if (std::isfinite(n.weight)) graphml_data(node, "weight", number(n.weight));
    graphml_data(node, "community", std::to_string(n.community));
  }
  for (std::size_t i = 0; i < network.edges.size(); ++i) {
    const NetworkEdge& e = network.edges[i];
    if (!valid(network, e)) continue;
    pugi::xml_node edge = graph.append_child("edge");
    set(edge, "id", edge_id(i));
    set(edge, "source", node_id(e.from));
    set(edge, "target", node_id(e.to));
    // Only an edge that differs from the graph's default says so.
    if (e.directed != directed) set(edge, "directed", e.directed ? "true" : "false");
    graphml_data(edge, "edge_label", xml_text(e.label));
    if (std::isfinite(e.weight)) graphml_data(edge, "edge_weight", number(e.weight));
    if (e.confidence && std::isfinite(*e.confidence)) graphml_data(edge, "confidence", number(*e.confidence));
    if (e.support && std::isfinite(*e.support)) graphml_data(edge, "support", number(*e.support));
  }
}

// ---- GEXF 1.2

void gexf_attribute(pugi::xml_node attributes, const char* id, const char* type) {
  pugi::xml_node a = attributes.append_child("attribute");
  set(a, "id", id);
  set(a, "title", id);
  set(a, "type", type);
}

void gexf_value(pugi::xml_node values, const char* id, const std::string& value) {
  pugi::xml_node v = values.append_child("attvalue");
  set(v, "for", id);
  set(v, "value", value);
}

void build_gexf(pugi::xml_document& doc, const Network& network) {
  pugi::xml_node root = doc.append_child("gexf");
  set(root, "xmlns", "http://www.gexf.net/1.2draft");
  set(root, "xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance");
  set(root, "xsi:schemaLocation", "http://www.gexf.net/1.2draft http://www.gexf.net/1.2draft/gexf.xsd");
  set(root, "version", "1.2");
  root.append_child("meta").append_child("creator").text().set("Lumeral");

  const bool directed = any_directed(network);
  const bool confidence = any_confidence(network);
  const bool support = any_support(network);
  pugi::xml_node graph = root.append_child("graph");
  set(graph, "mode", "static");
  set(graph, "defaultedgetype", directed ? "directed" : "undirected");
  pugi::xml_node node_attributes = graph.append_child("attributes");
  set(node_attributes, "class", "node");
  gexf_attribute(node_attributes, "weight", "double");
  gexf_attribute(node_attributes, "community", "integer");
  if (confidence || support) {
    pugi::xml_node edge_attributes = graph.append_child("attributes");
    set(edge_attributes, "class", "edge");
    if (confidence) gexf_attribute(edge_attributes, "confidence", "double");
    if (support) gexf_attribute(edge_attributes, "support", "double");
  }

  pugi::xml_node nodes = graph.append_child("nodes");
  for (std::size_t i = 0; i < network.nodes.size(); ++i) {
    const NetworkNode& n = network.nodes[i];
    pugi::xml_node node = nodes.append_child("node");
    set(node, "id", node_id(i));
    set(node, "label", xml_text(n.label));
    pugi::xml_node values = node.append_child("attvalues");
    if (std::isfinite(n.weight)) gexf_value(values, "weight", number(n.weight));
    gexf_value(values, "community", std::to_string(n.community));
  }
  pugi::xml_node edges = graph.append_child("edges");
  for (std::size_t i = 0; i < network.edges.size(); ++i) {
    const NetworkEdge& e = network.edges[i];
    if (!valid(network, e)) continue;
    pugi::xml_node edge = edges.append_child("edge");
    set(edge, "id", edge_id(i));
    set(edge, "source", node_id(e.from));
    set(edge, "target", node_id(e.to));
    if (e.directed != directed) set(edge, "type", e.directed ? "directed" : "undirected");
    set(edge, "label", xml_text(e.label));
    if (std::isfinite(e.weight)) set(edge, "weight", number(e.weight));
    const bool has_confidence = e.confidence && std::isfinite(*e.confidence);
    const bool has_support = e.support && std::isfinite(*e.support);
    if (has_confidence || has_support) {
      pugi::xml_node values = edge.append_child("attvalues");
      if (has_confidence) gexf_value(values, "confidence", number(*e.confidence));
      if (has_support) gexf_value(values, "support", number(*e.support));
    }
  }
}

struct StringWriter : pugi::xml_writer {
  std::string bytes;
  void write(const void* data, std::size_t size) override { bytes.append(static_cast<const char*>(data), size); }
};

}  // namespace

std::optional<NetworkFileFormat> network_file_format(const std::filesystem::path& p) {
  const std::string extension = lower_ascii(p.extension().string());
  if (extension == ".graphml") return NetworkFileFormat::GraphMl;
  if (extension == ".gexf") return NetworkFileFormat::Gexf;
  return std::nullopt;
}

std::string network_extension_error(const std::filesystem::path& p) {
  return "O arquivo da rede deve terminar em .graphml ou .gexf: " + message_name(p);
}

std::string network_document(const Network& network, NetworkFileFormat format) {
  pugi::xml_document doc;
  pugi::xml_node declaration = doc.append_child(pugi::node_declaration);
  declaration.append_attribute("version").set_value("1.0");
  declaration.append_attribute("encoding").set_value("UTF-8");
  if (format == NetworkFileFormat::GraphMl)
    build_graphml(doc, network);
  else
    build_gexf(doc, network);
  StringWriter writer;
  doc.save(writer, "  ", pugi::format_indent, pugi::encoding_utf8);
  return std::move(writer.bytes);
}

void write_network_file(const std::filesystem::path& p, const Network& network) {
  const auto format = network_file_format(p);
  if (!format) throw Stop(network_extension_error(p));
  write_bytes_atomic(p, network_document(network, *format));
}

}  // namespace lumeral::charts
